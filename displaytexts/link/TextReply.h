#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

namespace tekstor {

// Interprets what the unit sent during a read: lines at LF, empty lines ignored, the
// first line dropped when "$START" occurs anywhere in the data; of each line the first
// 6 characters are the unit's own and the next textLength characters (25 for ID and
// channel texts, 32 for own texts) are the text in the unit's codes.
class TextReply {
public:
    static constexpr int SkippedCharacters = 6;
    // The work buffer holds at most this much of the received data.
    static constexpr int MaxBufferSize = 900000;

    // One entry per reply line in order: the text still in unit codes, or nothing when
    // the line is too short to hold a whole text.
    static QList<std::optional<QByteArray>> texts(const QByteArray& received, int textLength);

    // The texts of a read that asked for `asked` texts, or nothing for every one that
    // cannot be trusted. Replies are matched to texts by their order alone, so a line
    // that is one character too long or short (a stray byte, a lost one) would shift its
    // text, and a missing or extra line would move every later text to another number.
    // A line counts only when it is, after an optional CR at its end, exactly 6 +
    // textLength characters; and only when there is exactly one line per text asked does
    // any line count at all.
    struct Checked {
        QList<std::optional<QByteArray>> texts; // `asked` entries
        int unusable = 0;                       // texts without a trustworthy line
        int lines = 0;                          // reply lines found
    };
    static Checked checked(const QByteArray& received, int textLength, int asked);

    // Reply lines that have their LF, as checked() counts lines (empty ones and a "$START"
    // line not counted): once it reaches the number of texts asked, every reply is in.
    static int completeLines(const QByteArray& received);

    // Text length of a kind's reply lines.
    static int textLength(bool ownTexts) { return ownTexts ? 32 : 25; }
};

} // namespace tekstor
