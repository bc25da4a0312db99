#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// The pilot-tone detector (register 652) and generator (669 digits 1-6).
class PilotGA : public SettingsDialog {
    Q_OBJECT
public:
    PilotGA(Register* image, QWidget* parent = nullptr);
};

} // namespace quarn
