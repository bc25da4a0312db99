#pragma once

#include "config/editors/keys/FunctionEditor.h"

namespace quarn {

// Function 9: the squelch input and external muting.
class EXTEINGAENGE : public FunctionEditor {
    Q_OBJECT
public:
    EXTEINGAENGE(QWidget* parent, QString& word);
};

} // namespace quarn
