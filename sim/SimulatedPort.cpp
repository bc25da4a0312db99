#include "sim/SimulatedPort.h"

#include <QMutexLocker>

namespace sim {

SimulatedPort::SimulatedPort(UnitModel& unit, platform::VirtualClock& clock) : m_unit(unit), m_clock(clock) {}

bool SimulatedPort::open(const QString& name)
{
    QMutexLocker lock(&m_mutex);
    if (m_openFailure != platform::PortError::None) {
        m_lastError = m_openFailure;
        return false;
    }
    m_lastError = platform::PortError::None;
    m_name = name;
    if (!m_open) {
        // What the unit sent while the port was closed is lost, as on a real serial port.
        m_unit.takeOutput(m_clock.nowMs());
    }
    m_open = true;
    return true;
}

void SimulatedPort::close()
{
    QMutexLocker lock(&m_mutex);
    m_open = false;
    m_buffer.clear();
}

bool SimulatedPort::isOpen() const
{
    QMutexLocker lock(&m_mutex);
    // A unit that dropped the line is a port that hung up.
    return m_open && !m_unit.lineDropped();
}

bool SimulatedPort::write(const QByteArray& bytes)
{
    QMutexLocker lock(&m_mutex);
    if (!m_open)
        return false;
    const qint64 now = m_clock.nowMs();
    m_trace.append(TraceEntry{now, false, bytes});
    m_unit.receive(bytes, now);
    return true;
}

std::optional<char> SimulatedPort::readByte()
{
    QMutexLocker lock(&m_mutex);
    const QByteArray bytes = take(m_readTimeoutMs, true);
    if (bytes.isEmpty())
        return std::nullopt;
    return bytes[0];
}

QByteArray SimulatedPort::readAvailable(int waitMs)
{
    QMutexLocker lock(&m_mutex);
    return take(waitMs, false);
}

QByteArray SimulatedPort::take(int waitMs, bool oneByte)
{
    if (!m_open) {
        // Time passes as on a real port, so a reader polling a closed port cannot spin forever.
        m_clock.advance(waitMs);
        return {};
    }
    qint64 now = m_clock.nowMs();
    m_buffer += m_unit.takeOutput(now);
    if (m_buffer.isEmpty()) {
        const std::optional<qint64> next = m_unit.nextOutputAt();
        if (next && *next <= now + waitMs) {
            m_clock.advanceTo(*next);
            now = m_clock.nowMs();
            m_buffer += m_unit.takeOutput(now);
        } else {
            m_clock.advance(waitMs);
            return {};
        }
    }
    const QByteArray out = oneByte ? m_buffer.left(1) : m_buffer;
    m_buffer.remove(0, out.size());
    if (!out.isEmpty()) {
        // Consecutive reads at the same moment share one trace entry.
        if (!m_trace.isEmpty() && m_trace.last().fromUnit && m_trace.last().atMs == now)
            m_trace.last().bytes += out;
        else
            m_trace.append(TraceEntry{now, true, out});
    }
    return out;
}

void SimulatedPort::setReadTimeout(int ms)
{
    QMutexLocker lock(&m_mutex);
    m_readTimeoutMs = ms < 0 ? 0 : ms;
}

platform::PortError SimulatedPort::lastError() const
{
    QMutexLocker lock(&m_mutex);
    return m_lastError;
}

QString SimulatedPort::lastErrorDetail() const
{
    QMutexLocker lock(&m_mutex);
    switch (m_lastError) {
    case platform::PortError::None:
        return {};
    case platform::PortError::NotFound:
        return QStringLiteral("no such device");
    case platform::PortError::InUse:
        return QStringLiteral("device in use");
    case platform::PortError::PermissionDenied:
        return QStringLiteral("permission denied");
    case platform::PortError::Settings:
        return QStringLiteral("line settings rejected");
    case platform::PortError::Other:
        break;
    }
    return QStringLiteral("cannot open device");
}

void SimulatedPort::setOpenFailure(platform::PortError error)
{
    QMutexLocker lock(&m_mutex);
    m_openFailure = error;
}

QString SimulatedPort::openedName() const
{
    QMutexLocker lock(&m_mutex);
    return m_name;
}

int SimulatedPort::readTimeout() const
{
    QMutexLocker lock(&m_mutex);
    return m_readTimeoutMs;
}

QList<SimulatedPort::TraceEntry> SimulatedPort::trace() const
{
    QMutexLocker lock(&m_mutex);
    return m_trace;
}

QByteArray SimulatedPort::writtenBytes() const
{
    QMutexLocker lock(&m_mutex);
    QByteArray bytes;
    for (const TraceEntry& e : m_trace) {
        if (!e.fromUnit)
            bytes += e.bytes;
    }
    return bytes;
}

QByteArray SimulatedPort::readBytes() const
{
    QMutexLocker lock(&m_mutex);
    QByteArray bytes;
    for (const TraceEntry& e : m_trace) {
        if (e.fromUnit)
            bytes += e.bytes;
    }
    return bytes;
}

QList<SimulatedPort::TraceEntry> SimulatedPort::writes() const
{
    QMutexLocker lock(&m_mutex);
    QList<TraceEntry> result;
    for (const TraceEntry& e : m_trace) {
        if (!e.fromUnit)
            result.append(e);
    }
    return result;
}

void SimulatedPort::clearTrace()
{
    QMutexLocker lock(&m_mutex);
    m_trace.clear();
}

} // namespace sim
