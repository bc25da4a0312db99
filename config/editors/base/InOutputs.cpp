#include "config/editors/base/InOutputs.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

namespace quarn {

InOutputs::InOutputs(Register* image, QWidget* parent)
    : SettingsDialog(image, parent, tr("Konfiguration Ein-/Ausgänge"))
{
    const QStringList functions = {tr("keine Funktion"),       tr("Ausgang"),
                                   tr("Eingang, low aktiv"),   tr("Eingang, high aktiv"),
                                   tr("Ausgang Fremdtastung"), tr("Ausgang invertiert")};
    const ChoiceMap digitOfPosition = ChoiceMap::of({0, 1, 2, 4, 8, 9});
    // Rows 1-5: register 95 digits 0-4; rows 6-7: register 96 digits 0-1; TX: register 96 digit 2.
    const DigitSlot pins[8] = {DigitSlot::hex(95, 0), DigitSlot::hex(95, 1), DigitSlot::hex(95, 2),
                               DigitSlot::hex(95, 3), DigitSlot::hex(95, 4), DigitSlot::hex(96, 0),
                               DigitSlot::hex(96, 1), DigitSlot::hex(96, 2)};

    auto* form = new QFormLayout;
    for (int row = 0; row < 8; ++row) {
        QComboBox* combo =
            bind().choice(QStringLiteral("pin%1").arg(row), pins[row], functions, digitOfPosition);
        auto* label = new QLabel(
            row < 7 ? tr("Ein-/Ausgang") + QStringLiteral(" %1").arg(row + 1, 0, 16).toUpper() : tr("TX"),
            this);
        form->addRow(label, combo);
    }
    content()->addLayout(form);

    setHelp(
        tr("Hilfe: Ein-/Ausgänge"),
        tr("Hier werden die Pins 1-7 an Buchse \"I/O\" als Ein- oder Ausgänge konfiguriert. Eingänge können "
           "als low oder high aktiv eingestellt werden.") +
            QLatin1Char('\n') +
            tr("Die Ausgänge schalten generell nach GND, können aber invertiert werden (schalten nach GND, "
               "wenn nicht aktiv).") +
            QStringLiteral("\n\n") +
            tr("Soll ein Pin als Ausgang konfiguriert, gleichzeitig aber auch zurückgelesen werden, so ist "
               "dieser als \"Ausgang Fremdtastung\" zu konfigurieren."));
}

} // namespace quarn
