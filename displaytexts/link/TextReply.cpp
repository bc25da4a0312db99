#include "displaytexts/link/TextReply.h"

namespace tekstor {

QList<std::optional<QByteArray>> TextReply::texts(const QByteArray& received, int textLength)
{
    const QByteArray work = received.left(MaxBufferSize);
    QList<QByteArray> lines;
    for (const QByteArray& line : work.split('\n')) {
        if (!line.isEmpty())
            lines.append(line);
    }
    // The unit's greeting, when still in the data, is the first line and holds no text.
    if (work.contains("$START") && !lines.isEmpty())
        lines.removeFirst();

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

} // namespace tekstor
