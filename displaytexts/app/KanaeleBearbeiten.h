#pragma once

#include "displaytexts/app/NumberedTextDialog.h"

namespace tekstor {

// "Kanaltexte bearbeiten": one text for one or many channels, each optionally with its
// number; the start position stays where the user put it.
class KanaeleBearbeiten : public NumberedTextDialog {
    Q_OBJECT
public:
    KanaeleBearbeiten(QWidget* parent, Language language, Register& store, QList<int> channels);
};

} // namespace tekstor
