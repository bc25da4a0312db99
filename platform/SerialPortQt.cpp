#include "platform/SerialPort.h"

// The serial port on systems other than Unix: QSerialPort on a thread of its own.
#ifndef Q_OS_UNIX

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSerialPort>
#include <QThread>

namespace platform {

namespace {

// What arrives while nobody reads (monitor output, line noise) is kept up to this size;
// older bytes are dropped first, as a full receive buffer would.
constexpr qsizetype kReceiveLimit = 1024 * 1024;

} // namespace

SerialPort::SerialPort() : m_thread(std::make_unique<QThread>())
{
    m_thread->setObjectName(QStringLiteral("serial port"));
    m_context = new QObject;
    m_context->moveToThread(m_thread.get());
    QObject::connect(m_thread.get(), &QThread::finished, m_context, &QObject::deleteLater);
    if (QCoreApplication::instance())
        m_thread->start();
}

SerialPort::~SerialPort()
{
    close();
    if (!m_thread->isRunning() && !m_thread->isFinished()) {
        delete m_context; // the thread never ran, so nothing deletes it on finishing
        return;
    }
    m_thread->quit();
    m_thread->wait();
}

bool SerialPort::open(const QString& name)
{
    {
        QMutexLocker lock(&m_mutex);
        if (m_open && name == m_name)
            return true;
    }
    // Without a QCoreApplication the port thread has no event loop and runs nothing.
    OpenResult result{PortError::Other,
                      QStringLiteral("serial port thread not running (no QCoreApplication)")};
    if (m_thread->isRunning())
        QMetaObject::invokeMethod(
            m_context, [&] { result = openOnPortThread(name); }, Qt::BlockingQueuedConnection);
    QMutexLocker lock(&m_mutex);
    m_error = result.error;
    m_errorDetail = result.detail;
    return result.error == PortError::None;
}

SerialPort::OpenResult SerialPort::openOnPortThread(const QString& name)
{
    closeOnPortThread();
    if (name.trimmed().isEmpty())
        return {PortError::NotFound, QStringLiteral("no port chosen")};

    auto* port = new QSerialPort(m_context);
    port->setPortName(name);
    port->setBaudRate(QSerialPort::Baud9600);
    port->setDataBits(QSerialPort::Data8);
    port->setParity(QSerialPort::NoParity);
    port->setStopBits(QSerialPort::OneStop);
    port->setFlowControl(QSerialPort::NoFlowControl);
    if (!port->open(QIODevice::ReadWrite)) {
        OpenResult result;
        switch (port->error()) {
        case QSerialPort::DeviceNotFoundError:
            result = {PortError::NotFound, QStringLiteral("device not found")};
            break;
        case QSerialPort::PermissionError: // Windows refuses a port that is open elsewhere
            result = {PortError::InUse, QStringLiteral("in use by another program")};
            break;
        case QSerialPort::OpenError:
            result = {PortError::InUse, QStringLiteral("in use by another program")};
            break;
        case QSerialPort::UnsupportedOperationError:
            result = {PortError::Settings,
                      QStringLiteral("line settings not accepted (%1)").arg(port->errorString())};
            break;
        default:
            result = {PortError::Other, port->errorString()};
            break;
        }
        delete port;
        return result;
    }
    // Bytes that reached the line before the port was opened answer nothing of ours.
    port->clear(QSerialPort::Input);

    QObject::connect(port, &QSerialPort::readyRead, m_context, [this] { takeArrived(); });
    QObject::connect(port, &QSerialPort::errorOccurred, m_context, [this](QSerialPort::SerialPortError e) {
        if (e == QSerialPort::ResourceError)
            portFailed();
    });
    m_port = port;
    QMutexLocker lock(&m_mutex);
    m_received.clear();
    m_head = 0;
    m_open = true;
    m_name = name;
    return {};
}

void SerialPort::close()
{
    {
        QMutexLocker lock(&m_mutex);
        if (!m_open)
            return;
    }
    QMetaObject::invokeMethod(
        m_context, [this] { closeOnPortThread(); }, Qt::BlockingQueuedConnection);
}

void SerialPort::closeOnPortThread()
{
    if (m_port) {
        m_port->close();
        delete m_port;
        m_port = nullptr;
    }
    QMutexLocker lock(&m_mutex);
    m_open = false;
    m_name.clear();
    m_received.clear();
    m_head = 0;
    m_arrived.wakeAll();
}

void SerialPort::portFailed()
{
    // The device went away (adapter pulled, the far end of a pseudo-terminal closed).
    // The port is closed here so its notifier does not fire without end; it is deleted
    // later because this runs inside one of its own signals.
    if (!m_port)
        return;
    QSerialPort* port = m_port;
    m_port = nullptr;
    port->disconnect(m_context);
    port->close();
    port->deleteLater();
    QMutexLocker lock(&m_mutex);
    m_open = false;
    m_error = PortError::Other;
    m_errorDetail = QStringLiteral("device disappeared");
    m_arrived.wakeAll();
}

bool SerialPort::isOpen() const
{
    QMutexLocker lock(&m_mutex);
    return m_open;
}

QString SerialPort::portName() const
{
    QMutexLocker lock(&m_mutex);
    return m_name;
}

bool SerialPort::write(const QByteArray& bytes)
{
    if (!isOpen())
        return false;
    bool ok = false;
    QMetaObject::invokeMethod(
        m_context, [&] { ok = writeOnPortThread(bytes); }, Qt::BlockingQueuedConnection);
    return ok;
}

bool SerialPort::writeOnPortThread(const QByteArray& bytes)
{
    if (!m_port)
        return false;
    if (bytes.isEmpty())
        return true;
    if (m_port->write(bytes) != bytes.size())
        return false;
    // flush() hands the bytes to the device without reading: waitForBytesWritten() also
    // reads, and a read that finds nothing right after a partly read reply can be taken by
    // Qt for a device error, which closed a healthy port.
    m_port->flush();
    // 9600 baud moves about one byte per millisecond; twice that plus a second is ample.
    const QDeadlineTimer deadline(1000 + 2 * bytes.size());
    while (m_port && m_port->bytesToWrite() > 0) {
        if (!m_port->waitForBytesWritten(int(qMax<qint64>(1, deadline.remainingTime()))) ||
            deadline.hasExpired())
            break;
    }
    return m_port && m_port->bytesToWrite() == 0;
}

void SerialPort::takeArrived()
{
    if (!m_port)
        return;
    const QByteArray data = m_port->readAll();
    if (data.isEmpty())
        return;
    QMutexLocker lock(&m_mutex);
    if (m_head > 0 && (m_head == m_received.size() || m_head > 4096)) {
        m_received.remove(0, m_head);
        m_head = 0;
    }
    m_received.append(data);
    if (pendingLocked() > kReceiveLimit) {
        m_received.remove(0, m_received.size() - kReceiveLimit);
        m_head = 0;
    }
    m_arrived.wakeAll();
}

std::optional<char> SerialPort::readByte()
{
    const QDeadlineTimer deadline(m_readTimeoutMs.load());
    QMutexLocker lock(&m_mutex);
    while (pendingLocked() == 0 && m_open) {
        if (!m_arrived.wait(&m_mutex, deadline))
            break;
    }
    if (pendingLocked() == 0)
        return std::nullopt;
    const char c = m_received.at(m_head++);
    if (m_head == m_received.size()) {
        m_received.clear();
        m_head = 0;
    }
    return c;
}

QByteArray SerialPort::readAvailable(int waitMs)
{
    const QDeadlineTimer deadline(qMax(0, waitMs));
    QMutexLocker lock(&m_mutex);
    while (pendingLocked() == 0 && m_open) {
        if (!m_arrived.wait(&m_mutex, deadline))
            break;
    }
    const QByteArray out = m_received.mid(m_head);
    m_received.clear();
    m_head = 0;
    return out;
}

void SerialPort::setReadTimeout(int ms)
{
    m_readTimeoutMs.store(qMax(0, ms));
}

PortError SerialPort::lastError() const
{
    QMutexLocker lock(&m_mutex);
    return m_error;
}

QString SerialPort::lastErrorDetail() const
{
    QMutexLocker lock(&m_mutex);
    return m_errorDetail;
}

} // namespace platform

#endif // Q_OS_UNIX
