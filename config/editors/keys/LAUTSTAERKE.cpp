#include "config/editors/keys/LAUTSTAERKE.h"

#include "config/editors/frame/IntegerEdit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>

namespace quarn {

LAUTSTAERKE::LAUTSTAERKE(QWidget* parent, QString& word)
    : FunctionEditor(parent, word, 4, tr("Funktion 4: Lautstärke"), "40009   ")
{
    QComboBox* sub = subFunction({tr("Lautsprecher toggeln (an/aus)"), tr("Lautstärke")});

    QCheckBox* scanner =
        bind().flag("startScanner", tr("Kanal-Scanner starten, wenn Lautsprecher ausgeschaltet"),
                    DigitSlot::nonZeroFlag(0, 2));
    form()->addRow(scanner);

    QFormLayout* volume = nullptr;
    QGroupBox* volumeBox = group(tr("Lautstärke ändern"), &volume);
    // Digit 2: a fixed value 0-9, "A" one step louder, "B" one step quieter, "F" (and anything
    // else) entered by the user.
    ChoiceMap how = ChoiceMap::of({0, 10, 11, 15});
    for (int d = 1; d <= 9; ++d)
        how.reading(d, 0);
    for (int d = 12; d <= 14; ++d)
        how.reading(d, 3);
    QButtonGroup* change = radios(DigitSlot::hex(0, 2),
                                  {tr("festen Wert einstellen (0-9):"), tr("1 Stufe lauter"),
                                   tr("1 Stufe leiser"), tr("Eingabe durch Benutzer")},
                                  "change", how);
    IntegerEdit* fixed = numberOr(DigitSlot::hex(0, 2), 0, 9, 0, "fixedValue");
    const QList<QRadioButton*> buttons = buttonsOf(change);
    volume->addRow(buttons.at(0), fixed);
    for (int i = 1; i < buttons.size(); ++i)
        volume->addRow(buttons.at(i));
    IntegerEdit* minimum = numberOr(DigitSlot::hex(0, 3), 0, 9, 0, "minimumVolume");
    IntegerEdit* maximum = numberOr(DigitSlot::hex(0, 4), 0, 9, 9, "maximumVolume");
    volume->addRow(tr("min. Lautstärke:"), minimum);
    volume->addRow(tr("max. Lautstärke:"), maximum);

    bind().enableWhile({scanner}, [sub] { return sub->currentIndex() == 0; });
    bind().enableWhile({volumeBox}, [sub] { return sub->currentIndex() == 1; });
    bind().enableWhile({fixed}, [change] { return change->checkedId() == 0; });
    bindingsDone();
}

} // namespace quarn
