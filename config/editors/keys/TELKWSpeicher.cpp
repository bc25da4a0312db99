#include "config/editors/keys/TELKWSpeicher.h"

#include "config/editors/frame/IntegerEdit.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QRadioButton>

namespace quarn {

TELKWSpeicher::TELKWSpeicher(QWidget* parent, QString& word)
    : FunctionEditor(parent, word, 6, tr("Funktion 6: Kurzwahlspeicher"), "60000   ")
{
    QComboBox* sub = subFunction(
        {tr("Kurzwahlspeicher auslesen"), tr("Kurzwahl anzeigen"), tr("Angezeigte Kurzwahl speichern")});
    // Digits 2-4: memories 0-999 as three decimal digits (the digits could hold up to 1665).
    IntegerEdit* number = numberOr(DigitSlot::weighted(0, 2, 3, 1), 0, 999, 0, "memory");
    auto* numberLabel = new QLabel(tr("Kurzwahlspeicher Nr.:"), this);
    form()->addRow(numberLabel, number);
    QButtonGroup* show = radios(DigitSlot::hex(0, 2),
                                {tr("eingegebenen / vorherigen Kurzwahlspeicher anzeigen"),
                                 tr("eingegebenen / nächsten Kurzwahlspeicher anzeigen")},
                                "show");
    for (QRadioButton* b : buttonsOf(show))
        form()->addRow(b);

    bind().enableWhile({numberLabel, number}, [sub] { return sub->currentIndex() == 0; });
    QList<QRadioButton*> b = buttonsOf(show);
    bind().enableWhile({b.at(0), b.at(1)}, [sub] { return sub->currentIndex() == 1; });
    bindingsDone();
}

} // namespace quarn
