#include "displaytexts/texts/TextFiles.h"

#include "displaytexts/texts/TextKindTable.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <QByteArrayView>

#include <algorithm>
#include <cstdlib>

namespace tekstor {

namespace {

// Reads at most maxLines lines: split at LF, a CR right before the LF dropped, each cut to
// the longest line the editor keeps (the rest of a longer line is skipped). A last line
// without line end still counts. Only what is kept is held in memory, whatever the file.
bool readLines(QFile& file, int maxLines, QList<QByteArray>& lines)
{
    QByteArray line;
    bool inLine = false;
    char c = 0;
    while (lines.size() < maxLines && file.getChar(&c)) {
        inLine = true;
        if (c == '\n') {
            if (line.endsWith('\r'))
                line.chop(1);
            lines.append(line.left(TextFiles::MaxLineLength));
            line.clear();
            inLine = false;
        } else if (line.size() <= TextFiles::MaxLineLength) {
            line.append(c); // one beyond the limit, so a CR there can still be told apart
        }
    }
    if (inLine && lines.size() < maxLines)
        lines.append(line.left(TextFiles::MaxLineLength));
    return file.error() == QFileDevice::NoError;
}

QByteArray defaultText(TextKind kind)
{
    switch (kind) {
    case TextKind::Ids:
        return Register::defaultIdText();
    case TextKind::Channels:
        return Register::defaultChannelText();
    case TextKind::Own:
        return Register::defaultOwnText();
    }
    return {};
}

// Leading decimal number as the C library reads it, kept within int.
long long leadingNumber(const QByteArray& line)
{
    return std::strtoll(line.constData(), nullptr, 10);
}

} // namespace

QString TextFiles::extension(TextKind kind)
{
    return QString::fromLatin1(textKindInfo(kind).extension);
}

FileOutcome TextFiles::save(const QString& path, TextKind kind, const Register& store)
{
    // Written beside the old file and put in its place only when complete, so a failed
    // save leaves an earlier file as it was. A path that is no regular file (a device) is
    // written in place: it must never be replaced by a file.
    const QFileInfo target(path);
    QSaveFile atomic(path);
    QFile direct(path);
    const bool inPlace = target.exists() && !target.isFile();
    QFileDevice& file = inPlace ? static_cast<QFileDevice&>(direct) : atomic;
    if (!file.open(QIODevice::WriteOnly | (inPlace ? QIODevice::Truncate : QIODevice::NotOpen)))
        return FileOutcome::CannotOpen;

    // The whole file in one write: a thousand lines cost one system call, not a thousand,
    // and a write that falls short anywhere still fails the save.
    QByteArray content;
    auto addLine = [&](const QByteArray& text) {
        content += text;
        content += "\r\n";
    };
    int count = Register::capacity(kind);
    if (kind == TextKind::Own) {
        addLine(QByteArray::number(store.lastOwnIndex()));
        count = store.ownTextCount();
    }
    for (int i = 0; i < count; ++i)
        addLine(store.text(kind, i));
    // The explicit flush: a write error that only shows when the buffer goes out (disk
    // full) must fail the save, not be renamed over the earlier file.
    const bool written =
        file.write(content) == content.size() && file.flush() && file.error() == QFileDevice::NoError;
    if (inPlace)
        return written ? FileOutcome::Ok : FileOutcome::WriteFailed;
    if (!written) {
        atomic.cancelWriting();
        atomic.commit(); // removes the temporary file, leaves the target alone
        return FileOutcome::WriteFailed;
    }
    return atomic.commit() ? FileOutcome::Ok : FileOutcome::WriteFailed;
}

QString TextFileCheck::text(TextKind kind, Language l) const
{
    const bool own = kind == TextKind::Own;
    const QString at = msg::pick(l, "Zeile %1: ", "line %1: ").arg(line);
    switch (problem) {
    case Problem::None:
        return {};
    case Problem::CannotOpen:
        return msg::pick(l, "Datei konnte nicht gelesen werden", "file could not be read");
    case Problem::BadCount:
        return at + msg::pick(l, "keine Nummer des letzten eigenen Textes (0-999)",
                              "not the number of the last own text (0-999)");
    case Problem::BadLength:
        return at + msg::pick(l, "ein Text muss %1 Zeichen lang sein", "a text must be %1 characters")
                        .arg(own ? 32 : 25);
    case Problem::BadFlag:
        return at +
               (own ? msg::pick(l, "die Textart muss 0, 1, 2, 3 oder D sein",
                                "the text type must be 0, 1, 2, 3 or D")
                    : msg::pick(l, "die Kennzeichnung muss X, 0 oder 1 sein", "the flag must be X, 0 or 1"));
    case Problem::BadLineCount:
        if (own)
            return at + msg::pick(l, "die Datei muss genau die gezählten Texte enthalten",
                                  "the file must hold exactly the counted texts");
        return at +
               msg::pick(l, "die Datei muss genau %1 Texte enthalten", "the file must hold exactly %1 texts")
                   .arg(Register::capacity(kind));
    }
    return {};
}

TextFileCheck TextFiles::check(const QString& path, TextKind kind)
{
    TextFileCheck result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.problem = TextFileCheck::Problem::CannotOpen;
        return result;
    }
    const bool own = kind == TextKind::Own;
    // One line more than the longest file, so an extra line is seen.
    QList<QByteArray> lines;
    if (!readLines(file, Register::capacity(kind) + (own ? 2 : 1), lines)) {
        result.problem = TextFileCheck::Problem::CannotOpen;
        return result;
    }
    auto fail = [&](TextFileCheck::Problem problem, int line) {
        result.problem = problem;
        result.line = line;
        return result;
    };
    int expected = Register::capacity(kind);
    int first = 0; // index of the first text line
    if (own) {
        bool ok = false;
        const int last = lines.isEmpty() ? -1 : lines.first().toInt(&ok);
        if (!ok || last < 0 || last >= Register::OwnCount)
            return fail(TextFileCheck::Problem::BadCount, 1);
        expected = last + 1;
        first = 1;
    }
    const int textLength = own ? 32 : 25;
    for (int i = first; i < lines.size() && i - first < expected; ++i) {
        const QByteArray& text = lines[i];
        if (text.size() != textLength)
            return fail(TextFileCheck::Problem::BadLength, i + 1);
        const char flag = own ? text[24] : text[0];
        const bool flagOk =
            own ? QByteArrayView("0123D").contains(flag) : QByteArrayView("X01").contains(flag);
        if (!flagOk)
            return fail(TextFileCheck::Problem::BadFlag, i + 1);
    }
    if (lines.size() - first != expected)
        return fail(TextFileCheck::Problem::BadLineCount,
                    int(std::min<qsizetype>(lines.size(), first + expected)) + 1);
    result.problem = TextFileCheck::Problem::None;
    return result;
}

FileOutcome TextFiles::load(const QString& path, TextKind kind, Register& store)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileOutcome::CannotOpen;
    // One line more for the own-text count.
    QList<QByteArray> lines;
    if (!readLines(file, Register::capacity(kind) + (kind == TextKind::Own ? 1 : 0), lines))
        return FileOutcome::CannotOpen;

    int count = Register::capacity(kind);
    if (kind == TextKind::Own) {
        const long long last = lines.isEmpty() ? 0 : leadingNumber(lines.takeFirst());
        store.setLastOwnIndex(int(std::clamp<long long>(last, -1, Register::OwnCount - 1)));
        count = store.ownTextCount();
    }
    for (int i = 0; i < count; ++i)
        store.setText(kind, i, i < lines.size() ? lines[i] : defaultText(kind));
    return FileOutcome::Ok;
}

} // namespace tekstor
