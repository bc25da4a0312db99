#include "cli/WriteCommand.h"

#include "cli/ExitCode.h"
#include "cli/Invocation.h"
#include "cli/SettingsLoad.h"
#include "cli/UnitSession.h"

namespace cli {

int WriteCommand::run(Invocation& call) const
{
    if (const int code = call.expectArguments(1); code != ExitOk)
        return code;
    return call.withUnit([&](PortSetup& setup) {
        UnitSession unit(setup, call);
        const QString& path = call.args[0];
        const quarn::LoadResult loaded = loadSettings(unit.image(), path, call.diag);
        if (!loaded.loaded())
            return int(ExitFile);
        const int code = unit.connect();
        if (code != ExitOk)
            return code;
        // As after "Öffnen" with a unit connected: the file decides which registers go out.
        unit.image().telephoneInterface = loaded.withTelephone;
        return unit.finish(unit.send(path));
    });
}

} // namespace cli
