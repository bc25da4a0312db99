#pragma once

#include <QChar>
#include <QString>

// Conversions between register digits and the values the dialogs show.
namespace quarn {

// "0"-"9" give 0-9, "A"-"F" give 10-15, everything else 0.
int hexValueOfCharacter(QChar c);
// 0-9 give "0"-"9", 10-14 "A"-"E"; everything else (15, larger, negative) "F".
QChar hexCharacterOfValue(int value);
// Every character "0"-"9" or "A"-"F"; an empty text is hex text.
bool isHexText(const QString& text);
QString zeroPadLeft(const QString& text, int width);
QString zeroPadRight(const QString& text, int width);

// Weighted digits: value = unit * (d0*10^(n-1) + ... + d(n-1)), each digit 0-15.
// Writes digits first..first+n-1 of text; false (nothing written) when the value is
// larger than 15 * unit * (1 + 10 + ... + 10^(n-1)), or for n outside 0-8 or a unit
// below 1. A negative value writes "F" into every digit. Positions beyond the end of
// the text are skipped, never appended.
bool writeDecimalIntoDigits(QString& text, int first, qint64 value, int n, int unit);
// The reverse, as the dialogs read it: sum of digit * weight.
qint64 readDecimalFromDigits(const QString& text, int first, int n, int unit);

// Four "0"/"1" characters, bit 0 of the digit's value first: "1" -> "1000".
QString bitStringOfDigit(QChar digit);
// Exactly four characters "0"/"1": what digitOfBitString expects ("Kein str8bit erhalten!"
// names the case where a caller got something else).
bool isBitString(const QString& bits);
// The hex character whose bits the text holds; texts that are not four characters long
// are read as far as they go.
QChar digitOfBitString(const QString& bits);

enum class ParseError { None, OutOfRange, NotDecimal };

struct ParseResult {
    int value = -1; // -1 on error
    ParseError error = ParseError::None;
    bool ok() const { return error == ParseError::None; }
};

// Decimal input with "," or "." as separator, scaled by 10^(fractionDigits+extraZeros)
// and divided by divisor. The range check comes before the character check.
// Range 0-15, no sign.
ParseResult parseDecimalInputOneDigit(const QString& text, int integerDigits, int fractionDigits, int divisor,
                                      int extraZeros);
// Range 0-255 after adding the offset; a sign is taken only when offset is not 0.
ParseResult parseDecimalInputTwoDigits(const QString& text, int integerDigits, int fractionDigits,
                                       int divisor, int extraZeros, int offset);
// Range 0-4095, no sign.
ParseResult parseDecimalInputThreeDigits(const QString& text, int integerDigits, int fractionDigits,
                                         int divisor, int extraZeros);

} // namespace quarn
