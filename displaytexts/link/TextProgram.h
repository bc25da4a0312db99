#pragma once

#include <QList>

#include "displaytexts/link/TextRead.h"
#include "displaytexts/texts/Register.h"
#include "platform/Progress.h"

namespace tekstor {

struct ProgramResult {
    TransferOutcome outcome = TransferOutcome::PortClosed;
    int sent = 0;    // programming commands written
    int refused = 0; // commands not sent (longer than 100 bytes)

    // Every text went out.
    bool complete() const { return outcome == TransferOutcome::Done && refused == 0; }
};

// Programs one kind of text into the unit. After 1000 ms (collecting and ignoring what
// the unit sends), for each text: send "$P?" NNN text "\r", step the progress, wait
// 70 ms; then the end command, 1000 ms (IDs) or 500 ms, done. Own texts always go to the
// unit's own texts ("$PT"). The unit's replies are not checked. With no text to send
// nothing at all goes out (NothingAsked). A write that fails ends the transfer
// (PortClosed). A stop request is heard before the next text: the end command still goes
// out, so the unit leaves its programming cleanly (Stopped). Every wait is fixed, so the
// transfer ends a fixed time after its last command whatever the unit sends. Usable from
// a worker thread; reads the store, never changes it.
class TextProgram {
public:
    static constexpr int BeforeSenderMs = 1000;
    static constexpr int AfterCommandMs = 70;
    static constexpr int IdEndWaitMs = 1000;
    static constexpr int OtherEndWaitMs = 500;

    TextProgram(platform::BytePort& port, platform::Clock& clock, const Register& store,
                platform::Progress& progress, const std::atomic_bool* stop = nullptr);

    // One kind: the IDs of idRanges, or every own or channel text.
    ProgramResult program(TextKind kind, const QList<int>& idRanges);

    // Every ID of the given ranges (0..9) ascending; progress range 100 per range. The
    // window passes the ranges whose tree node has items.
    ProgramResult programIds(const QList<int>& ranges);
    // Own texts 0..last own-text index.
    ProgramResult programOwn();
    // Channel texts 0..99.
    ProgramResult programChannels();

private:
    ProgramResult run(TextKind kind, const QList<int>& numbers, int endWaitMs);

    bool stopAsked() const { return m_stop && m_stop->load(); }

    TextPort m_line;
    const Register& m_store;
    platform::Progress& m_progress;
    const std::atomic_bool* m_stop;
};

} // namespace tekstor
