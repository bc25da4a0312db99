#pragma once

#include "config/editors/frame/FieldEdit.h"

#include <optional>

namespace quarn {

// An integer field with the framework's range check.
class IntegerEdit : public FieldEdit {
    Q_OBJECT
public:
    IntegerEdit(int minimum, int maximum, QWidget* parent = nullptr);

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    void setRange(int minimum, int maximum);

    // The number in the field; nullopt when it holds no integer.
    std::optional<int> number() const;
    // The number, or 0 when the field holds none (only used after checkInput passed).
    int value() const { return number().value_or(0); }
    void setValue(int value);

    bool checkInput() override;

private:
    int m_minimum;
    int m_maximum;
};

} // namespace quarn
