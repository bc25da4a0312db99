// libFuzzer entry: anything the unit may send during "Daten lesen", turned into registers.
// The first byte picks a unit without or with telephone interface.
#include "config/link/BulkRead.h"
#include "config/register/Register.h"
#include "tests/fuzz/FuzzCheck.h"

#include <array>
#include <cstdint>

using quarn::Register;
using quarn::link::BulkRead;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const bool telephone = data[0] & 1;
    // Received bytes become characters one by one, a zero byte is left out.
    QString received;
    for (size_t i = 1; i < size; ++i) {
        if (data[i] != 0)
            received.append(QChar(char16_t(data[i])));
    }
    Register image;
    image.resetImage();
    const QString blank(Register::DigitCount, QLatin1Char(' '));
    const QList<int> numbers = Register::numbers(telephone);
    const int firstMissing = BulkRead::takeReplies(received, numbers, image);

    // The oracle walks the text once: where "$R" and three decimal digits first stand for
    // each register number (the read searches each prefix on its own).
    constexpr qsizetype kPrefixLength = 5; // "$R" nnn
    std::array<qsizetype, Register::TableSize> firstAt;
    firstAt.fill(-1);
    const qsizetype length = received.size();
    for (qsizetype i = 0; i + kPrefixLength <= length; ++i) {
        if (received[i] != u'$' || received[i + 1] != u'R')
            continue;
        int n = 0;
        bool digits = true;
        for (qsizetype k = i + 2; k < i + kPrefixLength; ++k) {
            const char16_t c = received[k].unicode();
            digits = digits && c >= u'0' && c <= u'9';
            n = n * 10 + (c - u'0');
        }
        if (digits && n < Register::TableSize && firstAt[size_t(n)] < 0)
            firstAt[size_t(n)] = i;
    }
    std::array<bool, Register::TableSize> inSet{};
    for (int n : numbers)
        inSet[size_t(n)] = true;

    int expectMissing = -1;
    for (int n = 0; n < Register::TableSize; ++n) {
        const QString& text = image.registerText(n);
        FUZZ_CHECK(text.size() == Register::DigitCount);
        if (!inSet[size_t(n)]) {
            FUZZ_CHECK(text == blank);
            continue;
        }
        const qsizetype at = firstAt[size_t(n)];
        if (at < 0 || at + kPrefixLength + Register::DigitCount > length) {
            FUZZ_CHECK(text == blank);
            if (expectMissing < 0)
                expectMissing = n;
        } else {
            FUZZ_CHECK(QStringView(received).mid(at + kPrefixLength, Register::DigitCount) == text);
        }
    }
    FUZZ_CHECK(firstMissing == expectMissing);
    return 0;
}
