#include "cli/SettingsLoad.h"

#include "cli/Diagnostics.h"
#include "config/register/Messages.h"

namespace cli {

quarn::LoadResult loadSettings(quarn::Register& image, const QString& path, Diagnostics& diag)
{
    const quarn::LoadResult result = quarn::loadSettingsFile(image, path);
    if (result.outcome == quarn::LoadOutcome::Unreadable)
        diag.fileError(path, quarn::msg::fileNotRead(), false);
    else if (result.outcome == quarn::LoadOutcome::LoadedIncomplete)
        diag.error(path, quarn::msg::fileIncomplete());
    return result;
}

} // namespace cli
