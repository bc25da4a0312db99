#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// The speaker: its timer, its state on lifting and hanging up the handset (Quarn 7k) or on
// switching on (Quarn 8k), the volume after switching on, and the speaker after a call.
class LSKonfig : public SettingsDialog {
    Q_OBJECT
public:
    LSKonfig(Register* image, QWidget* parent = nullptr);
};

} // namespace quarn
