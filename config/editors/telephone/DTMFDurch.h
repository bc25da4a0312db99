#pragma once

#include "config/editors/frame/SettingsDialog.h"

class QCheckBox;
class QComboBox;

namespace quarn {

class CHexEdit;

// Through-dialling from the telephone to the radio: the tone sequence sent in normal mode
// (register 361) and in night switching (362), their ID modes and coupling tones (363).
class DTMFDurch : public SettingsDialog {
    Q_OBJECT
public:
    DTMFDurch(Register* image, QWidget* parent = nullptr);

    // Tones of an ID-mode list position: 6-tone 6, 7-tone 7, everything else (no selection too) 5.
    static int sequenceLength(int modePosition);

private:
    // Completes each sequence with "0" to its ID mode's length and cuts it there.
    void fitSequences();

    QComboBox* m_normalMode;
    QComboBox* m_nightMode;
    CHexEdit* m_normalSequence;
    CHexEdit* m_nightSequence;
    QCheckBox* m_nightAtStart;
    QCheckBox* m_keepNightState;
};

} // namespace quarn
