#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// Which parameters the unit reports over RS232, and whether its RS232 monitor starts by itself.
class RS232Parameter : public SettingsDialog {
    Q_OBJECT
public:
    RS232Parameter(Register* image, QWidget* parent = nullptr);
};

} // namespace quarn
