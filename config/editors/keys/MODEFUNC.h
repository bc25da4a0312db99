#pragma once

#include "config/editors/keys/FunctionEditor.h"

namespace quarn {

// Function B: normal mode, telephone mode and standby.
class MODEFUNC : public FunctionEditor {
    Q_OBJECT
public:
    MODEFUNC(QWidget* parent, QString& word);
};

} // namespace quarn
