#include "config/link/ShortDialExchange.h"

#include "config/link/CommandFraming.h"
#include "config/link/ShortDialFile.h"
#include "platform/BytePort.h"
#include "platform/Clock.h"
#include "platform/Progress.h"

#include <QHash>

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
    auto stopAsked = [stop] { return stop && stop->load(); };

    ShortDialRead result;
    QString received;
    for (int r : chosen) {
        if (stopAsked()) {
            result.stopped = true;
            break;
        }
        if (!framing::sendText(m_port, listCommand(r))) {
            result.portFailed = true;
            break;
        }
        const qint64 deadline = m_clock.nowMs() + MaxReplyMs;
        qint64 lastUseful = m_clock.nowMs();
        qint64 nextStopCheck = lastUseful + StopCheckMs;
        int count = 0;
        while (count < MaxReplyBytes && m_clock.nowMs() < deadline) {
            if (m_clock.nowMs() >= nextStopCheck) {
                nextStopCheck = m_clock.nowMs() + StopCheckMs;
                if (stopAsked())
                    break;
            }
            const std::optional<char> byte = m_port.readByte();
            if (!byte)
                break;
            if (*byte == '\0') {
                // A line in break: nothing the unit said.
                if (m_clock.nowMs() - lastUseful >= QuietMs)
                    break;
                continue;
            }
            lastUseful = m_clock.nowMs();
            ++count;
            received.append(receivedChar(*byte));
            if (*byte == 'W' && position < maximum) {
                progress.step();
                ++position;
            }
        }
        if (stopAsked()) {
            result.stopped = true;
            break;
        }
    }
    result.portLost = !m_port.isOpen();
    result.text = clean(received);
    result.anyEntry = result.text.contains(QLatin1String("WP"));

    // Every entry of every range asked for must have its whole line. What lies between
    // the lines is no entry (line noise, a stray byte) and is not kept: the text is the
    // entry lines, each ended by its CR, as a clean line gives them.
    QList<bool> listed(RangeCount * EntriesPerRange, false);
    QString entries;
    entries.reserve(result.text.size());
    for (const QStringView line : QStringView(result.text).split(QLatin1Char('\r'))) {
        const QList<ShortDialEntry> one = ShortDialFile::listedEntries(line.toString());
        if (one.size() != 1 || listed[one.first().number] ||
            !chosen.contains(one.first().number / EntriesPerRange))
            continue;
        listed[one.first().number] = true;
        entries += line;
        entries += QLatin1Char('\r');
    }

    for (int r : chosen) {
        for (int n = r * EntriesPerRange; n < (r + 1) * EntriesPerRange && result.firstMissing < 0; ++n) {
            if (!listed[n])
                result.firstMissing = n;
        }
    }
    if (result.complete())
        result.text = entries;
    return result;
}

QList<int> ShortDialExchange::rangesOf(const QList<ShortDialEntry>& entries)
{
    QList<int> ranges;
    for (const ShortDialEntry& entry : entries) {
        const int r = entry.number / EntriesPerRange;
        if (!ranges.contains(r))
            ranges.append(r);
    }
    std::sort(ranges.begin(), ranges.end());
    return ranges;
}

ShortDialVerify ShortDialExchange::verify(const QList<ShortDialEntry>& written, platform::Progress& progress,
                                          const std::atomic_bool* stop)
{
    ShortDialVerify result;
    result.read = read(rangesOf(written), progress, stop);
    QHash<int, QString> unit;
    for (const ShortDialEntry& entry : ShortDialFile::listedEntries(result.read.text))
        unit.insert(entry.number, entry.digits);
    for (const ShortDialEntry& entry : written) {
        // The unit keeps at most 16 characters and lists them padded with '.'.
        const auto it = unit.constFind(entry.number);
        if (it == unit.constEnd() || *it != entry.digits.left(ShortDialFile::MaxDialCharacters)) {
            result.firstDiffering = entry.number;
            break;
        }
    }
    result.ok = result.read.complete() && result.firstDiffering < 0;
    return result;
}

bool ShortDialExchange::write(const QString& text, platform::Progress& progress, const std::atomic_bool* stop)
{
    progress.setRange(int(std::min<qsizetype>(text.size() * 2 / 95, WriteDonePosition)));
    progress.setPosition(0);
    bool sent = true;
    qsizetype pos = 0;
    // Each pause ends 200 ms after the one before it: what a send and a progress step take
    // is part of the pause, so hundreds of chunks do not add up their latencies.
    qint64 due = m_clock.nowMs();
    const auto pause = [this, &due] {
        due += ChunkPauseMs;
        m_clock.sleepMs(int(std::max<qint64>(0, due - m_clock.nowMs())));
    };
    // As the file is read in blocks: a text of exactly n chunks ends with one more,
    // empty block, which sends nothing but still waits and steps.
    for (;;) {
        if (stop && stop->load()) {
            sent = false;
            break;
        }
        const QString chunk = text.mid(pos, ChunkChars);
        pos += chunk.size();
        if (!chunk.isEmpty() && !framing::sendText(m_port, chunk)) {
            sent = false; // the port went away: the rest would go nowhere
            break;
        }
        pause();
        progress.step();
        if (chunk.size() < ChunkChars)
            break;
    }
    progress.setPosition(WriteDonePosition);
    pause();
    progress.setPosition(0);
    return sent;
}

QString ShortDialExchange::clean(const QString& received)
{
    // a. Command echoes: from "WL" up to and including the next CR. An echo cut off by the
    // silence has no CR: everything from its "WL" on goes. Removing a piece may join a "W"
    // and an "L" into a new "WL", which goes as well. One pass: the text kept so far never
    // holds a "WL", so the first one is always the one just completed.
    QString text;
    text.reserve(received.size());
    for (qsizetype i = 0; i < received.size(); ++i) {
        text.append(received[i]);
        if (!text.endsWith(QLatin1String("WL")))
            continue;
        text.chop(2);
        const qsizetype cr = received.indexOf(QLatin1Char('\r'), i + 1);
        if (cr < 0)
            break;
        i = cr;
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
