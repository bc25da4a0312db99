#pragma once

#include "config/editors/keys/FunctionEditor.h"

namespace quarn {

// Function 6 (telephone mode): the short-dial memory.
class TELKWSpeicher : public FunctionEditor {
    Q_OBJECT
public:
    TELKWSpeicher(QWidget* parent, QString& word);
};

} // namespace quarn
