#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// The printer log over the unit's RS232 interface: header, lines per page and which calls are
// printed.
class Druckerparameter : public SettingsDialog {
    Q_OBJECT
public:
    Druckerparameter(Register* image, QWidget* parent = nullptr);
};

} // namespace quarn
