#pragma once

#include "config/editors/frame/SettingsDialog.h"
#include "config/editors/frame/ToneCounts.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace quarn {

class CHexEdit;
class IntegerEdit;

// The call encoder: the sequence the unit sends, its own identifier ("Kennung"), the ID mode,
// the X-tone count, automatic sending and the tone and pause lengths.
class Rufgeber : public SettingsDialog {
    Q_OBJECT
public:
    Rufgeber(Register* image, QWidget* parent = nullptr);

    // Field layout of an effective ID mode.
    struct Layout {
        int sequenceLength;
        int idLength;
        int firstIdDigit; // in register 15
        bool idEnabled;
        bool xCountEnabled;
    };
    static constexpr int AllPositions = ToneCounts::AllPositions;
    static Layout layoutOf(int effectiveMode, int xCount);
    // The combo position, or for "wie bei Taste programmiert" the mode programmed for the call
    // key (register 172 digit 3) while sending by the call key, else all positions.
    static int effectiveMode(int comboPosition, bool sendByCallKey, int callKeyModeDigit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refreshLayout();
    Layout currentLayout() const;

    int m_x = 5;
    CHexEdit* m_sequence;
    CHexEdit* m_id;
    QLabel* m_idLabel;
    QComboBox* m_mode;
    IntegerEdit* m_xCount;
    QLabel* m_xCountLabel;
    QCheckBox* m_sendByCallKey;
    QCheckBox* m_autoSend;
    IntegerEdit* m_firstTone;
    IntegerEdit* m_furtherTones;
    IntegerEdit* m_pause;
};

} // namespace quarn
