#pragma once

#include "displaytexts/texts/BilingualText.h"
#include "displaytexts/texts/Register.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tekstor {

class CExtEdit;

// What the ID-text and the channel-text dialogs share: one 24-character text with its
// "shown" flag, written into one or many entries, each optionally carrying its own
// number at a chosen place.
class NumberedTextDialog : public QDialog {
    Q_OBJECT
public:
    struct Captions {
        BilingualText title;
        BilingualText textLabel;
        BilingualText helpCaption;
        BilingualText helpText;
    };

    // numbers: the entries to edit, ascending; none is allowed (the dialog says so).
    NumberedTextDialog(QWidget* parent, Language language, Register& store, TextKind kind, QList<int> numbers,
                       const Captions& captions);

    // Reads the start position; out of 0..24-digits it says so and gives false.
    bool takeData();

    // The text of entry number with the digits of number put in, as OK stores it.
    QByteArray composeText(const QByteArray& displayText, bool shown, int number) const;

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
    // Kennung moves the start so the digits end at the last display position.
    virtual void digitsToRetainChosen(int digits) { Q_UNUSED(digits) }
    void setStartPosition(int position);

private:
    void refreshAfterEdit();
    void showHelp();
    void enableStartPosition();
    int digitsToRetain() const;

    Register& m_store;
    TextKind m_kind;
    QList<int> m_numbers;
    Language m_language;
    Captions m_captions;
    bool m_shownOnce = false;
    int m_startPosition = 0;

    CExtEdit* m_text = nullptr;
    QLabel* m_counter = nullptr;
    QCheckBox* m_shown = nullptr;
    QComboBox* m_digits = nullptr;
    QLabel* m_startLabel = nullptr;
    QLineEdit* m_start = nullptr;
};

} // namespace tekstor
