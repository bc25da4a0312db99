// libFuzzer entry: any bytes as a short-dial file (what `write` sends and the check it must
// pass) and as what the unit sent during a read (what the cleaning keeps and the file saves).
#include "config/link/ShortDialExchange.h"
#include "config/link/ShortDialFile.h"
#include "tests/fuzz/FuzzCheck.h"

#include <algorithm>
#include <cstdint>

using quarn::link::ShortDialCheck;
using quarn::link::ShortDialEntry;
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

// The cleaning as the dialog's description words it, step by step and without regard to
// speed: the reference for the one-pass version.
QString cleanedAsWorded(QString text)
{
    while (text.contains(QLatin1String("WL"))) {
        const qsizetype at = text.indexOf(QLatin1String("WL"));
        const qsizetype cr = text.indexOf(QLatin1Char('\r'), at + 2);
        text.remove(at, cr < 0 ? text.size() - at : cr - at + 1);
    }
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        bool inEntry = false;
        for (qsizetype s = std::max<qsizetype>(0, i - 22); s <= i && !inEntry; ++s)
            inEntry = text.mid(s, 2) == QLatin1String("WP");
        if (text[i] != QLatin1Char('#') || inEntry)
            out.append(text[i]);
    }
    return out;
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

    // What may be sent: entries only from entry lines, each number once, at most 16
    // dialling characters; the entries written out as the unit lists them check to the same.
    const ShortDialCheck check = ShortDialFile::check(sent);
    if (check.ok()) {
        FUZZ_CHECK(!check.entries.isEmpty());
        QList<bool> seen(1000, false);
        QString listed;
        for (const ShortDialEntry& entry : check.entries) {
            FUZZ_CHECK(entry.number >= 0 && entry.number < 1000 && !seen[entry.number]);
            seen[entry.number] = true;
            FUZZ_CHECK(entry.digits.size() <= ShortDialFile::MaxDialCharacters);
            for (QChar c : entry.digits)
                FUZZ_CHECK(ShortDialFile::DialCharacters.contains(c));
            listed += QStringLiteral("WP%1:").arg(entry.number, 3, 10, QLatin1Char('0')) +
                      entry.digits.leftJustified(ShortDialFile::MaxDialCharacters, QLatin1Char('.')) +
                      QLatin1Char('\r');
        }
        FUZZ_CHECK(ShortDialFile::listedEntries(listed) == check.entries);
        const ShortDialCheck again = ShortDialFile::check(listed);
        FUZZ_CHECK(again.ok() && again.entries == check.entries);
    } else {
        FUZZ_CHECK(check.entries.isEmpty() && check.line >= 1);
    }

    // As received: the cleaning only removes, and every '#' it keeps lies in the
    // 22 characters of an entry line.
    const QString received = asReceived(bytes);
    const QString cleaned = ShortDialExchange::clean(received);
    FUZZ_CHECK(cleaned == cleanedAsWorded(received));
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
