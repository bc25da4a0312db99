#pragma once

#include <QString>

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
    Stopped,         // ended on request; the port is closed
    WriteFailed,     // a command could not be written to the port; the exchange was aborted
};

// What an exchange ended with: what happened, never how a window should look. The window
// turns it into its message box (LinkMessages.h) and the state of its controls.
struct LinkOutcome {
    Exchange exchange = Exchange::Connect;
    LinkResult result = LinkResult::Completed;
    int registerNumber = -1;
    QString portDetail;
    // False when the exchange ended before it addressed the unit (the port did not open,
    // no unit known, nothing valid to send): the image is then as it was.
    bool ran = true;

    bool ok() const { return result == LinkResult::Completed; }
};

} // namespace quarn::link
