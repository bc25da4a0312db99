#include "config/editors/keys/FunctionEditor.h"

#include "config/editors/frame/CHexEdit.h"
#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/frame/NamedRadio.h"
#include "config/register/RegisterCodecs.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quarn {

namespace {
QString eightDigits(const QString& word)
{
    return zeroPadRight(word, 8).left(8);
}

QString shownWord(const QString& word, int code, const char* defaults)
{
    QString shown = eightDigits(word);
    if (!shown.isEmpty() && hexValueOfCharacter(shown.at(0)) == code && isHexText(shown.left(1)))
        return shown;
    const QString d = QString::fromLatin1(defaults);
    for (int k = 0; k < qMin(8, static_cast<int>(d.size())); ++k) {
        if (d.at(k) != QLatin1Char(' '))
            shown[k] = d.at(k);
    }
    return shown;
}
} // namespace

FunctionEditor::FunctionEditor(QWidget* parent, QString& word, int code, const QString& caption,
                               const char* defaults)
    : SettingsDialog(m_copy, parent, caption), m_word(word), m_code(code), m_original(eightDigits(word)),
      m_copy(shownWord(word, code, defaults))
{
    // Digit 0 becomes the editor's code whatever else the user chose.
    bind().custom({{0, 0}}, {}, {}, [code](DigitSource& s) { s.setDigit(0, 0, code); });
    m_form = new QFormLayout;
    content()->addLayout(m_form);
}

void FunctionEditor::bindingsDone()
{
    // The controls show the defaults; the word keeps every digit no active control writes.
    m_copy.setCharacters(0, 0, m_original);
    bind().refreshRules();
}

void FunctionEditor::confirmed()
{
    m_word = m_copy.word();
}

QComboBox* FunctionEditor::subFunction(const QStringList& texts, const ChoiceMap& map)
{
    m_sub = bind().choice("subFunction", DigitSlot::hex(0, 1), texts, map);
    m_form->addRow(tr("Unterfunktion:"), m_sub);
    return m_sub;
}

QComboBox* FunctionEditor::subFunction(const QStringList& texts)
{
    return subFunction(texts, ChoiceMap::identity(static_cast<int>(texts.size())));
}

int FunctionEditor::sub() const
{
    return m_sub ? m_sub->currentIndex() : -1;
}

IntegerEdit* FunctionEditor::numberOr(const DigitSlot& slot, int minimum, int maximum, int fallback,
                                      const char* name)
{
    auto* edit = named(new IntegerEdit(minimum, maximum, this), name);
    bind().custom(
        slot, {edit}, [edit] { return edit->checkInput(); },
        [edit, slot](DigitSource& s) { slot.write(s, edit->value()); },
        [this, edit, slot, minimum, maximum, fallback] {
            const int v = slot.read(digits());
            edit->setValue(v >= minimum && v <= maximum ? v : fallback);
        });
    return edit;
}

CHexEdit* FunctionEditor::oneDigit(int k, const char* name)
{
    CHexEdit* edit = bind().tones(name, ToneSlot{0, k, 1, 0, 1, QChar(), {}});
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("00")) + 16);
    return edit;
}

QButtonGroup* FunctionEditor::radios(const DigitSlot& slot, const QStringList& texts, const char* prefix,
                                     const ChoiceMap& map)
{
    QList<QRadioButton*> buttons;
    for (int i = 0; i < texts.size(); ++i) {
        auto* b = namedRadio(texts.at(i), QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(i), this);
        buttons << b;
    }
    return bind().radios(slot, buttons, map);
}

QButtonGroup* FunctionEditor::radios(const DigitSlot& slot, const QStringList& texts, const char* prefix)
{
    return radios(slot, texts, prefix, ChoiceMap::identity(static_cast<int>(texts.size())));
}

QComboBox* FunctionEditor::choice(const DigitSlot& slot, const QStringList& texts, const ChoiceMap& map,
                                  const char* name)
{
    return bind().choice(name, slot, texts, map);
}

QComboBox* FunctionEditor::choice(const DigitSlot& slot, const QStringList& texts, const char* name)
{
    return choice(slot, texts, ChoiceMap::identity(static_cast<int>(texts.size())), name);
}

QGroupBox* FunctionEditor::group(const QString& title, QFormLayout** form)
{
    auto* box = new QGroupBox(title, this);
    auto* layout = new QFormLayout(box);
    if (form)
        *form = layout;
    content()->addWidget(box);
    return box;
}

QList<QRadioButton*> FunctionEditor::buttonsOf(const QButtonGroup* group)
{
    QList<QRadioButton*> out;
    for (QAbstractButton* b : group->buttons())
        out << static_cast<QRadioButton*>(b);
    return out;
}

int FunctionEditor::checkedOf(const QButtonGroup* group)
{
    return group->checkedId();
}

} // namespace quarn
