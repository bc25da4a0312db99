#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// Reference timing of the tone evaluation, the tone series, and the ZVEI and NL emergency formats.
class RefTonfolgeauswertung : public SettingsDialog {
    Q_OBJECT
public:
    RefTonfolgeauswertung(Register* image, QWidget* parent = nullptr);
};

} // namespace quarn
