#include "displaytexts/link/TextProgram.h"

#include "displaytexts/link/TextCommands.h"
#include "platform/Clock.h"

#include <algorithm>

namespace tekstor {

TextProgram::TextProgram(platform::BytePort& port, platform::Clock& clock, const Register& store,
                         platform::Progress& progress, const std::atomic_bool* stop)
    : m_line(port, clock), m_store(store), m_progress(progress), m_stop(stop)
{}

ProgramResult TextProgram::program(TextKind kind, const QList<int>& idRanges)
{
    switch (kind) {
    case TextKind::Ids:
        return programIds(idRanges);
    case TextKind::Own:
        return programOwn();
    case TextKind::Channels:
        break;
    }
    return programChannels();
}

ProgramResult TextProgram::programIds(const QList<int>& ranges)
{
    return run(TextKind::Ids, Register::idsOfRanges(ranges), IdEndWaitMs);
}

ProgramResult TextProgram::programOwn()
{
    QList<int> numbers;
    for (int i = 0; i <= m_store.lastOwnIndex(); ++i)
        numbers.append(i);
    return run(TextKind::Own, numbers, OtherEndWaitMs);
}

ProgramResult TextProgram::programChannels()
{
    QList<int> numbers;
    for (int i = 0; i < Register::ChannelCount; ++i)
        numbers.append(i);
    return run(TextKind::Channels, numbers, OtherEndWaitMs);
}

ProgramResult TextProgram::run(TextKind kind, const QList<int>& numbers, int endWaitMs)
{
    ProgramResult result;
    if (!m_line.isOpen())
        return result;
    if (numbers.isEmpty()) {
        result.outcome = TransferOutcome::NothingAsked;
        return result;
    }

    // What the unit answers is collected and not looked at.
    QByteArray ignored;
    const qint64 senderAt = m_line.clock().nowMs() + BeforeSenderMs;
    for (qint64 rest = BeforeSenderMs; rest > 0 && !stopAsked(); rest = senderAt - m_line.clock().nowMs())
        m_line.collectFor(int(std::min<qint64>(AfterCommandMs, rest)), ignored);

    m_progress.setRange(int(numbers.size()));
    m_progress.setPosition(0);
    result.outcome = TransferOutcome::Done;
    // Each command is due 70 ms after the one before it, counted from when the first went
    // out: the time a send and a progress step take is part of the 70 ms, not added to it.
    qint64 due = m_line.clock().nowMs();
    for (int number : numbers) {
        if (stopAsked()) {
            result.outcome = TransferOutcome::Stopped;
            break;
        }
        const QByteArray command = programCommand(kind, number, m_store.text(kind, number));
        if (command.size() > TextPort::MaxSendLength) {
            ++result.refused;
        } else if (m_line.send(command)) {
            ++result.sent;
        } else {
            // The port went away: the rest would go nowhere.
            result.outcome = TransferOutcome::PortClosed;
            return result;
        }
        m_progress.step();
        ignored.clear();
        due += AfterCommandMs;
        m_line.collectFor(int(std::max<qint64>(0, due - m_line.clock().nowMs())), ignored);
    }
    if (!m_line.send(programEndCommand(kind))) {
        result.outcome = TransferOutcome::PortClosed;
        return result;
    }
    m_line.collectFor(endWaitMs, ignored);
    return result;
}

} // namespace tekstor
