#pragma once

#include "config/link/StagedExchange.h"

#include <QList>

namespace quarn::link {

// "Daten lesen": reads every register of the unit into the image.
//
// Per block of 100 registers it sends "$R" nnn "\r" for each register, one every 20 ms,
// without reading in between; then it reads until the received text holds "$R" and the
// block's last register number, and 10 bytes more. The unit must answer each request
// with "$R" nnn, the 8 register characters and two more bytes; "Online-Monitor" in the
// text means it is not in its PC mode. The wait for a block's last echo ends EchoBoundMs
// after the block's last request, whatever the line delivers meanwhile (silence, monitor
// output, noise, the NUL bytes of a line in break). A stop request is seen before every
// request and every read, so it ends the read within one read time-out.
//
// Both stages run on the worker, on the exchange's own copy of the image.
class BulkRead final : public StagedExchange {
public:
    static constexpr int PacingMs = 20;
    static constexpr int SettleMs = 500;
    // A unit echoes each request within a few milliseconds (15 characters take 16 ms at
    // 9600 baud, less than the 20 ms pace), so a block's last echo is due about 20 ms after
    // its request; 3 s leaves a slow unit almost 3 s per reply and still ends a dead or
    // babbling line soon after the block.
    static constexpr int EchoBoundMs = 3000;

    explicit BulkRead(const LinkContext& context) : StagedExchange(context, Exchange::BulkRead) {}

    // Closes the port and opens the selected one. An outcome means the read ends here
    // (port failure, no unit known); the image is untouched then.
    std::optional<LinkOutcome> start() override;
    // Empties the image, then reads. Ends early, the port closed, when stop is asked for.
    LinkOutcome run() override;

    // Fills the image from everything the unit sent: register n takes the 8 characters
    // after the first "$R" nnn. A register without them keeps its text. Returns the first
    // such register of numbers, or -1 when every one was answered.
    static int takeReplies(const QString& received, const QList<int>& numbers, Register& image);
};

} // namespace quarn::link
