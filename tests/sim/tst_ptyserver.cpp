// The simulated unit served on a real pseudo-terminal, and the quarn-sim program.
#include "platform/Clock.h"
#include "sim/PtyServer.h"
#include "sim/StateFile.h"

#include "tests/support/Sanitizers.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Opens the device as a client program would and collects replies in real time. The
// terminal is raw and non-blocking on the server's side, so a read returns what has arrived.
class Client {
public:
    explicit Client(const QString& path) : m_file(path) {}
    bool open() { return m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered); }
    void close() { m_file.close(); }
    bool send(const QByteArray& bytes) { return m_file.write(bytes) == bytes.size(); }
    // Reads until `until` has arrived or the deadline passes.
    QByteArray readUntil(const QByteArray& until, int timeoutMs)
    {
        platform::SystemClock clock;
        const qint64 deadline = clock.nowMs() + timeoutMs;
        QByteArray data;
        while (!data.contains(until) && clock.nowMs() < deadline) {
            const QByteArray chunk = m_file.read(4096);
            if (chunk.isEmpty())
                clock.sleepMs(2);
            data += chunk;
        }
        return data;
    }

private:
    QFile m_file;
};

} // namespace

class TestPtyServer : public QObject {
    Q_OBJECT

private slots:
    void roundTripSurvivesReopening();
    void pacedBytesNeverEarly();
    void stateFileKeepsRegisters();
    void stateFileKeepsShortDialMemory();
    void quarnSimProgram();
};

void TestPtyServer::roundTripSurvivesReopening()
{
    sim::UnitOptions options;
    options.telephone = true;
    sim::PtyServer server(options);
    QVERIFY2(server.start(), qPrintable(server.errorString()));
    QVERIFY(QFileInfo::exists(server.devicePath()));

    Client client(server.devicePath());
    QVERIFY(client.open());
    QVERIFY(client.send("$PROGSTART\r$R300\r"));
    const QByteArray reply = client.readUntil("$R300", 2000);
    QVERIFY2(reply.startsWith("$START\r\nQuarn 8k V3.20\r\n"), reply.constData());
    QVERIFY(client.send("$P6001234ABCD\r"));
    QVERIFY(client.readUntil("$R6001234ABCD\r\n", 2000).contains("$R6001234ABCD\r\n"));
    client.close();

    // A program closes the port between exchanges and opens it again.
    Client again(server.devicePath());
    QVERIFY(again.open());
    QVERIFY(again.send("$R600\r"));
    QVERIFY(again.readUntil("$R6001234ABCD", 2000).contains("$R6001234ABCD"));
    QCOMPARE(server.unit().registerText(600), QStringLiteral("1234ABCD"));
    again.close();
    server.stop();
    QVERIFY(!server.isRunning());
}

void TestPtyServer::pacedBytesNeverEarly()
{
    // At 9600 baud the command's 6 bytes reach the unit and each byte of the reply leaves
    // one byte time after the one before: byte k of the reply is complete 6 + k byte times
    // after the command was written, and never sooner however closely the unit keeps time.
    sim::UnitOptions options;
    options.baudTiming = true;
    sim::PtyServer server(options);
    QVERIFY2(server.start(), qPrintable(server.errorString()));
    QFile client(server.devicePath());
    QVERIFY(client.open(QIODevice::ReadWrite | QIODevice::Unbuffered));
    QVERIFY(client.write("$PROGSTART\r") == 11);
    QTest::qWait(200);
    client.readAll();

    constexpr qint64 kByteNs = 1'041'667;
    QElapsedTimer sent;
    sent.start();
    QVERIFY(client.write("$R005\r") == 6);
    QByteArray reply;
    while (reply.size() < 15 && sent.elapsed() < 2000) {
        const QByteArray chunk = client.read(64);
        const qint64 at = sent.nsecsElapsed();
        for (qsizetype i = 0; i < chunk.size(); ++i) {
            const qint64 earliest = (6 + reply.size() + 1) * kByteNs;
            QVERIFY2(at >= earliest, qPrintable(QStringLiteral("byte %1 after %2 us, due after %3 us")
                                                    .arg(reply.size())
                                                    .arg(at / 1000)
                                                    .arg(earliest / 1000)));
            reply.append(chunk.at(i));
        }
    }
    QCOMPARE(reply.size(), 15);
    QVERIFY(reply.startsWith("$R005"));
    server.stop();
}

void TestPtyServer::stateFileKeepsRegisters()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("unit.rq7k8k"));
    sim::UnitOptions options;
    options.telephone = false;
    {
        sim::PtyServer server(options);
        server.setStateFile(path);
        QVERIFY(server.start());
        Client client(server.devicePath());
        QVERIFY(client.open());
        client.send("$PROGSTART\r$P0820A0B0C0D\r");
        QVERIFY(client.readUntil("$R0820A0B0C0D", 2000).contains("$R0820A0B0C0D"));
        client.close();
        // Saved while serving, once the line is quiet: a killed simulator keeps the change.
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(path), 2000);
        server.stop();
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.startsWith("NoTI\r\nR000 00000000\r\nR001 00000000\r\n"));
    QVERIFY(text.contains("\r\nR082 0A0B0C0D\r\n"));
    QCOMPARE(text.count("\r\n"), 201);

    sim::UnitModel reloaded(options);
    QVERIFY(sim::StateFile::load(path, reloaded));
    QCOMPARE(reloaded.registerText(82), QStringLiteral("0A0B0C0D"));

    // A damaged line leaves its register at the factory value; a foreign file is refused.
    file.close();
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("NoTI\r\nR010 1234G000\r\nR011 AB\r\nR012 0000FFFF\n");
    file.close();
    sim::UnitModel damaged(options);
    QVERIFY(sim::StateFile::load(path, damaged));
    QCOMPARE(damaged.registerText(10), QStringLiteral("12345000"));
    QCOMPARE(damaged.registerText(11), QStringLiteral("00003000"));
    QCOMPARE(damaged.registerText(12), QStringLiteral("0000FFFF"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("hello\n");
    file.close();
    QVERIFY(!sim::StateFile::load(path, damaged));
}

void TestPtyServer::stateFileKeepsShortDialMemory()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("unit.rq7k8k"));
    sim::UnitOptions options;
    options.telephone = true;
    sim::UnitModel unit(options);
    unit.setShortDialEntry(3, "*31#0815");
    unit.setShortDialEntry(4, {});
    unit.setShortDialEntry(999, "0123456789012345");
    QVERIFY(sim::StateFile::save(path, unit));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.contains("\r\nR799 "));
    QVERIFY(text.contains("\r\nWP003:*31#0815........\r\nWP004:................\r\n"));
    QVERIFY(text.endsWith("WP999:0123456789012345\r\n"));

    sim::UnitModel reloaded(options);
    QVERIFY(sim::StateFile::load(path, reloaded));
    for (int n = 0; n < sim::UnitModel::kShortDialCount; ++n)
        QCOMPARE(reloaded.shortDialEntry(n), unit.shortDialEntry(n));

    // Without telephone interface there is no memory to keep.
    options.telephone = false;
    sim::UnitModel base(options);
    QVERIFY(sim::StateFile::save(path, base));
    file.close();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(!file.readAll().contains("WP"));
}

void TestPtyServer::quarnSimProgram()
{
    if (QUARN_UNDER_TSAN)
        QSKIP("ThreadSanitizer's runtime fails in the child of QProcess; the e2e tests start quarn-sim");
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/quarn-sim");
    if (!QFileInfo::exists(program))
        QSKIP("quarn-sim is not built");
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("ttyQuarn"));
    QProcess process;
    process.start(program, {QStringLiteral("--model"), QStringLiteral("7k"), QStringLiteral("--link"), link,
                            QStringLiteral("--fault"), QStringLiteral("drop=2")});
    QVERIFY(process.waitForStarted(5000));
    QVERIFY(process.waitForReadyRead(5000));
    const QString device = QString::fromLocal8Bit(process.readLine()).trimmed();
    QVERIFY(device.startsWith(QLatin1String("/dev/")));
    QCOMPARE(QFileInfo(link).symLinkTarget(), device);

    Client client(link);
    QVERIFY(client.open());
    client.send("$PROGSTART\r$R300\r$R001\r$R002\r$R003\r");
    const QByteArray reply = client.readUntil("$R003", 2000);
    QVERIFY(reply.contains("Quarn 7k V3.20"));
    QVERIFY(!reply.contains("$R300")); // no telephone interface
    QVERIFY(reply.contains("$R001"));
    QVERIFY(!reply.contains("$R002")); // every second register reply dropped
    QVERIFY(reply.contains("$R003"));
    client.close();

    process.terminate();
    QVERIFY(process.waitForFinished(5000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(!QFileInfo(link).isSymLink());

    QProcess bad;
    bad.start(program, {QStringLiteral("--fault"), QStringLiteral("sometimes")});
    QVERIFY(bad.waitForFinished(5000));
    QCOMPARE(bad.exitCode(), 2);
}

QTEST_GUILESS_MAIN(TestPtyServer)
#include "tst_ptyserver.moc"
