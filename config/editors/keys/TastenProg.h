#pragma once

#include "config/editors/frame/SettingsDialog.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace quarn {

class CHexEdit;

// The drawn keypad: a function word for the short and one for the long press of each of the
// 25 keys, in normal mode (registers 130-179) or in telephone mode (430-479). The dialog works
// on a private copy of its 50 registers and writes them back only on "OK".
class TastenProg : public SettingsDialog {
    Q_OBJECT
public:
    static constexpr int KeyCount = 25;

    // mode 0: normal (base tree), 1: telephone mode (telephone-interface tree).
    TastenProg(int mode, QWidget* parent, Register* image);

    // The register of a key's press (0 short, 1 long) in a mode.
    static int registerOf(int key, int press, int mode);
    // "F1" ... "#", "PTT", "RUF", "Z", "LS", "VOL".
    static QString captionOf(int key);
    // Whether the keypad of the model has the key.
    static bool exists(int key, bool model7k);

    int shownKey() const { return m_key; }

    // Every key press of the mode, in words.
    QList<Page> pages() override;
    int shownPress() const { return m_press; }

protected:
    void confirmed() override;

private:
    // Stores the shown word into the copy, then shows the key's press; false when the word
    // is refused (the key stays).
    bool select(int key, int press);
    void runWizard();
    void showLabel();
    void showPress();

    Register* m_image;
    RegisterCopy m_copy;
    int m_mode;
    int m_key = 0;
    int m_press = 0;
    CHexEdit* m_word;
    QLabel* m_label;
    QRadioButton* m_short;
    QRadioButton* m_long;
};

} // namespace quarn
