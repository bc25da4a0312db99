#include "cli/Invocation.h"

#include "cli/Command.h"
#include "cli/ExitCode.h"
#include "cli/GlobalOptions.h"
#include "cli/PortSetup.h"

namespace cli {

int Invocation::usageError(const QString& problem) const
{
    err << "quarnctl: " << command.name() << ": " << problem << '\n' << command.help() << Qt::flush;
    return ExitUsage;
}

int Invocation::withUnit(const std::function<int(PortSetup&)>& body) const
{
    if (!options.hasUnit())
        return usageError(QStringLiteral("needs --port NAME or --simulate"));
    QString error;
    const std::unique_ptr<PortSetup> setup = PortSetup::create(options, error);
    if (!setup) {
        err << "quarnctl: " << error << Qt::endl;
        return ExitFile;
    }
    return body(*setup);
}

} // namespace cli
