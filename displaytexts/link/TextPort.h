#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace platform {
class BytePort;
class Clock;
} // namespace platform

namespace tekstor {

// Result of opening the port, with the editor's numbers: 1 ok, -1 cannot be opened,
// -2 line settings cannot be applied.
enum class OpenResult { Ok = 1, CannotOpen = -1, CannotSetState = -2 };

// The port operations of the text editor on top of a byte port: open at 9600 baud,
// 8 data bits, no parity with reads that return at once; sends of at most 100
// characters; and collecting what the unit sends for a stretch of clock time. Waiting
// happens on the port (readAvailable with a short wait), so collecting costs next to no
// CPU while the pacing stays that of the clock.
class TextPort {
public:
    // No command of the protocol is longer; a longer string is not sent at all.
    static constexpr int MaxSendLength = 100;
    // Longest single wait handed to the port while collecting.
    static constexpr int PollSliceMs = 50;

    TextPort(platform::BytePort& port, platform::Clock& clock);

    // An already open port is kept (and its read time-out set again).
    OpenResult open(const QString& name);
    void close();
    bool isOpen() const;

    // Sends bytes in one write. False (and nothing sent) when longer than 100 bytes or
    // the port is closed; false too when the write itself failed.
    bool send(const QByteArray& bytes);

    // Appends what arrives to buffer (0x00 dropped) until ms of clock time have passed.
    void collectFor(int ms, QByteArray& buffer);

    // Appends what arrives until buffer holds at least size bytes or timeoutMs of clock
    // time have passed; true when the size was reached.
    bool collectUntilSize(int size, int timeoutMs, QByteArray& buffer);

    // Appends what arrives until done(buffer) holds or timeoutMs of clock time have passed;
    // true when done held. Looked at after every arrival, so it ends with the byte that
    // made it hold.
    bool collectUntil(const std::function<bool(const QByteArray&)>& done, int timeoutMs, QByteArray& buffer);

    // What has arrived so far, without waiting (0x00 dropped).
    QByteArray takeAvailable();

    // Clock time of the last read that brought bytes; -1 before any.
    qint64 lastArrivalMs() const { return m_lastArrivalMs; }

    platform::BytePort& port() { return m_port; }
    platform::Clock& clock() { return m_clock; }

private:
    // One wait of at most ms on the port; advances the clock itself when the port
    // returned early with nothing so no loop can spin without time passing.
    void waitOnce(int ms, QByteArray& buffer);

    platform::BytePort& m_port;
    platform::Clock& m_clock;
    qint64 m_lastArrivalMs = -1;
};

} // namespace tekstor
