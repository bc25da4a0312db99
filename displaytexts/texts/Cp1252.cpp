#include "displaytexts/texts/Cp1252.h"

namespace tekstor {

namespace {

// 0x80..0x9F; the five undefined bytes keep their C1 control code point.
constexpr char16_t HighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool toByte(QChar ch, char* byte)
{
    const char16_t u = ch.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
        *byte = char(u);
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        if (HighControls[i] == u) {
            *byte = char(0x80 + i);
            return true;
        }
    }
    return false;
}

} // namespace

QString cp1252ToString(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out.append(b >= 0x80 && b < 0xA0 ? QChar(HighControls[b - 0x80]) : QChar(b));
    }
    return out;
}

QByteArray stringToCp1252(const QString& text, bool* allEncodable)
{
    QByteArray out;
    out.reserve(text.size());
    bool all = true;
    for (QChar ch : text) {
        char b = '?';
        if (!toByte(ch, &b))
            all = false;
        out.append(b);
    }
    if (allEncodable)
        *allEncodable = all;
    return out;
}

bool isCp1252Encodable(const QString& text)
{
    char b = 0;
    for (QChar ch : text) {
        if (!toByte(ch, &b))
            return false;
    }
    return true;
}

} // namespace tekstor
