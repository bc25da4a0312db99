#include "cli/SettingsLoad.h"

#include "config/register/Messages.h"

namespace cli {

quarn::LoadResult loadSettings(quarn::Register& image, const QString& path, QTextStream& err)
{
    const quarn::LoadResult result = quarn::loadSettingsFile(image, path);
    if (const QString message = quarn::msg::loadMessage(result.outcome); !message.isEmpty())
        err << message << Qt::endl;
    return result;
}

} // namespace cli
