#include "config/link/ShortDialFile.h"

#include "config/register/AtomicFile.h"

#include <QFile>
#include <QStringDecoder>

namespace quarn::link {

namespace {

QString fromUtf16Le(const QByteArray& bytes, qsizetype from)
{
    QString text;
    text.reserve((bytes.size() - from) / 2);
    // An odd last byte is half a character: dropped.
    for (qsizetype i = from; i + 1 < bytes.size(); i += 2)
        text.append(QChar(char16_t(quint8(bytes[i]) | (quint8(bytes[i + 1]) << 8))));
    return text;
}

// Without a byte-order mark: the program's own files hold only characters whose high byte
// is 0x00 (ASCII) or 0xFF (received bytes 0x80-0xFF); a UTF-16 file of an editor has
// mostly 0x00 there. A UTF-8 file has no NUL bytes at all.
bool looksLikeUtf16Le(const QByteArray& bytes)
{
    if (bytes.isEmpty() || bytes.size() % 2 != 0)
        return false;
    qsizetype zeros = 0;
    bool onlyOwnHighBytes = true;
    for (qsizetype i = 1; i < bytes.size(); i += 2) {
        const quint8 high = quint8(bytes[i]);
        zeros += high == 0 ? 1 : 0;
        onlyOwnHighBytes = onlyOwnHighBytes && (high == 0 || high == 0xFF);
    }
    return onlyOwnHighBytes || zeros * 2 > bytes.size() / 2;
}

// UTF-8 when it decodes cleanly; anything else is taken byte for byte, as an editor's
// 8-bit code page would mean it.
QString fromUtf8OrLatin1(const QByteArray& bytes, qsizetype from)
{
    const QByteArrayView view(bytes.constData() + from, bytes.size() - from);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(view);
    if (decoder.hasError())
        return QString::fromLatin1(view);
    return text;
}

} // namespace

QByteArray ShortDialFile::bytes(const QString& cleaned)
{
    QByteArray out;
    out.reserve(cleaned.size() * 2);
    for (const QChar c : cleaned) {
        out.append(char(c.unicode() & 0xFF));
        out.append(char(c.unicode() >> 8));
    }
    return out;
}

QString ShortDialFile::text(const QByteArray& bytes)
{
    QString text;
    if (bytes.startsWith("\xFF\xFE"))
        text = fromUtf16Le(bytes, 2);
    else if (bytes.startsWith("\xEF\xBB\xBF"))
        text = fromUtf8OrLatin1(bytes, 3);
    else if (looksLikeUtf16Le(bytes))
        text = fromUtf16Le(bytes, 0);
    else
        text = fromUtf8OrLatin1(bytes, 0);

    // CR LF and LF alone both end a line; the unit knows only CR.
    QString sent;
    sent.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        sent.append(c == QLatin1Char('\n') ? QChar(u'\r') : c);
    }
    return sent;
}

namespace {
bool isEntryHead(QStringView line)
{
    return line.size() >= 6 && line.startsWith(u"WP") && line[2].isDigit() && line[3].isDigit() &&
           line[4].isDigit() && line[2].unicode() < 128 && line[3].unicode() < 128 &&
           line[4].unicode() < 128 && line[5] == QLatin1Char(':');
}

QString withoutPadding(QStringView dial)
{
    qsizetype end = dial.size();
    while (end > 0 && dial[end - 1] == QLatin1Char('.'))
        --end;
    return dial.left(end).toString();
}
} // namespace

ShortDialCheck ShortDialFile::check(const QString& text)
{
    ShortDialCheck result;
    auto fail = [&](ShortDialCheck::Problem problem, int line) {
        result.problem = problem;
        result.line = line;
        result.entries.clear();
        return result;
    };
    QList<bool> seen(1000, false);
    const QList<QStringView> lines = QStringView(text).split(QLatin1Char('\r'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView line = lines[i];
        const int lineNumber = int(i) + 1;
        if (line.isEmpty())
            continue;
        if (!isEntryHead(line))
            return fail(ShortDialCheck::Problem::NotAnEntry, lineNumber);
        const QStringView dial = line.mid(6);
        if (dial.size() > MaxDialCharacters)
            return fail(ShortDialCheck::Problem::TooLong, lineNumber);
        const QString digits = withoutPadding(dial);
        for (QChar c : digits) {
            if (!DialCharacters.contains(c))
                return fail(ShortDialCheck::Problem::BadCharacter, lineNumber);
        }
        const int number = line.mid(2, 3).toInt();
        if (seen[number])
            return fail(ShortDialCheck::Problem::Duplicate, lineNumber);
        seen[number] = true;
        result.entries.append(ShortDialEntry{number, digits});
    }
    if (result.entries.isEmpty())
        return fail(ShortDialCheck::Problem::NoEntries, 1);
    return result;
}

QList<ShortDialEntry> ShortDialFile::listedEntries(const QString& cleaned)
{
    QList<ShortDialEntry> entries;
    for (const QStringView line : QStringView(cleaned).split(QLatin1Char('\r'))) {
        if (isEntryHead(line) && line.size() == 6 + MaxDialCharacters)
            entries.append(ShortDialEntry{line.mid(2, 3).toInt(), withoutPadding(line.mid(6))});
    }
    return entries;
}

bool ShortDialFile::save(const QString& path, const QString& cleaned)
{
    return quarn::writeFileAtomically(path, bytes(cleaned));
}

bool ShortDialFile::load(const QString& path, QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = file.read(MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError || content.size() > MaxFileBytes)
        return false;
    text = ShortDialFile::text(content);
    return true;
}

} // namespace quarn::link
