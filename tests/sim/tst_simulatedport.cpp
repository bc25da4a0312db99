// The in-process port: bytes, order and pacing on virtual time.
#include "platform/Clock.h"
#include "sim/SimulatedPort.h"
#include "sim/UnitModel.h"

#include <QThread>
#include <QtTest>

using sim::SimulatedPort;
using sim::UnitModel;
using sim::UnitOptions;

class TestSimulatedPort : public QObject {
    Q_OBJECT

private slots:
    void silentUnitReadsAdvanceByTheTimeOut();
    void readByteWaitsForTheNextByteWithinTheTimeOut();
    void readAvailableReturnsWhatHasArrived();
    void bulkReadPacingOnVirtualTime();
    void openFailureAndClosedPort();
    void outputWhileClosedIsLost();
    void workerThreadAndWaitingTestThread();
};

void TestSimulatedPort::silentUnitReadsAdvanceByTheTimeOut()
{
    UnitOptions options;
    options.fault = sim::Fault::Silent;
    UnitModel unit(options);
    platform::VirtualClock clock;
    SimulatedPort port(unit, clock);
    QVERIFY(port.open(QStringLiteral("COM1")));
    QVERIFY(port.write("$PROGSTART\r$R300\r"));
    int received = 0;
    for (int i = 0; i < 70; ++i)
        received += port.readByte() ? 1 : 0;
    QCOMPARE(received, 0);
    QCOMPARE(clock.nowMs(), 70 * 102);
    QCOMPARE(port.writtenBytes(), QByteArray("$PROGSTART\r$R300\r"));
    QCOMPARE(unit.commandsReceived(), (QList<QByteArray>{"$PROGSTART", "$R300"}));
}

void TestSimulatedPort::readByteWaitsForTheNextByteWithinTheTimeOut()
{
    UnitOptions options;
    options.fault = sim::Fault::Slow;
    options.faultParam = 50;
    UnitModel unit(options);
    platform::VirtualClock clock;
    SimulatedPort port(unit, clock);
    port.open(QStringLiteral("sim"));
    clock.advance(1000);
    port.write("$PROGSTART\r");
    // Due 50 ms later: the read moves the clock there instead of timing out.
    QCOMPARE(port.readByte(), std::optional<char>('$'));
    QCOMPARE(clock.nowMs(), 1050);
    // The rest is due at once and costs no time.
    QCOMPARE(port.readByte(), std::optional<char>('S'));
    QCOMPARE(clock.nowMs(), 1050);

    options.faultParam = 500; // longer than the read time-out
    UnitModel slower(options);
    SimulatedPort port2(slower, clock);
    port2.open(QStringLiteral("sim"));
    port2.write("$PROGSTART\r");
    QCOMPARE(port2.readByte(), std::nullopt);
    QCOMPARE(clock.nowMs(), 1050 + 102);
    port2.setReadTimeout(1000);
    QCOMPARE(port2.readByte(), std::optional<char>('$'));
    QCOMPARE(clock.nowMs(), 1550);

    const QList<SimulatedPort::TraceEntry> trace = port.trace();
    QCOMPARE(trace.size(), 2);
    QCOMPARE(trace[0].atMs, 1000);
    QVERIFY(!trace[0].fromUnit);
    QCOMPARE(trace[1].atMs, 1050);
    QCOMPARE(trace[1].bytes, QByteArray("$S"));
}

void TestSimulatedPort::readAvailableReturnsWhatHasArrived()
{
    UnitOptions options;
    options.baudTiming = true;
    UnitModel unit(options);
    platform::VirtualClock clock;
    SimulatedPort port(unit, clock);
    port.open(QStringLiteral("sim"));
    port.write("$PROGSTART\r");
    clock.advance(100);
    QCOMPARE(port.readAvailable(0), unit.selfDescription());
    QCOMPARE(port.readAvailable(0), QByteArray());
    QCOMPARE(clock.nowMs(), 100);
    QCOMPARE(port.readAvailable(20), QByteArray());
    QCOMPARE(clock.nowMs(), 120);
    // At 9600 baud the first reply line arrives in parts, byte by byte.
    port.write("$RK000\r" + QByteArray(30, ' '));
    const QByteArray first = port.readAvailable(1000);
    QCOMPARE(first.size(), 1);
    QCOMPARE(clock.nowMs(), 129); // the CR is in after 7.3 ms, the first byte out 1.04 ms later
}

void TestSimulatedPort::bulkReadPacingOnVirtualTime()
{
    UnitOptions options;
    options.telephone = false;
    UnitModel unit(options);
    platform::VirtualClock clock;
    SimulatedPort port(unit, clock);
    port.open(QStringLiteral("sim"));
    port.write("$PROGSTART\r");
    port.readAvailable(0);
    for (int n = 0; n < 100; ++n) {
        port.write("$R" + QByteArray::number(n).rightJustified(3, '0') + "\r");
        clock.sleepMs(20);
    }
    QByteArray replies;
    while (const std::optional<char> b = port.readByte())
        replies.append(*b);
    QCOMPARE(replies.count("$R"), 100);
    QVERIFY(replies.endsWith("$R099FFFFFFFF\r\n"));
    const QList<SimulatedPort::TraceEntry> writes = port.writes();
    QCOMPARE(writes.size(), 101);
    QCOMPARE(writes[100].atMs - writes[1].atMs, 99 * 20);
    QCOMPARE(clock.nowMs(), 2000 + 102); // the read ends with one time-out
}

void TestSimulatedPort::openFailureAndClosedPort()
{
    UnitModel unit;
    platform::VirtualClock clock;
    SimulatedPort port(unit, clock);
    port.setOpenFailure(platform::PortError::NotFound);
    QVERIFY(!port.open(QStringLiteral("/dev/ttyUSB9")));
    QCOMPARE(port.lastError(), platform::PortError::NotFound);
    QVERIFY(!port.lastErrorDetail().isEmpty());
    QVERIFY(!port.isOpen());
    QVERIFY(!port.write("$PROGSTART\r"));
    QVERIFY(unit.commandsReceived().isEmpty());
    port.setOpenFailure(platform::PortError::None);
    QVERIFY(port.open(QStringLiteral("/dev/ttyUSB9")));
    QCOMPARE(port.openedName(), QStringLiteral("/dev/ttyUSB9"));
    QCOMPARE(port.lastError(), platform::PortError::None);
}

void TestSimulatedPort::outputWhileClosedIsLost()
{
    UnitModel unit;
    platform::VirtualClock clock;
    SimulatedPort port(unit, clock);
    port.open(QStringLiteral("sim"));
    port.write("$PROGSTART\r");
    port.close();
    QVERIFY(port.open(QStringLiteral("sim")));
    QCOMPARE(port.readByte(), std::nullopt);
    port.write("$R082\r");
    QCOMPARE(port.readAvailable(0), QByteArray("$R08207707000\r\n"));
}

void TestSimulatedPort::workerThreadAndWaitingTestThread()
{
    UnitOptions options;
    options.baudTiming = true;
    UnitModel unit(options);
    platform::VirtualClock clock;
    SimulatedPort port(unit, clock);
    port.open(QStringLiteral("sim"));
    QByteArray received;
    QThread* worker = QThread::create([&] {
        port.write("$PROGSTART\r");
        for (int n = 0; n < 200; ++n) {
            port.write("$R" + QByteArray::number(n).rightJustified(3, '0') + "\r");
            clock.sleepMs(20);
        }
        while (const std::optional<char> b = port.readByte())
            received.append(*b);
    });
    worker->start();
    // The test thread looks at the unit and the port while the worker runs.
    while (!worker->wait(1)) {
        unit.commandsReceived();
        port.trace();
    }
    delete worker;
    QCOMPARE(received.count("$R"), 200);
    QCOMPARE(unit.commandsReceived().size(), 201);
}

QTEST_APPLESS_MAIN(TestSimulatedPort)
#include "tst_simulatedport.moc"
