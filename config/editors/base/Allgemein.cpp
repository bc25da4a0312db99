#include "config/editors/base/Allgemein.h"

#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/frame/NamedRadio.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

namespace quarn {

namespace {

// Volts with three decimals in steps of 5 mV. The unit takes nothing above 4,995 V; a higher
// entry is stored as 4,750 V.
DecimalFormat headsetThreshold()
{
    DecimalFormat f;
    f.maxChars = 5;
    f.integerDigits = 1;
    f.fractionDigits = 3;
    f.divisor = 5;
    f.range = DecimalFormat::Range::ThreeDigits;
    f.clamp = [](int steps) { return steps >= 1000 ? 950 : steps; };
    return f;
}
} // namespace

Allgemein::Allgemein(Register* image, QWidget* parent)
    : SettingsDialog(image, parent, tr("Allgemeine Konfiguration"))
{
    QRadioButton* simplex = namedRadio(tr("Simplex"), "simplex", this);
    QRadioButton* duplex = namedRadio(tr("Duplex"), "duplex", this);
    QRadioButton* fourWire = namedRadio(tr("4-Draht"), "fourWire", this);
    QRadioButton* twoWire = namedRadio(tr("2-Draht"), "twoWire", this);
    QRadioButton* lightOff = namedRadio(tr("immer aus"), "lightOff", this);
    QRadioButton* lightOn = namedRadio(tr("immer an"), "lightOn", this);
    QRadioButton* lightAfterEvent = namedRadio(tr("nach Ereignis an für"), "lightAfterEvent", this);

    const QStringList languages = {tr("Deutsch"),     tr("Englisch"),    tr("Französisch"), tr("Holländisch"),
                                   tr("Italienisch"), tr("Tschechisch"), tr("eigene Texte")};

    // "eigene Texte" is "F" whatever the number of built-in languages.
    auto* language =
        bind().choice("language", DigitSlot::hex(11, 0), languages, ChoiceMap::of({0, 1, 2, 3, 4, 5, 15}));
    auto* monitor = bind().flag("rs232Monitor", tr("RS232-Monitor automatisch aktiv nach Einschalten"),
                                DigitSlot::oddFlag(11, 3));
    auto* keyTime = bind().number("keyTime", DigitSlot::hex(11, 4), 0, 15);
    auto* keyBeep = bind().flag("keyBeep", tr("Tastenpieps aktiv"), DigitSlot::oddFlag(55, 2));
    auto* transmitLimit = bind().number("transmitLimit", DigitSlot::weighted(51, 0, 3, 1));
    auto* preKeyTime = bind().number("preKeyTime", DigitSlot::weighted(55, 0, 2, 10));
    bind().radios(DigitSlot::bits(51, 3, 0b0001), {simplex, duplex});
    bind().radios(DigitSlot::bits(51, 3, 0b0010), {fourWire, twoWire});
    auto* listen = bind().flag("listen", tr("aktiviert"), DigitSlot::bits(51, 4, 0b0010));
    auto* listenLevel = bind().number("listenLevel", DigitSlot::weighted(101, 0, 3, 1));
    auto* lockOnCarrier =
        bind().flag("lockOnCarrier", tr("bei anliegendem Träger"), DigitSlot::bits(53, 0, 0b0001));
    auto* lockOnMuting =
        bind().flag("lockOnMuting", tr("bei externem Muting"), DigitSlot::bits(53, 0, 0b0010));
    // "000" always off, "001" always on, any other value the seconds after an event; that time
    // is written by its field, so 0 and 1, which would change the mode, are out of its range.
    QButtonGroup* light = bind().radios(DigitSlot::weighted(52, 0, 3, 1),
                                        {lightOff, lightOn, lightAfterEvent}, ChoiceMap::of({0, 1}));
    if (!light->checkedButton())
        lightAfterEvent->setChecked(true);
    auto* lightTime = bind().number("lightTime", DigitSlot::weighted(52, 0, 3, 1), 2, 1665);
    auto* headset =
        bind().fraction("headsetThreshold", DigitSlot::weighted(189, 0, 3, 1), headsetThreshold());

    auto label = [this](const QString& text) { return new QLabel(text, this); };
    content()->addLayout(row({label(tr("Display-Sprache")), language}));
    content()->addWidget(monitor);
    content()->addLayout(row({label(tr("Tastdauer (* und #) für Start Programmiermode")), keyTime,
                              label(tr("s  (0=sofort ; 15=gesperrt)"))}));
    content()->addWidget(keyBeep);
    content()->addLayout(row({label(tr("Sendezeitbegrenzung")), transmitLimit, label(tr("s (0=aus)"))}));
    content()->addLayout(row({label(tr("Sendervortastzeit")), preKeyTime, label(tr("ms"))}));

    auto* mode = new QGroupBox(tr("Modus Kommunikation"), this);
    auto* modeLayout = new QVBoxLayout(mode);
    // Each row is one choice of its own; a screen reader (and the settings report) names it.
    for (const auto& [name, pair] : {std::pair{tr("Simplex/Duplex"), std::pair{simplex, duplex}},
                                     std::pair{tr("4-Draht/2-Draht"), std::pair{fourWire, twoWire}}}) {
        auto* choice = new QWidget(mode);
        choice->setAccessibleName(name);
        QHBoxLayout* choiceRow = row({pair.first, pair.second});
        choiceRow->setContentsMargins(0, 0, 0, 0);
        choice->setLayout(choiceRow);
        modeLayout->addWidget(choice);
    }
    content()->addWidget(mode);

    auto* sent = new QGroupBox(tr("Gesendete Tonfolge mithören"), this);
    auto* sentLayout = new QVBoxLayout(sent);
    sentLayout->addWidget(listen);
    sentLayout->addLayout(
        row({label(tr("Eingangspegel beim Mithören:")), listenLevel, label(tr("(0-1665)"))}));
    content()->addWidget(sent);

    auto* lock = new QGroupBox(tr("Sendertastsperre für PTT"), this);
    auto* lockLayout = new QVBoxLayout(lock);
    lockLayout->addWidget(lockOnCarrier);
    lockLayout->addWidget(lockOnMuting);
    content()->addWidget(lock);

    auto* backlight = new QGroupBox(tr("Display-Beleuchtung"), this);
    auto* backlightLayout = new QVBoxLayout(backlight);
    QLabel* lightUnit = label(tr("s"));
    backlightLayout->addWidget(lightOff);
    backlightLayout->addWidget(lightOn);
    backlightLayout->addLayout(row({lightAfterEvent, lightTime, lightUnit}));
    content()->addWidget(backlight);

    content()->addLayout(
        row({label(tr("Schwellwertspannung für Headset")), headset, label(tr("V (0 - 4,995)"))}));

    bind().enableWhile({lightTime, lightUnit}, [lightAfterEvent] { return lightAfterEvent->isChecked(); });

    setHelp(tr("Hilfe: Allgemeine Konfiguration"),
            tr("Sollen im Display personalisierte Anzeigen erscheinen, so ist im Feld \"Display-Sprache\" -> "
               "\"eigene Texte\" auszuwählen.") +
                QStringLiteral("\n\n") +
                tr("Schwellwertspannung für Headset: Headset ist erkannt, wenn die Spannung unter der "
                   "Schwellwertspannung liegt."));
}

} // namespace quarn
