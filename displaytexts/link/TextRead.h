#pragma once

#include <QList>

#include "displaytexts/link/TextPort.h"
#include "displaytexts/texts/Register.h"
#include "platform/Progress.h"

namespace tekstor {

enum class TransferOutcome {
    Done,       // the exchange ran (a read may still have had fewer lines than asked for)
    PortClosed, // the port was not open; nothing was sent and nothing changed
    NoReply,    // a read got not one reply line; the table is as it was
};

struct ReadResult {
    TransferOutcome outcome = TransferOutcome::PortClosed;
    QList<int> asked;  // text numbers asked for, in the order asked
    QList<int> stored; // those for which a complete line came (the others keep their default)
    int lines = 0;     // reply lines found (after a "$START" line was dropped)
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
// When not one reply line came, the table stays as it was (outcome NoReply). Otherwise
// interpreting resets the kind's table first (all 1000 IDs, own texts 0..last index, all
// 100 channels), then stores each complete reply line in the order asked, passed
// through the receive conversion. Usable from a worker thread; touches only the store
// and the progress sink.
class TextRead {
public:
    static constexpr int BeforeSenderMs = 1000;
    static constexpr int IdPaceMs = 20;
    static constexpr int OwnPaceMs = 10;
    static constexpr int ChannelPaceMs = 10;
    static constexpr int AfterLastMs = 500;
    static constexpr int AfterInterpretMs = 1000;
    // When the unit is still answering after the last command, collecting goes on until
    // it has been quiet this long, but not beyond MaxDrainMs.
    static constexpr int QuietMs = 100;
    static constexpr int MaxDrainMs = 60000;

    TextRead(platform::BytePort& port, platform::Clock& clock, Register& store, platform::Progress& progress);

    // One kind: the IDs of idRanges, the own texts in language, or every channel text.
    ReadResult read(TextKind kind, const QList<int>& idRanges, char language);

    // Every ID of the given ranges (0..9 for 0-99 ... 900-999) ascending, whatever the
    // order or repetition of the list; progress range 100 per range. No range: nothing
    // sent, progress range 0, but the ID table is still reset.
    ReadResult readIds(const QList<int>& ranges);

    // Own texts 0..last own-text index in language L ("0".."5" or "F").
    ReadResult readOwn(char language);

    // Channel texts 0..99.
    ReadResult readChannels();

private:
    ReadResult run(TextKind kind, const QList<int>& numbers, int paceMs, char language);

    TextPort m_line;
    Register& m_store;
    platform::Progress& m_progress;
};

} // namespace tekstor
