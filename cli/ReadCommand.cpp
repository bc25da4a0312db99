#include "cli/ReadCommand.h"

#include "cli/Diagnostics.h"
#include "cli/ExitCode.h"
#include "cli/Invocation.h"
#include "cli/UnitSession.h"
#include "config/register/Messages.h"
#include "config/register/SettingsFile.h"

namespace cli {

QList<QCommandLineOption> ReadCommand::options(Language language) const
{
    return {
        outputOption(pick(language, "die zu schreibende Einstellungsdatei", "the settings file to write"))};
}

int ReadCommand::run(Invocation& call) const
{
    const QString path = call.value(QStringLiteral("output"));
    if (path.isEmpty())
        return call.usageError(call.diag.pick("-o DATEI fehlt", "-o FILE is missing"));
    if (const int code = call.expectArguments(0); code != ExitOk)
        return code;
    return call.withUnit([&](PortSetup& setup) {
        UnitSession unit(setup, call);
        int code = unit.connect();
        if (code != ExitOk)
            return code;
        code = unit.read();
        // A read with missing registers is not saved: the file would not load again.
        if (code == ExitOk && quarn::saveSettingsFile(unit.image(), path) != quarn::SaveOutcome::Saved) {
            call.diag.fileError(path, quarn::msg::fileNotSaved(), true);
            code = ExitFile;
        }
        return unit.finish(code);
    });
}

} // namespace cli
