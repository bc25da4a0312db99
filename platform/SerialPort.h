#pragma once

#include "platform/BytePort.h"

#include <QMutex>
#include <QWaitCondition>

#include <atomic>
#include <memory>

class QObject;
class QSerialPort;
class QThread;

namespace platform {

// The serial port on QSerialPort: 9600 baud, no parity, 8 data bits, 1 stop bit, no flow
// control. Any name Qt accepts works: "COM3", "ttyUSB0", or a full path such as
// "/dev/pts/3".
//
// Exchanges run on changing threads (the UI thread connects, a worker reads, the UI thread
// may close), while a QSerialPort belongs to the thread that created it. So the
// QSerialPort lives on a thread of its own for as long as this object exists: every call
// is safe from any thread, received bytes are collected there as they arrive, and
// readByte()/readAvailable() only wait for them. Needs a QCoreApplication (without one,
// open() fails with PortError::Other).
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

    // Waits until every byte has left (bounded by about 1 s plus 2 ms per byte).
    bool write(const QByteArray& bytes) override;
    std::optional<char> readByte() override;
    QByteArray readAvailable(int waitMs) override;
    void setReadTimeout(int ms) override;
    int readTimeout() const { return m_readTimeoutMs.load(); }

    PortError lastError() const override;
    QString lastErrorDetail() const override;

private:
    struct OpenResult {
        PortError error = PortError::None;
        QString detail;
    };

    OpenResult openOnPortThread(const QString& name);
    void closeOnPortThread();
    bool writeOnPortThread(const QByteArray& bytes);
    void takeArrived();
    bool hungUp() const;
    void portFailed();
    qsizetype pendingLocked() const { return m_received.size() - m_head; }

    std::unique_ptr<QThread> m_thread;
    QObject* m_context = nullptr;  // lives on m_thread
    QSerialPort* m_port = nullptr; // created, used and destroyed on m_thread only

    mutable QMutex m_mutex; // guards everything below
    QWaitCondition m_arrived;
    QByteArray m_received;
    qsizetype m_head = 0;
    bool m_open = false;
    QString m_name;
    PortError m_error = PortError::None;
    QString m_errorDetail;

    std::atomic<int> m_readTimeoutMs{DefaultReadTimeoutMs};
};

} // namespace platform
