#pragma once

#include "config/editors/keys/FunctionEditor.h"

namespace quarn {

// Function 3: transmitter keying, microphone choice and microphone switching.
class PTT : public FunctionEditor {
    Q_OBJECT
public:
    PTT(QWidget* parent, QString& word);
};

} // namespace quarn
