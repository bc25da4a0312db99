#include "Disconnect.h"

#include "BytePort.h"
#include "Clock.h"
#include "CommandFraming.h"
#include "ProgressSink.h"
#include "Register.h"

namespace quarn::link {

std::optional<LinkOutcome> Disconnect::start()
{
    if (framing::restartPort(m_ctx.port, m_ctx.portName))
        return std::nullopt;
    LinkOutcome out;
    out.exchange = Exchange::Disconnect;
    out.result = LinkResult::PortNotOpened;
    out.portDetail = m_ctx.port.lastErrorDetail();
    return out;
}

LinkOutcome Disconnect::execute()
{
    if (auto ended = start())
        return *ended;
    return run();
}

LinkOutcome Disconnect::run()
{
    Register& image = m_ctx.image;
    auto waitSteps = [this](int count) {
        for (int i = 0; i < count; ++i) {
            m_ctx.clock.sleepMs(StepMs);
            m_ctx.progress.step();
        }
    };

    framing::sendText(m_ctx.port, framing::ProgEnde);
    image.unitKnown = false;
    image.versionText.clear();
    if (image.telephoneInterface) {
        m_ctx.progress.setRange(StepsBeforeLeave + StepsAfterLeave);
        m_ctx.progress.setPosition(0);
        waitSteps(StepsBeforeLeave);
        framing::sendText(m_ctx.port, framing::LeaveTelephoneMode);
        waitSteps(StepsAfterLeave);
    }
    m_ctx.progress.setPosition(0);

    LinkOutcome out;
    out.exchange = Exchange::Disconnect;
    out.controls = whileRunning();
    out.controls.on(Control::Connect);
    return out;
}

} // namespace quarn::link
