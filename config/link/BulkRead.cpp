#include "config/link/BulkRead.h"

#include "config/link/CommandFraming.h"
#include "config/link/ReceivedText.h"
#include "config/register/Register.h"
#include "platform/BytePort.h"
#include "platform/Clock.h"
#include "platform/Progress.h"

namespace quarn::link {

namespace {
const QString kMonitorSignature = QStringLiteral("Online-Monitor");
constexpr int kRegisterLength = 8;
constexpr int kTrailingReads = 10; // the last reply's 8 characters and two more bytes
} // namespace

std::optional<LinkOutcome> BulkRead::start()
{
    m_ctx.port.close();
    if (auto failed = restartPort())
        return failed;
    if (!m_ctx.image.unitKnown) {
        closeAndSettle(SettleMs);
        return outcome(LinkResult::NotConnected);
    }
    return std::nullopt;
}

int BulkRead::takeReplies(const QString& received, const QList<int>& numbers, Register& image)
{
    int firstMissing = -1;
    for (int n : numbers) {
        const QString prefix = framing::replyPrefix(n);
        const qsizetype at = received.indexOf(prefix);
        const qsizetype valueAt = at + prefix.size();
        if (at < 0 || received.size() - valueAt < kRegisterLength) {
            if (firstMissing < 0)
                firstMissing = n;
            continue;
        }
        image.registerText(n) = received.mid(valueAt, kRegisterLength);
    }
    return firstMissing;
}

LinkOutcome BulkRead::run()
{
    Register& image = m_ctx.image;
    // Only now, with the port open and a unit known: a read that cannot start leaves the
    // image as it was.
    image.resetImage();
    platform::BytePort& port = m_ctx.port;
    platform::Clock& clock = m_ctx.clock;
    const bool telephone = image.telephoneInterface;
    const QList<int> numbers = Register::numbers(telephone);

    m_ctx.progress.setRange(static_cast<int>(numbers.size()));
    ReceivedText received;

    for (qsizetype first = 0; first < numbers.size(); first += 100) {
        const QList<int> block = numbers.mid(first, 100);
        // One request every 20 ms: the wait after a request is measured from its start,
        // so the time a write takes does not stretch the pace. A write that took longer
        // than the pace is followed by a whole wait, never by a burst to catch up.
        qint64 due = clock.nowMs();
        for (int n : block) {
            if (m_ctx.stopRequested())
                return stopped(SettleMs);
            framing::sendText(port, framing::readCommand(n));
            m_ctx.progress.step();
            const qint64 now = clock.nowMs();
            due = due + PacingMs > now ? due + PacingMs : now + PacingMs;
            clock.sleepMs(static_cast<int>(due - now));
        }

        // The replies have collected in the port's buffer; read until the block's last
        // echo is in, but never past the bound: neither silence nor bytes that keep coming
        // without that echo (monitor output, noise, NUL bytes) keep the read waiting. The
        // empty reads are counted as well, for a clock that only moves with the reads.
        const QString lastEcho = framing::replyPrefix(block.last());
        const qint64 deadline = clock.nowMs() + EchoBoundMs;
        int emptyReads = 0;
        while (!received.containsAfterStart(lastEcho)) {
            if (m_ctx.stopRequested())
                return stopped(SettleMs);
            const std::optional<char> byte = port.readByte();
            received.append(byte);
            if (!byte)
                ++emptyReads;
            if (clock.nowMs() >= deadline || emptyReads * framing::ReadTimeoutMs >= EchoBoundMs)
                return outcome(received.contains(kMonitorSignature) ? LinkResult::MonitorOutput
                                                                    : LinkResult::NoReply);
        }
        for (int i = 0; i < kTrailingReads; ++i)
            received.append(port.readByte());

        if (received.contains(kMonitorSignature))
            return outcome(LinkResult::MonitorOutput);
    }

    closeAndSettle(SettleMs);

    LinkOutcome out = outcome();
    // A register without a reply keeps its eight blanks; the first such one is reported.
    out.registerNumber = takeReplies(received.text(), numbers, image);
    if (out.registerNumber >= 0)
        out.result = LinkResult::NotAllRead;
    return out;
}

} // namespace quarn::link
