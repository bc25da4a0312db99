#include "config/editors/keys/RUFTONEINGABE.h"

#include "config/editors/frame/CHexEdit.h"
#include "config/editors/frame/NamedRadio.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace quarn {

namespace {
enum Sub { Delete, NewTone, CompleteCall };

int inputDigitsOf(const QString& text)
{
    const QChar c = text.isEmpty() ? QChar() : text.at(0);
    return c >= u'1' && c <= u'5' ? c.unicode() - u'0' : 2;
}
} // namespace

RUFTONEINGABE::RUFTONEINGABE(QWidget* parent, QString& word)
    : FunctionEditor(parent, word, 7, tr("Funktion 7: Ruftoneingabe"), "70000000")
{
    QComboBox* sub =
        subFunction({tr("Rufeingabe löschen"), tr("neue Ruftoneingabe"), tr("kompletten Ruf eingeben")});

    QFormLayout* deleting = nullptr;
    QGroupBox* deleteBox = group(tr("Rufeingabe löschen"), &deleting);
    QButtonGroup* deleteKind = radios(
        DigitSlot::hex(0, 3),
        {tr("Ruf komplett löschen"), tr("letzte Eingabe löschen"), tr("Ruf +1"), tr("Ruf -1")}, "delete");
    for (QRadioButton* b : buttonsOf(deleteKind))
        deleting->addRow(b);
    // Digit 4 is the scroll step for "Ruf +1" and "Ruf -1", "0" for the other two.
    // Bound on the delete buttons, so that digit 4 is read in their line of the report.
    QList<QWidget*> deleteButtons;
    for (QRadioButton* b : buttonsOf(deleteKind))
        deleteButtons << b;
    bind().custom({{0, 4}}, deleteButtons, {}, [deleteKind](DigitSource& s) {
        if (deleteKind->checkedId() == 0 || deleteKind->checkedId() == 1)
            s.setDigit(0, 4, 0);
    });
    auto* scrollBox = new QWidget(deleteBox);
    auto* scrollForm = new QFormLayout(scrollBox);
    scrollForm->setContentsMargins(20, 0, 0, 0);
    QButtonGroup* scroll =
        radios(DigitSlot::hex(0, 4),
               {tr("Blättern um ±1"), tr("Blättern um ±1 bis zur nächsten Kennung mit Text")}, "scroll");
    for (QRadioButton* b : buttonsOf(scroll))
        scrollForm->addRow(b);
    deleting->addRow(scrollBox);

    auto* toneLabel = new QLabel(tr("Rufton:"), this);
    CHexEdit* tone = oneDigit(2, "tone");
    auto* toneHint = new QLabel(tr("(Töne 0-E, F: Pause)"), this);
    form()->addRow(toneLabel, row({tone, toneHint}));

    // Digit 2 is the number of input digits n; the call takes digits 3 to 3 + n - 1 and the
    // rest up to digit 7 is "0". n is clamped before it is used as a length.
    m_inputDigits = named(new QLineEdit(this), "inputDigits");
    m_inputDigits->setMaxLength(1);
    m_inputDigits->setMaximumWidth(m_inputDigits->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 16);
    m_inputDigits->installEventFilter(this);
    auto* inputLabel = new QLabel(tr("Eingabeziffern (1-5):"), this);
    bind().custom(
        {{0, 2}}, {m_inputDigits}, {}, [this](DigitSource& s) { s.setDigit(0, 2, inputDigits()); },
        [this] { m_inputDigits->setText(QString::number(inputDigitsOf(digits().text(0).mid(2, 1)))); });
    // The count is settled before the call field's length is checked.
    bind().rule([this] {
        if (m_inputDigits->isEnabled())
            normaliseCall();
        return true;
    });
    m_call =
        bind().tones("call", [this] { return ToneSlot{0, 3, 5, 0, inputDigits(), QLatin1Char('0'), {}}; });
    auto* callLabel = new QLabel(tr("Ruf:"), this);
    form()->addRow(inputLabel, m_inputDigits);
    form()->addRow(callLabel, m_call);

    bind().enableWhile({deleteBox}, [sub] { return sub->currentIndex() == Delete; });
    bind().enableWhile({scrollBox}, [deleteKind] { return deleteKind->checkedId() >= 2; });
    bind().enableWhile({toneLabel, tone, toneHint}, [sub] { return sub->currentIndex() == NewTone; });
    bind().enableWhile({inputLabel, m_inputDigits, callLabel, m_call},
                       [sub] { return sub->currentIndex() == CompleteCall; });
    connect(sub, &QComboBox::currentIndexChanged, this, &RUFTONEINGABE::normaliseCall);
    connect(deleteKind, &QButtonGroup::idToggled, this, &RUFTONEINGABE::normaliseCall);
    bindingsDone();
    normaliseCall();
}

int RUFTONEINGABE::inputDigits() const
{
    return inputDigitsOf(m_inputDigits->text());
}

void RUFTONEINGABE::normaliseCall()
{
    const int n = inputDigits();
    m_inputDigits->setText(QString::number(n));
    QString call = m_call->text().left(n);
    while (call.size() < n)
        call += QLatin1Char('0');
    m_call->setMaxLength(n);
    m_call->setText(call);
}

void RUFTONEINGABE::showEvent(QShowEvent* event)
{
    FunctionEditor::showEvent(event);
    normaliseCall();
}

bool RUFTONEINGABE::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_inputDigits && event->type() == QEvent::FocusOut)
        normaliseCall();
    return FunctionEditor::eventFilter(watched, event);
}

} // namespace quarn
