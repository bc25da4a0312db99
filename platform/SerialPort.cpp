#include "platform/SerialPort.h"

// The serial port on Unix; platform/SerialPortQt.cpp holds the one for other systems.
#ifdef Q_OS_UNIX

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace platform {

namespace {

constexpr int kReadChunk = 4096;

// The device file behind a port name: "ttyUSB0" lies in /dev, a path is taken as it is.
QString devicePath(const QString& name)
{
    const bool path = name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1String("./")) ||
                      name.startsWith(QLatin1String("../"));
    return path ? name : QStringLiteral("/dev/") + name;
}

// When the device file exists but this user may not read and write it, the reason with
// the group that owns it (the user usually has to join it); empty otherwise.
QString accessRefusedDetail(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() || (info.isReadable() && info.isWritable()))
        return {};
    const QString group = info.group();
    return group.isEmpty() ? QStringLiteral("permission denied")
                           : QStringLiteral("permission denied (group %1)").arg(group);
}

// The lock file other programs look for ("LCK..ttyUSB0"; "/dev/pts/3" gives "LCK..pts_3"),
// in the first of the usual folders this user may write to.
QString lockFilePath(const QString& path)
{
    QString name = path.startsWith(QLatin1String("/dev/")) ? path.mid(5) : QFileInfo(path).fileName();
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    for (const char* dir : {"/var/lock", "/run/lock", "/var/spool/locks", "/var/spool/uucp"}) {
        const QFileInfo info(QString::fromLatin1(dir));
        if (info.isDir() && info.isWritable())
            return info.filePath() + QStringLiteral("/LCK..") + name;
    }
    return QDir::tempPath() + QStringLiteral("/LCK..") + name;
}

// 9600 baud, 8 data bits, no parity, 1 stop bit, no flow control, bytes as they are,
// and nothing left from before.
bool setLine(int fd)
{
    termios t{};
    if (::tcgetattr(fd, &t) != 0)
        return false;
    ::cfmakeraw(&t);
    t.c_cflag &= ~tcflag_t(CSIZE | PARENB | CSTOPB | CRTSCTS);
    t.c_cflag |= CS8 | CLOCAL | CREAD;
    t.c_iflag &= ~tcflag_t(IXON | IXOFF | IXANY);
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    // Bytes that reached the line before it was opened answer nothing of ours: a
    // pseudo-terminal keeps the tail of the last session's reply while no one listens.
    return ::cfsetispeed(&t, B9600) == 0 && ::cfsetospeed(&t, B9600) == 0 &&
           ::tcsetattr(fd, TCSANOW, &t) == 0 && ::tcflush(fd, TCIFLUSH) == 0;
}

int pollMs(const QDeadlineTimer& deadline)
{
    const qint64 remaining = deadline.remainingTime();
    return remaining < 0 ? -1 : int(qMin<qint64>(remaining, INT_MAX));
}

// A read or write error that means the device is gone (adapter pulled, the far end of a
// pseudo-terminal closed), not that it merely had nothing to give.
bool lineLost(int error)
{
    return error != EAGAIN && error != EWOULDBLOCK && error != EINTR;
}

} // namespace

SerialPort::SerialPort()
{
    if (::pipe(m_wake) == 0) {
        for (int fd : m_wake) {
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
            ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        }
    }
}

SerialPort::~SerialPort()
{
    close();
    for (int fd : m_wake) {
        if (fd >= 0)
            ::close(fd);
    }
}

bool SerialPort::open(const QString& name)
{
    QMutexLocker opening(&m_openLock);
    {
        QMutexLocker lock(&m_mutex);
        if (m_open && name == m_name)
            return true;
    }
    closeDevice();

    PortError error = PortError::None;
    QString detail;
    int fd = -1;
    auto lockFile = std::make_unique<QLockFile>(lockFilePath(devicePath(name)));
    const QString path = devicePath(name);
    if (name.trimmed().isEmpty()) {
        error = PortError::NotFound;
        detail = QStringLiteral("no port chosen");
    } else if (m_wake[0] < 0) {
        error = PortError::Other;
        detail = QStringLiteral("no wake-up pipe");
    } else if (!QFileInfo::exists(path)) {
        error = PortError::NotFound;
        detail = QStringLiteral("device not found");
    } else if (!lockFile->tryLock(0)) {
        error = PortError::InUse;
        detail = QStringLiteral("in use by another program");
    } else if ((fd = ::open(QFile::encodeName(path).constData(),
                            O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC)) < 0) {
        const int e = errno;
        const QString refused = accessRefusedDetail(path);
        if (!refused.isEmpty()) {
            error = PortError::PermissionDenied;
            detail = refused;
        } else if (e == ENOENT || e == ENODEV || e == ENXIO) {
            error = PortError::NotFound;
            detail = QStringLiteral("device not found");
        } else if (e == EBUSY || e == EACCES || e == EPERM) {
            error = PortError::InUse; // another program holds it exclusively
            detail = QStringLiteral("in use by another program");
        } else {
            error = PortError::Other;
            detail = QString::fromLocal8Bit(std::strerror(e));
        }
    } else if (::ioctl(fd, TIOCEXCL) != 0 || !setLine(fd)) {
        error = PortError::Settings;
        detail = QStringLiteral("line settings not accepted (%1)")
                     .arg(QString::fromLocal8Bit(std::strerror(errno)));
        ::close(fd);
        fd = -1;
    }

    QMutexLocker lock(&m_mutex);
    m_error = error;
    m_errorDetail = detail;
    if (fd < 0)
        return false;
    m_fd = fd;
    m_lockFile = std::move(lockFile);
    m_open = true;
    m_name = name;
    m_received.clear();
    m_head = 0;
    return true;
}

void SerialPort::close()
{
    QMutexLocker opening(&m_openLock);
    closeDevice();
}

void SerialPort::closeDevice()
{
    QMutexLocker lock(&m_mutex);
    m_open = false;
    m_name.clear();
    m_received.clear();
    m_head = 0;
    if (m_fd < 0)
        return;
    // Wake every read and write that waits on the device, and close it once they left.
    const char wake = 0;
    [[maybe_unused]] const ssize_t ignored = ::write(m_wake[1], &wake, 1);
    while (m_users > 0)
        m_unused.wait(m_mutex);
    char drained[64];
    while (::read(m_wake[0], drained, sizeof drained) > 0) {
    }
    // The lock goes first: once the device is closed, a pseudo-terminal's number may be
    // given to a new line at once, which must not find our lock on its name.
    m_lockFile.reset();
    ::close(m_fd);
    m_fd = -1;
}

void SerialPort::lineGone()
{
    // The descriptor stays until close() or the next open(); nothing reads or writes it.
    // Kept open, it also keeps a pseudo-terminal's number (and our lock on its name) from
    // passing to a new line meanwhile.
    if (!m_open)
        return;
    m_open = false;
    m_error = PortError::Other;
    m_errorDetail = QStringLiteral("device disappeared");
}

void SerialPort::doneWithDevice()
{
    if (--m_users == 0)
        m_unused.notify_all();
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
    QMutexLocker writing(&m_writeLock);
    QMutexLocker lock(&m_mutex);
    if (!m_open)
        return false;
    const int fd = m_fd;
    ++m_users;
    lock.unlock();

    // 9600 baud moves about one byte per millisecond; twice that plus a second is ample.
    const QDeadlineTimer deadline(1000 + 2 * bytes.size());
    qsizetype done = 0;
    bool lost = false;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && lineLost(errno)) {
            lost = true;
            break;
        }
        // The driver's buffer is full: wait until it takes more, the port closes or time is up.
        pollfd p[2]{{fd, POLLOUT, 0}, {m_wake[0], POLLIN, 0}};
        if (::poll(p, 2, pollMs(deadline)) <= 0 || (p[1].revents & POLLIN) ||
            (p[0].revents & (POLLHUP | POLLERR | POLLNVAL)))
            break;
    }

    lock.relock();
    doneWithDevice();
    if (lost)
        lineGone();
    return done == bytes.size() && m_open;
}

void SerialPort::receive(const QDeadlineTimer& deadline)
{
    QMutexLocker lock(&m_mutex);
    while (pendingLocked() == 0 && m_open) {
        const int fd = m_fd;
        ++m_users;
        lock.unlock();

        pollfd p[2]{{fd, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
        const int ready = ::poll(p, 2, pollMs(deadline));
        const int pollError = ready < 0 ? errno : 0;
        char buffer[kReadChunk];
        ssize_t n = 0;
        bool lost = false;
        if (ready > 0 && !(p[1].revents & POLLIN) &&
            (p[0].revents & (POLLIN | POLLHUP | POLLERR | POLLNVAL))) {
            n = ::read(fd, buffer, sizeof buffer);
            // A hung-up line reads as its end (0) or as an error; a read that merely
            // found nothing yet does not count.
            lost = n < 0 ? lineLost(errno) : n == 0 && (p[0].revents & (POLLHUP | POLLERR | POLLNVAL));
        }

        lock.relock();
        doneWithDevice();
        if (n > 0) {
            if (m_head > 0) {
                m_received.remove(0, m_head);
                m_head = 0;
            }
            m_received.append(buffer, n);
        }
        if (lost)
            lineGone();
        if (ready == 0 || (ready < 0 && pollError != EINTR) || deadline.hasExpired())
            break;
    }
}

std::optional<char> SerialPort::readByte()
{
    const QDeadlineTimer deadline(m_readTimeoutMs.load());
    QMutexLocker reading(&m_readLock);
    receive(deadline);
    QMutexLocker lock(&m_mutex);
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
    QMutexLocker reading(&m_readLock);
    receive(deadline);
    QMutexLocker lock(&m_mutex);
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
