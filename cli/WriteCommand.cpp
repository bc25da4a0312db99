#include "cli/WriteCommand.h"

#include "cli/ExitCode.h"
#include "cli/Invocation.h"
#include "cli/SettingsLoad.h"
#include "cli/UnitSession.h"
#include "config/link/BulkSend.h"

namespace cli {

int WriteCommand::run(Invocation& call) const
{
    if (call.args.size() != 1)
        return call.usageError(QStringLiteral("write FILE"));
    return call.withUnit([&](PortSetup& setup) {
        UnitSession unit(setup, call.options, call.err);
        const quarn::LoadResult loaded = loadSettings(unit.image(), call.args[0], call.err);
        if (!loaded.loaded())
            return int(ExitFile);
        const int code = unit.connect();
        if (code != ExitOk)
            return code;
        // As after "Öffnen" with a unit connected: the file decides which registers go out.
        unit.image().telephoneInterface = loaded.withTelephone;
        return unit.finish(unit.report(quarn::link::BulkSend(unit.context()).execute()));
    });
}

} // namespace cli
