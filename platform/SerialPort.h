#pragma once

#include "platform/BytePort.h"

#include <QDeadlineTimer>
#include <QMutex>
#include <QWaitCondition>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

class QLockFile;
class QObject;
class QSerialPort;
class QThread;

namespace platform {

// The serial port on QSerialPort: 9600 baud, no parity, 8 data bits, 1 stop bit, no flow
// control. Any name Qt accepts works: "COM3", "ttyUSB0", or a full path such as
// "/dev/pts/3".
//
// Exchanges run on changing threads (the UI thread connects, a worker reads, the UI thread
// may close, Tekstor reads on one thread while another sends): every call is safe from any
// thread.
//
// On Unix the calling thread reads and writes the device itself. A lock-step exchange
// (one register written, its echo awaited, 600 times) pays every hand-over between threads
// once per register, so none sits between the line and the caller. close() wakes a
// waiting read or write through a pipe and closes the device once neither uses it. The
// lock file in /var/lock keeps other programs (and a second port here) off the line, as
// QSerialPort's does.
//
// Elsewhere the QSerialPort lives on a thread of its own (it belongs to the thread that
// created it): received bytes are collected there as they arrive, and the reads only wait
// for them. That needs a QCoreApplication (without one, open() fails with
// PortError::Other).
class SerialPort final : public BytePort {
public:
    static constexpr int DefaultReadTimeoutMs = 102;

    SerialPort();
    ~SerialPort() override;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Opening the name that is already open keeps it open (and what it has received);
    // another name closes the port first.
    bool open(const QString& name) override;
    // Wakes any read that is waiting; it returns nothing.
    void close() override;
    bool isOpen() const override;
    QString portName() const;

    // Returns once every byte is handed to the driver (bounded by about 1 s plus 2 ms per
    // byte).
    bool write(const QByteArray& bytes) override;
    std::optional<char> readByte() override;
    QByteArray readAvailable(int waitMs) override;
    void setReadTimeout(int ms) override;
    int readTimeout() const { return m_readTimeoutMs.load(); }

    PortError lastError() const override;
    QString lastErrorDetail() const override;

private:
#ifdef Q_OS_UNIX
    void closeDevice();    // with m_openLock held
    void lineGone();       // with m_mutex held
    void doneWithDevice(); // with m_mutex held: one read or write left its system call
    qsizetype pendingLocked() const
    {
        return m_received.size() - m_head;
    }
    // Reads what the device holds into m_received, waiting until the deadline for the
    // first byte; returns once something is pending, the deadline passed or the port closed.
    void receive(const QDeadlineTimer& deadline);

    QMutex m_openLock;  // open and close one at a time; taken before m_mutex
    QMutex m_readLock;  // one reader of the device at a time: the bytes keep their order
    QMutex m_writeLock; // one writer at a time: commands are never interleaved
    // Standard types here: a wait on a QWaitCondition releases the mutex inside Qt, out of
    // ThreadSanitizer's sight, which then reports the guarded fields as raced.
    mutable std::mutex m_mutex;           // guards everything below
    std::condition_variable_any m_unused; // m_users dropped to zero
    int m_fd = -1;
    int m_users = 0;          // reads and writes inside a system call on m_fd
    int m_wake[2] = {-1, -1}; // a byte in this pipe ends every wait on the device
    std::unique_ptr<QLockFile> m_lockFile;
#else
    struct OpenResult {
        PortError error = PortError::None;
        QString detail;
    };

    OpenResult openOnPortThread(const QString& name);
    void closeOnPortThread();
    bool writeOnPortThread(const QByteArray& bytes);
    void takeArrived();
    void portFailed();
    qsizetype pendingLocked() const
    {
        return m_received.size() - m_head;
    }

    std::unique_ptr<QThread> m_thread;
    QObject* m_context = nullptr;  // lives on m_thread
    QSerialPort* m_port = nullptr; // created, used and destroyed on m_thread only

    mutable QMutex m_mutex; // guards everything below
    QWaitCondition m_arrived;
#endif
    QByteArray m_received;
    qsizetype m_head = 0;
    bool m_open = false;
    QString m_name;
    PortError m_error = PortError::None;
    QString m_errorDetail;

    std::atomic<int> m_readTimeoutMs{DefaultReadTimeoutMs};
};

} // namespace platform
