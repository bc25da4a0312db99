// `quarnctl texts` against `quarn-sim` over a real pseudo-terminal, in real time.
#include "displaytexts/texts/Register.h"
#include "displaytexts/texts/TextFiles.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>

using namespace tekstor;

namespace {

double childCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// CPU seconds a running process has used so far (user + system), from /proc.
double processCpuSeconds(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    // Fields after the command name (which is in parentheses and may hold blanks).
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return -1;
    const long ticks = sysconf(_SC_CLK_TCK);
    return double(fields[11].toLongLong() + fields[12].toLongLong()) / double(ticks);
}

struct Run {
    int code = -1;
    QString out;
    QString err;
    double cpuSeconds = 0;
    double wallSeconds = 0;
};

} // namespace

class TstTextsE2e : public QObject {
    Q_OBJECT

    QProcess m_sim;
    QString m_device;
    QTemporaryDir m_dir;

    Run quarnctl(const QStringList& args, int timeoutMs = 60000)
    {
        Run run;
        QProcess p;
        const double cpuBefore = childCpuSeconds();
        QElapsedTimer timer;
        timer.start();
        p.start(QStringLiteral(QUARNCTL_PATH), QStringList{"--port", m_device, "texts"} + args);
        if (!p.waitForFinished(timeoutMs)) {
            p.kill();
            p.waitForFinished();
            return run;
        }
        run.wallSeconds = timer.elapsed() / 1000.0;
        run.cpuSeconds = childCpuSeconds() - cpuBefore;
        run.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        run.out = QString::fromLocal8Bit(p.readAllStandardOutput());
        run.err = QString::fromLocal8Bit(p.readAllStandardError());
        return run;
    }

    QString file(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase()
    {
        m_sim.start(QStringLiteral(QUARN_SIM_PATH), {});
        QVERIFY(m_sim.waitForStarted());
        QElapsedTimer timer;
        timer.start();
        while (!m_sim.canReadLine() && timer.elapsed() < 5000)
            m_sim.waitForReadyRead(100);
        m_device = QString::fromLocal8Bit(m_sim.readLine()).trimmed();
        QVERIFY2(m_device.startsWith("/dev/"), qPrintable(m_device));
    }

    void cleanupTestCase()
    {
        m_sim.terminate();
        if (!m_sim.waitForFinished(3000))
            m_sim.kill();
        m_sim.waitForFinished();
    }

    void channelAndOwnRoundTrip()
    {
        Register texts;
        texts.resetChannelTexts();
        for (int c = 0; c < 100; ++c)
            texts.setChannelText(
                c, ("1K\xC4n\xE4l\x95" + QByteArray::number(c) + "\x95\xDF$").leftJustified(25, char(0x95)));
        QCOMPARE(TextFiles::save(file("out.q8kc"), TextKind::Channels, texts), FileOutcome::Ok);

        Run w = quarnctl({"write", "channels", file("out.q8kc")});
        QVERIFY2(w.code == 0, qPrintable(w.err));
        QVERIFY(w.out.contains("100 channel texts programmed"));

        Run r = quarnctl({"read", "channels", "-o", file("back.q8kc")});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        Register back;
        QCOMPARE(TextFiles::load(file("back.q8kc"), TextKind::Channels, back), FileOutcome::Ok);
        for (int c = 0; c < 100; ++c) {
            QByteArray expected = texts.channelText(c);
            expected.replace('\xC4', '\xE4'); // capital umlauts come back small
            QCOMPARE(back.channelText(c), expected);
        }
        // About 2.6 s of waiting; waiting on the port keeps the CPU nearly idle.
        QVERIFY2(r.cpuSeconds < 0.5, qPrintable(QString::number(r.cpuSeconds)));
        qInfo("read of 100 channel texts: %.2f s wall, %.3f s CPU", r.wallSeconds, r.cpuSeconds);

        // Own texts in English from the unit's firmware.
        r = quarnctl({"read", "own", "--language", "1", "-o", file("own.q8kt")});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        Register own;
        QCOMPARE(TextFiles::load(file("own.q8kt"), TextKind::Own, own), FileOutcome::Ok);
        QVERIFY(own.lastOwnIndex() >= 100);
        QVERIFY(own.ownText(0).startsWith("Main\x95menu"));
    }

    void idRoundTrip()
    {
        Register texts;
        for (int id = 300; id < 400; id += 3)
            texts.setIdText(id, ("0Fahrzeug\x95" + QByteArray::number(id)).leftJustified(25, char(0x95)));
        QCOMPARE(TextFiles::save(file("ids.q8kk"), TextKind::Ids, texts), FileOutcome::Ok);
        Run w = quarnctl({"write", "ids", file("ids.q8kk")}); // range 3 only
        QVERIFY2(w.code == 0, qPrintable(w.err));
        QVERIFY(w.out.contains("100 ID texts programmed"));

        Run r = quarnctl({"read", "ids", "--ranges", "3", "-o", file("ids-back.q8kk")});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        Register back;
        QCOMPARE(TextFiles::load(file("ids-back.q8kk"), TextKind::Ids, back), FileOutcome::Ok);
        for (int id = 300; id < 400; ++id) {
            const QByteArray expected = id % 3 == 0 ? texts.idText(id) : "X" + QByteArray(24, char(0x95));
            QCOMPARE(back.idText(id), expected);
        }
    }

    void unitNotThere()
    {
        QProcess p;
        p.start(QStringLiteral(QUARNCTL_PATH),
                {"--port", file("no-such-tty"), "texts", "read", "channels", "-o", file("x.q8kc")});
        QVERIFY(p.waitForFinished(10000));
        QCOMPARE(p.exitCode(), 3);
    }

    // A 1000-ID read in real time; reports its CPU time. Runs when QUARN_SLOW_TESTS is set.
    void cpuOfThousandIdRead()
    {
        if (qEnvironmentVariableIsEmpty("QUARN_SLOW_TESTS"))
            QSKIP("set QUARN_SLOW_TESTS=1 for the 23 s measurement");
        const double simBefore = processCpuSeconds(m_sim.processId());
        Run r = quarnctl({"read", "ids", "-o", file("all.q8kk")}, 90000);
        const double simAfter = processCpuSeconds(m_sim.processId());
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY(r.out.contains("1000 of 1000 ID texts read"));
        qInfo("1000-ID read: %.2f s wall, quarnctl %.3f s CPU, quarn-sim %.3f s CPU", r.wallSeconds,
              r.cpuSeconds, simAfter - simBefore);
        QVERIFY(r.cpuSeconds < 2.0);
    }
};

QTEST_GUILESS_MAIN(TstTextsE2e)
#include "tst_texts_e2e.moc"
