#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// The ring detector: shortest valid ring and longest pause between two rings (register 615).
class RingA : public SettingsDialog {
    Q_OBJECT
public:
    RingA(Register* image, QWidget* parent = nullptr);
};

} // namespace quarn
