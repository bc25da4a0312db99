#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// The key tones that mute a received sequence and those that send it to the printer.
class MutingDruckerausgabe : public SettingsDialog {
    Q_OBJECT
public:
    MutingDruckerausgabe(Register* image, QWidget* parent = nullptr);
};

} // namespace quarn
