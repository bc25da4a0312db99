#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// Which received sequences go to the ID memory (key tones), and how the memory behaves.
class Kennungsauswertung : public SettingsDialog {
    Q_OBJECT
public:
    Kennungsauswertung(Register* image, QWidget* parent = nullptr);
};

} // namespace quarn
