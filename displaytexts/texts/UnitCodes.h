#pragma once

#include <QByteArray>

// The unit's display has its own codes for the German letters and for "$". Every text
// sent to the unit passes through toUnitCodes(), every text received through
// fromUnitCodes(), byte by byte; bytes not listed pass unchanged (so the digits and
// letters of an own text's configuration are unaffected).
namespace tekstor {

// Send conversion (Windows-1252 to unit codes):
//   ä 0xE4, Ä 0xC4 -> 0xE1;  ß 0xDF -> 0xE2;  $ 0x24 -> 0xE3;
//   ö 0xF6, Ö 0xD6 -> 0xEF;  ü 0xFC, Ü 0xDC -> 0xF5;  bullet 0x95 -> blank 0x20.
QByteArray toUnitCodes(const QByteArray& text);

// Receive conversion (unit codes to Windows-1252):
//   0xE1 -> ä, 0xE2 -> ß, 0xE3 -> $, 0xEF -> ö, 0xF5 -> ü, blank 0x20 -> bullet 0x95.
// Blanks become bullets so they are visible in lists and edit fields; capital umlauts
// therefore come back small.
QByteArray fromUnitCodes(const QByteArray& text);

} // namespace tekstor
