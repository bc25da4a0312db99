#pragma once

#include "config/editors/keys/FunctionEditor.h"

namespace quarn {

// Function 4: speaker on/off and volume.
class LAUTSTAERKE : public FunctionEditor {
    Q_OBJECT
public:
    LAUTSTAERKE(QWidget* parent, QString& word);
};

} // namespace quarn
