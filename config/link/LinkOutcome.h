#pragma once

#include <QString>

#include "ControlStates.h"

namespace quarn::link {

enum class Exchange { Connect, BulkRead, BulkSend, FactoryReset, Disconnect };

enum class LinkResult {
    Completed,
    PortNotOpened,   // the selected port could not be opened; portDetail says why
    NotConnected,    // no unit is known: the exchange did nothing
    MonitorOutput,   // the unit sent its monitor output instead of answering
    NoReply,         // the unit stopped answering; the exchange was aborted
    UnitNotKnown,    // the connect reply named no Quarn 7k/8k
    Unconfirmed,     // send done, registerNumber is the last register not confirmed
    NotAllRead,      // read done, registerNumber is the first register without a reply
    InvalidRegister, // nothing sent: registerNumber holds no 8 valid digits
};

// What an exchange ended with. The window turns it into its message box
// (LinkMessages.h) and applies `controls`.
struct LinkOutcome {
    Exchange exchange = Exchange::Connect;
    LinkResult result = LinkResult::Completed;
    int registerNumber = -1;
    QString portDetail;
    ControlStates controls;

    bool ok() const { return result == LinkResult::Completed; }
};

} // namespace quarn::link
