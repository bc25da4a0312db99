#pragma once

#include "config/link/LinkContext.h"
#include "config/link/LinkOutcome.h"

namespace quarn::link {

// "Verbindung herstellen": puts the unit into its PC mode and finds out what is attached.
//
// Sends "$PROGSTART\r" and "$R300\r", then reads exactly 70 times (no early end). The unit
// must answer, within those 70 reads, with a self-description naming "Quarn 7k",
// "Quarn 8k", "Q7k" or "Q8k" after its first character and a carriage return at or after
// position 14 (that is where the version text ends); a unit with telephone interface
// also answers "$R300". Monitor output ("----------------" or "TX =") means the unit is
// not in its "PC-Verbindung" menu.
//
// A unit that answers as a Quarn fills the image's unit-known, model and telephone-interface
// flags and version text; any other end clears unit-known and the version text and leaves
// the rest as it was. The port stays open. The exchange is bounded by its ReadCount reads
// (7.1 s on a silent line, less when bytes come); a stop request ends it at the next read.
class ConnectExchange {
public:
    // The unit's self-description and the echo of "$R300" fit in 70 bytes; each read
    // waits at most the read time-out, so the reads bound the whole exchange.
    static constexpr int ReadCount = 70;

    explicit ConnectExchange(const LinkContext& context) : m_ctx(context) {}

    LinkOutcome run();

    // The version text for a received text and telephone-interface flag.
    static QString versionText(const QString& received, bool telephone);

private:
    LinkContext m_ctx;
};

} // namespace quarn::link
