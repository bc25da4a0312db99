#include "displaytexts/link/TextProgram.h"

#include "displaytexts/link/TextCommands.h"

namespace tekstor {

TextProgram::TextProgram(platform::BytePort& port, platform::Clock& clock, const Register& store,
                         platform::Progress& progress)
    : m_line(port, clock), m_store(store), m_progress(progress)
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

    // What the unit answers is collected and not looked at.
    QByteArray ignored;
    m_line.collectFor(BeforeSenderMs, ignored);

    m_progress.setRange(int(numbers.size()));
    m_progress.setPosition(0);
    for (int number : numbers) {
        if (m_line.send(programCommand(kind, number, m_store.text(kind, number))))
            ++result.sent;
        else
            ++result.refused;
        m_progress.step();
        ignored.clear();
        m_line.collectFor(AfterCommandMs, ignored);
    }
    m_line.send(programEndCommand(kind));
    m_line.collectFor(endWaitMs, ignored);
    result.outcome = TransferOutcome::Done;
    return result;
}

} // namespace tekstor
