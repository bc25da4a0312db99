#pragma once

#include "config/editors/frame/FieldEdit.h"

#include <functional>
#include <optional>

namespace quarn {

// How a duration or level such as "s (0,0 - 3,0)" is entered and stored: the text is parsed
// by one of the three decimal parsers into steps of the field's resolution.
struct DecimalFormat {
    enum class Range { OneDigit, TwoDigits, ThreeDigits }; // 0-15, 0-255 (signed with offset), 0-4095

    int maxChars = 3;
    int integerDigits = 1;
    int fractionDigits = 1;
    int divisor = 1;    // steps = number / divisor, rounding down
    int extraZeros = 0; // decimals appended after the cut
    Range range = Range::OneDigit;
    int offset = 0; // TwoDigits only: added after the parse; a sign is taken when not 0
    // The text shown for a stored number of steps; empty: steps * divisor with fractionDigits decimals.
    std::function<QString(int steps)> display;
    // Applied to the parsed steps before they are stored (e.g. a ceiling replaced by a safe value).
    std::function<int(int steps)> clamp;

    // Alarm tone and similar: one decimal, steps of divisor tenths, 0-15 steps.
    static DecimalFormat tenths(int divisor) { return {3, 1, 1, divisor, 0, Range::OneDigit, 0, {}, {}}; }
};

class DecimalFractionEdit : public FieldEdit {
    Q_OBJECT
public:
    explicit DecimalFractionEdit(DecimalFormat format, QWidget* parent = nullptr);

    const DecimalFormat& format() const { return m_format; }
    void setSteps(int steps);
    // The framework's length check.
    bool checkInput() override;
    // The steps the text stands for (clamped), or nullopt after the parser's message ("Fehler").
    std::optional<int> parseSteps();
    // The same without any message.
    std::optional<int> steps() const;

private:
    DecimalFormat m_format;
};

} // namespace quarn
