#pragma once

#include <QStringList>
#include <QTextStream>

namespace platform {
class BytePort;
class Clock;
} // namespace platform

namespace cli {

// `quarnctl texts ...`: reads and programs the unit's display texts and converts text files.
// The port is not open yet; the command opens it by portName through the display-text
// connect exchange. Returns the process exit code (0 ok, 1 exchange failed, 2 usage,
// 3 port cannot be opened, 4 file cannot be read or written).
int runTextsCommand(platform::BytePort& port, const QString& portName, platform::Clock& clock,
                    const QStringList& args, QTextStream& out, QTextStream& err);

} // namespace cli
