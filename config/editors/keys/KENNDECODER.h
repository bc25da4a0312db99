#pragma once

#include "config/editors/keys/FunctionEditor.h"

namespace quarn {

// Function 6 (normal mode): the ID memory or one of the decoders.
class KENNDECODER : public FunctionEditor {
    Q_OBJECT
public:
    KENNDECODER(QWidget* parent, QString& word);
};

} // namespace quarn
