#pragma once

namespace quarn {

class DigitSource;

// Digits that the dialogs use as counts or lengths, clamped in one place each so that no
// stored value can make a field read past its register or write over a neighbouring digit.
struct ToneCounts {
    // "All seven positions": the layout when the effective ID mode is not known.
    static constexpr int AllPositions = -2;

    // The X-tone count from a digit value: 3-7 as stored, anything else 5.
    static int xCount(int digitValue);
    // The X-tone count of the image (register 81 digit 5), clamped.
    static int xCount(const DigitSource& source);
    // Tones entered in an evaluator's sequence field (decoders, key tones) for an ID-mode digit.
    static int evaluatorToneCount(int modeDigit, int xCount);
    // The sending mode (as the call encoder's list counts it: digits 0-5, then 4-tone = 6,
    // X-tone = 7) programmed in a key register's digit 3: 0-5 as stored, 6 and 7 give 0, 8 and 9
    // give 6 and 7, anything above all positions.
    static int sendingModeOfKeyDigit(int digit);
    // Tones of the standard acknowledgement from register 17 digit 7: 1-7 as stored, 0 gives 5,
    // anything above 7 gives 7.
    static int acknowledgementLength(int digit);
};

} // namespace quarn
