#pragma once

namespace quarn {

class DigitSource;

// Where a setting lives in its digit source and how its digits encode the value.
struct DigitSlot {
    enum class Kind {
        Hex,          // one hex digit, 0-15; writing anything else gives "F"
        DecimalChar,  // one character "0"-"9" holding a small count
        Flag,         // "1" on, anything else off; written "1"/"0"
        OddFlag,      // on when the digit's value is odd; written "1"/"0"
        NonZeroFlag,  // on when the digit is not "0"; written "1"/"0"
        InvertedFlag, // "0" on, anything else off; written "0"/"1"
        Bits,         // the bits of mask inside one digit, shifted down; the other bits are kept
        Weighted,     // count digits with decimal weights times unit
        Scaled,       // one hex digit counting steps of unit; written as value / unit, rounding down
    };

    int reg = 0;
    int first = 0;
    int count = 1;
    int unit = 1; // Weighted, Scaled: the unit; Bits: the mask
    Kind kind = Kind::Hex;

    static DigitSlot hex(int reg, int k) { return {reg, k, 1, 1, Kind::Hex}; }
    static DigitSlot decimalChar(int reg, int k) { return {reg, k, 1, 1, Kind::DecimalChar}; }
    static DigitSlot flag(int reg, int k) { return {reg, k, 1, 1, Kind::Flag}; }
    static DigitSlot oddFlag(int reg, int k) { return {reg, k, 1, 1, Kind::OddFlag}; }
    static DigitSlot nonZeroFlag(int reg, int k) { return {reg, k, 1, 1, Kind::NonZeroFlag}; }
    static DigitSlot invertedFlag(int reg, int k) { return {reg, k, 1, 1, Kind::InvertedFlag}; }
    // bits(51, 4, 0b0010): bit 1 of register 51 digit 4, read as 0/1.
    static DigitSlot bits(int reg, int k, int mask) { return {reg, k, 1, mask, Kind::Bits}; }
    static DigitSlot weighted(int reg, int first, int count, int unit)
    {
        return {reg, first, count, unit, Kind::Weighted};
    }
    static DigitSlot scaled(int reg, int k, int unit) { return {reg, k, 1, unit, Kind::Scaled}; }

    bool isFlag() const;
    int read(const DigitSource& source) const;
    // A value outside 0-maximum() is the caller's error: the frame checks before it writes.
    void write(DigitSource& source, int value) const;
    // The largest value the digits can hold (weighted: 15 * unit * (10^n - 1) / 9).
    int maximum() const;
};

} // namespace quarn
