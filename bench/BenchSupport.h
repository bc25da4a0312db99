#pragma once

// What the benches share: the line's byte time and a timed quarnctl run.
#include <QStringList>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include "tests/e2e/SimProcess.h"

namespace bench {

constexpr double kByteMs = 10.0 * 1000.0 / 9600.0; // start bit, 8 data bits, stop bit

// Runs quarnctl; the wall time in ms, or a negative value when it failed.
inline double timedQuarnctl(const QStringList& args, int timeoutMs = 300000)
{
    const e2e::QuarnctlResult r = e2e::quarnctl(args, timeoutMs);
    if (r.code != 0) {
        std::fprintf(stderr, "quarnctl %s failed: %s\n", qPrintable(args.join(' ')), qPrintable(r.err));
        return -1;
    }
    return r.elapsedMs;
}

// Counts how often the machine kept a sleeping thread waiting 1 ms or more past its time
// while it runs: a virtual machine's host takes a CPU away now and then, and every stall
// that lands in a lock-step exchange adds its whole length to the measured time.
class StallProbe {
public:
    StallProbe()
        : m_thread([this] {
              using Clock = std::chrono::steady_clock;
              constexpr auto kNap = std::chrono::milliseconds(5);
              while (!m_stop) {
                  const Clock::time_point due = Clock::now() + kNap;
                  std::this_thread::sleep_until(due);
                  if (Clock::now() - due >= std::chrono::milliseconds(1))
                      ++m_stalls;
              }
          })
    {}
    ~StallProbe()
    {
        m_stop = true;
        m_thread.join();
    }
    int stalls() const { return m_stalls; }

private:
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_stalls{0};
    std::thread m_thread;
};

} // namespace bench
