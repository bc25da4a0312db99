#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// The standard acknowledgement sequence and its number of tones.
class Standardquittung : public SettingsDialog {
    Q_OBJECT
public:
    Standardquittung(Register* image, QWidget* parent = nullptr);
};

} // namespace quarn
