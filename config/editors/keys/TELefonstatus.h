#pragma once

#include "config/editors/keys/FunctionEditor.h"

namespace quarn {

// Function 8 (telephone mode): dialling, answering and hanging up.
class TELefonstatus : public FunctionEditor {
    Q_OBJECT
public:
    TELefonstatus(QWidget* parent, QString& word);
};

} // namespace quarn
