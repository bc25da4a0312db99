#pragma once

#include "displaytexts/app/NumberedTextDialog.h"

namespace tekstor {

// "Kennung bearbeiten": one text for one or many IDs, each optionally with its number.
class Kennung : public NumberedTextDialog {
    Q_OBJECT
public:
    Kennung(QWidget* parent, Language language, Register& store, QList<int> ids);

protected:
    // Two or three retained digits end at the last display position.
    void digitsToRetainChosen(int digits) override;
};

} // namespace tekstor
