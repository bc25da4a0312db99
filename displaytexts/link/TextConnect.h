#pragma once

#include <QString>

#include "displaytexts/link/TextPort.h"

namespace tekstor {

class Register;

enum class ConnectOutcome {
    Connected,
    PortFailed, // open failed (see ConnectResult::open); message portInitFailed
    NoStart,    // no "$START" after "$PROGSTART\r"; message unitNotAnswering
    NoCount,    // the own-text count did not come within 2 s; message unitNotAnswering
};

struct ConnectResult {
    ConnectOutcome outcome = ConnectOutcome::PortFailed;
    OpenResult open = OpenResult::CannotOpen;
    int startOffset = -1;  // offset of "$START" in the reply to "$PROGSTART\r"
    int lastOwnIndex = -1; // as stored in the text store on success
};

// The connect exchange: open the port, wait 500 ms, "$PROGSTART\r", wait 100 ms, take
// up to 39 bytes, find "$START" at offset k; then "$RT9999" + filler and wait (at most
// 2 s) for k + 41 characters, whose characters k+36..k+38 are the last own-text index.
// Any failure closes the port again. Blocks for about 0.6 s; may run on any thread.
class TextConnect {
public:
    static constexpr int SettleMs = 500;
    static constexpr int AfterStartMs = 100;
    static constexpr int StartReadCount = 39;
    static constexpr int CountWaitMs = 2000;

    TextConnect(platform::BytePort& port, platform::Clock& clock, Register& store);

    // On success the store's last own-text index is set and the port is left open.
    ConnectResult run(const QString& portName);

private:
    TextPort m_line;
    Register& m_store;
};

// The disconnect exchange: "$PROGENDE\r", then the port is closed.
class TextDisconnect {
public:
    TextDisconnect(platform::BytePort& port, platform::Clock& clock);
    void run();

private:
    TextPort m_line;
};

} // namespace tekstor
