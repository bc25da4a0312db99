#include "config/editors/frame/DigitSlot.h"

#include "config/editors/frame/DigitSource.h"
#include "config/register/RegisterCodecs.h"

#include <bit>

namespace quarn {

namespace {
int lowestBit(int mask)
{
    return mask ? std::countr_zero(static_cast<unsigned>(mask)) : 0;
}
} // namespace

bool DigitSlot::isFlag() const
{
    return kind == Kind::Flag || kind == Kind::OddFlag || kind == Kind::NonZeroFlag ||
           kind == Kind::InvertedFlag ||
           (kind == Kind::Bits && std::has_single_bit(static_cast<unsigned>(unit)));
}

int DigitSlot::read(const DigitSource& source) const
{
    const int d = source.digit(reg, first);
    switch (kind) {
    case Kind::Hex:
        return d;
    case Kind::DecimalChar: {
        const QString text = source.text(reg);
        if (first < text.size() && text.at(first) >= u'0' && text.at(first) <= u'9')
            return text.at(first).unicode() - u'0';
        return 0; // blanks and letters read as 0, like every other unreadable digit
    }
    case Kind::Flag:
        return source.text(reg).mid(first, 1) == QLatin1String("1") ? 1 : 0;
    case Kind::OddFlag:
        return d % 2;
    // A blank or non-hex flag digit reads as "0", like every other unreadable digit.
    case Kind::NonZeroFlag:
        return d != 0 ? 1 : 0;
    case Kind::InvertedFlag:
        return d == 0 ? 1 : 0;
    case Kind::Bits:
        return (d & unit) >> lowestBit(unit);
    case Kind::Weighted:
        return static_cast<int>(readDecimalFromDigits(source.text(reg), first, count, unit));
    case Kind::Scaled:
        return d * unit;
    }
    return 0;
}

void DigitSlot::write(DigitSource& source, int value) const
{
    switch (kind) {
    case Kind::Hex:
        source.setDigit(reg, first, value);
        return;
    case Kind::DecimalChar:
        if (value >= 0 && value <= 9)
            source.setCharacter(reg, first, QChar(u'0' + value));
        return;
    case Kind::Flag:
    case Kind::OddFlag:
    case Kind::NonZeroFlag:
        source.setDigit(reg, first, value ? 1 : 0);
        return;
    case Kind::InvertedFlag:
        source.setDigit(reg, first, value ? 0 : 1);
        return;
    case Kind::Bits: {
        const int kept = source.digit(reg, first) & ~unit & 0xF;
        source.setDigit(reg, first, kept | ((value << lowestBit(unit)) & unit));
        return;
    }
    case Kind::Weighted: {
        QString text = source.text(reg);
        // A value above the maximum leaves the digits unchanged; the range checks keep it from happening.
        if (writeDecimalIntoDigits(text, first, value, count, unit))
            source.setCharacters(reg, first, text.mid(first, count));
        return;
    }
    case Kind::Scaled:
        source.setDigit(reg, first, unit > 0 ? value / unit : value);
        return;
    }
}

int DigitSlot::maximum() const
{
    switch (kind) {
    case Kind::Hex:
        return 15;
    case Kind::DecimalChar:
        return 9;
    case Kind::Flag:
    case Kind::OddFlag:
    case Kind::NonZeroFlag:
    case Kind::InvertedFlag:
        return 1;
    case Kind::Bits:
        return unit >> lowestBit(unit);
    case Kind::Weighted: {
        int ones = 0;
        for (int k = 0; k < count; ++k)
            ones = ones * 10 + 1;
        return 15 * unit * ones;
    }
    case Kind::Scaled:
        return 15 * unit;
    }
    return 0;
}

} // namespace quarn
