#include "FactoryReset.h"

#include "BytePort.h"
#include "Clock.h"
#include "CommandFraming.h"
#include "ProgressSink.h"
#include "Register.h"

namespace quarn::link {

LinkOutcome FactoryReset::run()
{
    const bool telephone = m_target == ResetTarget::Telephone;
    const int total = telephone ? TelephoneSteps : BaseSteps;

    framing::sendText(m_ctx.port, framing::ProgEnde);
    m_ctx.progress.setRange(total);
    m_ctx.progress.setPosition(0);
    waitSteps(StepsBeforeCommand, StepMs);
    framing::sendText(m_ctx.port, telephone ? framing::ResetTelephone : framing::ResetBase);
    waitSteps(total - StepsBeforeCommand, StepMs);
    if (telephone)
        framing::sendText(m_ctx.port, framing::ResetTelephoneEnd);

    m_ctx.clock.sleepMs(SettleMs);
    m_ctx.progress.setPosition(0);
    m_ctx.image.modified = false;

    // The user must connect and read again: the image no longer matches the unit.
    LinkOutcome out = outcome();
    out.controls = ControlStates::nineOff();
    out.controls.on(Control::Connect).on(Control::FactoryReset);
    if (m_ctx.image.telephoneInterface)
        out.controls.on(Control::ToTelephone).on(Control::ToBase);
    return out;
}

} // namespace quarn::link
