#include "cli/VerifyCommand.h"

#include "cli/ExitCode.h"
#include "cli/Invocation.h"
#include "cli/SettingsLoad.h"
#include "cli/UnitSession.h"
#include "config/link/BulkRead.h"
#include "config/link/CommandFraming.h"

using namespace quarn::link;

namespace cli {

int VerifyCommand::run(Invocation& call) const
{
    if (call.args.size() != 1)
        return call.usageError(QStringLiteral("verify FILE"));
    return call.withUnit([&](PortSetup& setup) {
        quarn::Register file;
        const quarn::LoadResult loaded = loadSettings(file, call.args[0], call.err);
        if (!loaded.loaded())
            return int(ExitFile);
        UnitSession unit(setup, call.options, call.err);
        int code = unit.connect();
        if (code != ExitOk)
            return code;
        const LinkOutcome read = BulkRead(unit.context()).execute();
        code = unit.report(read);
        if (read.result == LinkResult::Completed || read.result == LinkResult::NotAllRead) {
            bool differ = false;
            for (int n : quarn::Register::numbers(loaded.withTelephone)) {
                if (file.registerText(n) == unit.image().registerText(n))
                    continue;
                differ = true;
                call.out << framing::registerNumberText(n) << ' ' << file.registerText(n) << ' '
                         << unit.image().registerText(n) << '\n';
            }
            call.out.flush();
            if (differ)
                code = ExitFailed;
        }
        return unit.finish(code);
    });
}

} // namespace cli
