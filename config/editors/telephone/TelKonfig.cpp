#include "config/editors/telephone/TelKonfig.h"

#include "config/editors/frame/CHexEdit.h"
#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/keys/FktAuswahl.h"
#include "config/editors/telephone/FieldRows.h"
#include "config/register/RegisterCodecs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace quarn {

namespace {
constexpr int TimerRegister = 191;
// The unit keeps digits 6-7 of the timer word for the time-out: the function word has six.
constexpr int TimerFunctionLength = 6;

void narrow(CHexEdit* edit, int characters)
{
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QString(characters + 3, u'0')) + 16);
}
} // namespace

TelKonfig::TelKonfig(Register* image, QWidget* parent)
    : SettingsDialog(image, parent, tr("Konfiguration Telefonmode"))
{
    // Every field is bound in register order, so "OK" checks and parses all of them before the
    // first digit is written. An empty one-character field stores the unit's default.
    CHexEdit* ringTone = bind().tones(ToneSlot::upTo(190, 0, 1, u'B'));
    ringTone->setObjectName(QStringLiteral("ringTone"));
    narrow(ringTone, 1);
    m_timerFunction = bind().tones(ToneSlot::upTo(TimerRegister, 0, TimerFunctionLength, u'0'));
    m_timerFunction->setObjectName(QStringLiteral("timerFunction"));
    narrow(m_timerFunction, TimerFunctionLength);
    IntegerEdit* idleTimeout = bind().number(DigitSlot::weighted(TimerRegister, 6, 2, 1));
    IntegerEdit* talkTransmit = bind().number(DigitSlot::weighted(310, 0, 3, 1));
    IntegerEdit* callTime = bind().number(DigitSlot::weighted(365, 0, 4, 1));
    IntegerEdit* silentCallTime = bind().number(DigitSlot::weighted(365, 4, 2, 1));
    IntegerEdit* simplexTransmit = bind().number(DigitSlot::weighted(366, 0, 3, 1));
    QComboBox* dialling = bind().choice(DigitSlot::hex(366, 3), {tr("Impuls"), tr("DTMF")});
    dialling->setObjectName(QStringLiteral("dialling"));
    QComboBox* operatingMode = bind().choice(DigitSlot::hex(366, 4), {tr("Simplex"), tr("Duplex")});
    operatingMode->setObjectName(QStringLiteral("operatingMode"));
    IntegerEdit* simplexReceive = bind().number(DigitSlot::weighted(367, 0, 3, 1));
    QCheckBox* dialTone = bind().flag(tr("Wähltonerkennung"), DigitSlot::flag(367, 3));
    dialTone->setObjectName(QStringLiteral("dialToneDetection"));
    IntegerEdit* ringCount = bind().number(DigitSlot::hex(367, 4), 0, 15);
    ringCount->setObjectName(QStringLiteral("ringCount"));
    IntegerEdit* ringbackWait = bind().number(DigitSlot::weighted(368, 0, 3, 1));
    CHexEdit* exchangePrefix = bind().tones(ToneSlot::upTo(369, 0, 1, u'0'));
    exchangePrefix->setObjectName(QStringLiteral("exchangePrefix"));
    narrow(exchangePrefix, 1);
    DecimalFractionEdit* beepDelay = bind().fraction(DigitSlot::hex(369, 1), DecimalFormat::tenths(1));
    QCheckBox* text1 =
        bind().flag(tr("Ansage Text1 bei Verbindungsaufbau Tel->Funk"), DigitSlot::flag(369, 2));
    text1->setObjectName(QStringLiteral("announcementToRadio"));
    QCheckBox* text2 =
        bind().flag(tr("Ansage Text2 bei Verbindungsaufbau Funk->Tel"), DigitSlot::flag(369, 3));
    text2->setObjectName(QStringLiteral("announcementToPhone"));

    auto* ringForm = new QFormLayout;
    ringForm->addRow(tr("Klingelton bei Telefonanruf:"), ringTone);
    content()->addLayout(ringForm);

    auto* timer = new QGroupBox(tr("Automatisches Beenden des Telefon-Mode"), this);
    auto* timerLayout = new QVBoxLayout(timer);
    timerLayout->addLayout(FieldRows::make(
        this, {{idleTimeout, "idleTimeout", tr("s   keine Bedienung -> Verlassen Tel-Mode")}}));
    auto* wizard = new QPushButton(QStringLiteral("-->"), timer);
    wizard->setObjectName(QStringLiteral("wizardButton"));
    wizard->setAutoDefault(false);
    auto* functionForm = new QFormLayout;
    functionForm->addRow(tr("Funktion bei Timerablauf:"), row({m_timerFunction, wizard}));
    timerLayout->addLayout(functionForm);
    content()->addWidget(timer);

    content()->addLayout(FieldRows::make(
        this, {
                  {talkTransmit, "talkTransmitTime", tr("s   max. Sendezeit während Telefongespräch")},
                  {callTime, "callTime", tr("s   max. Gesprächszeit")},
                  {silentCallTime, "silentCallTime", tr("s   max. Gesprächszeit ohne Modulation")},
                  {simplexTransmit, "simplexTransmitTime", tr("s   max. Sendezeit bei Simplex")},
                  {simplexReceive, "simplexReceiveTime", tr("s   max. Empfangszeit bei Simplex")},
                  {ringbackWait, "ringbackWaitTime", tr("s   max. Wartezeit bei Freizeichen an Gegenstelle")},
                  {beepDelay, "beepDelay", tr("s   Signaltonverzögerung (vor Beep zum Funk)")},
              }));

    auto* form = new QFormLayout;
    form->addRow(tr("Wahlverfahren"), dialling);
    form->addRow(tr("Betriebsart"), operatingMode);
    form->addRow(tr("Anzahl Klingelzeichen bei Leitungsbelegung:"), ringCount);
    form->addRow(tr("Kennziffer für Amtsholung:"), exchangePrefix);
    content()->addLayout(form);
    content()->addWidget(dialTone);

    auto* vmm = new QGroupBox(tr("Nur bei Option VMM"), this);
    auto* vmmLayout = new QVBoxLayout(vmm);
    vmmLayout->addWidget(text1);
    vmmLayout->addWidget(text2);
    content()->addWidget(vmm);

    connect(wizard, &QPushButton::clicked, this, &TelKonfig::runWizard);
}

void TelKonfig::runWizard()
{
    // The word must be register digits before the wizard reads its function code.
    if (!bind().check())
        return;
    QString word = zeroPadRight(m_timerFunction->text().toUpper(), 8);
    FktAuswahl wizard(this, word, FunctionMode::Telephone);
    wizard.exec();
    m_timerFunction->setText(word.left(TimerFunctionLength));
}

} // namespace quarn
