#pragma once

#include "config/editors/keys/FunctionEditor.h"

namespace quarn {

// Function 1: one tone, for as long as the key is held or for a set time.
class EINTON : public FunctionEditor {
    Q_OBJECT
public:
    EINTON(QWidget* parent, QString& word);
};

} // namespace quarn
