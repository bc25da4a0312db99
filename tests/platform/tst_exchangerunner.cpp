#include <QtTest>

#include "platform/ExchangeRunner.h"

#include <QThread>
#include <atomic>
#include <memory>

using platform::ExchangeRunner;
using platform::Progress;
using Stop = ExchangeRunner::StopFlag;

namespace {
// A job that runs until it is asked to stop, as a transfer on a silent line would.
int untilStopped(Progress& progress, const Stop& stop)
{
    int steps = 0;
    while (!stop) {
        progress.step();
        QThread::msleep(1);
        ++steps;
    }
    return steps;
}
} // namespace

class TestExchangeRunner : public QObject {
    Q_OBJECT
private slots:
    void resultArrivesByValueOnTheOwnersThread()
    {
        ExchangeRunner runner;
        QThread* jobThread = nullptr;
        QThread* doneThread = nullptr;
        QStringList got;
        QSignalSpy finished(&runner, &ExchangeRunner::finished);
        QSignalSpy range(&runner, &ExchangeRunner::rangeChanged);
        const QStringList input{QStringLiteral("R001")};
        QVERIFY(runner.start<QStringList>(std::function<QStringList(Progress&, const Stop&)>(
                                              [&jobThread, input](Progress& progress, const Stop&) {
                                                  jobThread = QThread::currentThread();
                                                  progress.setRange(7);
                                                  return input + QStringList{QStringLiteral("R002")};
                                              }),
                                          std::function<void(QStringList)>([&](QStringList result) {
                                              doneThread = QThread::currentThread();
                                              got = result;
                                          })));
        QVERIFY(runner.busy());
        QVERIFY(finished.wait(5000));
        QVERIFY(!runner.busy());
        QVERIFY(jobThread && jobThread != QThread::currentThread());
        QCOMPARE(doneThread, QThread::currentThread());
        QCOMPARE(got, (QStringList{QStringLiteral("R001"), QStringLiteral("R002")}));
        QCOMPARE(range.size(), 1);
        QCOMPARE(range.first().first().toInt(), 7);
    }

    void oneJobAtATimeAndStopEndsIt()
    {
        ExchangeRunner runner;
        int steps = -1;
        QSignalSpy finished(&runner, &ExchangeRunner::finished);
        QVERIFY(runner.start<int>(std::function<int(Progress&, const Stop&)>(untilStopped),
                                  std::function<void(int)>([&](int n) { steps = n; })));
        // A second job is refused while the first runs; the first is untouched by it.
        bool secondRan = false;
        QVERIFY(!runner.start<int>(std::function<int(Progress&)>([&](Progress&) {
                                       secondRan = true;
                                       return 0;
                                   }),
                                   std::function<void(int)>([](int) {})));
        QTest::qWait(20);
        QVERIFY(runner.busy());
        runner.requestStop();
        QVERIFY(finished.wait(1000));
        QVERIFY(steps >= 0);
        QVERIFY(!secondRan);
        // Idle again: the next job starts with the stop request cleared.
        bool stoppedAtStart = true;
        QVERIFY(runner.start<bool>(std::function<bool(Progress&, const Stop&)>(
                                       [](Progress&, const Stop& stop) { return stop.load(); }),
                                   std::function<void(bool)>([&](bool s) { stoppedAtStart = s; })));
        QVERIFY(finished.wait(1000));
        QVERIFY(!stoppedAtStart);
    }

    // A window that goes away mid-transfer: the job is asked to stop, the runner waits for
    // it, and its result never reaches the window.
    void closingWaitsForTheStopAndDropsTheResult()
    {
        auto ended = std::make_shared<std::atomic_bool>(false);
        bool doneRan = false;
        {
            ExchangeRunner runner;
            QVERIFY(runner.start<int>(
                std::function<int(Progress&, const Stop&)>([ended](Progress& progress, const Stop& stop) {
                    const int n = untilStopped(progress, stop);
                    *ended = true;
                    return n;
                }),
                std::function<void(int)>([&](int) { doneRan = true; })));
            QTest::qWait(10);
            QElapsedTimer timer;
            timer.start();
            runner.stopAndWait();
            QVERIFY(*ended);
            QVERIFY(!runner.busy());
            QVERIFY(timer.elapsed() < 1000);
            QCoreApplication::processEvents();
            // Usable again afterwards, and a later job's result is not dropped.
            int later = 0;
            QSignalSpy finished(&runner, &ExchangeRunner::finished);
            QVERIFY(runner.start<int>(std::function<int(Progress&)>([](Progress&) { return 5; }),
                                      std::function<void(int)>([&](int n) { later = n; })));
            QVERIFY(finished.wait(1000));
            QCOMPARE(later, 5);
            *ended = false;
            QVERIFY(runner.start<int>(
                std::function<int(Progress&, const Stop&)>([ended](Progress& progress, const Stop& stop) {
                    const int n = untilStopped(progress, stop);
                    *ended = true;
                    return n;
                }),
                std::function<void(int)>([&](int) { doneRan = true; })));
            QTest::qWait(10);
        } // the destructor stops and waits as well
        QVERIFY(*ended);
        QCoreApplication::processEvents();
        QVERIFY(!doneRan);
    }
};

QTEST_GUILESS_MAIN(TestExchangeRunner)
#include "tst_exchangerunner.moc"
