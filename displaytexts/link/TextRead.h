#pragma once

#include <QList>
#include <atomic>

#include "displaytexts/link/TextPort.h"
#include "displaytexts/texts/Register.h"
#include "platform/Progress.h"

namespace tekstor {

enum class TransferOutcome {
    Done,         // the exchange ran; a read stored every text it asked for
    PortClosed,   // the port was not open or a command could not be sent; nothing changed
    NoReply,      // a read got not one reply line; the table is as it was
    Disturbed,    // a read got replies that cannot be trusted (see unusable); nothing changed
    Stopped,      // asked to stop: a read changed nothing, a program ended the line early
    NothingAsked, // no text to read or program; nothing was sent
};

struct ReadResult {
    TransferOutcome outcome = TransferOutcome::PortClosed;
    QList<int> asked;  // text numbers asked for, in the order asked
    QList<int> stored; // the texts stored: all asked for, or none
    int lines = 0;     // reply lines found (after a "$START" line was dropped)
    int unusable = 0;  // texts asked for without a trustworthy reply line
};

// Reads one kind of text from the unit. One worker does what the receiver/sender pair
// did: collect for 1000 ms, then for each text wait (collecting) 20 ms (IDs) or 10 ms
// (own, channel texts) and send the read command, stepping the progress; collect 500 ms
// more, interpret, store, and idle 1000 ms. The bytes on the line and their pacing are
// those of the pair; the waits are spent waiting on the port, not polling it.
//
// On a real 9600-baud line a command takes longer to go out than the pause between two
// commands, so commands queue in the driver and the last replies come after those 500 ms.
// The read then keeps collecting while the unit still talks (quiet for QuietMs ends it),
// so no reply is lost and none is left on the line for the next transfer.
//
// The reply is checked (TextReply::checked): only when every text asked for has its one
// line of the right length are the texts stored, each passed through the receive
// conversion; then exactly the texts asked for change, nothing else of the table. When not
// one reply line came the outcome is NoReply, when any line is unusable Disturbed; either
// way the table stays as it was. A stop request ends the read within StopCheckMs and
// changes nothing. Usable from a worker thread; touches only the store and the progress
// sink.
class TextRead {
public:
    static constexpr int BeforeSenderMs = 1000;
    static constexpr int IdPaceMs = 20;
    static constexpr int OwnPaceMs = 10;
    static constexpr int ChannelPaceMs = 10;
    static constexpr int AfterLastMs = 500;
    static constexpr int AfterInterpretMs = 1000;
    // When the unit is still answering after the last command, collecting goes on until
    // it has been quiet this long (NUL bytes of a line in break are no answer), but not
    // beyond ReplyLineMs per text asked: an own-text reply line of 39 bytes takes 40.6 ms
    // at 9600 baud, so a unit that still owes every reply is heard out, while a line that
    // never falls silent ends the read a fixed time after its last command. While lines
    // are still owed a pause of the unit (or of a busy adapter) is waited out generously;
    // once a line has come for every text asked, the unit has said all it will: a short
    // silence then ends the read (a further line would still be heard and refuse the read).
    static constexpr int QuietMs = 250;
    static constexpr int AllInQuietMs = 10;
    static constexpr int ReplyLineMs = 42;
    // Every wait of the read is cut in slices of this length, so a stop request is heard
    // well within a second.
    static constexpr int StopCheckMs = 100;

    TextRead(platform::BytePort& port, platform::Clock& clock, Register& store, platform::Progress& progress,
             const std::atomic_bool* stop = nullptr);

    // One kind: the IDs of idRanges, the own texts in language, or every channel text.
    ReadResult read(TextKind kind, const QList<int>& idRanges, char language);

    // Every ID of the given ranges (0..9 for 0-99 ... 900-999) ascending, whatever the
    // order or repetition of the list; progress range 100 per range. No range: nothing
    // sent and nothing changed (outcome NothingAsked).
    ReadResult readIds(const QList<int>& ranges);

    // Own texts 0..last own-text index in language L ("0".."5" or "F").
    ReadResult readOwn(char language);

    // Channel texts 0..99.
    ReadResult readChannels();

private:
    ReadResult run(TextKind kind, const QList<int>& numbers, int paceMs, char language);
    // Collects for ms in slices; false as soon as a stop was asked for.
    bool collect(int ms, QByteArray& received);
    bool stopAsked() const { return m_stop && m_stop->load(); }

    TextPort m_line;
    Register& m_store;
    platform::Progress& m_progress;
    const std::atomic_bool* m_stop;
};

} // namespace tekstor
