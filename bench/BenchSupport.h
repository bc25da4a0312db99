#pragma once

// What the benches share: the line's byte time and a timed quarnctl run.
#include <QStringList>
#include <cstdio>

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

} // namespace bench
