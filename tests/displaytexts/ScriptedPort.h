#pragma once

#include "platform/BytePort.h"
#include "platform/Clock.h"

#include <QList>
#include <deque>
#include <functional>

// A byte port on virtual time for protocol tests: it records every write with the
// virtual time it happened and answers from a script. Replies become readable after a
// delay; a read that finds nothing moves the clock on by its wait (or to the next reply).
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
    // The next open() fails with this error.
    void failNextOpen(platform::PortError error) { m_failWith = error; }
    // Bytes readable from a given time on, without a command.
    void inject(const QByteArray& bytes, qint64 atMs)
    {
        for (char c : bytes)
            m_incoming.push_back({atMs, c});
    }

    const QList<Written>& written() const { return m_written; }
    QList<QByteArray> writtenStartingWith(const QByteArray& prefix) const
    {
        QList<QByteArray> out;
        for (const Written& w : m_written) {
            if (w.bytes.startsWith(prefix))
                out.append(w.bytes);
        }
        return out;
    }
    int readCalls() const { return m_readCalls; }
    QString openedName() const { return m_name; }

    bool open(const QString& name) override
    {
        m_name = name;
        if (m_failWith != platform::PortError::None) {
            m_error = m_failWith;
            m_failWith = platform::PortError::None;
            return false;
        }
        m_open = true;
        return true;
    }
    void close() override { m_open = false; }
    bool isOpen() const override { return m_open; }

    bool write(const QByteArray& bytes) override
    {
        if (!m_open)
            return false;
        m_written.append({m_clock.nowMs(), bytes});
        if (m_script)
            inject(m_script(bytes), m_clock.nowMs() + m_replyDelayMs);
        return true;
    }

    std::optional<char> readByte() override
    {
        if (!m_incoming.empty() && m_incoming.front().atMs <= m_clock.nowMs()) {
            const char c = m_incoming.front().byte;
            m_incoming.pop_front();
            return c;
        }
        return std::nullopt;
    }

    QByteArray readAvailable(int waitMs) override
    {
        ++m_readCalls;
        if (!m_incoming.empty() && m_incoming.front().atMs > m_clock.nowMs() &&
            m_incoming.front().atMs <= m_clock.nowMs() + waitMs)
            m_clock.advanceTo(m_incoming.front().atMs);
        QByteArray out;
        while (!m_incoming.empty() && m_incoming.front().atMs <= m_clock.nowMs()) {
            out.append(m_incoming.front().byte);
            m_incoming.pop_front();
        }
        if (out.isEmpty())
            m_clock.advance(waitMs);
        return out;
    }

    void setReadTimeout(int ms) override { m_readTimeout = ms; }
    int readTimeout() const { return m_readTimeout; }
    platform::PortError lastError() const override { return m_error; }
    QString lastErrorDetail() const override { return {}; }

private:
    struct Incoming {
        qint64 atMs;
        char byte;
    };
    platform::VirtualClock& m_clock;
    Script m_script;
    int m_replyDelayMs = 5;
    std::deque<Incoming> m_incoming;
    QList<Written> m_written;
    platform::PortError m_failWith = platform::PortError::None;
    platform::PortError m_error = platform::PortError::None;
    QString m_name;
    bool m_open = false;
    int m_readCalls = 0;
    int m_readTimeout = -1;
};
