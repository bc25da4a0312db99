#pragma once

#include "config/editors/keys/FunctionEditor.h"

namespace quarn {

// Function 8 (normal mode): clearing or setting the status.
class STATUS : public FunctionEditor {
    Q_OBJECT
public:
    STATUS(QWidget* parent, QString& word);
};

} // namespace quarn
