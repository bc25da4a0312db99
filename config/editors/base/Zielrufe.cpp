#include "config/editors/base/Zielrufe.h"

#include "config/editors/frame/CHexEdit.h"
#include "config/editors/frame/IdModeList.h"
#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/frame/NamedRadio.h"
#include "config/editors/frame/ToneCounts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quarn {

namespace {
constexpr int ZKeyRegister = 174;
constexpr int ExternalCalls = 10; // calls 10-14 are A-E
} // namespace

Zielrufe::Zielrufe(Register* image, QWidget* parent) : SettingsDialog(image, parent, tr("Zielrufe"))
{
    m_repeat = bind().number("repeatTime", DigitSlot::weighted(102, 0, 4, 1));

    m_byZKey = named(new QCheckBox(tr("Z-Taste wird für alle Zielrufe benutzt (ausgenommen externe)"), this),
                     "zKey");
    m_byZKey->setChecked(true); // not stored: the normal case whenever the dialog opens

    const QString tooShort =
        tr("Mindestens eine Tonfolge enthält weniger Ziffern als aufgrund Ihrer Auswahl nötig sind.");
    auto* calls = new QGroupBox(tr("Zielrufe"), this);
    auto* external = new QGroupBox(tr("Externe Zielrufe"), this);
    auto* callGrid = new QGridLayout(calls);
    auto* externalGrid = new QGridLayout(external);
    for (QGridLayout* grid : {callGrid, externalGrid}) {
        QWidget* box = grid->parentWidget();
        grid->addWidget(new QLabel(tr("Tonfolge"), box), 0, 1);
        grid->addWidget(new QLabel(tr("ID-Mode"), box), 0, 2);
    }
    for (int call = 0; call < Calls; ++call) {
        const int reg = registerOf(call);
        m_mode[call] = bind().choice(QStringLiteral("mode%1").arg(call), DigitSlot::hex(reg, 7),
                                     IdModeList::sending().texts(), IdModeList::sending().map());
        // Digits of the call beyond its length, up to digit 6, become "0"; digit 7 is the mode.
        m_sequence[call] = bind().tones(QStringLiteral("call%1").arg(call), [this, call, reg, tooShort] {
            const int length = lengthOfCall(call);
            return ToneSlot{reg, 0, 7, length, length, QLatin1Char('0'), tooShort};
        });
        // The row's heading is only its number; a screen reader and the report name the call.
        const QString number = QString::number(call, 16).toUpper();
        m_sequence[call]->setAccessibleName(tr("Zielruf %1").arg(number));
        m_mode[call]->setAccessibleName(tr("ID-Mode Zielruf %1").arg(number));
        connect(m_mode[call], &QComboBox::currentIndexChanged, this, [this, call] { layOut(call); });

        QGridLayout* grid = call < ExternalCalls ? callGrid : externalGrid;
        const int gridRow = (call < ExternalCalls ? call : call - ExternalCalls) + 1;
        grid->addWidget(new QLabel(QString::number(call, 16).toUpper(), grid->parentWidget()), gridRow, 0);
        grid->addWidget(m_sequence[call], gridRow, 1);
        grid->addWidget(m_mode[call], gridRow, 2);
    }

    auto* columns = new QHBoxLayout;
    columns->addWidget(calls);
    auto* right = new QVBoxLayout;
    right->addWidget(external);
    auto* explanation = new QLabel(
        tr("Bei einigen Wahlmöglichkeiten wird nach der hier eingegebenen Tonfolge noch eine "
           "Kennung (in Klammern) gesendet:") +
            QLatin1Char('\n') + tr("Doppelsequenzen: X Töne (+X Töne)") + QLatin1Char('\n') +
            tr("6-Tonfolge: 5 Töne (+1 Ton)") + QLatin1Char('\n') + tr("7-Tonfolge: 5 Töne (+2 Töne)") +
            QLatin1Char('\n') + tr("8-Tonfolge: 5 Töne (+3 Töne)"),
        this);
    explanation->setWordWrap(true);
    right->addWidget(explanation);
    auto* whereDefined = new QLabel(tr("Die Kennung sowie die Anzahl der Töne in X-Tonfolgen wird im Fenster "
                                       "\"Rufgeber\" definiert."),
                                    this);
    whereDefined->setWordWrap(true);
    right->addWidget(whereDefined);
    right->addStretch(1);
    columns->addLayout(right);
    content()->addWidget(m_byZKey);
    content()->addLayout(columns);
    auto* repeatLabel = new QLabel(tr("Zeit (in s), nach der ein externer Ruf wiederholt wird:"), this);
    content()->addLayout(row({repeatLabel, m_repeat}));

    setHelp(tr("Hilfe: Zielrufe"),
            tr("Die Zielrufe 0-9 werden standardmäßig alle mit der Z-Taste und ihrer Nummer verschickt. "
               "Solange dies so ist, lässt die Eingabemaske auch bei \"wie bei Taste programmiert\" nur die "
               "passende Anzahl Ziffern zu.\n"
               "Sollen einzelne Zielrufe mit einer anderen Taste verschickt werden, muss das Häkchen "
               "\"Z-Taste wird für alle Zielrufe benutzt (ausgenommen externe)\" entfernt werden.\n"
               "Die externen Zielrufe werden mit einer anderen, speziell dafür programmierten Taste oder "
               "einem dafür programmierten Eingang ausgewählt."));

    askBeforeUnchecking(
        m_byZKey,
        tr("Dieses Häkchen muss NUR DANN entfernt werden, wenn nicht alle Zielrufe 0-9 mit der "
           "Z-Taste verschickt werden sollen!!") +
            QLatin1Char('\n') + tr("Wollen Sie das Häkchen wirklich entfernen?"),
        [this] { layOutAll(); });
    layOutAll();
}

int Zielrufe::registerOf(int call)
{
    return call < ExternalCalls ? call : 93 + call;
}

int Zielrufe::effectiveMode(int call, int position, bool byZKey, int zKeyModeDigit)
{
    // A mode digit the list does not know has no length of its own: all positions, like the
    // external calls, so that no stored digit is cut off.
    if (position >= 0 && position < 8)
        return position;
    if (call < ExternalCalls && byZKey && position == 8)
        return ToneCounts::sendingModeOfKeyDigit(zKeyModeDigit);
    return ToneCounts::AllPositions;
}

int Zielrufe::lengthOf(int m, int x)
{
    switch (m) {
    case 1:
    case 2:
    case 7:
        return x;
    case 6:
        return 4;
    case ToneCounts::AllPositions:
        return 7;
    default:
        return 5;
    }
}

int Zielrufe::lengthOfCall(int call) const
{
    const int m = effectiveMode(call, m_mode[call]->currentIndex(), m_byZKey->isChecked(),
                                digits().digit(ZKeyRegister, 3));
    return lengthOf(m, ToneCounts::xCount(digits()));
}

void Zielrufe::layOut(int call)
{
    // Refilled from the image: entries not yet confirmed are discarded.
    bind().reload(m_sequence[call]);
}

void Zielrufe::layOutAll()
{
    for (int call = 0; call < Calls; ++call)
        layOut(call);
}

} // namespace quarn
