#include "config/link/FactoryReset.h"

#include "config/link/CommandFraming.h"
#include "config/register/Register.h"
#include "platform/BytePort.h"
#include "platform/Clock.h"
#include "platform/Progress.h"

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

    return outcome();
}

} // namespace quarn::link
