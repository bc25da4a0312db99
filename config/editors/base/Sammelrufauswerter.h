#pragma once

#include "config/editors/frame/SettingsDialog.h"

class QCheckBox;
class QRadioButton;

namespace quarn {

class CHexEdit;

// The group-call evaluator: a tone of the tone table or the special calls "Ruf 1"/"Ruf 2",
// recognised for at least a second, with the decoders' reactions (registers 84 and 85).
class Sammelrufauswerter : public SettingsDialog {
    Q_OBJECT
public:
    explicit Sammelrufauswerter(Register* image, QWidget* parent = nullptr);

private:
    void bindGroupCallTone();

    QCheckBox* m_active = nullptr;
    QRadioButton* m_fromTable = nullptr;
    QRadioButton* m_call1 = nullptr;
    QRadioButton* m_call2 = nullptr;
    CHexEdit* m_tone = nullptr;
};

} // namespace quarn
