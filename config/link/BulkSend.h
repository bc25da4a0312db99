#pragma once

#include "config/link/StagedExchange.h"

namespace quarn::link {

// "Daten senden": writes every register of the image into the unit, one at a time.
//
// Each register goes out as "$P" nnn dddddddd "\r"; the unit must answer "$R" nnn and the
// 8 characters it now stores, the "$R" within the first 7 characters of the reply. A
// read that finds nothing, or 7 characters without "$R" nnn, aborts the send; a reply
// whose digits differ only marks the register unconfirmed and the send goes on. An echo
// not complete within ReplyBoundMs of its request aborts as well, whatever the line
// delivers meanwhile (the NUL bytes of a line in break are not a reply). A stop request
// is seen before every read.
// Before anything is sent every register must hold exactly 8 digits "0"-"9"/"A"-"F",
// so a blank image or a damaged file never reaches the unit's EEPROM.
class BulkSend final : public StagedExchange {
public:
    static constexpr int SettleMs = 500;
    // An echo is 13 characters plus CR LF, 16 ms at 9600 baud, and the unit answers at
    // once; a silent line already ends at the first empty read (102 ms). One second is
    // far beyond any unit that answers, and 600 registers cannot hang on a line in break
    // for more than a second in all.
    static constexpr int ReplyBoundMs = 1000;

    explicit BulkSend(const LinkContext& context) : StagedExchange(context, Exchange::BulkSend) {}

    // Opens the selected port and checks that a unit is known and that every register to
    // be sent is valid. An outcome means the send ends here.
    std::optional<LinkOutcome> start() override;
    LinkOutcome run() override;

    // The first register of the image's set that holds no 8 valid digits, or -1.
    static int firstInvalidRegister(const quarn::Register& image);
};

} // namespace quarn::link
