#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// The dialling ways of the R4807 telephone module (register 360 digits 0-3, one switch each).
// No tree item opens it; register 360 is transferred and stored like every other register.
class R4807 : public SettingsDialog {
    Q_OBJECT
public:
    R4807(Register* image, QWidget* parent = nullptr);
};

} // namespace quarn
