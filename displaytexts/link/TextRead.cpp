#include "displaytexts/link/TextRead.h"

#include "displaytexts/link/TextCommands.h"
#include "displaytexts/link/TextReply.h"
#include "displaytexts/texts/UnitCodes.h"
#include "platform/Clock.h"

namespace tekstor {

TextRead::TextRead(platform::BytePort& port, platform::Clock& clock, Register& store,
                   platform::Progress& progress)
    : m_line(port, clock), m_store(store), m_progress(progress)
{}

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

    // Everything the unit sends from now on belongs to this read.
    QByteArray received;
    m_line.collectFor(BeforeSenderMs, received);

    m_progress.setRange(int(numbers.size()));
    m_progress.setPosition(0);
    for (int number : numbers) {
        m_line.collectFor(paceMs, received);
        m_line.send(readCommand(kind, number, language));
        m_progress.step();
    }
    m_line.collectFor(AfterLastMs, received);
    const qint64 drainEnd = m_line.clock().nowMs() + MaxDrainMs;
    for (;;) {
        const qint64 now = m_line.clock().nowMs();
        const qint64 quietFor = now - m_line.lastArrivalMs();
        if (m_line.lastArrivalMs() < 0 || quietFor >= QuietMs || now >= drainEnd)
            break;
        m_line.collectFor(int(QuietMs - quietFor), received);
    }

    const auto texts = TextReply::texts(received, TextReply::textLength(kind == TextKind::Own));
    result.lines = int(texts.size());
    if (!numbers.isEmpty() && texts.isEmpty()) {
        // Not one line came: the unit is not there. The table stays as it was.
        m_line.clock().sleepMs(AfterInterpretMs);
        result.outcome = TransferOutcome::NoReply;
        return result;
    }
    m_store.resetTexts(kind);
    for (int i = 0; i < numbers.size() && i < texts.size(); ++i) {
        // A line too short for its text leaves that text at its default.
        if (!texts[i])
            continue;
        m_store.setText(kind, numbers[i], fromUnitCodes(*texts[i]));
        result.stored.append(numbers[i]);
    }

    // The receiver rests a second before the window takes new commands.
    m_line.clock().sleepMs(AfterInterpretMs);
    result.outcome = TransferOutcome::Done;
    return result;
}

} // namespace tekstor
