#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

class CHexEdit;

// The telephone mode: time limits, dialling method, ring handling and the function the unit
// runs when it leaves the telephone mode on its own (registers 190, 191, 310, 365-369).
class TelKonfig : public SettingsDialog {
    Q_OBJECT
public:
    TelKonfig(Register* image, QWidget* parent = nullptr);

private:
    // "-->": the function wizard in telephone mode on the timer word completed to eight digits.
    void runWizard();

    CHexEdit* m_timerFunction = nullptr;
};

} // namespace quarn
