#include "config/editors/base/Intercomtonfolge.h"

#include "config/editors/frame/CHexEdit.h"

#include <QLabel>
#include <QVBoxLayout>

namespace quarn {

Intercomtonfolge::Intercomtonfolge(Register* image, QWidget* parent)
    : SettingsDialog(image, parent, tr("Intercomtonfolge"))
{
    // Always four tones: a shorter entry would leave old digits behind the new ones.
    CHexEdit* sequence = bind().tones(
        "intercomSequence",
        ToneSlot::exact(14, 0, 4).refusingShortWith(tr("Ihre Eingabe im Feld \"Tonfolge\" enthält weniger "
                                                       "Ziffern als aufgrund Ihrer Auswahl nötig sind.")));
    content()->addLayout(row({new QLabel(tr("Intercomtonfolge:"), this), sequence}));

    setHelp(tr("Hilfe: Intercomtonfolge"),
            tr("Diese Tonfolge wird verwendet, um Intercom zu aktivieren. Hierbei erfolgt bei "
               "2-Drahtanbindung des Funkgeräts die Kommunikation ausschließlich zwischen parallel "
               "geschalteten Quarnen."));
}

} // namespace quarn
