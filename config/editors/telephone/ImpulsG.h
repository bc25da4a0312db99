#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// The pulse-dialling generator: pulse, pause and inter-digit times, lead and trail
// (registers 610 and 611, 5 ms steps).
class ImpulsG : public SettingsDialog {
    Q_OBJECT
public:
    ImpulsG(Register* image, QWidget* parent = nullptr);
};

} // namespace quarn
