#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// Timing and levels of the DTMF encoder and of the two DTMF decoders, from the radio and from
// the telephone (registers 600-607).
class DTMFga : public SettingsDialog {
    Q_OBJECT
public:
    DTMFga(Register* image, QWidget* parent = nullptr);
};

} // namespace quarn
