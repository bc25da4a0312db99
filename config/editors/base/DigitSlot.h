#pragma once

namespace quarn {

class Register;

// Where a setting lives in the register image and how its digits encode the value.
struct DigitSlot {
    enum class Kind {
        Hex,         // one hex digit, 0-15; writing anything else gives "F"
        DecimalChar, // one character "0"-"9" holding a small count
        Flag,        // "1" on, anything else off; written "1"/"0"
        OddFlag,     // on when the digit's value is odd; written "1"/"0"
        Weighted,    // count digits with decimal weights times unit
    };

    int reg = 0;
    int first = 0;
    int count = 1;
    int unit = 1;
    Kind kind = Kind::Hex;

    static DigitSlot hex(int reg, int k) { return {reg, k, 1, 1, Kind::Hex}; }
    static DigitSlot decimalChar(int reg, int k) { return {reg, k, 1, 1, Kind::DecimalChar}; }
    static DigitSlot flag(int reg, int k) { return {reg, k, 1, 1, Kind::Flag}; }
    static DigitSlot oddFlag(int reg, int k) { return {reg, k, 1, 1, Kind::OddFlag}; }
    static DigitSlot weighted(int reg, int first, int count, int unit)
    {
        return {reg, first, count, unit, Kind::Weighted};
    }

    int read(const Register& image) const;
    void write(Register& image, int value) const;
    // The largest value the digits can hold (weighted: 15 * unit * (10^n - 1) / 9).
    int maximum() const;
};

} // namespace quarn
