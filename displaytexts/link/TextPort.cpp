#include "displaytexts/link/TextPort.h"

#include "platform/BytePort.h"
#include "platform/Clock.h"

#include <algorithm>

namespace tekstor {

namespace {
// A line in break reads as a stream of NUL bytes: they carry nothing and do not count as
// the unit talking. True when anything else came.
bool appendWithoutNul(QByteArray& buffer, const QByteArray& bytes)
{
    bool any = false;
    for (char c : bytes) {
        if (c != '\0') {
            buffer.append(c);
            any = true;
        }
    }
    return any;
}
} // namespace

TextPort::TextPort(platform::BytePort& port, platform::Clock& clock) : m_port(port), m_clock(clock) {}

OpenResult TextPort::open(const QString& name)
{
    if (!m_port.isOpen() && !m_port.open(name))
        return m_port.lastError() == platform::PortError::Settings ? OpenResult::CannotSetState
                                                                   : OpenResult::CannotOpen;
    // Single-byte reads return at once with whatever has arrived.
    m_port.setReadTimeout(0);
    return OpenResult::Ok;
}

void TextPort::close()
{
    if (m_port.isOpen())
        m_port.close();
}

bool TextPort::isOpen() const
{
    return m_port.isOpen();
}

bool TextPort::send(const QByteArray& bytes)
{
    if (bytes.size() > MaxSendLength || !m_port.isOpen())
        return false;
    return m_port.write(bytes);
}

void TextPort::waitOnce(int ms, QByteArray& buffer)
{
    const qint64 start = m_clock.nowMs();
    const QByteArray got = m_port.readAvailable(ms);
    if (appendWithoutNul(buffer, got))
        m_lastArrivalMs = m_clock.nowMs();
    if (got.isEmpty()) {
        // A port that gave up early (closed, or one that does not move the clock) must
        // not turn the wait into a busy loop.
        const qint64 rest = start + ms - m_clock.nowMs();
        if (rest > 0)
            m_clock.sleepMs(int(rest));
    }
}

void TextPort::collectFor(int ms, QByteArray& buffer)
{
    const qint64 deadline = m_clock.nowMs() + ms;
    for (qint64 rest = ms; rest > 0; rest = deadline - m_clock.nowMs())
        waitOnce(int(std::min<qint64>(rest, PollSliceMs)), buffer);
}

bool TextPort::collectUntilSize(int size, int timeoutMs, QByteArray& buffer)
{
    return collectUntil([size](const QByteArray& b) { return b.size() >= size; }, timeoutMs, buffer);
}

bool TextPort::collectUntil(const std::function<bool(const QByteArray&)>& done, int timeoutMs,
                            QByteArray& buffer)
{
    const qint64 deadline = m_clock.nowMs() + timeoutMs;
    while (!done(buffer)) {
        const qint64 rest = deadline - m_clock.nowMs();
        if (rest <= 0)
            return false;
        waitOnce(int(std::min<qint64>(rest, PollSliceMs)), buffer);
    }
    return true;
}

QByteArray TextPort::takeAvailable()
{
    QByteArray buffer;
    if (appendWithoutNul(buffer, m_port.readAvailable(0)))
        m_lastArrivalMs = m_clock.nowMs();
    return buffer;
}

} // namespace tekstor
