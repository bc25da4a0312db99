// libFuzzer entry: anything the unit may send during "Daten lesen", turned into registers.
// The first byte picks a unit without or with telephone interface.
#include "config/link/BulkRead.h"
#include "config/register/Register.h"
#include "tests/fuzz/FuzzCheck.h"

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

    int expectMissing = -1;
    for (int n = 0; n < Register::TableSize; ++n) {
        const QString& text = image.registerText(n);
        FUZZ_CHECK(text.size() == Register::DigitCount);
        if (!numbers.contains(n)) {
            FUZZ_CHECK(text == blank);
            continue;
        }
        const QString prefix = QStringLiteral("$R%1").arg(n, 3, 10, QLatin1Char('0'));
        const qsizetype at = received.indexOf(prefix);
        if (at < 0 || at + prefix.size() + Register::DigitCount > received.size()) {
            FUZZ_CHECK(text == blank);
            if (expectMissing < 0)
                expectMissing = n;
        } else {
            FUZZ_CHECK(text == received.mid(at + prefix.size(), Register::DigitCount));
        }
    }
    FUZZ_CHECK(firstMissing == expectMissing);
    return 0;
}
