#pragma once

#include <QtGlobal>
#include <atomic>

namespace platform {

// Every wait of a protocol goes through a clock, so tests can run on virtual time.
class Clock {
public:
    virtual ~Clock() = default;
    virtual qint64 nowMs() const = 0;
    virtual void sleepMs(int ms) = 0;
};

// Wall-clock time; sleeps block the calling thread.
class SystemClock final : public Clock {
public:
    qint64 nowMs() const override;
    void sleepMs(int ms) override;
};

// Time that only moves when someone sleeps or advances it: a 600-register read runs in
// milliseconds while every wait keeps its length in virtual time.
class VirtualClock final : public Clock {
public:
    qint64 nowMs() const override { return m_now.load(); }
    void sleepMs(int ms) override { advance(ms); }
    void advance(qint64 ms)
    {
        if (ms > 0)
            m_now.fetch_add(ms);
    }
    void advanceTo(qint64 t)
    {
        qint64 cur = m_now.load();
        while (t > cur && !m_now.compare_exchange_weak(cur, t)) {
        }
    }

private:
    std::atomic<qint64> m_now{0};
};

} // namespace platform
