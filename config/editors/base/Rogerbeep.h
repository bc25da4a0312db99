#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// The tone sent at the start or end of PTT.
class Rogerbeep : public SettingsDialog {
    Q_OBJECT
public:
    Rogerbeep(Register* image, QWidget* parent = nullptr);
};

} // namespace quarn
