#pragma once

#include <QByteArray>
#include <QString>

// The editor keeps its texts as Windows-1252 bytes; the widgets show Unicode. These two
// conversions sit between them so that umlauts, ß and the bullet 0x95 (U+2022) display
// and edit correctly.
namespace tekstor {

// Every byte maps to one character. The five bytes Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value, so every
// byte string survives a round trip through QString.
QString cp1252ToString(const QByteArray& bytes);

// One byte per character. A character Windows-1252 cannot hold becomes "?" and, when
// given, *allEncodable is set to false (true otherwise).
QByteArray stringToCp1252(const QString& text, bool* allEncodable = nullptr);

// Whether every character of text has a Windows-1252 byte.
bool isCp1252Encodable(const QString& text);

} // namespace tekstor
