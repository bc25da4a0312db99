#include "config/link/StagedExchange.h"

#include "config/link/CommandFraming.h"
#include "platform/BytePort.h"
#include "platform/Clock.h"
#include "platform/Progress.h"

namespace quarn::link {

LinkOutcome outcomeOf(Exchange exchange, LinkResult result)
{
    LinkOutcome out;
    out.exchange = exchange;
    out.result = result;
    return out;
}

std::optional<LinkOutcome> restartSelectedPort(const LinkContext& context, Exchange exchange)
{
    if (framing::restartPort(context.port, context.portName))
        return std::nullopt;
    LinkOutcome out = outcomeOf(exchange, LinkResult::PortNotOpened);
    out.ran = false;
    out.portDetail = context.port.lastErrorDetail();
    return out;
}

LinkOutcome StagedExchange::execute()
{
    if (auto ended = start()) {
        ended->ran = false;
        return *ended;
    }
    return run();
}

bool StagedExchange::waitSteps(int count, int stepMs)
{
    for (int i = 0; i < count; ++i) {
        if (m_ctx.stopRequested())
            return false;
        m_ctx.clock.sleepMs(stepMs);
        m_ctx.progress.step();
    }
    return true;
}

void StagedExchange::closeAndSettle(int settleMs)
{
    m_ctx.port.close();
    m_ctx.clock.sleepMs(settleMs);
    m_ctx.progress.setPosition(0);
}

LinkOutcome StagedExchange::stopped(int settleMs)
{
    closeAndSettle(settleMs);
    return outcome(LinkResult::Stopped);
}

} // namespace quarn::link
