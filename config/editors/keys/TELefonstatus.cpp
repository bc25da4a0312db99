#include "config/editors/keys/TELefonstatus.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

namespace quarn {

TELefonstatus::TELefonstatus(QWidget* parent, QString& word)
    : FunctionEditor(parent, word, 8, tr("Funktion 8: Eingabe Telefonstatus"), "800     ")
{
    QComboBox* sub =
        subFunction({tr("autom. (Wahl/Rufannahme/Auflegen)"), tr("Wahl/Rufannahme"), tr("Auflegen")});
    QComboBox* speaker =
        choice(DigitSlot::hex(0, 2),
               {tr("LS aus"), tr("LS an"), tr("LS unverändert"), tr("LS entsprechend Hörer")}, "speaker");
    auto* label = new QLabel(tr("Lautsprecher:"), this);
    form()->addRow(label, speaker);
    bind().enableWhile({label, speaker},
                       [sub] { return sub->currentIndex() == 0 || sub->currentIndex() == 1; });
    bindingsDone();
}

} // namespace quarn
