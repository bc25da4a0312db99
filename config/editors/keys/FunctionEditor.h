#pragma once

#include "config/editors/frame/SettingsDialog.h"

class QButtonGroup;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QRadioButton;

namespace quarn {

class CHexEdit;
class IntegerEdit;

// The frame of the function editors: each fills in the parameter digits of one function
// code in an 8-digit function word. It edits a private copy of the word and hands it back only
// on "OK", so a refused check followed by "Abbrechen" leaves the caller's word as it was.
//
// The controls open on the editor's defaults unless the word already holds its code; digits
// that no active control writes keep their previous content in either case.
class FunctionEditor : public SettingsDialog {
    Q_OBJECT
public:
    // defaults: the word the controls show for a word of another function (' ' = keep the digit).
    FunctionEditor(QWidget* parent, QString& word, int code, const QString& caption, const char* defaults);

    int code() const { return m_code; }
    // The word as the editor holds it now (the caller's word changes only on "OK").
    const QString& editedWord() const { return m_copy.word(); }

protected:
    // Call at the end of the derived constructor, after every binding has read its digits.
    void bindingsDone();
    void confirmed() override;
    bool marksModified() const override { return false; }

    // The "Unterfunktion:" combo box on digit 1.
    QComboBox* subFunction(const QStringList& texts, const ChoiceMap& map);
    QComboBox* subFunction(const QStringList& texts);
    int sub() const;
    // An integer field on a digit shared with other sub-functions: a stored value outside
    // minimum-maximum opens as fallback.
    IntegerEdit* numberOr(const DigitSlot& slot, int minimum, int maximum, int fallback, const char* name);
    // A one-character hex field on digit k; left empty, the digit keeps its content.
    CHexEdit* oneDigit(int k, const char* name);
    // Radio buttons with names <prefix>0.., bound to digit k through map.
    QButtonGroup* radios(const DigitSlot& slot, const QStringList& texts, const char* prefix,
                         const ChoiceMap& map);
    QButtonGroup* radios(const DigitSlot& slot, const QStringList& texts, const char* prefix);
    QComboBox* choice(const DigitSlot& slot, const QStringList& texts, const ChoiceMap& map,
                      const char* name);
    QComboBox* choice(const DigitSlot& slot, const QStringList& texts, const char* name);
    // A group box with a form layout, added to the dialog's content.
    QGroupBox* group(const QString& title, QFormLayout** form);
    QFormLayout* form() const { return m_form; }
    // The radio buttons of a group, in order.
    static QList<QRadioButton*> buttonsOf(const QButtonGroup* group);
    static int checkedOf(const QButtonGroup* group);

private:
    QString& m_word;
    int m_code;
    QString m_original;
    // The copy the bindings read and write; the base holds it by reference only.
    WordDigits m_copy;
    QComboBox* m_sub = nullptr;
    QFormLayout* m_form = nullptr;
};

} // namespace quarn
