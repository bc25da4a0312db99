#include "config/link/BulkSend.h"

#include "config/link/CommandFraming.h"
#include "config/link/ReceivedText.h"
#include "config/register/Register.h"
#include "config/register/RegisterCodecs.h"
#include "platform/BytePort.h"
#include "platform/Clock.h"
#include "platform/Progress.h"

namespace quarn::link {

namespace {
constexpr int kEchoLength = 13;     // "$R", three digits, eight characters
constexpr int kEchoStartWithin = 6; // more characters than this without "$R" nnn: no reply
} // namespace

int BulkSend::firstInvalidRegister(const Register& image)
{
    for (int n : Register::numbers(image.telephoneInterface)) {
        const QString& text = image.registerText(n);
        if (text.size() != Register::DigitCount || !isHexText(text))
            return n;
    }
    return -1;
}

std::optional<LinkOutcome> BulkSend::start()
{
    if (auto failed = restartPort())
        return failed;
    if (!m_ctx.image.unitKnown)
        return outcome(LinkResult::NotConnected);
    const int invalid = firstInvalidRegister(m_ctx.image);
    if (invalid >= 0) {
        LinkOutcome out = outcome(LinkResult::InvalidRegister);
        out.registerNumber = invalid;
        return out;
    }
    return std::nullopt;
}

LinkOutcome BulkSend::run()
{
    Register& image = m_ctx.image;
    platform::BytePort& port = m_ctx.port;
    const bool telephone = image.telephoneInterface;
    const QList<int> numbers = Register::numbers(telephone);

    m_ctx.progress.setRange(static_cast<int>(numbers.size()));
    int lastUnconfirmed = -1;

    for (int n : numbers) {
        if (m_ctx.stopRequested())
            return stopped(SettleMs);
        const QString& digits = image.registerText(n);
        framing::sendText(port, framing::writeCommand(n, digits));
        m_ctx.progress.step();

        const QString echo = framing::replyPrefix(n);
        ReceivedText received;
        bool replied = false;
        const qint64 deadline = m_ctx.clock.nowMs() + ReplyBoundMs;
        while (!replied) {
            // Mid-register: the unit may or may not have stored it; the line is closed.
            if (m_ctx.stopRequested())
                return stopped(SettleMs);
            const std::optional<char> byte = port.readByte();
            if (!byte || m_ctx.clock.nowMs() >= deadline)
                break;
            if (!received.append(byte))
                continue;
            const qsizetype at = received.indexOf(echo);
            if (at >= 0)
                replied = received.size() - at == kEchoLength;
            else if (received.size() > kEchoStartWithin)
                break;
        }
        if (!replied) {
            // The port stays open and the registers already written stay written.
            return outcome(LinkResult::NoReply);
        }
        if (digits.isEmpty() || !received.contains(digits))
            lastUnconfirmed = n;
    }

    closeAndSettle(SettleMs);
    image.modified = false;
    LinkOutcome out = outcome(lastUnconfirmed < 0 ? LinkResult::Completed : LinkResult::Unconfirmed);
    out.registerNumber = lastUnconfirmed;
    return out;
}

} // namespace quarn::link
