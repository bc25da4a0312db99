#include "cli/Invocation.h"

#include "cli/Command.h"
#include "cli/ConsoleProgress.h"
#include "cli/Diagnostics.h"
#include "cli/ExitCode.h"
#include "cli/GlobalOptions.h"
#include "cli/PortSetup.h"
#include "config/register/Messages.h"

namespace cli {

bool Invocation::progressShown() const
{
    return !options.quiet && ConsoleProgress::stderrIsTerminal();
}

int Invocation::usageError(const QString& problem) const
{
    diag.error(command.name(), problem);
    err << command.help(diag.language()) << Qt::flush;
    return ExitUsage;
}

int Invocation::expectArguments(int count) const
{
    if (args.size() > count)
        return usageError(diag.pick("unerwartetes Argument %1", "unexpected argument %1").arg(args[count]));
    if (args.size() < count)
        return usageError(diag.pick("Argumente fehlen", "arguments are missing"));
    return ExitOk;
}

int Invocation::withUnit(const std::function<int(PortSetup&)>& body) const
{
    if (m_unit)
        return body(*m_unit);
    if (!options.hasUnit())
        return usageError(
            diag.pick("braucht --port NAME oder --simulate", "needs --port NAME or --simulate"));
    const std::unique_ptr<PortSetup> setup = PortSetup::create(options);
    if (!setup) {
        diag.fileError(options.traceFile, quarn::msg::fileNotSaved(), true);
        return ExitFile;
    }
    return body(*setup);
}

} // namespace cli
