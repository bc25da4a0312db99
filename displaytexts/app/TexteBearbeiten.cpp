#include "displaytexts/app/TexteBearbeiten.h"

#include "displaytexts/app/CExtEdit.h"
#include "displaytexts/app/HelpTexts.h"
#include "displaytexts/app/TextDialogParts.h"
#include "displaytexts/app/WindowMessages.h"
#include "displaytexts/texts/BilingualText.h"
#include "displaytexts/texts/Cp1252.h"
#include "platform/UserDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tekstor {

namespace {
// Configuration characters, counted from 0 (positions 25, 26, 27 and 32 of the own text).
constexpr int TypeAt = 24;
constexpr int FirstValueAt = 25;
constexpr int SecondValueAt = 26;
constexpr int LineAt = 31;

// A position or count n is stored as the character 0x30 + n.
int valueOf(char c)
{
    return static_cast<unsigned char>(c) - 0x30;
}
char characterOf(int value)
{
    return static_cast<char>(0x30 + value);
}

BilingualText typeName(char type)
{
    switch (type) {
    case '0':
        return {"nur Text", "only text"};
    case '1':
        return {"Text mit Eingabe ab Stelle", "text with input from digit"};
    case '2':
        return {"Text mit Eingabe bis Stelle", "text with input till digit"};
    case '3':
        return {"Text mit zwei Eingabestellen", "text with 2x input digits"};
    case 'D':
        return {"Druckertext", "printer text"};
    default:
        return {"", ""};
    }
}

QComboBox* positionList(QWidget* parent, const char* name, int first, int last, const char* suffix = "")
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    for (int v = first; v <= last; ++v)
        list->addItem(QString::number(v) + QLatin1String(suffix), v);
    return list;
}

// Selects the item holding value, or none when the character holds no value of the list.
void selectValue(QComboBox* list, int value)
{
    list->setCurrentIndex(list->findData(value));
}

// The chosen value as a configuration character; without a choice the old one stays.
char chosen(const QComboBox* list, char old)
{
    return list->currentIndex() < 0 ? old : characterOf(list->currentData().toInt());
}
} // namespace

TexteBearbeiten::TexteBearbeiten(QWidget* parent, Language language, Register& store, int number)
    : QDialog(parent), m_store(store), m_number(number), m_language(language)
{
    setObjectName(QStringLiteral("TexteBearbeiten"));
    setWindowTitle(BilingualText{"Texte bearbeiten", "Edit texts"}.in(language));

    const QByteArray stored = store.ownText(number);
    // Missing configuration characters of a short text count as "0"; its display part
    // stays as short as it is.
    m_original = stored.left(CExtEdit::MaxLength).leftJustified(CExtEdit::MaxLength, ' ') +
                 stored.mid(CExtEdit::MaxLength, OwnTextLength - CExtEdit::MaxLength).leftJustified(8, '0');
    m_type = m_original.at(TypeAt);

    QHBoxLayout* textRow = countedTextRow(this, QStringLiteral("Text:"), m_text, m_counter);

    auto* group = new QGroupBox(BilingualText{"Konfiguration", "Configuration"}.in(language), this);
    auto* typeLabel = new QLabel(BilingualText{"Textart:", "Text type:"}.in(language), group);
    m_typeName = new QLabel(typeName(m_type).in(language), group);
    m_typeName->setObjectName(QStringLiteral("textType"));
    if (m_typeName->text().isEmpty())
        m_typeName->setText(QString(QLatin1Char(m_type)));

    m_inputFrom = positionList(group, "inputFrom", 1, 24);
    m_secondInput = positionList(group, "secondInput", 1, 24);
    m_inputUpTo = positionList(group, "inputUpTo", 1, 24);
    m_digitsToPrint = positionList(group, "digitsToPrint", 1, 24);
    m_crlfCount = positionList(group, "crlfCount", 0, 5, "xCRLF");
    m_displayLine = positionList(group, "displayLine", 1, 2);
    m_billFeed = new QCheckBox(
        BilingualText{"Blattvorschub vor dem Text ausgeben", "bill feed before text"}.in(language), group);
    m_billFeed->setObjectName(QStringLiteral("billFeed"));

    auto* grid = new QGridLayout(group);
    grid->addWidget(typeLabel, 0, 0);
    grid->addWidget(m_typeName, 0, 1, 1, 3);
    auto addRow = [&](int row, int column, const BilingualText& caption, QComboBox* list) {
        auto* label = new QLabel(caption.in(language), group);
        label->setBuddy(list);
        grid->addWidget(label, row, column);
        grid->addWidget(list, row, column + 1);
    };
    addRow(1, 0, {"Eingeben ab Stelle:", "Input starts at digit:"}, m_inputFrom);
    addRow(1, 2, {"Zweite Eingabestelle:", "2nd digit of input:"}, m_secondInput);
    addRow(2, 0, {"Eingeben bis Stelle:", "Input until digit:"}, m_inputUpTo);
    addRow(2, 2, {"Text anzeigen in Zeile:", "Display text in line:"}, m_displayLine);
    addRow(3, 0, {"Anzahl zu druckender Stellen:", "Number of digits to print:"}, m_digitsToPrint);
    addRow(3, 2, {"Anzahl CRLF nach dem Text:", "Number of CRLF after text:"}, m_crlfCount);
    grid->addWidget(m_billFeed, 4, 0, 1, 4);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    QDialogButtonBox* buttons = okCancelHelpButtons(this, language, [this] { showHelp(); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(textRow);
    layout->addWidget(group);
    layout->addWidget(buttons);

    m_text->setText(cp1252ToString(stored.left(CExtEdit::MaxLength)));
    m_text->setCursorPosition(0);
    showCursor(m_counter, m_text);
    selectFromConfiguration();
    enableForType();

    connect(m_text, &QLineEdit::textEdited, this, &TexteBearbeiten::refreshAfterEdit);
    connect(m_text, &CExtEdit::cursorMayHaveMoved, this, &TexteBearbeiten::refreshAfterEdit);
}

void TexteBearbeiten::selectFromConfiguration()
{
    const int first = valueOf(m_original.at(FirstValueAt));
    const int second = valueOf(m_original.at(SecondValueAt));
    const int line = valueOf(m_original.at(LineAt));
    const QList<QComboBox*> firstLists{m_inputFrom, m_inputUpTo, m_digitsToPrint, m_secondInput};
    for (QComboBox* list : firstLists)
        list->setCurrentIndex(-1);
    if (m_type == '1' || m_type == '3')
        selectValue(m_inputFrom, first);
    else if (m_type == '2')
        selectValue(m_inputUpTo, first);
    else if (m_type == 'D')
        selectValue(m_digitsToPrint, first);
    if (m_type == '3')
        selectValue(m_secondInput, second);
    m_billFeed->setChecked(m_type == 'D' && m_original.at(SecondValueAt) == '1');
    selectValue(m_displayLine, line);
    selectValue(m_crlfCount, line);
}

void TexteBearbeiten::enableForType()
{
    const bool text = m_type == '0' || m_type == '1' || m_type == '2' || m_type == '3';
    const bool printer = m_type == 'D';
    const QList<QPair<QWidget*, bool>> enabled{
        {m_displayLine, text},        {m_inputFrom, m_type == '1' || m_type == '3'},
        {m_inputUpTo, m_type == '2'}, {m_secondInput, m_type == '3'},
        {m_digitsToPrint, printer},   {m_crlfCount, printer},
        {m_billFeed, printer},
    };
    for (const auto& [widget, on] : enabled) {
        widget->setEnabled(on);
        if (auto* list = qobject_cast<QComboBox*>(widget)) {
            // The caption next to a list greys out with it.
            for (auto* label : findChildren<QLabel*>()) {
                if (label->buddy() == list)
                    label->setEnabled(on);
            }
        }
    }
}

void TexteBearbeiten::refreshAfterEdit()
{
    showCursor(m_counter, m_text);
    m_text->replaceBlanks();
}

QByteArray TexteBearbeiten::composeText() const
{
    if (m_text->text().size() != CExtEdit::MaxLength)
        return {};
    QByteArray result = stringToCp1252(m_text->text()) + QByteArray("00000000");
    result[TypeAt] = m_type;
    switch (m_type) {
    case 'D':
        result[LineAt] = chosen(m_crlfCount, m_original.at(LineAt));
        result[FirstValueAt] = chosen(m_digitsToPrint, m_original.at(FirstValueAt));
        result[SecondValueAt] = m_billFeed->isChecked() ? '1' : '0';
        break;
    case '0':
    case '1':
    case '2':
    case '3':
        result[LineAt] = chosen(m_displayLine, m_original.at(LineAt));
        if (m_type == '2')
            result[FirstValueAt] = chosen(m_inputUpTo, m_original.at(FirstValueAt));
        if (m_type == '1' || m_type == '3')
            result[FirstValueAt] = chosen(m_inputFrom, m_original.at(FirstValueAt));
        if (m_type == '3')
            result[SecondValueAt] = chosen(m_secondInput, m_original.at(SecondValueAt));
        break;
    default:
        // A type this editor does not know keeps its configuration untouched.
        for (int i = TypeAt; i < OwnTextLength; ++i)
            result[i] = m_original.at(i);
        break;
    }
    return result;
}

void TexteBearbeiten::accept()
{
    const QByteArray text = composeText();
    if (text.isEmpty()) {
        showUncaptioned(this, msg::needExactly24(m_language));
        return;
    }
    m_store.setOwnText(m_number, text);
    QDialog::accept();
}

void TexteBearbeiten::showHelp()
{
    platform::showMessage(this, OwnTextHelpCaption.in(m_language), OwnTextHelp.in(m_language),
                          platform::MessageIcon::Information);
}

} // namespace tekstor
