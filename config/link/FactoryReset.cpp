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

    // The unit answers nothing here: a command that did not go out is the only failure
    // the program can see, and the image then still differs from the unit.
    if (!framing::sendText(m_ctx.port, framing::ProgEnde))
        return outcome(LinkResult::WriteFailed);
    m_ctx.progress.setRange(total);
    m_ctx.progress.setPosition(0);
    // A stop ends the waits; the unit then has been reset or not, and the program ends.
    if (!waitSteps(StepsBeforeCommand, StepMs))
        return stopped(SettleMs);
    if (!framing::sendText(m_ctx.port, telephone ? framing::ResetTelephone : framing::ResetBase))
        return outcome(LinkResult::WriteFailed);
    if (!waitSteps(total - StepsBeforeCommand, StepMs))
        return stopped(SettleMs);
    if (telephone && !framing::sendText(m_ctx.port, framing::ResetTelephoneEnd))
        return outcome(LinkResult::WriteFailed);

    m_ctx.clock.sleepMs(SettleMs);
    m_ctx.progress.setPosition(0);
    m_ctx.image.modified = false;

    return outcome();
}

} // namespace quarn::link
