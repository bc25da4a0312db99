#include "sim/UnitDisplayCodes.h"

namespace sim {

QByteArray UnitDisplayCodes::fromText(const QString& text)
{
    QByteArray codes;
    codes.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case 0x00E4: // ä
        case 0x00C4: // Ä
            codes.append(char(0xE1));
            break;
        case 0x00DF: // ß
            codes.append(char(0xE2));
            break;
        case '$':
            codes.append(char(0xE3));
            break;
        case 0x00F6: // ö
        case 0x00D6: // Ö
            codes.append(char(0xEF));
            break;
        case 0x00FC: // ü
        case 0x00DC: // Ü
            codes.append(char(0xF5));
            break;
        default:
            codes.append(c.unicode() < 0x100 ? char(c.unicode()) : '?');
            break;
        }
    }
    return codes;
}

QString UnitDisplayCodes::toText(const QByteArray& codes)
{
    QString text;
    text.reserve(codes.size());
    for (const char b : codes) {
        switch (static_cast<unsigned char>(b)) {
        case 0xE1:
            text.append(QChar(0x00E4));
            break;
        case 0xE2:
            text.append(QChar(0x00DF));
            break;
        case 0xE3:
            text.append(QLatin1Char('$'));
            break;
        case 0xEF:
            text.append(QChar(0x00F6));
            break;
        case 0xF5:
            text.append(QChar(0x00FC));
            break;
        default:
            text.append(QChar(static_cast<unsigned char>(b)));
            break;
        }
    }
    return text;
}

} // namespace sim
