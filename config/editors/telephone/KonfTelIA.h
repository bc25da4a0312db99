#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// The telephone line interface chip LX4410C: headroom, termination, gain, current sensor and
// the ring and line-in-use thresholds (register 616 digits 0-5, one list position each).
class KonfTelIA : public SettingsDialog {
    Q_OBJECT
public:
    KonfTelIA(Register* image, QWidget* parent = nullptr);
};

} // namespace quarn
