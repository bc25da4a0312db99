#pragma once

#include <QByteArray>
#include <QList>
#include <functional>

#include "BytePort.h"
#include "Clock.h"
#include "Progress.h"

// A byte port for protocol tests: records every write with its virtual time and answers
// from a script. Queued bytes are readable at once; a read that finds none advances the
// virtual clock by the read time-out, as a real port would take that long.
class ScriptedPort final : public platform::BytePort {
public:
    struct Write {
        qint64 atMs;
        QByteArray bytes;
    };

    explicit ScriptedPort(platform::VirtualClock& clock) : m_clock(clock) {}

    // Called with each write; what it returns becomes readable.
    std::function<QByteArray(const QByteArray&)> responder;

    void queue(const QByteArray& bytes) { m_input.append(bytes); }
    void failOpens(platform::PortError error, const QString& detail)
    {
        m_openError = error;
        m_detail = detail;
    }

    bool open(const QString& name) override
    {
        ++opens;
        openedName = name;
        if (m_openError != platform::PortError::None)
            return false;
        m_open = true;
        return true;
    }
    void close() override
    {
        if (m_open)
            ++closes;
        m_open = false;
    }
    bool isOpen() const override { return m_open; }
    bool write(const QByteArray& bytes) override
    {
        if (!m_open)
            return false;
        writes.append({m_clock.nowMs(), bytes});
        m_clock.advance(writeCostMs);
        if (responder)
            m_input.append(responder(bytes));
        return true;
    }
    std::optional<char> readByte() override
    {
        ++reads;
        if (m_input.isEmpty()) {
            ++emptyReads;
            m_clock.advance(timeoutMs);
            return std::nullopt;
        }
        const char c = m_input.at(0);
        m_input.remove(0, 1);
        return c;
    }
    QByteArray readAvailable(int) override
    {
        QByteArray all = m_input;
        m_input.clear();
        return all;
    }
    void setReadTimeout(int ms) override { timeoutMs = ms; }
    platform::PortError lastError() const override { return m_openError; }
    QString lastErrorDetail() const override { return m_detail; }

    QList<QByteArray> writtenCommands() const
    {
        QList<QByteArray> out;
        for (const Write& w : writes)
            out.append(w.bytes);
        return out;
    }

    QList<Write> writes;
    QString openedName;
    int opens = 0;
    int closes = 0;
    int reads = 0;
    int emptyReads = 0;
    int timeoutMs = 102;
    int writeCostMs = 0; // how long a write blocks, as a real UART would

private:
    platform::VirtualClock& m_clock;
    QByteArray m_input;
    platform::PortError m_openError = platform::PortError::None;
    QString m_detail;
    bool m_open = false;
};

// Counts what an exchange reports to its progress bar.
class RecordingProgress final : public platform::Progress {
public:
    void setRange(int maximum) override { ranges.append(maximum); }
    void setPosition(int position) override
    {
        positions.append(position);
        current = position;
    }
    void step() override
    {
        ++steps;
        ++current;
    }
    QList<int> ranges;
    QList<int> positions;
    int steps = 0;
    int current = 0;
};
