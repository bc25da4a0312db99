#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// The master side of a pseudo-terminal whose slave side a program opens as if it were a
// serial port. The slave is put into raw mode and one slave descriptor is kept open here,
// so a client may close and reopen the device without the master seeing a hang-up.
// On systems without pseudo-terminals open() fails and says so in errorString().
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool open();
    void close();
    bool isOpen() const { return m_master >= 0; }

    // Path of the slave device (e.g. /dev/pts/7), empty while closed.
    QString slavePath() const { return m_slavePath; }
    QString errorString() const { return m_error; }

    // How closely a wait that runs out keeps its time-out. A sleeping thread wakes tens of
    // microseconds late; that is nothing for a poll but, paid once per paced byte of a
    // lock-step exchange, it shows in every timing measured against the simulated unit.
    enum class WaitEnd {
        Loose, // sleeps the whole time
        Exact  // sleeps most of it and spins the last 100 microseconds
    };

    // Waits at most timeoutMs for bytes written by the client and returns what has arrived;
    // empty on time-out or error.
    QByteArray read(int timeoutMs);
    // The same with a time-out in microseconds.
    QByteArray readWithin(qint64 timeoutUs, WaitEnd end = WaitEnd::Loose);

    // Writes as many bytes as the terminal takes without blocking; returns how many were
    // taken, or -1 on error.
    qint64 write(const QByteArray& bytes);

    // Drops whatever the client has written but not yet been read.
    void discardInput();

private:
    bool waitForInput(qint64 timeoutUs) const;
    QByteArray readAvailable();

    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
    QString m_error;
};

} // namespace platform
