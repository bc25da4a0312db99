#include "platform/Clock.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QThread>

namespace platform {

namespace {
const QElapsedTimer& processTimer()
{
    static const QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer;
}
} // namespace

qint64 SystemClock::nowMs() const
{
    return processTimer().elapsed();
}

void SystemClock::sleepMs(int ms)
{
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

} // namespace platform
