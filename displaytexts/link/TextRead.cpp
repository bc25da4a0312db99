#include "displaytexts/link/TextRead.h"

#include "displaytexts/link/TextCommands.h"
#include "displaytexts/link/TextReply.h"
#include "displaytexts/texts/UnitCodes.h"
#include "platform/Clock.h"

#include <algorithm>

namespace tekstor {

TextRead::TextRead(platform::BytePort& port, platform::Clock& clock, Register& store,
                   platform::Progress& progress, const std::atomic_bool* stop)
    : m_line(port, clock), m_store(store), m_progress(progress), m_stop(stop)
{}

bool TextRead::collect(int ms, QByteArray& received)
{
    const qint64 end = m_line.clock().nowMs() + ms;
    for (qint64 rest = ms; rest > 0; rest = end - m_line.clock().nowMs()) {
        if (stopAsked())
            return false;
        m_line.collectFor(int(std::min<qint64>(rest, StopCheckMs)), received);
    }
    return !stopAsked();
}

ReadResult TextRead::read(TextKind kind, const QList<int>& idRanges, char language)
{
    switch (kind) {
    case TextKind::Ids:
        return readIds(idRanges);
    case TextKind::Own:
        return readOwn(language);
    case TextKind::Channels:
        break;
    }
    return readChannels();
}

ReadResult TextRead::readIds(const QList<int>& ranges)
{
    return run(TextKind::Ids, Register::idsOfRanges(ranges), IdPaceMs, 'F');
}

ReadResult TextRead::readOwn(char language)
{
    QList<int> numbers;
    for (int i = 0; i <= m_store.lastOwnIndex(); ++i)
        numbers.append(i);
    return run(TextKind::Own, numbers, OwnPaceMs, language);
}

ReadResult TextRead::readChannels()
{
    QList<int> numbers;
    for (int i = 0; i < Register::ChannelCount; ++i)
        numbers.append(i);
    return run(TextKind::Channels, numbers, ChannelPaceMs, 'F');
}

ReadResult TextRead::run(TextKind kind, const QList<int>& numbers, int paceMs, char language)
{
    ReadResult result;
    if (!m_line.isOpen())
        return result;
    result.asked = numbers;
    if (numbers.isEmpty()) {
        result.outcome = TransferOutcome::NothingAsked;
        return result;
    }
    result.outcome = TransferOutcome::Stopped;

    // Everything the unit sends from now on belongs to this read.
    QByteArray received;
    if (!collect(BeforeSenderMs, received))
        return result;

    m_progress.setRange(int(numbers.size()));
    m_progress.setPosition(0);
    // Paced from the first command on, so what a send and a step take is not added to
    // every pause.
    qint64 due = m_line.clock().nowMs();
    for (int number : numbers) {
        due += paceMs;
        if (!collect(int(std::max<qint64>(0, due - m_line.clock().nowMs())), received))
            return result;
        if (!m_line.send(readCommand(kind, number, language))) {
            // The port went away: what came so far is no whole read.
            result.outcome = TransferOutcome::PortClosed;
            return result;
        }
        m_progress.step();
    }
    if (!collect(AfterLastMs, received))
        return result;
    const qint64 drainEnd = m_line.clock().nowMs() + qint64(ReplyLineMs) * numbers.size();
    const int asked = int(numbers.size());
    const auto allIn = [asked](const QByteArray& bytes) { return TextReply::completeLines(bytes) >= asked; };
    for (;;) {
        const qint64 now = m_line.clock().nowMs();
        const qint64 quietFor = now - m_line.lastArrivalMs();
        const bool complete = allIn(received);
        const int quietEnough = complete ? AllInQuietMs : QuietMs;
        if (m_line.lastArrivalMs() < 0 || quietFor >= quietEnough || now >= drainEnd)
            break;
        if (stopAsked())
            return result;
        const int wait = int(std::min<qint64>({quietEnough - quietFor, drainEnd - now, StopCheckMs}));
        // Waiting for the last line ends with its LF; after it only the short silence.
        if (complete)
            m_line.collectFor(wait, received);
        else
            m_line.collectUntil(allIn, wait, received);
    }
    if (stopAsked())
        return result;

    const TextReply::Checked reply =
        TextReply::checked(received, TextReply::textLength(kind == TextKind::Own), int(numbers.size()));
    result.lines = reply.lines;
    result.unusable = reply.unusable;
    // The receiver rests a second before the window takes new commands.
    m_line.clock().sleepMs(AfterInterpretMs);
    if (reply.lines == 0) {
        // Not one line came: the unit is not there. The table stays as it was.
        result.outcome = TransferOutcome::NoReply;
        return result;
    }
    if (reply.unusable > 0) {
        result.outcome = TransferOutcome::Disturbed;
        return result;
    }
    for (int i = 0; i < numbers.size(); ++i) {
        m_store.setText(kind, numbers[i], fromUnitCodes(*reply.texts[i]));
        result.stored.append(numbers[i]);
    }
    result.outcome = TransferOutcome::Done;
    return result;
}

} // namespace tekstor
