#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// Unit-wide settings: display language, programming-mode key time, RS232 monitor, key beep,
// transmit limit and pre-key time, simplex/duplex and 2-/4-wire mode, monitoring of sent
// sequences, PTT transmit lock, display backlight and the headset threshold voltage.
class Allgemein : public SettingsDialog {
    Q_OBJECT
public:
    Allgemein(Register* image, QWidget* parent = nullptr);
};

} // namespace quarn
