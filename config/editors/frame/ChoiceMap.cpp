#include "config/editors/frame/ChoiceMap.h"

namespace quarn {

ChoiceMap ChoiceMap::identity(int count)
{
    QList<int> digits;
    for (int i = 0; i < count; ++i)
        digits << i;
    return of(digits);
}

ChoiceMap ChoiceMap::of(const QList<int>& digits)
{
    ChoiceMap map;
    map.m_digitOfPosition = digits;
    for (int i = 0; i < digits.size(); ++i) {
        if (!map.m_positionOfDigit.contains(digits.at(i)))
            map.m_positionOfDigit.insert(digits.at(i), i);
    }
    return map;
}

ChoiceMap& ChoiceMap::reading(int digit, int position)
{
    m_positionOfDigit.insert(digit, position);
    return *this;
}

std::optional<int> ChoiceMap::digitOf(int position) const
{
    if (position < 0 || position >= m_digitOfPosition.size())
        return std::nullopt;
    return m_digitOfPosition.at(position);
}

} // namespace quarn
