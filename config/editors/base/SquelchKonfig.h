#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// The squelch input's logic and the audio-frequency squelch ("NF-Squelch") with its follow-up time.
class SquelchKonfig : public SettingsDialog {
    Q_OBJECT
public:
    SquelchKonfig(Register* image, QWidget* parent = nullptr);
};

} // namespace quarn
