#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

namespace tekstor {

// Interprets what the unit sent during a read: lines at LF, empty lines ignored, the
// first line dropped when "$START" occurs anywhere in the data; of each line the first
// 6 characters are skipped and the next textLength characters (25 for ID and channel
// texts, 32 for own texts) are the text in the unit's codes.
class TextReply {
public:
    static constexpr int SkippedCharacters = 6;
    // The work buffer holds at most this much of the received data.
    static constexpr int MaxBufferSize = 900000;

    // One entry per reply line in order: the text still in unit codes, or nothing when
    // the line is too short to hold a whole text.
    static QList<std::optional<QByteArray>> texts(const QByteArray& received, int textLength);

    // Text length of a kind's reply lines.
    static int textLength(bool ownTexts) { return ownTexts ? 32 : 25; }
};

} // namespace tekstor
