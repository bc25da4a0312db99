#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <atomic>

namespace platform {
class BytePort;
class Clock;
class Progress;
} // namespace platform

namespace quarn::link {

struct ShortDialEntry;

// Outcome of a short-dial read.
struct ShortDialRead {
    // One QChar per received byte (bytes 0x80..0xFF as 0xFF80..0xFFFF, so the low byte is
    // the byte the unit sent). When complete(): the entry lines of the ranges asked for,
    // each with its CR, in the order received; otherwise the cleaned receive buffer.
    QString text;
    bool anyEntry = false;   // at least one "WP" line arrived
    bool portFailed = false; // a command could not be sent
    bool stopped = false;    // a stop request ended the read
    // The first entry of the ranges asked for whose line did not arrive, or -1. A range
    // whose list was cut off (a line that died, a unit that fell silent) misses entries.
    int firstMissing = -1;
    bool portLost = false; // the port was no longer open after the list

    // The one rule for a read that may be saved: every entry line of every range asked
    // for arrived and the port was still open after them.
    bool complete() const { return !portFailed && !stopped && !portLost && firstMissing < 0; }
};

// Outcome of the check after a write: the written entries read back.
struct ShortDialVerify {
    bool ok = false;
    ShortDialRead read;      // the read-back (complete() false: the unit did not answer in full)
    int firstDiffering = -1; // first entry (in file order) whose read-back differs, or -1
};

// The short-dial memory of the telephone interface: 1000 entries "WP" nnn ":" + dialling
// string padded with '.' to 16, each line ended by CR. They are no registers; the unit
// lists them on "WL" nnn "-" mmm "\r" and stores every "WP" line it receives.
// The port is opened and closed by the caller.
class ShortDialExchange {
public:
    static constexpr int OpeningWaitMs = 2000;
    static constexpr int ChunkChars = 50;
    static constexpr int ChunkPauseMs = 200;
    static constexpr int RangeCount = 10;
    static constexpr int EntriesPerRange = 100;
    // A range's reply is its echo and 100 lines of 23 bytes, about 2.4 s at 9600 baud. A
    // line that never falls silent (noise, a wrong device) ends the range after this many
    // bytes or this long, so a read always ends.
    static constexpr int MaxReplyBytes = 8192;
    static constexpr int MaxReplyMs = 10000;
    // The list ends when nothing useful came this long: the port's read time-out ends it
    // on a silent line, this on a line in break, whose NUL bytes carry nothing.
    static constexpr int QuietMs = 150;
    // A stop request is looked at this often while a list comes in, so it ends a read well
    // within a second.
    static constexpr int StopCheckMs = 100;
    // The position a finished write shows: beyond any range, so the bar is full.
    static constexpr int WriteDonePosition = 30000;

    ShortDialExchange(platform::BytePort& port, platform::Clock& clock);

    // Leaves the unit's PC mode: "$PROGENDE\r", 2000 ms later "\r". False when a send failed.
    bool open();

    // "WL" nnn "-" mmm "\r" for each given range (0..9, each 100 entries; sorted and
    // deduplicated here), then bytes until a read finds none (NUL bytes do not count) or
    // MaxReplyMs after the command. Progress range 100 per range, one step per received
    // 'W' below the maximum; setting it back to 0 is the caller's. A stop request ends
    // the read within StopCheckMs. The text is cleaned; complete() tells whether it may
    // be saved.
    ShortDialRead read(const QList<int>& ranges, platform::Progress& progress,
                       const std::atomic_bool* stop = nullptr);

    // After a write: reads back the ranges holding the written entries and compares them
    // entry by entry with what was written (the '.' padding aside, the first 16 dialling
    // characters). A second progress phase, as read().
    ShortDialVerify verify(const QList<struct ShortDialEntry>& written, platform::Progress& progress,
                           const std::atomic_bool* stop = nullptr);

    // The ranges (0..9) that hold the given entries, ascending.
    static QList<int> rangesOf(const QList<struct ShortDialEntry>& entries);

    // Sends the text in chunks of 50 characters (each as its low byte), 200 ms after each
    // chunk. Progress range (2 * length) / 95, one step per chunk, finally 30000 and
    // 200 ms later 0. False when a send failed or a stop request ended it before the next
    // chunk (within ChunkPauseMs).
    bool write(const QString& text, platform::Progress& progress, const std::atomic_bool* stop = nullptr);

    // Removes the command echoes ("WL" up to and including the next CR, or to the end when
    // no CR follows) and every '#' that does not belong to a 22-character "WP" line.
    static QString clean(const QString& received);

    // The file codec, as ShortDialFile (which also saves atomically and loads bounded).
    // The file the program saves: UTF-16LE, two bytes per character, no byte-order mark.
    static QByteArray fileBytes(const QString& cleaned);

    // What a short-dial file sends: UTF-16LE with or without byte-order mark, UTF-8 with
    // or without one; CR LF and LF become CR; the byte-order mark is never part of it.
    static QString textFromFile(const QByteArray& bytes);

private:
    platform::BytePort& m_port;
    platform::Clock& m_clock;
};

} // namespace quarn::link
