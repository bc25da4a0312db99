#pragma once

#include "config/editors/frame/SettingsDialog.h"

class QCheckBox;

namespace quarn {

class CHexEdit;

// The DTMF sequence that starts (mode Beginnruf, register 358) or ends (mode Schlussruf,
// register 359) a call from the radio side: digit 0 counts the keys that follow.
class DTMFBegSchluss : public SettingsDialog {
    Q_OBJECT
public:
    enum Mode { Beginnruf = 0, Schlussruf = 1 };

    DTMFBegSchluss(Register* image, Mode mode, QWidget* parent = nullptr);

    // The keys stored in a sequence register: digit 0 counts them, at most seven fit.
    static int storedLength(int countDigit) { return qMin(countDigit, 7); }

private:
    CHexEdit* m_sequence;
    QCheckBox* m_confirm = nullptr;
};

} // namespace quarn
