#include "config/register/RegisterCodecs.h"

#include <limits>

namespace quarn {

int hexValueOfCharacter(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return 0;
}

QChar hexCharacterOfValue(int value)
{
    if (value >= 0 && value <= 9)
        return QChar(u'0' + value);
    if (value >= 10 && value <= 14)
        return QChar(u'A' + (value - 10));
    return QChar(u'F');
}

bool isHexText(const QString& text)
{
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (!((u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'F')))
            return false;
    }
    return true;
}

QString zeroPadLeft(const QString& text, int width)
{
    return text.size() >= width ? text : QString(width - text.size(), QLatin1Char('0')) + text;
}

QString zeroPadRight(const QString& text, int width)
{
    return text.size() >= width ? text : text + QString(width - text.size(), QLatin1Char('0'));
}

namespace {
qint64 power10(int e)
{
    qint64 w = 1;
    for (int i = 0; i < e; ++i)
        w *= 10;
    return w;
}
} // namespace

bool writeDecimalIntoDigits(QString& text, int first, qint64 value, int n, int unit)
{
    // Eight digits is a whole register; a unit of 0 or less would divide by zero.
    if (n < 0 || n > 8 || unit <= 0)
        return false;
    qint64 largest = 0;
    for (int k = 0; k < n; ++k)
        largest += power10(k);
    largest *= 15 * static_cast<qint64>(unit);
    if (value > largest)
        return false;
    qint64 rest = value;
    for (int k = 0; k < n; ++k) {
        const qint64 w = unit * power10(n - 1 - k);
        const qint64 q = rest / w;
        const QChar c = hexCharacterOfValue(q > 15 || q < 0 ? -1 : static_cast<int>(q));
        // A position beyond the end is the caller's error; never grow or overrun the text.
        if (first + k >= 0 && first + k < text.size())
            text[first + k] = c;
        rest -= hexValueOfCharacter(c) * w;
    }
    return true;
}

qint64 readDecimalFromDigits(const QString& text, int first, int n, int unit)
{
    qint64 sum = 0;
    for (int k = 0; k < n; ++k) {
        const int pos = first + k;
        const int d = pos >= 0 && pos < text.size() ? hexValueOfCharacter(text.at(pos)) : 0;
        sum += d * unit * power10(n - 1 - k);
    }
    return sum;
}

QString bitStringOfDigit(QChar digit)
{
    QString bits = QStringLiteral("0000");
    int v = hexValueOfCharacter(digit);
    for (int i = 3; i >= 0; --i) {
        if (v / (1 << i) == 1) {
            bits[i] = QLatin1Char('1');
            v -= 1 << i;
        }
    }
    return bits;
}

bool isBitString(const QString& bits)
{
    if (bits.size() != 4)
        return false;
    for (QChar c : bits) {
        if (c != QLatin1Char('0') && c != QLatin1Char('1'))
            return false;
    }
    return true;
}

QChar digitOfBitString(const QString& bits)
{
    int sum = 0;
    for (int i = 0; i < 4 && i < bits.size(); ++i) {
        if (bits.at(i) == QLatin1Char('1'))
            sum += 1 << i;
    }
    return hexCharacterOfValue(sum);
}

namespace {

// Like the C library's string-to-integer: leading blanks, optional sign, digits up to the
// first non-digit; no digits give 0. Saturates instead of overflowing.
qint64 leadingInteger(const QString& t)
{
    int i = 0;
    auto isBlank = [](QChar c) {
        const char16_t u = c.unicode();
        return u == u' ' || (u >= u'\t' && u <= u'\r');
    };
    while (i < t.size() && isBlank(t.at(i)))
        ++i;
    bool negative = false;
    if (i < t.size() && (t.at(i) == QLatin1Char('-') || t.at(i) == QLatin1Char('+'))) {
        negative = t.at(i) == QLatin1Char('-');
        ++i;
    }
    constexpr qint64 cap = std::numeric_limits<qint64>::max() / 20;
    qint64 v = 0;
    for (; i < t.size() && t.at(i).unicode() >= u'0' && t.at(i).unicode() <= u'9'; ++i) {
        if (v < cap)
            v = v * 10 + (t.at(i).unicode() - u'0');
    }
    return negative ? -v : v;
}

struct Normalised {
    qint64 number = 0;
    bool onlyDecimalCharacters = true;
};

Normalised normalise(QString t, int a, int f, int z)
{
    qsizetype p = -1;
    for (qsizetype i = 0; i < t.size(); ++i) {
        if (t.at(i) == QLatin1Char(',') || t.at(i) == QLatin1Char('.')) {
            p = i;
            break;
        }
    }
    if (p >= 0) {
        while (t.size() - p - 1 > f)
            t.chop(1);
        while (t.size() - p - 1 < f)
            t.append(QLatin1Char('0'));
        while (p < a) {
            t.prepend(QLatin1Char('0'));
            ++p;
        }
        t.remove(p, 1);
    } else {
        t.append(QString(f, QLatin1Char('0')));
        while (t.size() < a)
            t.prepend(QLatin1Char('0'));
    }
    t.append(QString(z, QLatin1Char('0')));

    Normalised out;
    for (QChar c : t) {
        const char16_t u = c.unicode();
        if (!((u >= u'0' && u <= u'9') || u == u',' || u == u'.'))
            out.onlyDecimalCharacters = false;
    }
    out.number = leadingInteger(t);
    return out;
}

// A divisor of 0 or less is the caller's error; read it as 1 rather than divide by zero.
qint64 divide(qint64 number, int divisor)
{
    return divisor > 0 ? number / divisor : number;
}

ParseResult judge(qint64 result, qint64 max, bool onlyDecimalCharacters)
{
    // The range test compares as unsigned: a negative result is out of range.
    if (result < 0 || result > max)
        return {-1, ParseError::OutOfRange};
    if (!onlyDecimalCharacters)
        return {-1, ParseError::NotDecimal};
    return {static_cast<int>(result), ParseError::None};
}

} // namespace

ParseResult parseDecimalInputOneDigit(const QString& text, int integerDigits, int fractionDigits, int divisor,
                                      int extraZeros)
{
    const Normalised n = normalise(text, integerDigits, fractionDigits, extraZeros);
    return judge(divide(n.number, divisor), 15, n.onlyDecimalCharacters);
}

ParseResult parseDecimalInputTwoDigits(const QString& text, int integerDigits, int fractionDigits,
                                       int divisor, int extraZeros, int offset)
{
    QString t = text;
    bool negative = false;
    if (offset != 0 && !t.isEmpty()) {
        if (t.at(0) == QLatin1Char('-')) {
            negative = true;
            t.remove(0, 1);
        } else if (t.at(0) == QLatin1Char('+')) {
            t.remove(0, 1);
        }
    }
    const Normalised n = normalise(t, integerDigits, fractionDigits, extraZeros);
    const qint64 number = negative ? -n.number : n.number;
    return judge(divide(number, divisor) + offset, 255, n.onlyDecimalCharacters);
}

ParseResult parseDecimalInputThreeDigits(const QString& text, int integerDigits, int fractionDigits,
                                         int divisor, int extraZeros)
{
    const Normalised n = normalise(text, integerDigits, fractionDigits, extraZeros);
    return judge(divide(n.number, divisor), 4095, n.onlyDecimalCharacters);
}

} // namespace quarn
