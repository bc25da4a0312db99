#pragma once

#include <QByteArray>

#include "platform/BytePort.h"

class QIODevice;

namespace platform {
class Clock;
}

namespace cli {

// Wraps a port and logs every byte sent and received, with the clock's milliseconds, in
// hex and as printable text: "    1234 ms TX  24 52 30 30 35 0D  |$R005.|". Received
// bytes are gathered into one line until the next write, an empty read or 16 bytes.
class TracingPort final : public platform::BytePort {
public:
    TracingPort(platform::BytePort& inner, platform::Clock& clock, QIODevice& log);
    ~TracingPort() override;

    bool open(const QString& name) override;
    void close() override;
    bool isOpen() const override;
    bool write(const QByteArray& bytes) override;
    std::optional<char> readByte() override;
    QByteArray readAvailable(int waitMs) override;
    void setReadTimeout(int ms) override;
    platform::PortError lastError() const override;
    QString lastErrorDetail() const override;

    // One log line; public for the tests of the format.
    static QByteArray formatLine(qint64 ms, const char* direction, const QByteArray& bytes);

private:
    void flushReceived();
    void note(const QByteArray& text);

    platform::BytePort& m_inner;
    platform::Clock& m_clock;
    QIODevice& m_log;
    QByteArray m_received;
    qint64 m_receivedAt = 0;
    bool m_wasOpen = false; // to note a port that closed by itself
};

} // namespace cli
