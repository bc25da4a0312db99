#include "displaytexts/app/NumberedTextDialog.h"

#include "displaytexts/app/CExtEdit.h"
#include "displaytexts/app/TextDialogParts.h"
#include "displaytexts/app/WindowMessages.h"
#include "displaytexts/texts/Cp1252.h"
#include "platform/UserDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tekstor {

NumberedTextDialog::NumberedTextDialog(QWidget* parent, Language language, Register& store, TextKind kind,
                                       QList<int> numbers, const Captions& captions)
    : QDialog(parent), m_store(store), m_kind(kind), m_numbers(std::move(numbers)), m_language(language),
      m_captions(captions)
{
    setWindowTitle(captions.title.in(language));

    QHBoxLayout* textRow = countedTextRow(this, captions.textLabel.in(language), m_text, m_counter);

    m_shown = new QCheckBox(BilingualText{"Anzeigen", "display it"}.in(language), this);
    m_shown->setObjectName(QStringLiteral("shown"));

    auto* digitsLabel =
        new QLabel(BilingualText{"Stellen übernehmen:", "Digits to retain:"}.in(language), this);
    m_digits = new QComboBox(this);
    m_digits->setObjectName(QStringLiteral("digitsToRetain"));
    m_digits->addItems({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    digitsLabel->setBuddy(m_digits);

    m_startLabel =
        new QLabel(BilingualText{"Beginnend bei Stelle:", "Starting at digit:"}.in(language), this);
    m_start = new QLineEdit(QStringLiteral("0"), this);
    m_start->setObjectName(QStringLiteral("startPosition"));
    m_start->setValidator(new QIntValidator(0, 99, m_start));
    m_start->setMaximumWidth(m_start->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    m_startLabel->setBuddy(m_start);

    QDialogButtonBox* buttons = okCancelHelpButtons(this, language, [this] { showHelp(); });

    auto* numberRow = new QHBoxLayout;
    numberRow->addWidget(digitsLabel);
    numberRow->addWidget(m_digits);
    numberRow->addSpacing(16);
    numberRow->addWidget(m_startLabel);
    numberRow->addWidget(m_start);
    numberRow->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(textRow);
    layout->addWidget(m_shown);
    layout->addLayout(numberRow);
    layout->addWidget(buttons);

    if (!m_numbers.isEmpty()) {
        const QByteArray stored = m_store.text(m_kind, m_numbers.first());
        m_text->setText(cp1252ToString(stored.mid(1)));
        m_text->setCursorPosition(0);
        showCursor(m_counter, m_text);
        m_shown->setChecked(!stored.startsWith('0'));
    }
    enableStartPosition();

    connect(m_text, &QLineEdit::textEdited, this, &NumberedTextDialog::refreshAfterEdit);
    connect(m_text, &CExtEdit::cursorMayHaveMoved, this, &NumberedTextDialog::refreshAfterEdit);
    connect(m_digits, &QComboBox::currentIndexChanged, this, [this](int index) {
        enableStartPosition();
        digitsToRetainChosen(index);
    });
}

void NumberedTextDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    if (m_numbers.isEmpty())
        showUncaptioned(this, msg::nothingChosen(m_language));
}

int NumberedTextDialog::digitsToRetain() const
{
    return qMax(0, m_digits->currentIndex());
}

void NumberedTextDialog::setStartPosition(int position)
{
    m_start->setText(QString::number(position));
}

void NumberedTextDialog::enableStartPosition()
{
    const bool on = digitsToRetain() != 0;
    m_start->setEnabled(on);
    m_startLabel->setEnabled(on);
}

bool NumberedTextDialog::takeData()
{
    const int high = CExtEdit::MaxLength - digitsToRetain();
    bool isNumber = false;
    const int start = m_start->text().toInt(&isNumber);
    if (!isNumber || start < 0 || start > high) {
        showUncaptioned(this, integerRangeMessage(0, high));
        m_start->setFocus();
        m_start->selectAll();
        return false;
    }
    m_startPosition = start;
    return true;
}

void NumberedTextDialog::refreshAfterEdit()
{
    takeData();
    showCursor(m_counter, m_text);
    if (!m_shown->isChecked())
        m_shown->setChecked(true);
    m_text->replaceBlanks();
}

QByteArray NumberedTextDialog::composeText(const QByteArray& displayText, bool shown, int number) const
{
    QByteArray result = (shown ? QByteArray("1") : QByteArray("0")) + displayText;
    const int digits = digitsToRetain();
    if (digits == 0)
        return result;
    const QByteArray padded = QByteArray::number(number).rightJustified(3, '0');
    const QByteArray kept = padded.right(digits);
    // The flag is character 0, so the digits follow the first m_startPosition display characters.
    for (int i = 0; i < digits; ++i) {
        const int at = m_startPosition + 1 + i;
        if (at < result.size())
            result[at] = kept[i];
    }
    return result;
}

void NumberedTextDialog::accept()
{
    if (!takeData())
        return;
    if (m_text->text().size() != CExtEdit::MaxLength) {
        showUncaptioned(this, msg::needExactly24(m_language));
        return;
    }
    const QByteArray display = stringToCp1252(m_text->text());
    for (int number : std::as_const(m_numbers))
        m_store.setText(m_kind, number, composeText(display, m_shown->isChecked(), number));
    QDialog::accept();
}

void NumberedTextDialog::showHelp()
{
    platform::showMessage(this, m_captions.helpCaption.in(m_language), m_captions.helpText.in(m_language),
                          platform::MessageIcon::Information);
}

} // namespace tekstor
