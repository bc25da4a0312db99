#pragma once

#include "config/editors/keys/FunctionEditor.h"

namespace quarn {

// Function 2: send a call (entered, call-back, target call, intercom, external target call, channel remote
// switching, alarm query).
class RUF : public FunctionEditor {
    Q_OBJECT
public:
    RUF(QWidget* parent, QString& word);
};

} // namespace quarn
