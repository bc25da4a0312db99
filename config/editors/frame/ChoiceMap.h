#pragma once

#include <QHash>
#include <QList>

#include <optional>

namespace quarn {

// How the positions of a combo box or radio group map to a digit value and back. Reading may
// map several digits to one position; a digit the map does not know opens without selection,
// and no selection writes nothing, so an unknown value survives a round trip.
class ChoiceMap {
public:
    // Position i <-> digit i for count positions.
    static ChoiceMap identity(int count);
    // Position i <-> digits[i]; reading is the inverse.
    static ChoiceMap of(const QList<int>& digits);

    // Reading digit also selects position (many-to-one).
    ChoiceMap& reading(int digit, int position);

    int positionOf(int digit) const { return m_positionOfDigit.value(digit, -1); }
    // nullopt for "no selection" and for positions the map does not know.
    std::optional<int> digitOf(int position) const;
    int size() const { return static_cast<int>(m_digitOfPosition.size()); }

private:
    QList<int> m_digitOfPosition;
    QHash<int, int> m_positionOfDigit;
};

} // namespace quarn
