#pragma once

#include "config/editors/frame/SettingsDialog.h"

#include <array>

class QLabel;

namespace quarn {

class DigitSource;
class OverviewTable;

// The overview of the telephone interface's ten decoders, read-only; the button beside each
// row opens the configuration of that decoder, which writes on its own "OK".
class TELDecoder : public SettingsDialog {
    Q_OBJECT
public:
    static constexpr int DecoderCount = 10;

    TELDecoder(Register* image, QWidget* parent = nullptr);

    static int sequenceRegister(int decoder) { return 320 + decoder; } // decoder 0-9
    static int configRegister(int decoder) { return 330 + decoder; }

    // What a decoder does when it recognises its sequence, in the order of the configuration's
    // "Modus" list: digit 1 of its configuration register and the mode's name.
    enum Mode { Unused, Begin, ShortDial, ThroughDial, NightSwitch, End };
    struct ModeEntry {
        Mode mode;
        int digit;
        const char* name; // untranslated, context "quarn::TELDecoder"
    };
    static const std::array<ModeEntry, End + 1>& modes();
    // The mode's name for the configuration's digit 1; empty for a digit without one.
    static QString modeName(int digit);
    static QString cell(const DigitSource& digits, int decoder, int column);

    QLabel* cellLabel(int row, int column) const; // row 0 is the header
    QList<Nested> nestedDialogs() override;

protected:
    // Every change was written by the configuration dialog already.
    bool marksModified() const override { return false; }

private:
    OverviewTable* m_table;
};

} // namespace quarn
