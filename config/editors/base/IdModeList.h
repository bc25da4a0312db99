#pragma once

#include <QList>
#include <QStringList>

namespace quarn {

// The ID-mode entries that one dialog's combo box offers, with the register digit of each
// list position. A digit the list does not offer opens without selection; a combo box
// without selection is written as "F".
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

    // Tones entered in a sequence field of an evaluator (decoders, key tones) for a mode digit;
    // xCount is the X-tone count as the evaluators use it.
    static int evaluatorToneCount(int modeDigit, int xCount);
    // The X-tone count as evaluators read register 81 digit 5: 5 unless it holds 3-7.
    static int evaluatorXCount(int digitValue);

private:
    QStringList m_sourceTexts;
    QList<int> m_digits;
};

} // namespace quarn
