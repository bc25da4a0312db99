#pragma once

#include "config/editors/frame/SettingsDialog.h"

namespace quarn {

// Pins 1-7 of the "I/O" socket and the TX line: unused, output, input (low or high active),
// output that can be read back, or inverted output.
class InOutputs : public SettingsDialog {
    Q_OBJECT
public:
    InOutputs(Register* image, QWidget* parent = nullptr);
};

} // namespace quarn
