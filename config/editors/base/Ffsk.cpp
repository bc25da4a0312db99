#include "config/editors/base/Ffsk.h"

#include "config/editors/frame/CHexEdit.h"
#include "config/editors/frame/IdModeList.h"
#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/frame/NamedRadio.h"
#include "config/editors/frame/ReactionSettings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quarn {

Ffsk::Ffsk(Register* image, QWidget* parent) : SettingsDialog(image, parent, tr("FFSK-Modus (+FMS)"))
{
    // --- calls and identifiers ---
    CHexEdit* limit = bind().tones("limitNumber", ToneSlot::leftPadded(90, 0, 3, QLatin1Char('0')));
    QRadioButton* toneMode = namedRadio(tr("Tonfolge-Modus"), "toneMode", this);
    QRadioButton* ffskMode = namedRadio(tr("FFSK-Modus"), "ffskMode", this);
    // Only "1" means FFSK above the limit.
    ChoiceMap aboveLimit = ChoiceMap::of({0, 1});
    for (int d = 2; d <= 15; ++d)
        aboveLimit.reading(d, 0);
    bind().radios(DigitSlot::hex(90, 3), {toneMode, ffskMode}, aboveLimit);
    CHexEdit* hashId = bind().tones("hashId", ToneSlot::exact(90, 4, 1));
    CHexEdit* bak = bind().tones("bak", ToneSlot::exact(91, 1, 1));
    QCheckBox* suppression = bind().flag("suppression", tr("FFSK-Unterdrückung"), DigitSlot::flag(91, 4));
    QCheckBox* idAtStart =
        bind().flag("idAtPttStart", tr("FFSK-Kennung bei Beginn PTT"), DigitSlot::flag(55, 3));
    QCheckBox* idAtEnd = bind().flag("idAtPttEnd", tr("FFSK-Kennung bei Ende PTT"), DigitSlot::flag(55, 4));

    // --- status configuration ---
    QRadioButton* statusNone = namedRadio(tr("keiner"), "statusNone", this);
    QRadioButton* status1 = namedRadio(tr("1-stellig"), "status1", this);
    QRadioButton* status2 = namedRadio(tr("2-stellig"), "status2", this);
    m_status = bind().radios(DigitSlot::hex(54, 0), {statusNone, status1, status2});
    const QString statusMismatch =
        tr("Die Zeichenzahl des angegebenen Startstatus stimmt nicht mit der darüber befindlichen Auswahl "
           "überein! Bitte ändern Sie die Eingaben entsprechend.");
    // One status digit is digit 2, two are digits 1-2.
    m_startStatus = bind().tones("startStatus", [this, statusMismatch] {
        const int n = statusDigits();
        return ToneSlot{54, 3 - qMax(n, 1), n, n, n, QChar(), statusMismatch};
    });
    auto* startStatusLabel = new QLabel(tr("Startstatus nach Einschalten:"), this);
    bind().enableWhile({m_startStatus, startStatusLabel}, [this] { return statusDigits() > 0; });
    IntegerEdit* status5 = bind().number("status5Time", DigitSlot::hex(54, 3), 0, 15);
    IntegerEdit* status9 = bind().number("status9Time", DigitSlot::hex(54, 4), 0, 15);

    // --- emergency call ---
    QRadioButton* emergencyOff = namedRadio(tr("FFSK-Notruf deaktiviert"), "emergencyOff", this);
    QRadioButton* emergencyBak = namedRadio(tr("FFSK-Notruf mit BAK = F"), "emergencyBak", this);
    QRadioButton* emergencyDefined =
        namedRadio(tr("FFSK-Notruf bei BAK = F und") + QLatin1Char('\n') + tr("definierter Tonfolge:"),
                   "emergencyDefined", this);
    bind().radios(DigitSlot::hex(91, 0), {emergencyOff, emergencyBak, emergencyDefined});
    // "F" is a position shown on the display.
    CHexEdit* emergencyTones = bind().tones("emergencyTones", ToneSlot::exact(94, 0, 5));
    auto* emergencyTonesLabel = new QLabel(tr("Tonfolge:"), this);
    bind().enableWhile({emergencyTones, emergencyTonesLabel},
                       [emergencyDefined] { return emergencyDefined->isChecked(); });
    QComboBox* emergencyMode =
        bind().choice("emergencyIdMode", DigitSlot::hex(93, 0), IdModeList::ffskEmergency().texts(),
                      IdModeList::ffskEmergency().map());
    auto* reaction = new ReactionSettings(
        bind(), 92, 93,
        ReactionSettings::AlarmTone | ReactionSettings::CallVolume | ReactionSettings::SwitchOutput |
            ReactionSettings::Acknowledgement | ReactionSettings::SpeakerLed,
        6, this);

    // --- layout ---
    auto* general = new QGroupBox(this);
    auto* generalForm = new QFormLayout(general);
    generalForm->addRow(tr("Grenznummer Tonfolge / FFSK:"), limit);
    auto* aboveBox = new QGroupBox(tr("Wenn Rufnummer > Grenznummer:"), general);
    auto* aboveLayout = new QVBoxLayout(aboveBox);
    aboveLayout->addWidget(toneMode);
    aboveLayout->addWidget(ffskMode);
    generalForm->addRow(aboveBox);
    generalForm->addRow(tr("Rautenkennzeichen:"), hashId);
    generalForm->addRow(tr("Betriebsartenkennzeichen") + QLatin1Char('\n') + tr("(BAK) für Rufauswertung:"),
                        bak);
    generalForm->addRow(suppression);
    generalForm->addRow(idAtStart);
    generalForm->addRow(idAtEnd);

    auto* statusBox = new QGroupBox(tr("Statuskonfiguration (FFSK oder FMS)"), this);
    auto* statusLayout = new QVBoxLayout(statusBox);
    statusLayout->addWidget(statusNone);
    statusLayout->addWidget(status1);
    statusLayout->addWidget(status2);
    statusLayout->addLayout(row({startStatusLabel, m_startStatus}));
    auto* fmsBox = new QGroupBox(tr("FMS: Status-Anzeigezeit"), statusBox);
    auto* fmsForm = new QFormLayout(fmsBox);
    fmsForm->addRow(tr("virtueller Status 5 (1-15s)"), status5);
    fmsForm->addRow(tr("virtueller Status 9 (1-15s)"), status9);
    statusLayout->addWidget(fmsBox);

    auto* emergencyBox = new QGroupBox(tr("FFSK-Notruf"), this);
    auto* emergencyLayout = new QGridLayout(emergencyBox);
    emergencyLayout->addWidget(emergencyOff, 0, 0);
    emergencyLayout->addWidget(emergencyBak, 1, 0);
    emergencyLayout->addWidget(emergencyDefined, 2, 0);
    emergencyLayout->addLayout(row({emergencyTonesLabel, emergencyTones}), 2, 1);
    emergencyLayout->addLayout(row({new QLabel(tr("ID-Mode"), emergencyBox), emergencyMode}), 3, 0, 1, 2);
    emergencyLayout->addWidget(reaction, 4, 0, 1, 2);

    auto* top = new QHBoxLayout;
    top->addWidget(general);
    top->addWidget(statusBox);
    content()->addLayout(top);
    content()->addWidget(emergencyBox);

    setHelp(tr("Hilfe: FFSK-Modus (+FMS)"),
            tr("Der Quarn 7k/8k kann neben der gewöhnlichen Tonfolgesignalisierung auch FFSK-Signale senden "
               "und auswerten.\n"
               "Liegt die gewählte Rufnummer über der einstellbaren dreistelligen Grenznummer, wird "
               "standardmäßig im Tonfolge-Modus gesendet, darunter im FFSK-Modus; dies lässt sich umkehren. "
               "Die Decoder brauchen keine Unterscheidung, da sie Tonfolgen und FFSK-Telegramme gleichzeitig "
               "erkennen.\n"
               "Hier wird das zu sendende Rautenkennzeichen eingestellt. Die Decoder werten unabhängig von "
               "Status und Rautenkennzeichen aus, solange das Telegramm das eingestellte "
               "Betriebsartenkennzeichen (BAK) trägt.\n"
               "Die Statuskonfiguration gilt für FFSK und FMS; für FFSK sollte ein einstelliger Status "
               "gewählt werden. Die Anzeigezeit eines empfangenen FMS-Status wird hier eingestellt.\n"
               "Der FFSK-Notruf kann für alle Telegramme mit BAK = F freigegeben werden (alle 5 Stellen "
               "werden angezeigt: Herstellerkennung und Rufnummer) oder für Telegramme mit einer "
               "definierten Tonfolge (nur die mit \"F\" codierten Stellen werden angezeigt). Die übrigen "
               "Notruf-Einstellungen entsprechen denen der Standard-Decoder."));

    connect(m_status, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked)
            applyStatusConfiguration();
    });
    applyStatusConfiguration();
}

int Ffsk::statusDigits() const
{
    return qMax(0, m_status->checkedId());
}

void Ffsk::applyStatusConfiguration()
{
    // Two digits keep what the field holds unless it has fewer; otherwise refilled from the image.
    if (statusDigits() != 2 || m_startStatus->text().size() < 2)
        bind().reload(m_startStatus);
    m_startStatus->setMaxLength(qMax(1, statusDigits()));
}

} // namespace quarn
