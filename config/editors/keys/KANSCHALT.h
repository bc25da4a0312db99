#pragma once

#include "config/editors/keys/FunctionEditor.h"

namespace quarn {

// Function 5: channel selection or a switching output.
class KANSCHALT : public FunctionEditor {
    Q_OBJECT
public:
    KANSCHALT(QWidget* parent, QString& word);
};

} // namespace quarn
