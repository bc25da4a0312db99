#pragma once

#include <optional>

#include "config/link/LinkContext.h"
#include "config/link/LinkOutcome.h"

namespace quarn::link {

// An outcome of `exchange` that says `result` and nothing more.
LinkOutcome outcomeOf(Exchange exchange, LinkResult result = LinkResult::Completed);

// How every exchange begins: close the port and open the selected one again. If that
// fails, the PortNotOpened outcome with the port's own reason.
std::optional<LinkOutcome> restartSelectedPort(const LinkContext& context, Exchange exchange);

// An exchange in two stages: start() opens the port and checks what must hold before the
// unit is addressed, run() talks to the unit.
class StagedExchange {
public:
    virtual ~StagedExchange() = default;

    // An outcome means the exchange ends here.
    virtual std::optional<LinkOutcome> start() = 0;
    // The exchange proper; the port is open.
    virtual LinkOutcome run() = 0;
    // start(), then run() if it may go on.
    LinkOutcome execute();

protected:
    StagedExchange(const LinkContext& context, Exchange exchange) : m_ctx(context), m_exchange(exchange) {}

    LinkOutcome outcome(LinkResult result = LinkResult::Completed) const
    {
        return outcomeOf(m_exchange, result);
    }
    std::optional<LinkOutcome> restartPort() const { return restartSelectedPort(m_ctx, m_exchange); }
    // `count` waits of `stepMs`, the progress one step further after each. False, early,
    // when stop has been asked for.
    [[nodiscard]] bool waitSteps(int count, int stepMs);
    // Closes the port, gives the unit `settleMs` to settle and empties the progress.
    void closeAndSettle(int settleMs);

    // Ends a transfer on request between two registers: the line is closed cleanly.
    LinkOutcome stopped(int settleMs);

    LinkContext m_ctx;

private:
    Exchange m_exchange;
};

} // namespace quarn::link
