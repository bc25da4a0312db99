#include "config/editors/frame/ToneCounts.h"

#include "config/editors/frame/DigitSlot.h"
#include "config/editors/frame/DigitSource.h"

namespace quarn {

int ToneCounts::xCount(int digitValue)
{
    return digitValue >= 3 && digitValue <= 7 ? digitValue : 5;
}

int ToneCounts::xCount(const DigitSource& source)
{
    return xCount(DigitSlot::decimalChar(81, 5).read(source));
}

int ToneCounts::evaluatorToneCount(int modeDigit, int xCount)
{
    switch (modeDigit) {
    case 1:
    case 2:
    case 6:
    case 9:
        return xCount;
    case 8:
        return 4;
    case 12:
        return 6;
    default:
        return 5;
    }
}

int ToneCounts::sendingModeOfKeyDigit(int digit)
{
    if (digit >= 0 && digit <= 5)
        return digit;
    if (digit == 6 || digit == 7)
        return 0;
    if (digit == 8 || digit == 9)
        return digit - 2;
    return AllPositions;
}

int ToneCounts::acknowledgementLength(int digit)
{
    if (digit == 0)
        return 5;
    return digit > 7 ? 7 : digit;
}

} // namespace quarn
