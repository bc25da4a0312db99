#include "config/editors/keys/MODEFUNC.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>

namespace quarn {

MODEFUNC::MODEFUNC(QWidget* parent, QString& word)
    : FunctionEditor(parent, word, 11, tr("Funktion B: MODE-Funktionen"), "B0000   ")
{
    // Digit 1: "0" normal mode, "1" telephone mode, "F" (anything above 4) standby; 2-4 are
    // none of these and stay as they are.
    ChoiceMap subMap = ChoiceMap::of({0, 1, 15});
    for (int d = 5; d <= 14; ++d)
        subMap.reading(d, 2);
    QComboBox* sub =
        subFunction({tr("normalen Mode aktivieren"), tr("Telefonmode aktivieren"), tr("Standby")}, subMap);

    auto addRadios = [this](QFormLayout* form, int k, const QStringList& texts, const char* prefix) {
        for (QRadioButton* b : buttonsOf(radios(DigitSlot::hex(0, k), texts, prefix)))
            form->addRow(b);
    };

    QFormLayout* normal = nullptr;
    QGroupBox* normalBox = group(tr("normalen Mode aktivieren"), &normal);
    addRadios(normal, 2, {tr("letzte Rufnummer nicht löschen"), tr("letzte Rufnummer löschen")},
              "normalNumber");
    addRadios(normal, 3, {tr("Telefon aus"), tr("Telefon halten")}, "normalTelephone");

    QFormLayout* telephone = nullptr;
    QGroupBox* telephoneBox = group(tr("Telefonmode aktivieren"), &telephone);
    addRadios(telephone, 2, {tr("letzte Telefonnummer nicht löschen"), tr("letzte Telefonnummer löschen")},
              "telephoneNumber");
    telephone->addRow(
        choice(DigitSlot::hex(0, 3),
               {tr("Telefon-Funk Überleitung aus"), tr("Telefon-Funk Überleitung an"),
                tr("Telefon-Funk Überleitung unverändert"), tr("Telefon-Funk Überleitung toggeln (an/aus)")},
               ChoiceMap::of({0, 1, 2, 14}), "bridging"));

    QFormLayout* standby = nullptr;
    QGroupBox* standbyBox = group(tr("Standby"), &standby);
    standby->addRow(choice(DigitSlot::hex(0, 2),
                           {tr("Standby aus (Reset)"), tr("Standby an"), tr("Standby toggeln")},
                           ChoiceMap::of({0, 1, 14}), "standby"));
    addRadios(standby, 3, {tr("Beleuchtung aus"), tr("Beleuchtung an")}, "lighting");
    addRadios(standby, 4, {tr("Reset durch \"Standby aus\""), tr("Reset durch jede Taste")}, "reset");

    bind().enableWhile({normalBox}, [sub] { return sub->currentIndex() == 0; });
    bind().enableWhile({telephoneBox}, [sub] { return sub->currentIndex() == 1; });
    bind().enableWhile({standbyBox}, [sub] { return sub->currentIndex() == 2; });
    bindingsDone();
}

} // namespace quarn
