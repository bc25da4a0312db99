#include "cli/SetCommand.h"

#include "cli/Diagnostics.h"
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
    if (const int code = call.expectArguments(3); code != ExitOk)
        return code;
    const QString& path = call.args[0];
    quarn::Register image;
    // Setting a register may be just what mends an incomplete file: go on after the message.
    const quarn::LoadResult loaded = loadSettings(image, path, call.diag);
    if (!loaded.loaded())
        return ExitFile;
    const QString content = call.args[2].toUpper();
    if (content.size() > quarn::Register::DigitCount) {
        call.diag.error(path, call.diag
                                  .pick("Ein Register hat 8 Stellen, \"%1\" hat %2.",
                                        "A register has 8 digits, \"%1\" has %2.")
                                  .arg(call.args[2])
                                  .arg(content.size()));
        return ExitUsage;
    }
    if (!quarn::isHexText(content)) {
        call.diag.error(path, quarn::msg::onlyHexDigits());
        return ExitUsage;
    }
    const int n = registerNumber(call.args[1], loaded.withTelephone);
    if (n < 0) {
        call.diag.error(path, quarn::msg::invalidRegisterNumber(loaded.withTelephone).simplified());
        return ExitUsage;
    }
    image.registerText(n) = quarn::zeroPadRight(content, quarn::Register::DigitCount);
    if (quarn::saveSettingsFile(image, path) != quarn::SaveOutcome::Saved) {
        call.diag.fileError(path, quarn::msg::fileNotSaved(), true);
        return ExitFile;
    }
    return ExitOk;
}

} // namespace cli
