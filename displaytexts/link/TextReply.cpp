#include "displaytexts/link/TextReply.h"

#include <algorithm>

namespace tekstor {

namespace {
QList<QByteArray> replyLines(const QByteArray& received)
{
    const QByteArray work = received.left(TextReply::MaxBufferSize);
    QList<QByteArray> lines;
    for (const QByteArray& line : work.split('\n')) {
        if (!line.isEmpty())
            lines.append(line);
    }
    // The unit's greeting, when still in the data, is the first line and holds no text.
    if (work.contains("$START") && !lines.isEmpty())
        lines.removeFirst();
    return lines;
}
} // namespace

QList<std::optional<QByteArray>> TextReply::texts(const QByteArray& received, int textLength)
{
    const QList<QByteArray> lines = replyLines(received);
    QList<std::optional<QByteArray>> out;
    out.reserve(lines.size());
    for (const QByteArray& line : lines) {
        if (line.size() >= SkippedCharacters + textLength)
            out.append(line.mid(SkippedCharacters, textLength));
        else
            out.append(std::nullopt);
    }
    return out;
}

int TextReply::completeLines(const QByteArray& received)
{
    const QByteArray work = received.left(MaxBufferSize);
    int lines = 0;
    qsizetype start = 0;
    for (qsizetype i = work.indexOf('\n'); i >= 0; i = work.indexOf('\n', start)) {
        lines += i > start ? 1 : 0;
        start = i + 1;
    }
    if (lines > 0 && work.contains("$START"))
        --lines;
    return lines;
}

TextReply::Checked TextReply::checked(const QByteArray& received, int textLength, int asked)
{
    const QList<QByteArray> lines = replyLines(received);
    Checked result;
    result.lines = int(lines.size());
    result.texts = QList<std::optional<QByteArray>>(std::max(0, asked));
    QList<QByteArray> good;
    int bad = 0;
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        // One entry per line, empty for a bad one, so the order stays that of the lines.
        const bool fits = line.size() == SkippedCharacters + textLength;
        good.append(fits ? line.mid(SkippedCharacters, textLength) : QByteArray());
        bad += fits ? 0 : 1;
    }
    if (lines.size() != asked) {
        // Which text a line belongs to is no longer known: none can be stored. Every line
        // missing (or too many) and every bad one makes a text that could not be read.
        result.unusable = std::clamp(std::abs(asked - int(lines.size())) + bad, asked > 0 ? 1 : 0, asked);
        return result;
    }
    for (int i = 0; i < asked; ++i) {
        if (!good[i].isEmpty())
            result.texts[i] = good[i];
    }
    result.unusable = bad;
    return result;
}

} // namespace tekstor
