#pragma once

#include "config/editors/frame/SettingsDialog.h"

class QButtonGroup;
class QRadioButton;

namespace quarn {

class CHexEdit;

// FFSK and FMS: the limit number between tone-sequence and FFSK calls, the "#" identifier, the
// operating-mode identifier (BAK), FFSK suppression and identifiers at PTT, the status
// configuration, and the FFSK emergency call with its ID mode and reactions.
class Ffsk : public SettingsDialog {
    Q_OBJECT
public:
    explicit Ffsk(Register* image, QWidget* parent = nullptr);

    // Status digits of the selected configuration: 0-2, or 0 with none selected.
    int statusDigits() const;

private:
    void applyStatusConfiguration();

    QButtonGroup* m_status = nullptr;
    CHexEdit* m_startStatus = nullptr;
};

} // namespace quarn
