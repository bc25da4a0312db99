#pragma once

#include "config/editors/frame/SettingsDialog.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace quarn {

class IntegerEdit;

// One entry (1-19) of the dial-tone table, register 380 + entry: its line type and the tone
// and pause of one step of the cadence. It writes into the image on its own "OK"; a cadence
// goes on in the next entry through "->In nächster Zeile fortsetzen".
class AMTSTONDECODERTAB : public SettingsDialog {
    Q_OBJECT
public:
    static constexpr int FirstEntry = 1;
    static constexpr int LastEntry = 19;
    // The digit that marks a table entry as not in use.
    static constexpr int UnusedDigit = 15;
    enum Type { Continuation = 0, RingBack = 1, Busy = 2, Unused = 3 }; // list positions

    // continuation: opened from the entry above to carry its cadence on.
    AMTSTONDECODERTAB(Register* image, int entry, bool continuation = false, QWidget* parent = nullptr);

    static int registerOf(int entry) { return 380 + entry; }

private:
    void refreshTitle();
    void writeEntry(DigitSource& s) const;
    // Frees entry and the continuation lines right below it, never past the table's last entry.
    static void freeCadence(DigitSource& s, int entry);
    void continueInNextLine();

    int m_entry;
    QComboBox* m_type;
    IntegerEdit* m_tone;
    IntegerEdit* m_pause;
    QLabel* m_toneLabel;
    QLabel* m_pauseLabel;
    QPushButton* m_continue;
};

} // namespace quarn
