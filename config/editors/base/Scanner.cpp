#include "config/editors/base/Scanner.h"

#include "config/editors/frame/DecimalFractionEdit.h"
#include "config/editors/frame/DigitSource.h"
#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/frame/NamedRadio.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <memory>

namespace quarn {

namespace {
constexpr int RangeRegister = 67;
constexpr int ListRegister = 70;
const QString ListMark = QStringLiteral("EE");
const QString EndMark = QStringLiteral("FF");

bool isChannel(const QString& text)
{
    static const QRegularExpression decimal(QStringLiteral("^[0-9]{1,2}$"));
    return decimal.match(text).hasMatch();
}

int slotRegister(int slot)
{
    return ListRegister + slot / 2;
}
int slotDigit(int slot)
{
    return 2 * (slot % 2);
}
} // namespace

Scanner::Scanner(Register* image, QWidget* parent) : SettingsDialog(image, parent, tr("Scannerkonfiguration"))
{
    // Off is "0"; on, the dwell time in steps of 20 ms (written after the flag, so it wins).
    QCheckBox* active =
        bind().flag("scannerActive", tr("Scanner aktiv"), DigitSlot::nonZeroFlag(RangeRegister, 4));
    IntegerEdit* dwell = bind().number("dwellTime", DigitSlot::scaled(RangeRegister, 4, 20), 20, 300);
    if (dwell->value() == 0)
        dwell->setValue(100); // offered while the scanner is off
    auto* dwellLabel = new QLabel(tr("ms Verweilzeit pro Kanal (20-300)"), this);

    m_listMode = named(new QCheckBox(tr("Ausschließlich folgende Kanäle scannen:"), this), "listMode");
    IntegerEdit* from = bindRangeField(0, "rangeFrom");
    IntegerEdit* to = bindRangeField(2, "rangeTo");
    auto* fromLabel = new QLabel(tr("Scannen von Kanal:"), this);
    auto* toLabel = new QLabel(tr("bis Kanal:"), this);
    bindChannelList();

    QCheckBox* stop = bind().flag("stopOnCarrier", tr("Scannerstopp bei Träger"), DigitSlot::flag(68, 0));
    // Tenths of a second with up to two integer digits; shown without padding ("0,5", "16,5").
    DecimalFormat tenths{4, 2, 1, 1, 0, DecimalFormat::Range::TwoDigits, 0, {}, {}};
    tenths.clamp = [](int steps) { return qMin(steps, WaitCeiling); };
    DecimalFractionEdit* wait = bind().fraction("waitTime", DigitSlot::weighted(68, 1, 2, 1), tenths);
    auto* waitLabel = new QLabel(
        tr("s Scannerwartezeit bei Träger auf Auswertung") + QLatin1Char('\n') + tr("(0,1 - 16,5 s)"), this);

    auto* channelsBox = new QGroupBox(tr("Zu scannende Kanäle"), this);
    auto* channelsLayout = new QVBoxLayout(channelsBox);
    channelsLayout->addLayout(row({fromLabel, from, toLabel, to}));
    channelsLayout->addWidget(m_listMode);
    auto* grid = new QGridLayout;
    for (int k = 0; k < ListSlots; ++k)
        grid->addWidget(m_channels[k], k / 5, k % 5);
    channelsLayout->addLayout(grid);

    content()->addWidget(active);
    content()->addLayout(row({dwell, dwellLabel}));
    content()->addWidget(channelsBox);
    content()->addWidget(stop);
    content()->addLayout(row({wait, waitLabel}));

    bind().showWhile({dwell, dwellLabel, channelsBox, stop, wait, waitLabel},
                     [active] { return active->isChecked(); });
    bind().enableWhile({fromLabel, from, toLabel, to}, {m_listMode},
                       [this] { return !m_listMode->isChecked(); });
    for (QLineEdit* field : m_channels)
        bind().enableWhile({field}, {m_listMode}, [this] { return m_listMode->isChecked(); });
    bind().enableWhile({wait, waitLabel}, [stop] { return stop->isChecked(); });

    setHelp(tr("Hilfe: Scannerfunktion"),
            tr("Der Scanner durchsucht einen zusammenhängenden Kanalbereich (z. B. Kanal 1-8) oder bis zu "
               "10 frei gewählte Kanäle.\n"
               "Auf jedem Kanal wartet er mindestens die Verweilzeit. Wird kurz vor deren Ende ein Träger "
               "erkannt und ist \"Scannerstopp bei Träger\" aktiv, bleibt er stehen, sonst wartet er "
               "mindestens weitere 100 ms. Wird ein Ton empfangen, hält er für die Scannerwartezeit an und "
               "bleibt stehen, wenn in dieser Zeit ein Ruf ausgewertet wird; andernfalls läuft er weiter.\n"
               "Nach einem ausgewerteten Ruf hält er für die Zeit des Lautsprecher-Timers "
               "(\"Lautsprecherkonfiguration\") an und wird durch Träger und PTT nachgetriggert.\n"
               "Gestartet wird er durch Auflegen des Hörers und durch die Funktion \"Lautsprecher aus\", "
               "ausgeschaltet durch manuelles Einschalten des Lautsprechers."));
}

IntegerEdit* Scanner::bindRangeField(int first, const char* name)
{
    auto* edit = named(new IntegerEdit(0, 99, this), name);
    edit->setMaxLength(2);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), edit));
    // Anything but a channel number (the list mark "EE" among others) opens empty, so that
    // leaving list mode asks for a real range instead of writing the mark back. Other digits
    // that the user leaves empty stay as they are.
    auto kept = std::make_shared<bool>(false);
    auto read = [this, edit, first, kept] {
        const QString stored = digits().text(RangeRegister).mid(first, 2);
        edit->setText(isChannel(stored) ? stored : QString());
        *kept = !isChannel(stored) && digits().text(RangeRegister).mid(0, 2) != ListMark;
        if (first == 0)
            m_listMode->setChecked(stored == ListMark);
    };
    auto untouched = [edit, kept] { return *kept && edit->text().isEmpty(); };
    auto check = [edit, untouched] { return untouched() || edit->checkInput(); };
    auto write = [edit, first, untouched](DigitSource& s) {
        if (!untouched())
            s.setCharacters(RangeRegister, first,
                            QStringLiteral("%1").arg(edit->value(), 2, 10, QLatin1Char('0')));
    };
    bind().custom({{RangeRegister, first, 2}}, {edit}, check, write, read);
    return edit;
}

void Scanner::bindChannelList()
{
    auto* digitsOnly =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), this);
    for (int k = 0; k < ListSlots; ++k) {
        m_channels[k] = named(new QLineEdit(this), QStringLiteral("channel%1").arg(k));
        m_channels[k]->setMaxLength(2);
        m_channels[k]->setValidator(digitsOnly);
        m_channels[k]->setMaximumWidth(
            m_channels[k]->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    }
    // The list ends at the first "FF"; slots before it are shown as they are.
    auto read = [this] {
        bool ended = false;
        for (int k = 0; k < ListSlots; ++k) {
            const QString stored = digits().text(slotRegister(k)).mid(slotDigit(k), 2);
            ended = ended || stored == EndMark;
            m_channels[k]->setText(ended ? QString() : stored);
        }
    };
    // List mode: the mark in register 67, the channel numbers packed without gaps, and "FF"
    // after the last one when fewer than ten are given.
    auto write = [this](DigitSource& s) {
        s.setCharacters(RangeRegister, 0, ListMark);
        int slot = 0;
        for (QLineEdit* field : m_channels) {
            const QString text = field->text().trimmed();
            if (!isChannel(text))
                continue;
            s.setCharacters(slotRegister(slot), slotDigit(slot), text.rightJustified(2, QLatin1Char('0')));
            ++slot;
        }
        if (slot < ListSlots)
            s.setCharacters(slotRegister(slot), slotDigit(slot), EndMark);
    };
    QList<QWidget*> controls(m_channels.begin(), m_channels.end());
    bind().custom({{RangeRegister, 0, 2},
                   {ListRegister, 0, 4},
                   {ListRegister + 1, 0, 4},
                   {ListRegister + 2, 0, 4},
                   {ListRegister + 3, 0, 4},
                   {ListRegister + 4, 0, 4}},
                  controls, {}, write, read);
}

} // namespace quarn
