#include "cli/TracingPort.h"

#include <QIODevice>

#include "platform/Clock.h"

namespace cli {

namespace {
constexpr int kBytesPerLine = 16;
}

TracingPort::TracingPort(platform::BytePort& inner, platform::Clock& clock, QIODevice& log)
    : m_inner(inner), m_clock(clock), m_log(log)
{}

TracingPort::~TracingPort()
{
    flushReceived();
}

QByteArray TracingPort::formatLine(qint64 ms, const char* direction, const QByteArray& bytes)
{
    QByteArray printable;
    for (char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        printable.append(u >= 0x20 && u < 0x7F ? c : '.');
    }
    return QByteArray::number(ms).rightJustified(8, ' ') + " ms " + direction + "  " +
           bytes.toHex(' ').toUpper() + "  |" + printable + "|\n";
}

void TracingPort::note(const QByteArray& text)
{
    flushReceived();
    m_log.write(QByteArray::number(m_clock.nowMs()).rightJustified(8, ' ') + " ms -- " + text + "\n");
}

void TracingPort::flushReceived()
{
    if (m_received.isEmpty())
        return;
    m_log.write(formatLine(m_receivedAt, "RX", m_received));
    m_received.clear();
}

bool TracingPort::open(const QString& name)
{
    const bool ok = m_inner.open(name);
    m_wasOpen = ok;
    note("open " + name.toLocal8Bit() + (ok ? "" : " failed: " + m_inner.lastErrorDetail().toLocal8Bit()));
    return ok;
}

void TracingPort::close()
{
    if (m_inner.isOpen())
        note("close");
    m_inner.close();
    m_wasOpen = false;
}

bool TracingPort::isOpen() const
{
    return m_inner.isOpen();
}

bool TracingPort::write(const QByteArray& bytes)
{
    flushReceived();
    m_log.write(formatLine(m_clock.nowMs(), "TX", bytes));
    const bool ok = m_inner.write(bytes);
    if (!ok)
        note("write failed" +
             (m_inner.isOpen() ? QByteArray() : ", port closed: " + m_inner.lastErrorDetail().toLocal8Bit()));
    return ok;
}

std::optional<char> TracingPort::readByte()
{
    const std::optional<char> byte = m_inner.readByte();
    if (!byte) {
        flushReceived();
        if (m_wasOpen && !m_inner.isOpen())
            note("port closed: " + m_inner.lastErrorDetail().toLocal8Bit());
        m_wasOpen = m_inner.isOpen();
        return byte;
    }
    if (m_received.isEmpty())
        m_receivedAt = m_clock.nowMs();
    m_received.append(*byte);
    if (m_received.size() >= kBytesPerLine)
        flushReceived();
    return byte;
}

QByteArray TracingPort::readAvailable(int waitMs)
{
    flushReceived();
    const QByteArray bytes = m_inner.readAvailable(waitMs);
    for (qsizetype i = 0; i < bytes.size(); i += kBytesPerLine)
        m_log.write(formatLine(m_clock.nowMs(), "RX", bytes.mid(i, kBytesPerLine)));
    return bytes;
}

void TracingPort::setReadTimeout(int ms)
{
    m_inner.setReadTimeout(ms);
}

platform::PortError TracingPort::lastError() const
{
    return m_inner.lastError();
}

QString TracingPort::lastErrorDetail() const
{
    return m_inner.lastErrorDetail();
}

} // namespace cli
