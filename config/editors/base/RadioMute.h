#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// The output that mutes the radio (when, for how long, active low on mute or not) and the HOOK contact
// output.
class RadioMute : public SettingsDialog {
    Q_OBJECT
public:
    RadioMute(Register* image, QWidget* parent = nullptr);
};

} // namespace quarn
