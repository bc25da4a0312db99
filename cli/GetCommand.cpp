#include "cli/GetCommand.h"

#include "cli/Diagnostics.h"
#include "cli/ExitCode.h"
#include "cli/Invocation.h"
#include "cli/RegisterNumber.h"
#include "cli/SettingsLoad.h"
#include "config/register/Messages.h"

namespace cli {

int GetCommand::run(Invocation& call) const
{
    if (const int code = call.expectArguments(2); code != ExitOk)
        return code;
    quarn::Register image;
    const quarn::LoadResult loaded = loadSettings(image, call.args[0], call.diag);
    if (!loaded.loaded())
        return ExitFile;
    const int n = registerNumber(call.args[1], loaded.withTelephone);
    if (n < 0) {
        call.diag.error(call.args[0], quarn::msg::invalidRegisterNumber(loaded.withTelephone).simplified());
        return ExitUsage;
    }
    call.out << image.registerText(n) << Qt::endl;
    return loaded.outcome == quarn::LoadOutcome::Loaded ? ExitOk : ExitFile;
}

} // namespace cli
