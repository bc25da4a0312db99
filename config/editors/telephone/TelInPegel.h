#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// The level adjustment of the telephone input, -6,0 to +19,5 dB (register 627 digits 0-2 hold
// tenths of a dB plus 60).
class TelInPegel : public SettingsDialog {
    Q_OBJECT
public:
    TelInPegel(Register* image, QWidget* parent = nullptr);

    // The field's text for a stored value: "-6,0" for 0, "+0,0" for 60, "+19,5" from 255 on.
    static QString levelText(int stored);
};

} // namespace quarn
