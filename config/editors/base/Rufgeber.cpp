#include "config/editors/base/Rufgeber.h"

#include "config/editors/frame/CHexEdit.h"
#include "config/editors/frame/IdModeList.h"
#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/frame/NamedRadio.h"
#include "config/editors/frame/ToneCounts.h"
#include "config/register/Register.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace quarn {

namespace {
constexpr int SequenceRegister = 10;
constexpr int IdRegister = 15;
constexpr int CallKeyRegister = 172;
} // namespace

Rufgeber::Rufgeber(Register* image, QWidget* parent) : SettingsDialog(image, parent, tr("Rufgeber"))
{
    const QString tooShort =
        tr("Ihre Eingaben in den Feldern \"Tonfolge\" und/oder \"Kennung\" enthalten weniger "
           "Ziffern als aufgrund Ihrer Auswahl nötig sind.");
    m_mode = bind().choice("idMode", DigitSlot::hex(SequenceRegister, 7), IdModeList::sending().texts(),
                           IdModeList::sending().map());
    m_sendByCallKey =
        named(new QCheckBox(tr("Senden geschieht mittels Ruftaste (Standard)"), this), "sendByCallKey");
    m_sendByCallKey->setChecked(true); // not stored: the normal case whenever the dialog opens
    m_autoSend = bind().flag("autoSend", tr("Ruf automatisch senden"), DigitSlot::flag(82, 5));
    // The count is checked before the fields whose lengths it sets.
    m_xCount = bind().number("xCount", DigitSlot::decimalChar(81, 5), 3, 7);
    m_xCount->installEventFilter(this);
    m_xCountLabel = new QLabel(tr("Anzahl Töne in der X-Tonfolge:"), this);
    // Digits of the call beyond the entry, up to digit 6, become "0"; the ID mode stays in digit 7.
    m_sequence = bind().tones("sequence", [this, tooShort] {
        const int length = currentLayout().sequenceLength;
        return ToneSlot{SequenceRegister, 0, 7, length, length, QLatin1Char('0'), tooShort};
    });
    m_id = bind().tones("ownId", [this, tooShort] {
        const Layout l = currentLayout();
        return ToneSlot{IdRegister,       l.firstIdDigit, 7 - l.firstIdDigit, l.idLength, l.idLength,
                        QLatin1Char('0'), tooShort};
    });
    m_idLabel = new QLabel(tr("Kennung"), this);
    m_firstTone = bind().number("firstTone", DigitSlot::weighted(82, 0, 2, 10));
    m_furtherTones = bind().number("furtherTones", DigitSlot::weighted(82, 2, 1, 10));
    m_pause = bind().number("pause", DigitSlot::weighted(82, 3, 2, 10));

    auto* call = new QGroupBox(tr("Rufzusammensetzung"), this);
    auto* grid = new QGridLayout(call);
    grid->addWidget(new QLabel(tr("Tonfolge"), call), 0, 0);
    grid->addWidget(m_idLabel, 0, 1);
    grid->addWidget(new QLabel(tr("ID-Mode"), call), 0, 2);
    grid->addWidget(m_sequence, 1, 0);
    grid->addWidget(m_id, 1, 1);
    grid->addWidget(m_mode, 1, 2);
    grid->addWidget(m_sendByCallKey, 2, 0, 1, 3);
    grid->addWidget(m_autoSend, 3, 0, 1, 3);
    content()->addWidget(call);

    auto* form = new QFormLayout;
    form->addRow(m_xCountLabel, m_xCount);
    form->addRow(tr("Tonlänge des ersten Tons (ms):"), m_firstTone);
    form->addRow(tr("Tonlänge der weiteren Töne (ms):"), m_furtherTones);
    form->addRow(tr("Länge einer Pause (ms):"), m_pause);
    content()->addLayout(form);

    setHelp(tr("Hilfe: Rufgeber"),
            tr("Hier werden die Parameter für das Tonfolgesenden eingestellt.\n"
               "Je nach ID-Mode wird die zu sendende Tonfolge in das Feld \"Tonfolge\" eingegeben; "
               "mit \"F\" werden die Stellen codiert, die am Quarn eingegeben werden.\n"
               "In das Feld \"Kennung\" wird die passende Anzahl Kennungsstellen eingetragen. "
               "X-Tonfolgen haben 3 bis 7 Töne.\n"
               "Der Ruf kann automatisch gesendet werden, sobald die letzte nötige Stelle am Quarn "
               "eingegeben wurde.\n"
               "Das Häkchen \"Senden geschieht mittels Ruftaste (Standard)\" ist zu entfernen, wenn eine "
               "andere Taste als die Ruftaste bestimmte Tonfolgen senden soll. Dann werden im ID-Mode "
               "\"wie bei Taste programmiert\" alle 7 Eingabestellen angezeigt, und der an der sendenden "
               "Taste programmierte ID-Mode entscheidet, welche davon codiert sein müssen.\n"
               "Außerdem werden hier die Längen der Töne und der Pause eingestellt. "
               "Standarmäßig betragen diese in allen Fällen 70 ms."));

    connect(m_mode, &QComboBox::currentIndexChanged, this, &Rufgeber::refreshLayout);
    askBeforeUnchecking(m_sendByCallKey,
                        tr("Dieses Häkchen muss NUR DANN entfernt werden, wenn eine andere Taste als die "
                           "Ruftaste zum Tonfolgesenden verwendet werden soll!!") +
                            QLatin1Char('\n') + tr("Wollen Sie das Häkchen wirklich entfernen?"),
                        [this] { refreshLayout(); });
    refreshLayout();
}

int Rufgeber::effectiveMode(int comboPosition, bool sendByCallKey, int callKeyModeDigit)
{
    if (comboPosition != 8)
        return comboPosition;
    if (!sendByCallKey)
        return AllPositions;
    return ToneCounts::sendingModeOfKeyDigit(callKeyModeDigit);
}

Rufgeber::Layout Rufgeber::layoutOf(int m, int x)
{
    switch (m) {
    case 1:
    case 2:
        return {x, x, 0, true, true};
    case 3:
        return {5, 1, 4, true, false};
    case 4:
        return {5, 2, 3, true, false};
    case 5:
        return {5, 3, 2, true, false};
    case 6:
        return {4, 5, 0, false, false};
    case 7:
        return {x, 5, 0, false, true};
    case AllPositions:
        return {7, 7, 0, true, false};
    default:
        // 5-tone, and modes without a layout of their own (no selection, key modes above 9).
        return {5, 5, 0, false, false};
    }
}

Rufgeber::Layout Rufgeber::currentLayout() const
{
    // The X-tone count as the field holds it; an entry outside 3-7 keeps the last good one.
    int x = m_x;
    if (const std::optional<int> n = m_xCount->number(); n && *n >= 3 && *n <= 7)
        x = *n;
    return layoutOf(effectiveMode(m_mode->currentIndex(), m_sendByCallKey->isChecked(),
                                  digits().digit(CallKeyRegister, 3)),
                    x);
}

void Rufgeber::refreshLayout()
{
    if (const std::optional<int> n = m_xCount->number(); n && *n >= 3 && *n <= 7)
        m_x = *n;
    const Layout layout = currentLayout();
    // Refilled from the image: entries not yet confirmed are discarded.
    bind().reload(m_sequence);
    bind().reload(m_id);
    m_id->setEnabled(layout.idEnabled);
    m_idLabel->setEnabled(layout.idEnabled);
    m_xCount->setEnabled(layout.xCountEnabled);
    m_xCountLabel->setEnabled(layout.xCountEnabled);
}

bool Rufgeber::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_xCount && event->type() == QEvent::FocusOut)
        refreshLayout();
    return SettingsDialog::eventFilter(watched, event);
}

} // namespace quarn
