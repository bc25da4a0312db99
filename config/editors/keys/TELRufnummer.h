#pragma once

#include "config/editors/keys/FunctionEditor.h"

namespace quarn {

// Function 7 (telephone mode): entering a telephone number.
class TELRufnummer : public FunctionEditor {
    Q_OBJECT
public:
    TELRufnummer(QWidget* parent, QString& word);
};

} // namespace quarn
