#include "ReactionSettings.h"

#include "DecimalFractionEdit.h"
#include "IntegerEdit.h"
#include "Register.h"
#include "VolumeSelector.h"

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

enum SwitchMode { SwitchOff = 0, SwitchOn = 1, SwitchFor = 2 };
enum XCallMode { NormalCall = 0, EmergencyCall = 1 };

QHBoxLayout* unitRow(QWidget* edit, const QString& unit)
{
    auto* row = new QHBoxLayout;
    row->addWidget(edit);
    row->addWidget(new QLabel(unit));
    row->addStretch(1);
    return row;
}

} // namespace

ReactionSettings::ReactionSettings(Groups groups, int acknowledgementEntries, QWidget* parent)
    : QWidget(parent), m_groups(groups)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    if (groups & AlarmTone)
        grid->addWidget(buildAlarmTone(), 0, 0);
    if (groups & CallVolume)
        grid->addWidget(buildCallVolume(), 0, 1);
    if (groups & SwitchOutput)
        grid->addWidget(buildSwitchOutput(), 1, 0);

    auto* right = new QVBoxLayout;
    if (groups & Acknowledgement) {
        auto* box = new QGroupBox(tr("Quittung"), this);
        m_acknowledgement = new QComboBox(box);
        m_acknowledgement->setObjectName(QStringLiteral("acknowledgement"));
        const QStringList entries = {
            tr("keine"),          tr("Quittung"),           tr("Einton"),
            tr("eigene Kennung"), tr("empfangene Kennung"), tr("zusätzliche 5-Tonfolge bei FFSK")};
        m_acknowledgement->addItems(entries.mid(0, qBound(0, acknowledgementEntries, 6)));
        (new QVBoxLayout(box))->addWidget(m_acknowledgement);
        right->addWidget(box);
    }
    if (groups & SpeakerLed) {
        auto* box = new QGroupBox(tr("Lautsprecher / LED"), this);
        m_speakerLed = new QComboBox(box);
        m_speakerLed->setObjectName(QStringLiteral("speakerLed"));
        m_speakerLed->addItems({tr("keine Reaktion"), tr("Lautsprecher an"), tr("LED blinkt"),
                                tr("Lautsprecher an & LED blinkt")});
        (new QVBoxLayout(box))->addWidget(m_speakerLed);
        right->addWidget(box);
    }
    right->addStretch(1);
    grid->addLayout(right, 1, 1);
    if (groups & XCall)
        grid->addWidget(buildXCall(), 2, 0, 1, 2);
    updateEnabled();
}

QGroupBox* ReactionSettings::buildAlarmTone()
{
    auto* box = new QGroupBox(tr("Weckton"), this);
    m_alarmType = new QComboBox(box);
    m_alarmType->setObjectName(QStringLiteral("alarmType"));
    m_alarmType->addItems({tr("aus"), tr("600/675 Hz"), tr("800/900 Hz"), tr("1000/1125 Hz"),
                           tr("700/875 Hz"), tr("900/1125 Hz"), tr("1100/1375 Hz"), tr("500/750 Hz"),
                           tr("1000/1500 Hz"), tr("700/1283 Hz"), tr("wie Telefon"), tr("600/675 Hz (10x)"),
                           tr("800/900 Hz (10x)"), tr("1000/1125 Hz (10x)"), tr("700/875 Hz (10x)"),
                           tr("900/1125 Hz (10x)")});
    m_alarmDuration = new DecimalFractionEdit(3, 1, 2, box);
    m_alarmDuration->setObjectName(QStringLiteral("alarmDuration"));
    m_alarmVolume = new VolumeSelector(QStringLiteral("alarmVolume"), box);

    auto* form = new QFormLayout(box);
    form->addRow(tr("Wecktontyp"), m_alarmType);
    form->addRow(tr("Wecktondauer"), unitRow(m_alarmDuration, tr("s (0,0 - 3,0)")));
    form->addRow(new QLabel(tr("Wecktonlautstärke"), box));
    form->addRow(m_alarmVolume);
    return box;
}

QGroupBox* ReactionSettings::buildCallVolume()
{
    auto* box = new QGroupBox(tr("Anruflautstärke"), this);
    m_callDuration = new IntegerEdit(0, 15, box);
    m_callDuration->setObjectName(QStringLiteral("callDuration"));
    m_callVolume = new VolumeSelector(QStringLiteral("callVolume"), box);

    auto* form = new QFormLayout(box);
    form->addRow(tr("Dauer Anruflautstärke"), unitRow(m_callDuration, tr("s (0 - 15)")));
    form->addRow(m_callVolume);
    return box;
}

QGroupBox* ReactionSettings::buildSwitchOutput()
{
    auto* box = new QGroupBox(tr("Schaltausgang schalten"), this);
    m_output = new IntegerEdit(0, 7, box);
    m_output->setObjectName(QStringLiteral("outputNumber"));
    auto* off = new QRadioButton(tr("aus"), box);
    off->setObjectName(QStringLiteral("switchOff"));
    auto* on = new QRadioButton(tr("ein"), box);
    on->setObjectName(QStringLiteral("switchOn"));
    auto* timed = new QRadioButton(tr("ein für"), box);
    timed->setObjectName(QStringLiteral("switchFor"));
    m_switchMode = new QButtonGroup(this);
    m_switchMode->addButton(off, SwitchOff);
    m_switchMode->addButton(on, SwitchOn);
    m_switchMode->addButton(timed, SwitchFor);
    m_switchSeconds = new IntegerEdit(1, 13, box);
    m_switchSeconds->setObjectName(QStringLiteral("switchSeconds"));
    auto* secondsLabel = new QLabel(tr("s (1-13)"), box);
    m_switchSecondsLabel = secondsLabel;

    auto* layout = new QVBoxLayout(box);
    auto* outputRow = new QHBoxLayout;
    outputRow->addWidget(new QLabel(tr("Ausgang Nr.(0 = keiner):"), box));
    outputRow->addWidget(m_output);
    outputRow->addStretch(1);
    layout->addLayout(outputRow);
    layout->addWidget(off);
    layout->addWidget(on);
    auto* timedRow = new QHBoxLayout;
    timedRow->addWidget(timed);
    timedRow->addWidget(m_switchSeconds);
    timedRow->addWidget(secondsLabel);
    timedRow->addStretch(1);
    layout->addLayout(timedRow);

    connect(m_switchMode, &QButtonGroup::idClicked, this, &ReactionSettings::updateEnabled);
    return box;
}

QGroupBox* ReactionSettings::buildXCall()
{
    auto* box = new QGroupBox(tr("Behandlung von X-Tonrufen"), this);
    auto* normal = new QRadioButton(tr("normaler Ruf"), box);
    normal->setObjectName(QStringLiteral("xCallNormal"));
    auto* emergency = new QRadioButton(tr("Notruf"), box);
    emergency->setObjectName(QStringLiteral("xCallEmergency"));
    m_xCallMode = new QButtonGroup(this);
    m_xCallMode->addButton(normal, NormalCall);
    m_xCallMode->addButton(emergency, EmergencyCall);
    m_xCallDigits = new IntegerEdit(1, 7, box);
    m_xCallDigits->setObjectName(QStringLiteral("xCallDigits"));
    auto* label = new QLabel(tr("Stellen von rechts anzeigen"), box);
    m_xCallDigitsLabel = label;

    auto* layout = new QHBoxLayout(box);
    layout->addWidget(normal);
    layout->addSpacing(20);
    layout->addWidget(emergency);
    layout->addWidget(m_xCallDigits);
    layout->addWidget(label);
    layout->addStretch(1);

    connect(m_xCallMode, &QButtonGroup::idClicked, this, &ReactionSettings::updateEnabled);
    return box;
}

void ReactionSettings::updateEnabled()
{
    if (m_switchMode) {
        const bool timed = m_switchMode->checkedId() == SwitchFor;
        m_switchSeconds->setEnabled(timed);
        m_switchSecondsLabel->setEnabled(timed);
    }
    if (m_xCallMode) {
        const bool emergency = m_xCallMode->checkedId() == EmergencyCall;
        m_xCallDigits->setEnabled(emergency);
        m_xCallDigitsLabel->setEnabled(emergency);
    }
}

void ReactionSettings::read(const Register& image, int ra, int rb)
{
    if (m_alarmType) {
        m_alarmType->setCurrentIndex(image.digit(ra, 0));
        m_alarmDuration->setDigit(image.digit(ra, 1));
        m_alarmVolume->setDigit(image.digit(ra, 2));
    }
    if (m_callDuration) {
        m_callDuration->setValue(image.digit(ra, 3));
        m_callVolume->setDigit(image.digit(ra, 4));
    }
    if (m_output) {
        m_output->setValue(image.digit(rb, 1));
        const int d = image.digit(rb, 2);
        const int mode = d == 0 ? SwitchOff : d == 15 ? SwitchOn : SwitchFor;
        m_switchMode->button(mode)->setChecked(true);
        // Outside "ein für" the seconds field is disabled; it offers the shortest time.
        m_switchSeconds->setValue(mode == SwitchFor ? d : 1);
    }
    if (m_acknowledgement) {
        const int d = image.digit(rb, 3);
        m_acknowledgement->setCurrentIndex(d < m_acknowledgement->count() ? d : -1);
    }
    if (m_speakerLed) {
        const int d = image.digit(rb, 4);
        m_speakerLed->setCurrentIndex(d < m_speakerLed->count() ? d : -1);
    }
    if (m_xCallMode) {
        const int d = image.digit(rb, 5);
        m_xCallMode->button(d == 0 ? NormalCall : EmergencyCall)->setChecked(true);
        m_xCallDigits->setValue(d == 0 ? 1 : d);
    }
    updateEnabled();
}

int ReactionSettings::outputNumber() const
{
    return m_output ? m_output->value() : 0;
}

void ReactionSettings::setOutputNumber(int number)
{
    if (m_output)
        m_output->setValue(number);
}

int ReactionSettings::switchDigit() const
{
    if (!m_switchMode)
        return 0;
    switch (m_switchMode->checkedId()) {
    case SwitchOff:
        return 0;
    case SwitchOn:
        return 15;
    default:
        return m_switchSeconds->value();
    }
}

bool ReactionSettings::write(Register& image, int ra, int rb) const
{
    bool durationAccepted = true;
    if (m_alarmType) {
        image.setDigit(ra, 0, m_alarmType->currentIndex());
        if (const std::optional<int> d = m_alarmDuration->parseDigit())
            image.setDigit(ra, 1, *d);
        else
            durationAccepted = false;
        image.setDigit(ra, 2, m_alarmVolume->digit());
    }
    if (m_callDuration) {
        image.setDigit(ra, 3, m_callDuration->value());
        image.setDigit(ra, 4, m_callVolume->digit());
    }
    if (m_output) {
        image.setDigit(rb, 1, outputNumber());
        image.setDigit(rb, 2, switchDigit());
    }
    if (m_acknowledgement)
        image.setDigit(rb, 3, m_acknowledgement->currentIndex());
    if (m_speakerLed)
        image.setDigit(rb, 4, m_speakerLed->currentIndex());
    if (m_xCallMode)
        image.setDigit(rb, 5, m_xCallMode->checkedId() == EmergencyCall ? m_xCallDigits->value() : 0);
    return durationAccepted;
}

} // namespace quarn
