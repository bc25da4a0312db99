#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// Channel switching: the channel after switching on, the selectable range, the channel entry
// at the keypad, how the channel is put out (TRC tone, channel bits, or remote switching by a
// tone call) and, for remote switching, the fixed digits of the call and the acknowledgement.
class KanFernKonfig : public SettingsDialog {
    Q_OBJECT
public:
    explicit KanFernKonfig(Register* image, QWidget* parent = nullptr);
};

} // namespace quarn
