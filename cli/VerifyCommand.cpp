#include "cli/VerifyCommand.h"

#include "cli/Diagnostics.h"
#include "cli/ExitCode.h"
#include "cli/Invocation.h"
#include "cli/SettingsLoad.h"
#include "cli/UnitSession.h"
#include "config/link/CommandFraming.h"

namespace cli {

int VerifyCommand::run(Invocation& call) const
{
    if (const int code = call.expectArguments(1); code != ExitOk)
        return code;
    return call.withUnit([&](PortSetup& setup) {
        const QString& path = call.args[0];
        quarn::Register file;
        const quarn::LoadResult loaded = loadSettings(file, path, call.diag);
        if (!loaded.loaded())
            return int(ExitFile);
        UnitSession unit(setup, call);
        int code = unit.connect();
        if (code != ExitOk)
            return code;
        code = unit.read();
        // A read that ended early still compares what it got.
        if (unit.lastResult() != quarn::link::LinkResult::Completed &&
            unit.lastResult() != quarn::link::LinkResult::NotAllRead)
            return unit.finish(code);
        // A unit without the telephone interface cannot hold the file's telephone registers:
        // said once, and those registers are left out of the lines.
        const bool telephone = loaded.withTelephone && unit.image().telephoneInterface;
        if (loaded.withTelephone && !telephone) {
            call.diag.error(path, call.diag.pick("Die Datei enthält die Register des Telefoninterface, das "
                                                 "Gerät hat keines; verglichen werden die Register 0-199.",
                                                 "The file holds the telephone interface's registers, the "
                                                 "unit has none; registers 0-199 are compared."));
            code = ExitFailed;
        }
        bool differ = false;
        for (int n : quarn::Register::numbers(telephone)) {
            if (file.registerText(n) == unit.image().registerText(n))
                continue;
            differ = true;
            call.out << quarn::link::framing::registerNumberText(n) << ' ' << file.registerText(n) << ' '
                     << unit.image().registerText(n) << '\n';
        }
        call.out.flush();
        return unit.finish(differ ? int(ExitFailed) : code);
    });
}

} // namespace cli
