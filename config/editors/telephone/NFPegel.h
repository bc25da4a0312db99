#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// The further audio output levels between telephone, radio, tone and pilot tone (registers
// 620-625, digits 3-7 each; digits 0-2 are not this dialog's).
class NFPegel : public SettingsDialog {
    Q_OBJECT
public:
    NFPegel(Register* image, QWidget* parent = nullptr);
};

} // namespace quarn
