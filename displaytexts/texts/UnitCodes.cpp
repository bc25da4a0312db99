#include "displaytexts/texts/UnitCodes.h"

namespace tekstor {

QByteArray toUnitCodes(const QByteArray& text)
{
    QByteArray out = text;
    for (char& c : out) {
        switch (static_cast<unsigned char>(c)) {
        case 0xE4: // ä
        case 0xC4: // Ä
            c = char(0xE1);
            break;
        case 0xDF: // ß
            c = char(0xE2);
            break;
        case 0x24: // $
            c = char(0xE3);
            break;
        case 0xF6: // ö
        case 0xD6: // Ö
            c = char(0xEF);
            break;
        case 0xFC: // ü
        case 0xDC: // Ü
            c = char(0xF5);
            break;
        case 0x95: // bullet
            c = ' ';
            break;
        default:
            break;
        }
    }
    return out;
}

QByteArray fromUnitCodes(const QByteArray& text)
{
    QByteArray out = text;
    for (char& c : out) {
        switch (static_cast<unsigned char>(c)) {
        case 0xE1:
            c = char(0xE4);
            break;
        case 0xE2:
            c = char(0xDF);
            break;
        case 0xE3:
            c = '$';
            break;
        case 0xEF:
            c = char(0xF6);
            break;
        case 0xF5:
            c = char(0xFC);
            break;
        case 0x20:
            c = char(0x95);
            break;
        default:
            break;
        }
    }
    return out;
}

} // namespace tekstor
