#include "cli/ReadCommand.h"

#include "cli/ExitCode.h"
#include "cli/Invocation.h"
#include "cli/UnitSession.h"
#include "config/link/BulkRead.h"
#include "config/register/Messages.h"
#include "config/register/SettingsFile.h"

namespace cli {

QList<QCommandLineOption> ReadCommand::options() const
{
    return {outputOption(QStringLiteral("the settings file to write"))};
}

int ReadCommand::run(Invocation& call) const
{
    const QString path = call.value(QStringLiteral("output"));
    if (path.isEmpty() || !call.args.isEmpty())
        return call.usageError(QStringLiteral("read -o FILE"));
    return call.withUnit([&](PortSetup& setup) {
        UnitSession unit(setup, call.options, call.err);
        int code = unit.connect();
        if (code != ExitOk)
            return code;
        code = unit.report(quarn::link::BulkRead(unit.context()).execute());
        // A read with missing registers is not saved: the file would not load again.
        if (code == ExitOk && quarn::saveSettingsFile(unit.image(), path) != quarn::SaveOutcome::Saved) {
            call.err << quarn::msg::fileNotSaved() << Qt::endl;
            code = ExitFile;
        }
        return unit.finish(code);
    });
}

} // namespace cli
