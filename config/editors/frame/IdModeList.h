#pragma once

#include "config/editors/frame/ChoiceMap.h"

#include <QList>
#include <QStringList>

namespace quarn {

// The ID-mode entries that one dialog's combo box offers, with the register digit of each
// list position. A digit the list does not offer opens without selection, and a combo box
// without selection leaves the digit as it was.
class IdModeList {
public:
    // Call encoder and target calls: 0-5, then 8, 9 and "F".
    static const IdModeList& sending();
    // Decoders: position = digit 0-D.
    static const IdModeList& decoders();
    // FFSK emergency call: 0 and 1.
    static const IdModeList& ffskEmergency();

    IdModeList(QStringList sourceTexts, QList<int> digits);

    QStringList texts() const; // translated
    int size() const { return static_cast<int>(m_digits.size()); }
    const QList<int>& digits() const { return m_digits; } // digit of each list position
    int digitOfPosition(int position) const;              // 15 for -1 and unknown positions
    int positionOfDigit(int digit) const;                 // -1 when the list does not offer it

    // The list as a choice map: a digit the list does not offer opens without selection.
    ChoiceMap map() const { return ChoiceMap::of(m_digits); }

private:
    QStringList m_sourceTexts;
    QList<int> m_digits;
};

} // namespace quarn
