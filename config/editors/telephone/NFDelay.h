#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// The audio delay from the telephone to the radio and its compression (register 617 digits 0-4).
class NFDelay : public SettingsDialog {
    Q_OBJECT
public:
    NFDelay(Register* image, QWidget* parent = nullptr);
};

} // namespace quarn
