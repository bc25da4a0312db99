#pragma once

#include "platform/BytePort.h"
#include "platform/Clock.h"
#include "sim/UnitModel.h"

#include <QList>
#include <QMutex>

namespace sim {

// A serial port wired in-process to a simulated unit on virtual time. A read that finds no
// byte due advances the clock: to the next byte's moment when it is due within the read
// time-out, else by the whole time-out. So a 600-register exchange runs in milliseconds
// while every byte keeps its moment in virtual time.
class SimulatedPort : public platform::BytePort {
public:
    struct TraceEntry {
        qint64 atMs;
        bool fromUnit; // false: written by the PC
        QByteArray bytes;
    };

    SimulatedPort(UnitModel& unit, platform::VirtualClock& clock);

    bool open(const QString& name) override;
    void close() override;
    bool isOpen() const override;
    bool write(const QByteArray& bytes) override;
    std::optional<char> readByte() override;
    QByteArray readAvailable(int waitMs) override;
    void setReadTimeout(int ms) override;
    platform::PortError lastError() const override;
    QString lastErrorDetail() const override;

    // Makes every following open() fail with this error (None: opens again).
    void setOpenFailure(platform::PortError error);
    QString openedName() const;
    int readTimeout() const;

    // Every write and every byte read, with its virtual time, in order.
    QList<TraceEntry> trace() const;
    QByteArray writtenBytes() const;
    QByteArray readBytes() const;
    // The writes alone, one entry per write() call.
    QList<TraceEntry> writes() const;
    void clearTrace();

private:
    // Takes the bytes due now, or waits (in virtual time) at most waitMs for the first one.
    QByteArray take(int waitMs, bool oneByte);

    UnitModel& m_unit;
    platform::VirtualClock& m_clock;
    mutable QMutex m_mutex;
    QByteArray m_buffer; // due bytes not yet read
    QList<TraceEntry> m_trace;
    QString m_name;
    platform::PortError m_openFailure = platform::PortError::None;
    platform::PortError m_lastError = platform::PortError::None;
    int m_readTimeoutMs = 102;
    bool m_open = false;
};

} // namespace sim
