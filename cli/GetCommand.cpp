#include "cli/GetCommand.h"

#include "cli/ExitCode.h"
#include "cli/Invocation.h"
#include "cli/RegisterNumber.h"
#include "cli/SettingsLoad.h"
#include "config/register/Messages.h"

namespace cli {

int GetCommand::run(Invocation& call) const
{
    if (call.args.size() != 2)
        return call.usageError(QStringLiteral("get FILE N"));
    quarn::Register image;
    const quarn::LoadResult loaded = loadSettings(image, call.args[0], call.err);
    if (!loaded.loaded())
        return ExitFile;
    const int n = registerNumber(call.args[1], loaded.withTelephone);
    if (n < 0) {
        call.err << quarn::msg::invalidRegisterNumber(loaded.withTelephone) << Qt::endl;
        return ExitUsage;
    }
    call.out << image.registerText(n) << Qt::endl;
    return loaded.outcome == quarn::LoadOutcome::Loaded ? ExitOk : ExitFile;
}

} // namespace cli
