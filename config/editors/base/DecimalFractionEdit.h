#pragma once

#include "FieldEdit.h"

#include <optional>

namespace quarn {

// A duration such as "s (0,0 - 3,0)": shown with a comma, stored as one hex digit that counts
// steps of the field's resolution (for the alarm tone: digit × 0.2 s, entered with one
// decimal and divided by 2, rounding down).
class DecimalFractionEdit : public FieldEdit {
    Q_OBJECT
public:
    DecimalFractionEdit(int maxChars, int fractionDigits, int divisor, QWidget* parent = nullptr);

    void setDigit(int digit);
    // The framework's length check.
    bool checkInput() override;
    // The digit the text stands for, or nullopt after the parser's message ("Fehler").
    std::optional<int> parseDigit();

private:
    int m_maxChars;
    int m_fractionDigits;
    int m_divisor;
};

} // namespace quarn
