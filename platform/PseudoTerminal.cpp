#include "platform/PseudoTerminal.h"

#include <QElapsedTimer>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>
#if defined(Q_OS_LINUX)
#include <sys/prctl.h>
#endif
#endif

namespace platform {

PseudoTerminal::~PseudoTerminal()
{
    close();
}

#if defined(Q_OS_UNIX)

namespace {
QString systemError(const char* what)
{
    return QStringLiteral("%1: %2").arg(QString::fromLatin1(what),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

bool makeRaw(int fd)
{
    termios tio{};
    if (tcgetattr(fd, &tio) != 0)
        return false;
    cfmakeraw(&tio);
    cfsetispeed(&tio, B9600);
    cfsetospeed(&tio, B9600);
    tio.c_cflag |= CLOCAL | CREAD;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    return tcsetattr(fd, TCSANOW, &tio) == 0;
}
} // namespace

bool PseudoTerminal::open()
{
    close();
    m_error.clear();
    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0) {
        m_error = systemError("posix_openpt");
        return false;
    }
    if (grantpt(master) != 0 || unlockpt(master) != 0) {
        m_error = systemError("grantpt/unlockpt");
        ::close(master);
        return false;
    }
    char name[256] = {};
    if (ptsname_r(master, name, sizeof name) != 0) {
        m_error = systemError("ptsname");
        ::close(master);
        return false;
    }
    // Holding a slave descriptor keeps the master readable and writable while no client
    // has the device open, and keeps the raw settings between the client's sessions.
    const int slave = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slave < 0) {
        m_error = systemError("open slave");
        ::close(master);
        return false;
    }
    if (!makeRaw(slave)) {
        m_error = systemError("tcsetattr");
        ::close(slave);
        ::close(master);
        return false;
    }
    const int flags = fcntl(master, F_GETFL);
    fcntl(master, F_SETFL, flags | O_NONBLOCK);
    m_master = master;
    m_slave = slave;
    m_slavePath = QString::fromLocal8Bit(name);
    return true;
}

void PseudoTerminal::close()
{
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
    m_slave = -1;
    m_master = -1;
    m_slavePath.clear();
}

QByteArray PseudoTerminal::read(int timeoutMs)
{
    return readWithin(qint64(timeoutMs) * 1000);
}

QByteArray PseudoTerminal::readWithin(qint64 timeoutUs, WaitEnd end)
{
    if (m_master < 0)
        return {};
    timeoutUs = qMax<qint64>(timeoutUs, 0);
    if (end == WaitEnd::Loose)
        return waitForInput(timeoutUs) ? readAvailable() : QByteArray();

    constexpr qint64 kSpinUs = 100; // longer than a sleeping thread here usually wakes late
#if defined(Q_OS_LINUX)
    // Linux lets an ordinary thread's timers fire up to 50 microseconds late, to bunch
    // wake-ups; this thread wants them when due.
    thread_local const bool exactTimers = ::prctl(PR_SET_TIMERSLACK, 1UL) == 0;
    Q_UNUSED(exactTimers);
#endif
    QElapsedTimer waited;
    waited.start();
    if (timeoutUs > kSpinUs && waitForInput(timeoutUs - kSpinUs))
        return readAvailable();
    while (waited.nsecsElapsed() / 1000 < timeoutUs) {
        if (waitForInput(0))
            return readAvailable();
    }
    return {};
}

bool PseudoTerminal::waitForInput(qint64 timeoutUs) const
{
    pollfd pfd{m_master, POLLIN, 0};
#if defined(Q_OS_LINUX)
    const timespec timeout{time_t(timeoutUs / 1000000), long(timeoutUs % 1000000) * 1000};
    const int ready = ::ppoll(&pfd, 1, &timeout, nullptr);
#else
    const int ready = ::poll(&pfd, 1, int((timeoutUs + 999) / 1000));
#endif
    return ready > 0 && (pfd.revents & POLLIN);
}

QByteArray PseudoTerminal::readAvailable()
{
    QByteArray bytes;
    char buffer[512];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n <= 0)
            break;
        bytes.append(buffer, static_cast<qsizetype>(n));
        if (n < static_cast<ssize_t>(sizeof buffer))
            break;
    }
    return bytes;
}

qint64 PseudoTerminal::write(const QByteArray& bytes)
{
    if (m_master < 0)
        return -1;
    if (bytes.isEmpty())
        return 0;
    const ssize_t n = ::write(m_master, bytes.constData(), static_cast<size_t>(bytes.size()));
    if (n < 0)
        return (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) ? 0 : -1;
    return n;
}

void PseudoTerminal::discardInput()
{
    if (m_master >= 0)
        tcflush(m_master, TCIFLUSH);
}

#else // no pseudo-terminals on this system

bool PseudoTerminal::open()
{
    m_error = QStringLiteral("pseudo-terminals are not available on this system");
    return false;
}

void PseudoTerminal::close()
{
    m_master = -1;
    m_slave = -1;
    m_slavePath.clear();
}

QByteArray PseudoTerminal::read(int)
{
    return {};
}

QByteArray PseudoTerminal::readWithin(qint64, WaitEnd)
{
    return {};
}

qint64 PseudoTerminal::write(const QByteArray&)
{
    return -1;
}

void PseudoTerminal::discardInput() {}

#endif

} // namespace platform
