#include "config/editors/telephone/PilotGA.h"

#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/telephone/FieldRows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace quarn {

namespace {
constexpr int DetectorRegister = 652;
constexpr int GeneratorRegister = 669;
} // namespace

PilotGA::PilotGA(Register* image, QWidget* parent)
    : SettingsDialog(image, parent, tr("Pilotton Geber/Auswerter"))
{
    const QStringList filters = {tr("kein Filter"), tr("3300 Hz"), tr("3000 Hz"), tr("2800 Hz"),
                                 tr("3320 Hz")};
    // A filter digit above 4 opens without selection and is kept.
    QComboBox* detectorFilter = bind().choice("detectorFilter", DigitSlot::hex(DetectorRegister, 0), filters);
    auto* detectorForm = new QFormLayout;
    detectorForm->addRow(tr("Pilottonfilterfrequenz:"), detectorFilter);
    content()->addLayout(detectorForm);
    // The two times in 5 ms steps, the remainder dropped.
    content()->addLayout(FieldRows::make(
        this,
        {
            {bind().number("onTime", DigitSlot::scaled(DetectorRegister, 1, 5)), tr("ms   auswerten bis an")},
            {bind().number("offTime", DigitSlot::scaled(DetectorRegister, 2, 5)),
             tr("ms   nicht auswerten bis aus")},
            {bind().number("minLevel", DigitSlot::weighted(DetectorRegister, 3, 5, 1), 0, 32767),
             tr("min. Pegel (0-32767, Faktor 2 = 3dB)")},
        }));

    // Digits 0 and 7 of register 669 are not the generator's.
    auto* generator = new QGroupBox(tr("Statisch"), this);
    auto* generatorLayout = new QFormLayout(generator);
    IntegerEdit* frequency = bind().number("frequency", DigitSlot::weighted(GeneratorRegister, 1, 4, 1));
    generatorLayout->addRow(tr("Pilottonfrequenz (Hz):"), frequency);
    QComboBox* generatorFilter =
        bind().choice("generatorFilter", DigitSlot::hex(GeneratorRegister, 5), filters);
    generatorLayout->addRow(tr("Pilottonfilterfrequenz:"), generatorFilter);
    content()->addWidget(generator);

    QCheckBox* lineFilter = bind().flag("lineFilter", tr("Linefilter aktiv (Bandpass 300-3400 Hz)"),
                                        DigitSlot::flag(GeneratorRegister, 6));
    content()->addWidget(lineFilter);
}

} // namespace quarn
