#pragma once

#include "platform/BytePort.h"
#include "platform/Clock.h"
#include "platform/Progress.h"

#include <QByteArray>
#include <QList>
#include <deque>
#include <functional>

// A byte port on virtual time for protocol tests of both programs: it records every write
// with the virtual time it happened and answers from a script. A reply becomes readable
// replyDelayMs after the write that caused it (0 by default: at once). A read that finds
// nothing due moves the clock on: to the next reply if it is due within the wait, else
// by the whole wait, as a real port would take that long.
class ScriptedPort final : public platform::BytePort {
public:
    struct Written {
        qint64 atMs;
        QByteArray bytes;
    };
    // Given what was just written, the bytes the unit answers (may be empty).
    using Script = std::function<QByteArray(const QByteArray&)>;

    explicit ScriptedPort(platform::VirtualClock& clock) : m_clock(clock) {}

    void setScript(Script script) { m_script = std::move(script); }
    void setReplyDelayMs(int ms) { m_replyDelayMs = ms; }
    // How long a write blocks, as a real UART would.
    void setWriteCostMs(int ms) { m_writeCostMs = ms; }
    // Every following open() fails with this error and reason.
    void failOpens(platform::PortError error, const QString& detail = {})
    {
        m_failWith = error;
        m_detail = detail;
    }
    // Bytes readable from a given time on, without a command.
    void inject(const QByteArray& bytes, qint64 atMs = 0)
    {
        for (char c : bytes)
            m_incoming.push_back({atMs, c});
    }

    const QList<Written>& written() const { return m_written; }
    QList<QByteArray> writtenCommands() const { return writtenStartingWith({}); }
    QList<QByteArray> writtenStartingWith(const QByteArray& prefix) const
    {
        QList<QByteArray> out;
        for (const Written& w : m_written) {
            if (w.bytes.startsWith(prefix))
                out.append(w.bytes);
        }
        return out;
    }
    QString openedName() const { return m_name; }
    int opens() const { return m_opens; }
    int closes() const { return m_closes; }
    int readByteCalls() const { return m_readByteCalls; }
    int emptyReads() const { return m_emptyReads; }
    int readCalls() const { return m_readCalls; }
    int readTimeout() const { return m_readTimeout; }

    bool open(const QString& name) override
    {
        ++m_opens;
        m_name = name;
        m_error = m_failWith;
        if (m_failWith != platform::PortError::None)
            return false;
        m_open = true;
        return true;
    }
    void close() override
    {
        if (m_open)
            ++m_closes;
        m_open = false;
    }
    bool isOpen() const override { return m_open; }

    bool write(const QByteArray& bytes) override
    {
        if (!m_open)
            return false;
        m_written.append({m_clock.nowMs(), bytes});
        m_clock.advance(m_writeCostMs);
        if (m_script)
            inject(m_script(bytes), m_clock.nowMs() + m_replyDelayMs);
        return true;
    }

    std::optional<char> readByte() override
    {
        ++m_readByteCalls;
        const QByteArray byte = take(m_readTimeout < 0 ? DefaultTimeoutMs : m_readTimeout, 1);
        if (byte.isEmpty()) {
            ++m_emptyReads;
            return std::nullopt;
        }
        return byte.at(0);
    }

    QByteArray readAvailable(int waitMs) override
    {
        ++m_readCalls;
        return take(waitMs, -1);
    }

    void setReadTimeout(int ms) override { m_readTimeout = ms; }
    platform::PortError lastError() const override { return m_error; }
    QString lastErrorDetail() const override { return m_detail; }

private:
    static constexpr int DefaultTimeoutMs = 102;

    struct Incoming {
        qint64 atMs;
        char byte;
    };

    // What is due now (at most `most` bytes, -1 for all), waiting at most waitMs for it.
    QByteArray take(int waitMs, int most)
    {
        if (!m_incoming.empty() && m_incoming.front().atMs > m_clock.nowMs() &&
            m_incoming.front().atMs <= m_clock.nowMs() + waitMs)
            m_clock.advanceTo(m_incoming.front().atMs);
        QByteArray out;
        while (!m_incoming.empty() && m_incoming.front().atMs <= m_clock.nowMs() &&
               (most < 0 || out.size() < most)) {
            out.append(m_incoming.front().byte);
            m_incoming.pop_front();
        }
        if (out.isEmpty())
            m_clock.advance(waitMs);
        return out;
    }

    platform::VirtualClock& m_clock;
    Script m_script;
    int m_replyDelayMs = 0;
    int m_writeCostMs = 0;
    std::deque<Incoming> m_incoming;
    QList<Written> m_written;
    platform::PortError m_failWith = platform::PortError::None;
    platform::PortError m_error = platform::PortError::None;
    QString m_detail;
    QString m_name;
    bool m_open = false;
    int m_opens = 0;
    int m_closes = 0;
    int m_readByteCalls = 0;
    int m_emptyReads = 0;
    int m_readCalls = 0;
    int m_readTimeout = -1;
};
