#include "config/editors/telephone/TelKonfig.h"

#include "config/editors/frame/CHexEdit.h"
#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/frame/NamedRadio.h"
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
    CHexEdit* ringTone = bind().tones("ringTone", ToneSlot::upTo(190, 0, 1, u'B'));
    narrow(ringTone, 1);
    m_timerFunction =
        bind().tones("timerFunction", ToneSlot::upTo(TimerRegister, 0, TimerFunctionLength, u'0'));
    narrow(m_timerFunction, TimerFunctionLength);
    IntegerEdit* idleTimeout = bind().number("idleTimeout", DigitSlot::weighted(TimerRegister, 6, 2, 1));
    IntegerEdit* talkTransmit = bind().number("talkTransmitTime", DigitSlot::weighted(310, 0, 3, 1));
    IntegerEdit* callTime = bind().number("callTime", DigitSlot::weighted(365, 0, 4, 1));
    IntegerEdit* silentCallTime = bind().number("silentCallTime", DigitSlot::weighted(365, 4, 2, 1));
    IntegerEdit* simplexTransmit = bind().number("simplexTransmitTime", DigitSlot::weighted(366, 0, 3, 1));
    QComboBox* dialling = bind().choice("dialling", DigitSlot::hex(366, 3), {tr("Impuls"), tr("DTMF")});
    QComboBox* operatingMode =
        bind().choice("operatingMode", DigitSlot::hex(366, 4), {tr("Simplex"), tr("Duplex")});
    IntegerEdit* simplexReceive = bind().number("simplexReceiveTime", DigitSlot::weighted(367, 0, 3, 1));
    QCheckBox* dialTone = bind().flag("dialToneDetection", tr("Wähltonerkennung"), DigitSlot::flag(367, 3));
    IntegerEdit* ringCount = bind().number("ringCount", DigitSlot::hex(367, 4), 0, 15);
    IntegerEdit* ringbackWait = bind().number("ringbackWaitTime", DigitSlot::weighted(368, 0, 3, 1));
    CHexEdit* exchangePrefix = bind().tones("exchangePrefix", ToneSlot::upTo(369, 0, 1, u'0'));
    narrow(exchangePrefix, 1);
    DecimalFractionEdit* beepDelay =
        bind().fraction("beepDelay", DigitSlot::hex(369, 1), DecimalFormat::tenths(1));
    QCheckBox* text1 = bind().flag("announcementToRadio", tr("Ansage Text1 bei Verbindungsaufbau Tel->Funk"),
                                   DigitSlot::flag(369, 2));
    QCheckBox* text2 = bind().flag("announcementToPhone", tr("Ansage Text2 bei Verbindungsaufbau Funk->Tel"),
                                   DigitSlot::flag(369, 3));

    auto* ringForm = new QFormLayout;
    ringForm->addRow(tr("Klingelton bei Telefonanruf:"), ringTone);
    content()->addLayout(ringForm);

    auto* timer = new QGroupBox(tr("Automatisches Beenden des Telefon-Mode"), this);
    auto* timerLayout = new QVBoxLayout(timer);
    timerLayout->addLayout(
        FieldRows::make(this, {{idleTimeout, tr("s   keine Bedienung -> Verlassen Tel-Mode")}}));
    auto* wizard = named(new QPushButton(QStringLiteral("-->"), timer), "wizardButton");
    wizard->setAutoDefault(false);
    auto* functionForm = new QFormLayout;
    functionForm->addRow(tr("Funktion bei Timerablauf:"), row({m_timerFunction, wizard}));
    timerLayout->addLayout(functionForm);
    content()->addWidget(timer);

    content()->addLayout(
        FieldRows::make(this, {
                                  {talkTransmit, tr("s   max. Sendezeit während Telefongespräch")},
                                  {callTime, tr("s   max. Gesprächszeit")},
                                  {silentCallTime, tr("s   max. Gesprächszeit ohne Modulation")},
                                  {simplexTransmit, tr("s   max. Sendezeit bei Simplex")},
                                  {simplexReceive, tr("s   max. Empfangszeit bei Simplex")},
                                  {ringbackWait, tr("s   max. Wartezeit bei Freizeichen an Gegenstelle")},
                                  {beepDelay, tr("s   Signaltonverzögerung (vor Beep zum Funk)")},
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
