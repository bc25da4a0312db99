#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// The voice-operated switching towards the radio (register 618) and towards the telephone
// (619): a threshold and a minimum time for audio starting and for audio ending.
class Vox : public SettingsDialog {
    Q_OBJECT
public:
    Vox(Register* image, QWidget* parent = nullptr);
};

} // namespace quarn
