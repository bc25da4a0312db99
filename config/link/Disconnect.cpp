#include "config/link/Disconnect.h"

#include "config/link/CommandFraming.h"
#include "config/register/Register.h"
#include "platform/BytePort.h"
#include "platform/Clock.h"
#include "platform/Progress.h"

namespace quarn::link {

LinkOutcome Disconnect::run()
{
    Register& image = m_ctx.image;

    framing::sendText(m_ctx.port, framing::ProgEnde);
    image.unitKnown = false;
    image.versionText.clear();
    if (image.telephoneInterface) {
        m_ctx.progress.setRange(StepsBeforeLeave + StepsAfterLeave);
        m_ctx.progress.setPosition(0);
        if (!waitSteps(StepsBeforeLeave, StepMs))
            return stopped(0);
        framing::sendText(m_ctx.port, framing::LeaveTelephoneMode);
        if (!waitSteps(StepsAfterLeave, StepMs))
            return stopped(0);
    }
    m_ctx.progress.setPosition(0);

    return outcome();
}

} // namespace quarn::link
