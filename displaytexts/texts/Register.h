#pragma once

#include <QByteArray>
#include <QList>
#include <QVector>

namespace tekstor {

// The three kinds of display texts. The numbers are those of the text files and the
// window's mode (0 ID texts, 1 channel texts, 2 own texts).
enum class TextKind { Ids = 0, Channels = 1, Own = 2 };

// The text store of the display-text editor: every display text of one unit, as 8-bit
// Windows-1252 strings in the editor's form (blanks received from the unit shown as the
// bullet 0x95, umlauts as Windows-1252).
//
// ID and channel texts are 25 characters: a flag ("X" no text, "0" standard display,
// "1" shown) followed by the 24 display characters. Own texts are 32 characters: 24
// display characters and 8 configuration characters. Texts read from the unit or a file
// are stored as they come; nothing here enforces the lengths.
//
// Not synchronised: a transfer works on its own copy, the window takes back what it read.
class Register {
public:
    static constexpr int IdCount = 1000;
    static constexpr int OwnCount = 1000;
    static constexpr int ChannelCount = 100;
    static constexpr int IdRangeCount = 10; // ranges 0-99 ... 900-999
    static constexpr int IdRangeSize = 100;
    static constexpr int InitialLastOwnIndex = 100;

    // ID texts at their default, own texts 0..100 at their default, channel texts empty
    // (they get their default only when channel texts are read), last own index 100.
    Register();

    // "X" + 24 blanks.
    static QByteArray defaultIdText();
    // 32 times "0".
    static QByteArray defaultOwnText();
    // "0" + 24 blanks.
    static QByteArray defaultChannelText();

    // Out-of-range indices read as an empty text and are ignored when writing.
    QByteArray idText(int id) const;
    void setIdText(int id, const QByteArray& text);
    QByteArray ownText(int index) const;
    void setOwnText(int index, const QByteArray& text);
    QByteArray channelText(int channel) const;
    void setChannelText(int channel, const QByteArray& text);

    // The text of a kind by number (Ids: 0..999, Own: 0..999, Channels: 0..99).
    QByteArray text(TextKind kind, int index) const;
    void setText(TextKind kind, int index, const QByteArray& text);
    static int capacity(TextKind kind);

    // Number of own texts minus one; -1 means none. Kept within -1..OwnCount-1.
    int lastOwnIndex() const { return m_lastOwnIndex; }
    void setLastOwnIndex(int index);
    // Own texts 0..lastOwnIndex (0 when the index is negative).
    int ownTextCount() const { return m_lastOwnIndex + 1; }

    // All 1000 ID texts to "X" + 24 blanks.
    void resetIdTexts();
    // Own texts 0..lastOwnIndex to 32 "0".
    void resetOwnTexts();
    // All 100 channel texts to "0" + 24 blanks.
    void resetChannelTexts();
    // One of the three above, by kind.
    void resetTexts(TextKind kind);
    // Takes every text of one kind from another store (own texts with their count).
    void takeTexts(TextKind kind, const Register& from);

    // Ranges (0..9) holding at least one ID whose flag is not "X": the ranges a freshly
    // opened ID-text file fills in the ID tree.
    QList<int> idRangesWithTexts() const;

    // The ID numbers of ranges (0..9), ascending and each once; other entries ignored.
    static QList<int> idsOfRanges(const QList<int>& ranges);

private:
    QVector<QByteArray> m_idTexts;
    QVector<QByteArray> m_ownTexts;
    QVector<QByteArray> m_channelTexts;
    int m_lastOwnIndex = InitialLastOwnIndex;
};

} // namespace tekstor
