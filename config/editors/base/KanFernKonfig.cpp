#include "config/editors/base/KanFernKonfig.h"

#include "config/editors/frame/CHexEdit.h"
#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/frame/NamedRadio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quarn {

KanFernKonfig::KanFernKonfig(Register* image, QWidget* parent)
    : SettingsDialog(image, parent, tr("Konfiguration Kanalschaltung"))
{
    QCheckBox* keepLast =
        bind().flag("keepLastChannel", tr("Letzten Kanal speichern"), DigitSlot::flag(64, 0));
    IntegerEdit* startChannel = bind().number("startChannel", DigitSlot::weighted(64, 1, 2, 1), 0, 99);
    IntegerEdit* lowest = bind().number("lowestChannel", DigitSlot::weighted(65, 0, 2, 1), 0, 99);
    IntegerEdit* highest = bind().number("highestChannel", DigitSlot::weighted(65, 2, 2, 1), 0, 99);
    // The entries with a permanent display are stored as 5 and 6; other digits open without selection.
    QComboBox* entry = bind().choice(
        "channelEntry", DigitSlot::hex(66, 0),
        {tr("keine Kanalwahl"), tr("Kanalwahl einstellig"), tr("Kanalwahl zweistellig"),
         tr("Kanalwahl einstellig mit ständiger Anzeige"), tr("Kanalwahl zweistellig mit ständiger Anzeige")},
        ChoiceMap::of({0, 1, 2, 5, 6}));
    QComboBox* mode = bind().choice("switchingMode", DigitSlot::hex(66, 1),
                                    {tr("Kanalausgabe TRC"), tr("Kanalausgabe dezimal"),
                                     tr("Kanalausgabe binär-1"), tr("Kanalausgabe binär"),
                                     tr("Kanalausgabe 2xBCD"), tr("Kanalfernschaltung mit Pilotton"),
                                     tr("KFS ohne Pilotton"), tr("KFS ohne Pilotton, ohne TX")});
    QRadioButton* normal = namedRadio(tr("Kanalausgabe normal"), "outputNormal", this);
    QRadioButton* inverted = namedRadio(tr("Kanalausgabe invertiert"), "outputInverted", this);
    bind().radios(DigitSlot::hex(66, 2), {normal, inverted});
    IntegerEdit* bits = bind().number("channelBits", DigitSlot::hex(66, 3), 0, 7);
    auto* bitsLabel = new QLabel(tr("Anzahl Kanalbits (0-7):"), this);
    auto* ackLabel = new QLabel(tr("Erwartete Kanalquittung:"), this);
    QRadioButton* ackNormal = namedRadio(tr("normal (BCDxy)"), "ackNormal", this);
    QRadioButton* ackQuarn9 = namedRadio(tr("Quarn9 (CBDxy)"), "ackQuarn9", this);
    bind().radios(DigitSlot::hex(66, 4), {ackNormal, ackQuarn9});
    // A shorter entry is padded with "0" on the right.
    CHexEdit* fixed = bind().tones("fixedDigits", ToneSlot::upTo(63, 0, 3, QLatin1Char('0')));
    fixed->setAlignment(Qt::AlignCenter);
    auto* fixedLabel = new QLabel(tr("Fixstellen für Fernschalttonfolge (3 Stellen):"), this);

    // Channel bits for the direct outputs (dezimal to 2xBCD), the call's digits for remote switching.
    bind().enableWhile({normal, inverted, bitsLabel, bits},
                       [mode] { return mode->currentIndex() >= 1 && mode->currentIndex() <= 4; });
    bind().enableWhile({fixedLabel, fixed, ackLabel, ackNormal, ackQuarn9},
                       [mode] { return mode->currentIndex() >= 5 && mode->currentIndex() <= 7; });

    auto* form = new QFormLayout;
    form->addRow(keepLast);
    form->addRow(tr("Einschaltkanal:"), startChannel);
    content()->addLayout(form);
    auto* rangeBox = new QGroupBox(tr("Bereich der Kanalwahl"), this);
    auto* rangeForm = new QFormLayout(rangeBox);
    rangeForm->addRow(tr("kleinster wählbarer Kanal:"), lowest);
    rangeForm->addRow(tr("größter wählbarer Kanal:"), highest);
    rangeForm->addRow(tr("Kanalwahl"), entry);
    content()->addWidget(rangeBox);
    auto* outputForm = new QFormLayout;
    outputForm->addRow(tr("Modus Kanalschaltung "), mode);
    outputForm->addRow(normal);
    outputForm->addRow(inverted);
    outputForm->addRow(bitsLabel, bits);
    content()->addLayout(outputForm);
    auto* remoteBox = new QGroupBox(tr("Konfiguration Kanalfernschaltung"), this);
    auto* remoteLayout = new QVBoxLayout(remoteBox);
    remoteLayout->addWidget(fixedLabel);
    remoteLayout->addWidget(fixed, 0, Qt::AlignHCenter);
    remoteLayout->addWidget(ackLabel);
    remoteLayout->addLayout(row({ackNormal, ackQuarn9}));
    content()->addWidget(remoteBox);

    setHelp(tr("Hilfe: Kanalschaltung"),
            tr("Der Kanal nach dem Einschalten kann festgelegt werden, oder der zuletzt aktive Kanal wird "
               "beibehalten. Die wählbaren Kanäle lassen sich auf einen Bereich beschränken, und der Kanal "
               "kann ein- oder zweistellig eingegeben werden.\n"
               "Bei TRC wird der Kanal durch die Frequenz eines Tons gewählt, der zu Beginn jeder Sendung "
               "gesendet wird.\n"
               "Für die direkte Kanalschaltung über Kanalbits gibt es vier Arten: \"dezimal\" (jede von bis "
               "zu 7 Leitungen steht für einen Kanal), \"binär\", \"binär-1\" (binär um eins verschoben, "
               "Kanal 1 = binär 0) und \"2xBCD\" (zwei BCD-Ziffern, höchstens Kanal 0-79). Die Ausgänge "
               "lassen sich insgesamt invertieren. Es müssen genügend Kanalbits gewählt und die Ausgänge "
               "unter \"Konfiguration Ein-/Ausgänge\" entsprechend konfiguriert werden.\n"
               "Bei der Kanalfernschaltung durch einen Ruf können die ersten 3 Stellen der "
               "Fernschalttonfolge geändert werden."));
}

} // namespace quarn
