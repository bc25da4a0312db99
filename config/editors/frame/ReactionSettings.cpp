#include "config/editors/frame/ReactionSettings.h"

#include "config/editors/frame/Binder.h"
#include "config/editors/frame/DecimalFractionEdit.h"
#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/frame/NamedRadio.h"
#include "config/editors/frame/VolumeSelector.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

namespace quarn {

namespace {

QHBoxLayout* unitRow(QWidget* edit, const QString& unit)
{
    auto* row = new QHBoxLayout;
    row->addWidget(edit);
    row->addWidget(new QLabel(unit));
    row->addStretch(1);
    return row;
}

} // namespace

ReactionSettings::ReactionSettings(Binder& bind, int ra, int rb, Groups groups, int acknowledgementEntries,
                                   QWidget* parent)
    : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    if (groups & AlarmTone)
        grid->addWidget(buildAlarmTone(bind, ra), 0, 0);
    if (groups & CallVolume)
        grid->addWidget(buildCallVolume(bind, ra), 0, 1);
    if (groups & SwitchOutput)
        grid->addWidget(buildSwitchOutput(bind, rb, groups.testFlag(OutputInLowBits)), 1, 0);

    auto* right = new QVBoxLayout;
    if (groups & Acknowledgement) {
        auto* box = new QGroupBox(tr("Quittung"), this);
        const QStringList entries = {
            tr("keine"),          tr("Quittung"),           tr("Einton"),
            tr("eigene Kennung"), tr("empfangene Kennung"), tr("zusätzliche 5-Tonfolge bei FFSK")};
        QComboBox* acknowledgement = bind.choice("acknowledgement", DigitSlot::hex(rb, 3),
                                                 entries.mid(0, qBound(0, acknowledgementEntries, 6)));
        (new QVBoxLayout(box))->addWidget(acknowledgement);
        right->addWidget(box);
    }
    if (groups & SpeakerLed) {
        auto* box = new QGroupBox(tr("Lautsprecher / LED"), this);
        QComboBox* speakerLed = bind.choice("speakerLed", DigitSlot::hex(rb, 4),
                                            {tr("keine Reaktion"), tr("Lautsprecher an"), tr("LED blinkt"),
                                             tr("Lautsprecher an & LED blinkt")});
        (new QVBoxLayout(box))->addWidget(speakerLed);
        right->addWidget(box);
    }
    right->addStretch(1);
    grid->addLayout(right, 1, 1);
    if (groups & XCall)
        grid->addWidget(buildXCall(bind, rb), 2, 0, 1, 2);
}

QGroupBox* ReactionSettings::buildAlarmTone(Binder& bind, int ra)
{
    auto* box = named(new QGroupBox(tr("Weckton"), this), "alarmToneBox");
    QComboBox* type =
        bind.choice("alarmType", DigitSlot::hex(ra, 0),
                    {tr("aus"), tr("600/675 Hz"), tr("800/900 Hz"), tr("1000/1125 Hz"), tr("700/875 Hz"),
                     tr("900/1125 Hz"), tr("1100/1375 Hz"), tr("500/750 Hz"), tr("1000/1500 Hz"),
                     tr("700/1283 Hz"), tr("wie Telefon"), tr("600/675 Hz (10x)"), tr("800/900 Hz (10x)"),
                     tr("1000/1125 Hz (10x)"), tr("700/875 Hz (10x)"), tr("900/1125 Hz (10x)")});
    // Steps of 0.2 s, entered with one decimal.
    DecimalFractionEdit* duration =
        bind.fraction("alarmDuration", DigitSlot::hex(ra, 1), DecimalFormat::tenths(2));
    VolumeSelector* volume = bind.volume(DigitSlot::hex(ra, 2), QStringLiteral("alarmVolume"));

    auto* form = new QFormLayout(box);
    form->addRow(tr("Wecktontyp"), type);
    form->addRow(tr("Wecktondauer"), unitRow(duration, tr("s (0,0 - 3,0)")));
    form->addRow(new QLabel(tr("Wecktonlautstärke"), box));
    form->addRow(volume);
    return box;
}

QGroupBox* ReactionSettings::buildCallVolume(Binder& bind, int ra)
{
    auto* box = new QGroupBox(tr("Anruflautstärke"), this);
    IntegerEdit* duration = bind.number("callDuration", DigitSlot::hex(ra, 3), 0, 15);
    VolumeSelector* volume = bind.volume(DigitSlot::hex(ra, 4), QStringLiteral("callVolume"));

    auto* form = new QFormLayout(box);
    form->addRow(tr("Dauer Anruflautstärke"), unitRow(duration, tr("s (0 - 15)")));
    form->addRow(volume);
    return box;
}

QGroupBox* ReactionSettings::buildSwitchOutput(Binder& bind, int rb, bool outputInLowBits)
{
    auto* box = new QGroupBox(tr("Schaltausgang schalten"), this);
    IntegerEdit* output = bind.number(
        "outputNumber", outputInLowBits ? DigitSlot::bits(rb, 1, 0b0111) : DigitSlot::hex(rb, 1), 0, 7);
    QRadioButton* off = namedRadio(tr("aus"), "switchOff", box);
    QRadioButton* on = namedRadio(tr("ein"), "switchOn", box);
    QRadioButton* timed = namedRadio(tr("ein für"), "switchFor", box);
    // "0" aus, "F" ein, anything else "ein für" that many seconds; the seconds field writes those.
    ChoiceMap modes = ChoiceMap::of({0, 15});
    for (int d = 1; d <= 14; ++d)
        modes.reading(d, 2);
    bind.radios(DigitSlot::hex(rb, 2), {off, on, timed}, modes);
    IntegerEdit* seconds = bind.number("switchSeconds", DigitSlot::hex(rb, 2), 1, 13);
    if (!timed->isChecked())
        seconds->setValue(1); // offered when the user picks "ein für"
    auto* secondsLabel = new QLabel(tr("s (1-13)"), box);
    bind.enableWhile({seconds, secondsLabel}, [timed] { return timed->isChecked(); });

    auto* layout = new QVBoxLayout(box);
    auto* outputRow = new QHBoxLayout;
    outputRow->addWidget(new QLabel(tr("Ausgang Nr.(0 = keiner):"), box));
    outputRow->addWidget(output);
    outputRow->addStretch(1);
    layout->addLayout(outputRow);
    layout->addWidget(off);
    layout->addWidget(on);
    auto* timedRow = new QHBoxLayout;
    timedRow->addWidget(timed);
    timedRow->addWidget(seconds);
    timedRow->addWidget(secondsLabel);
    timedRow->addStretch(1);
    layout->addLayout(timedRow);
    return box;
}

QGroupBox* ReactionSettings::buildXCall(Binder& bind, int rb)
{
    auto* box = new QGroupBox(tr("Behandlung von X-Tonrufen"), this);
    QRadioButton* normal = namedRadio(tr("normaler Ruf"), "xCallNormal", box);
    QRadioButton* emergency = namedRadio(tr("Notruf"), "xCallEmergency", box);
    // "0" normal call; 1-7 an emergency call showing that many digits from the right.
    ChoiceMap modes = ChoiceMap::of({0});
    for (int d = 1; d <= 15; ++d)
        modes.reading(d, 1);
    bind.radios(DigitSlot::hex(rb, 5), {normal, emergency}, modes);
    IntegerEdit* digits = bind.number("xCallDigits", DigitSlot::hex(rb, 5), 1, 7);
    if (!emergency->isChecked())
        digits->setValue(1);
    auto* label = new QLabel(tr("Stellen von rechts anzeigen"), box);
    bind.enableWhile({digits, label}, [emergency] { return emergency->isChecked(); });

    auto* layout = new QHBoxLayout(box);
    layout->addWidget(normal);
    layout->addSpacing(20);
    layout->addWidget(emergency);
    layout->addWidget(digits);
    layout->addWidget(label);
    layout->addStretch(1);
    return box;
}

} // namespace quarn
