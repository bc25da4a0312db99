#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// The four-tone sequence that activates intercom (register 14 digits 0-3).
class Intercomtonfolge : public SettingsDialog {
    Q_OBJECT
public:
    explicit Intercomtonfolge(Register* image, QWidget* parent = nullptr);
};

} // namespace quarn
