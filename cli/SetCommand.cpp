#include "cli/SetCommand.h"

#include "cli/ExitCode.h"
#include "cli/Invocation.h"
#include "cli/RegisterNumber.h"
#include "cli/SettingsLoad.h"
#include "config/register/Messages.h"
#include "config/register/RegisterCodecs.h"

namespace cli {

// The rules of the single-register editor: upper case, only hex digits, padded on the right
// with "0" to 8, a register number the file has; the file is saved atomically.
int SetCommand::run(Invocation& call) const
{
    if (call.args.size() != 3)
        return call.usageError(QStringLiteral("set FILE N DIGITS"));
    const QString& path = call.args[0];
    quarn::Register image;
    // Setting a register may be just what mends an incomplete file: go on after the message.
    const quarn::LoadResult loaded = loadSettings(image, path, call.err);
    if (!loaded.loaded())
        return ExitFile;
    const QString content = call.args[2].toUpper();
    if (content.size() > quarn::Register::DigitCount || !quarn::isHexText(content)) {
        call.err << quarn::msg::onlyHexDigits() << Qt::endl;
        return ExitUsage;
    }
    const int n = registerNumber(call.args[1], loaded.withTelephone);
    if (n < 0) {
        call.err << quarn::msg::invalidRegisterNumber(loaded.withTelephone) << Qt::endl;
        return ExitUsage;
    }
    image.registerText(n) = quarn::zeroPadRight(content, quarn::Register::DigitCount);
    if (quarn::saveSettingsFile(image, path) != quarn::SaveOutcome::Saved) {
        call.err << quarn::msg::fileNotSaved() << Qt::endl;
        return ExitFile;
    }
    return ExitOk;
}

} // namespace cli
