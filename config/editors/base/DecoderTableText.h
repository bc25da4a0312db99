#pragma once

#include <QCoreApplication>
#include <QString>

namespace quarn {

class Register;

// The texts of the decoder overview: one row per decoder, eight columns. Every cell text,
// header included, begins with a line break.
class DecoderTableText {
    Q_DECLARE_TR_FUNCTIONS(DecoderTableText)

public:
    static constexpr int ColumnCount = 8;
    static constexpr int DecoderCount = 10;

    static QString header(int column);
    // decoder 0-9
    static QString cell(const Register& image, int decoder, int column);

    static int toneRegister(int decoder) { return 20 + decoder; }
    static int reactionARegister(int decoder) { return 30 + decoder; }
    static int reactionBRegister(int decoder) { return 40 + decoder; }

private:
    static QString sequence(const Register& image, int decoder);
    static QString alarmTone(const Register& image, int ra);
    static QString volume(int digit);
    static QString switchOutput(const Register& image, int rb);
};

} // namespace quarn
