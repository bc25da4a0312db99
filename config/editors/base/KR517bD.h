#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// The KR517bD alarm evaluator: the four-digit alarm sequence, how the transmitter is keyed for
// acknowledgements and queries, the query at switch-on, the acknowledgement, the alarm tone,
// a switching output and the display time of an alarm (registers 75-77).
class KR517bD : public SettingsDialog {
    Q_OBJECT
public:
    explicit KR517bD(Register* image, QWidget* parent = nullptr);
};

} // namespace quarn
