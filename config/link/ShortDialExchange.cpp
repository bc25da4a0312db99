#include "config/link/ShortDialExchange.h"

#include "config/link/CommandFraming.h"
#include "config/link/ShortDialFile.h"
#include "platform/BytePort.h"
#include "platform/Clock.h"
#include "platform/Progress.h"

#include <algorithm>

namespace quarn::link {

namespace {

// An entry line: "WP" nnn ":" and 16 characters. A '#' further than this behind the start
// of the last "WP" lies between lines.
constexpr int EntryLineLength = 22;

QString listCommand(int range)
{
    const int first = range * ShortDialExchange::EntriesPerRange;
    return QStringLiteral("WL%1-%2\r")
        .arg(first, 3, 10, QLatin1Char('0'))
        .arg(first + ShortDialExchange::EntriesPerRange - 1, 3, 10, QLatin1Char('0'));
}

// Each byte one UTF-16 unit; 0x80..0xFF become 0xFF80..0xFFFF, so the low byte stays the
// byte received.
QChar receivedChar(char byte)
{
    return QChar(char16_t(static_cast<signed char>(byte)));
}

} // namespace

ShortDialExchange::ShortDialExchange(platform::BytePort& port, platform::Clock& clock)
    : m_port(port), m_clock(clock)
{}

bool ShortDialExchange::open()
{
    // The short-dial commands are understood outside the PC mode, once a bare CR has woken
    // the telephone interface.
    if (!framing::sendText(m_port, framing::ProgEnde))
        return false;
    m_clock.sleepMs(OpeningWaitMs);
    return framing::sendText(m_port, QStringLiteral("\r"));
}

ShortDialRead ShortDialExchange::read(const QList<int>& ranges, platform::Progress& progress,
                                      const std::atomic_bool* stop)
{
    QList<int> chosen;
    for (int r : ranges) {
        if (r >= 0 && r < RangeCount && !chosen.contains(r))
            chosen.append(r);
    }
    std::sort(chosen.begin(), chosen.end());

    const int maximum = EntriesPerRange * int(chosen.size());
    progress.setRange(maximum);
    progress.setPosition(0);
    int position = 0;

    ShortDialRead result;
    QString received;
    for (int r : chosen) {
        if (stop && stop->load())
            break;
        if (!framing::sendText(m_port, listCommand(r))) {
            result.portFailed = true;
            break;
        }
        const qint64 deadline = m_clock.nowMs() + MaxReplyMs;
        int count = 0;
        while (count < MaxReplyBytes && m_clock.nowMs() < deadline) {
            const std::optional<char> byte = m_port.readByte();
            if (!byte)
                break;
            ++count;
            received.append(receivedChar(*byte));
            if (*byte == 'W' && position < maximum) {
                progress.step();
                ++position;
            }
        }
    }
    result.text = clean(received);
    result.anyEntry = result.text.contains(QLatin1String("WP"));
    return result;
}

bool ShortDialExchange::write(const QString& text, platform::Progress& progress)
{
    progress.setRange(int(std::min<qsizetype>(text.size() * 2 / 95, WriteDonePosition)));
    progress.setPosition(0);
    bool sent = true;
    qsizetype pos = 0;
    // As the file is read in blocks: a text of exactly n chunks ends with one more,
    // empty block, which sends nothing but still waits and steps.
    for (;;) {
        const QString chunk = text.mid(pos, ChunkChars);
        pos += chunk.size();
        if (!chunk.isEmpty() && !framing::sendText(m_port, chunk)) {
            sent = false; // the port went away: the rest would go nowhere
            break;
        }
        m_clock.sleepMs(ChunkPauseMs);
        progress.step();
        if (chunk.size() < ChunkChars)
            break;
    }
    progress.setPosition(WriteDonePosition);
    m_clock.sleepMs(ChunkPauseMs);
    progress.setPosition(0);
    return sent;
}

QString ShortDialExchange::clean(const QString& received)
{
    // a. Command echoes: from "WL" up to and including the next CR. An echo cut off by the
    // silence has no CR: everything from its "WL" on goes. Removing a piece may join a "W"
    // and an "L" into a new "WL", so the search resumes one character before the cut.
    QString text = received;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(QLatin1String("WL"), from);
        if (at < 0)
            break;
        const qsizetype cr = text.indexOf(QLatin1Char('\r'), at + 2);
        if (cr < 0) {
            text.truncate(at);
            break;
        }
        text.remove(at, cr - at + 1);
        from = std::max<qsizetype>(0, at - 1);
    }

    // b. A '#' is kept only inside an entry line: a "WP" starts no more than 22 characters
    // before it. Positions are those of the text after step a.
    QString out;
    out.reserve(text.size());
    qsizetype lastEntry = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('W') && i + 1 < text.size() && text[i + 1] == QLatin1Char('P'))
            lastEntry = i;
        if (c == QLatin1Char('#') && (lastEntry < 0 || lastEntry < i - EntryLineLength))
            continue;
        out.append(c);
    }
    return out;
}

QByteArray ShortDialExchange::fileBytes(const QString& cleaned)
{
    return ShortDialFile::bytes(cleaned);
}

QString ShortDialExchange::textFromFile(const QByteArray& bytes)
{
    return ShortDialFile::text(bytes);
}

} // namespace quarn::link
