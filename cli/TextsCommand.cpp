#include "TextsCommand.h"

namespace cli {

int runTextsCommand(platform::BytePort&, const QString&, platform::Clock&, const QStringList&, QTextStream&,
                    QTextStream& err)
{
    // Replaced by the display-text work; until then the command is refused as unknown.
    err << "quarnctl: texts: not available\n";
    return 2;
}

} // namespace cli
