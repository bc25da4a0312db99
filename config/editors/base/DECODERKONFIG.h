#pragma once

#include "config/editors/frame/SettingsDialog.h"

class QCheckBox;
class QComboBox;

namespace quarn {

class CHexEdit;
class ReactionSettings;

// The configuration of one decoder (0-9): whether it is active, the sequence it recognises
// with its ID mode, and its reaction settings.
class DECODERKONFIG : public SettingsDialog {
    Q_OBJECT
public:
    DECODERKONFIG(Register* image, int decoder, QWidget* parent = nullptr);

    // Length of the sequence field for the ID mode chosen now.
    int sequenceLength() const;

private:
    void refreshSequence();

    int m_decoder;
    QCheckBox* m_active;
    QComboBox* m_mode;
    CHexEdit* m_sequence;
    ReactionSettings* m_reaction;
};

} // namespace quarn
