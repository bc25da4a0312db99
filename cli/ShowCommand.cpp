#include "cli/ShowCommand.h"

#include "cli/ExitCode.h"
#include "cli/Invocation.h"
#include "cli/SettingsLoad.h"
#include "config/link/CommandFraming.h"

namespace cli {

int ShowCommand::run(Invocation& call) const
{
    if (const int code = call.expectArguments(1); code != ExitOk)
        return code;
    quarn::Register image;
    const quarn::LoadResult loaded = loadSettings(image, call.args[0], call.diag);
    if (!loaded.loaded())
        return ExitFile;
    for (int n : quarn::Register::numbers(loaded.withTelephone))
        call.out << quarn::link::framing::registerNumberText(n) << ' ' << image.registerText(n) << '\n';
    call.out.flush();
    // An incomplete file is shown as far as it goes but still counts as not readable.
    return loaded.outcome == quarn::LoadOutcome::Loaded ? ExitOk : ExitFile;
}

} // namespace cli
