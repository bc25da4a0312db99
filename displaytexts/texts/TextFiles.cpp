#include "displaytexts/texts/TextFiles.h"

#include "displaytexts/texts/TextKindTable.h"

#include <QFile>

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
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
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
    const bool ok = file.write(content) == content.size() && file.flush();
    return ok ? FileOutcome::Ok : FileOutcome::WriteFailed;
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
