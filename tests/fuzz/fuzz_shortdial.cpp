// libFuzzer entry: any bytes as a short-dial file (what `write` sends) and as what the unit
// sent during a read (what the cleaning keeps and the file saves).
#include "config/link/ShortDialExchange.h"
#include "config/link/ShortDialFile.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstdint>

using quarn::link::ShortDialExchange;
using quarn::link::ShortDialFile;

namespace {

// Each received byte one character, 0x80-0xFF as 0xFF80-0xFFFF.
QString asReceived(const QByteArray& bytes)
{
    QString text;
    for (char c : bytes)
        text.append(QChar(char16_t(static_cast<signed char>(c))));
    return text;
}

bool isSubsequence(const QString& part, const QString& whole)
{
    qsizetype j = 0;
    for (qsizetype i = 0; i < whole.size() && j < part.size(); ++i) {
        if (whole[i] == part[j])
            ++j;
    }
    return j == part.size();
}

QString lineEndsAsCr(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\r"));
    text.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    // As a file: every form decodes to at most one character per byte, line ends are CR.
    const QString sent = ShortDialFile::text(bytes);
    FUZZ_CHECK(sent.size() <= bytes.size());
    FUZZ_CHECK(!sent.contains(QLatin1Char('\n')));
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xEF\xBB\xBF"))
        FUZZ_CHECK(sent.size() < bytes.size());

    // As received: the cleaning only removes, and every '#' it keeps lies in the
    // 22 characters of an entry line.
    const QString received = asReceived(bytes);
    const QString cleaned = ShortDialExchange::clean(received);
    FUZZ_CHECK(isSubsequence(cleaned, received));
    if (!received.contains(QLatin1Char('#')))
        FUZZ_CHECK(!cleaned.contains(QLatin1String("WL")));
    for (qsizetype i = cleaned.indexOf(QLatin1Char('#')); i >= 0;
         i = cleaned.indexOf(QLatin1Char('#'), i + 1)) {
        const qsizetype entry = cleaned.lastIndexOf(QLatin1String("WP"), i);
        FUZZ_CHECK(entry >= 0 && entry >= i - 22);
    }

    // The saved file is the cleaned text, and written back it sends that text again.
    const QByteArray file = ShortDialExchange::fileBytes(cleaned);
    FUZZ_CHECK(file.size() == cleaned.size() * 2);
    FUZZ_CHECK(ShortDialExchange::textFromFile(file) == lineEndsAsCr(cleaned));
    return 0;
}
