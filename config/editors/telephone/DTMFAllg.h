#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// The DTMF control keys: which key deletes and which ends an entry, from the radio and from
// the telephone (register 357 digits 0-3, one DTMF key digit each).
class DTMFAllg : public SettingsDialog {
    Q_OBJECT
public:
    DTMFAllg(Register* image, QWidget* parent = nullptr);
};

} // namespace quarn
