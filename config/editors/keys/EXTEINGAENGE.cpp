#include "config/editors/keys/EXTEINGAENGE.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>

namespace quarn {

EXTEINGAENGE::EXTEINGAENGE(QWidget* parent, QString& word)
    : FunctionEditor(parent, word, 9, tr("Funktion 9: Externe Eingänge"), "9000    ")
{
    QComboBox* sub = subFunction({tr("Squelcheingang"), tr("externes Muting")});

    QFormLayout* squelch = nullptr;
    QGroupBox* squelchBox = group(tr("Squelcheingang"), &squelch);
    QButtonGroup* squelchState =
        radios(DigitSlot::hex(0, 2), {tr("Squelch aus"), tr("Squelch an")}, "squelch");
    for (QRadioButton* b : buttonsOf(squelchState))
        squelch->addRow(b);
    // "NF-Muting aus/an" are digits 4 and 5; a stored 3 is none of these and stays as it is.
    squelch->addRow(choice(DigitSlot::hex(0, 3),
                           {tr("Lautsprecher-Muting aus"), tr("Lautsprecher-Muting an"),
                            tr("Lautsprecher-Muting unverändert"), tr("NF-Muting aus"), tr("NF-Muting an")},
                           ChoiceMap::of({0, 1, 2, 4, 5}), "speakerMuting"));

    QFormLayout* muting = nullptr;
    QGroupBox* mutingBox = group(tr("externes Muting"), &muting);
    QButtonGroup* mutingState = radios(DigitSlot::hex(0, 2), {tr("Muting aus"), tr("Muting an")}, "muting");
    for (QRadioButton* b : buttonsOf(mutingState))
        muting->addRow(b);
    muting->addRow(
        choice(DigitSlot::hex(0, 3), {tr("TX-LED in Ruhe aus"), tr("TX-LED blinkt in Ruhe")}, "txLed"));

    bind().enableWhile({squelchBox}, [sub] { return sub->currentIndex() == 0; });
    bind().enableWhile({mutingBox}, [sub] { return sub->currentIndex() == 1; });
    bindingsDone();
}

} // namespace quarn
