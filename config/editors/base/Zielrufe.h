#pragma once

#include "config/editors/frame/SettingsDialog.h"

#include <array>

class QCheckBox;
class QComboBox;

namespace quarn {

class CHexEdit;
class IntegerEdit;

// The fifteen target calls: 0-9 (normally sent with the Z key plus the number) and the external
// calls A-E (sent by a specially programmed key or input), each a tone sequence with its ID
// mode, and the time after which an external call is repeated.
class Zielrufe : public SettingsDialog {
    Q_OBJECT
public:
    static constexpr int Calls = 15;

    explicit Zielrufe(Register* image, QWidget* parent = nullptr);

    // Register of call 0-14 (0-9, then 103-107 for A-E).
    static int registerOf(int call);
    // The sending mode a call's field is laid out for: the list position, or for "wie bei Taste
    // programmiert" (and for no selection) the Z key's programmed mode while calls 0-9 go by
    // the Z key, else all positions.
    static int effectiveMode(int call, int position, bool byZKey, int zKeyModeDigit);
    // Tones of the "Tonfolge" field for an effective mode and the X-tone count.
    static int lengthOf(int effectiveMode, int xCount);

    int lengthOfCall(int call) const;

private:
    void layOut(int call);
    void layOutAll();

    std::array<CHexEdit*, Calls> m_sequence{};
    std::array<QComboBox*, Calls> m_mode{};
    QCheckBox* m_byZKey = nullptr;
    IntegerEdit* m_repeat = nullptr;
};

} // namespace quarn
