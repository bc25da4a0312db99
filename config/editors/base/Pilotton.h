#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// Pilot tone mode and frequency, and how long the DC evaluator stays blocked after sending.
class Pilotton : public SettingsDialog {
    Q_OBJECT
public:
    Pilotton(Register* image, QWidget* parent = nullptr);
};

} // namespace quarn
