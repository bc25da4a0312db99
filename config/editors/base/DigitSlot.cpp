#include "DigitSlot.h"

#include "Register.h"
#include "RegisterCodecs.h"

namespace quarn {

int DigitSlot::read(const Register& image) const
{
    switch (kind) {
    case Kind::Hex:
        return image.digit(reg, first);
    case Kind::DecimalChar: {
        const QString& text = image.registerText(reg);
        if (first < text.size() && text.at(first).isDigit())
            return text.at(first).unicode() - u'0';
        return 0; // blanks and letters read as 0, like every other unreadable digit
    }
    case Kind::Flag:
        return image.digit(reg, first) == 1 ? 1 : 0;
    case Kind::OddFlag:
        return image.digit(reg, first) % 2;
    case Kind::Weighted:
        return static_cast<int>(readDecimalFromDigits(image.registerText(reg), first, count, unit));
    }
    return 0;
}

void DigitSlot::write(Register& image, int value) const
{
    switch (kind) {
    case Kind::Hex:
        image.setDigit(reg, first, value);
        return;
    case Kind::DecimalChar: {
        QString& text = image.registerText(reg);
        if (first < text.size() && value >= 0 && value <= 9)
            text[first] = QChar(u'0' + value);
        return;
    }
    case Kind::Flag:
    case Kind::OddFlag:
        image.setDigit(reg, first, value ? 1 : 0);
        return;
    case Kind::Weighted:
        // A value above the maximum leaves the digits unchanged; range checks keep it from happening.
        writeDecimalIntoDigits(image.registerText(reg), first, value, count, unit);
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
        return 1;
    case Kind::Weighted: {
        int ones = 0;
        for (int k = 0; k < count; ++k)
            ones = ones * 10 + 1;
        return 15 * unit * ones;
    }
    }
    return 0;
}

} // namespace quarn
