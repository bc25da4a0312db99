#include "FactoryReset.h"

#include "BytePort.h"
#include "Clock.h"
#include "CommandFraming.h"
#include "ProgressSink.h"
#include "Register.h"

namespace quarn::link {

std::optional<LinkOutcome> FactoryReset::start()
{
    if (framing::restartPort(m_ctx.port, m_ctx.portName))
        return std::nullopt;
    LinkOutcome out;
    out.exchange = Exchange::FactoryReset;
    out.result = LinkResult::PortNotOpened;
    out.portDetail = m_ctx.port.lastErrorDetail();
    return out;
}

LinkOutcome FactoryReset::execute()
{
    if (auto ended = start())
        return *ended;
    return run();
}

LinkOutcome FactoryReset::run()
{
    const bool telephone = m_target == ResetTarget::Telephone;
    const int total = telephone ? TelephoneSteps : BaseSteps;
    auto waitSteps = [this](int count) {
        for (int i = 0; i < count; ++i) {
            m_ctx.clock.sleepMs(StepMs);
            m_ctx.progress.step();
        }
    };

    framing::sendText(m_ctx.port, framing::ProgEnde);
    m_ctx.progress.setRange(total);
    m_ctx.progress.setPosition(0);
    waitSteps(StepsBeforeCommand);
    framing::sendText(m_ctx.port, telephone ? framing::ResetTelephone : framing::ResetBase);
    waitSteps(total - StepsBeforeCommand);
    if (telephone)
        framing::sendText(m_ctx.port, framing::ResetTelephoneEnd);

    m_ctx.clock.sleepMs(SettleMs);
    m_ctx.progress.setPosition(0);
    m_ctx.image.modified = false;

    // The user must connect and read again: the image no longer matches the unit.
    LinkOutcome out;
    out.exchange = Exchange::FactoryReset;
    out.controls = ControlStates::nineOff();
    out.controls.on(Control::Connect).on(Control::FactoryReset);
    if (m_ctx.image.telephoneInterface)
        out.controls.on(Control::ToTelephone).on(Control::ToBase);
    return out;
}

} // namespace quarn::link
