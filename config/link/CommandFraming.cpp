#include "config/link/CommandFraming.h"

#include "platform/BytePort.h"

namespace quarn::link::framing {

QString registerNumberText(int n)
{
    return QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
}

QString replyPrefix(int n)
{
    return QStringLiteral("$R") + registerNumberText(n);
}

QString readCommand(int n)
{
    return QStringLiteral("$R") + registerNumberText(n) + QLatin1Char('\r');
}

QString writeCommand(int n, const QString& digits)
{
    return QStringLiteral("$P") + registerNumberText(n) + digits + QLatin1Char('\r');
}

bool sendText(platform::BytePort& port, const QString& text)
{
    if (text.size() > MaxSendText || !port.isOpen())
        return false;
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text)
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
    return port.write(bytes);
}

bool restartPort(platform::BytePort& port, const QString& name)
{
    port.close();
    if (!port.open(name))
        return false;
    port.setReadTimeout(ReadTimeoutMs);
    return true;
}

} // namespace quarn::link::framing
