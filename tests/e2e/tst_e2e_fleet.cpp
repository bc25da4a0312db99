#include <QtTest>

#include "tests/e2e/SimProcess.h"

// quarnctl fleet against quarn-sim units over real pseudo-terminals: each unit must end up
// holding the template plus its own row, the log must say so, a table with a refused value
// touches no unit, and a job cut off by a unit that hangs up resumes where it stopped.

using e2e::quarnctl;
using e2e::QuarnctlResult;

namespace {

const QString kPause = QStringLiteral("Tonrufsystem › Rufgeber › Länge einer Pause (ms)");
const QString kPin = QStringLiteral("Konfiguration Ein-/Ausgänge › Ein-/Ausgang 1");

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// quarn-sim serving several units, one per --link, each with its state file; the lines it
// prints are the devices.
class Sims {
public:
    explicit Sims(const QStringList& args, int units)
    {
        m_process.start(QStringLiteral(QUARN_SIM_PATH), args);
        QElapsedTimer t;
        t.start();
        while (m_devices.size() < units && t.elapsed() < 5000) {
            if (!m_process.canReadLine())
                m_process.waitForReadyRead(100);
            while (m_process.canReadLine())
                m_devices << QString::fromUtf8(m_process.readLine()).trimmed();
        }
    }
    ~Sims() { stop(); }
    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished();
    }
    // Waits for the simulator to end on its own; what it said on standard error.
    QString endsByItself(int timeoutMs)
    {
        m_process.waitForFinished(timeoutMs);
        return m_process.state() == QProcess::NotRunning ? QString::fromUtf8(m_process.readAllStandardError())
                                                         : QString();
    }
    int count() const { return int(m_devices.size()); }

private:
    QProcess m_process;
    QStringList m_devices;
};

// The settings that differ between the template and a unit's state, by name.
QStringList changes(const QString& templ, const QString& state)
{
    // The simulator saves on its own thread once its line is quiet: give it a moment.
    QString out;
    for (int i = 0; i < 40; ++i) {
        out = quarnctl({QStringLiteral("diff"), QStringLiteral("--settings"), templ, state}, 60000).out;
        if (!out.isEmpty())
            break;
        QThread::msleep(50);
    }
    QStringList lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // "Item › Field: old → new" keeps its name and the new value.
    for (QString& l : lines)
        l = l.section(QStringLiteral(": "), 0, 0) + QStringLiteral(" = ") +
            l.section(QStringLiteral(" → "), -1);
    lines.sort();
    return lines;
}

// The log's result column by row.
QMap<int, QString> logResults(const QString& log)
{
    QMap<int, QString> out;
    const QList<QByteArray> lines = readAll(log).split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> f = lines.at(i).split(';');
        if (f.size() == 7) {
            out[f.at(2).toInt()] = QString::fromUtf8(f.at(5));
            if (f.at(5) == "ok" && f.at(6).size() != 64)
                out[f.at(2).toInt()] = QStringLiteral("ok without image hash");
        }
    }
    return out;
}

} // namespace

class TestE2eFleet : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }

    // The factory values of an 8k without telephone interface, as the template.
    QString templ()
    {
        const QString file = path(QStringLiteral("template.rq7k8k"));
        if (!QFile::exists(file))
            quarnctl({QStringLiteral("--simulate=8k"), QStringLiteral("read"), QStringLiteral("-o"), file});
        return file;
    }
    QString table(const QString& name, const QByteArray& rows)
    {
        const QString file = path(name);
        writeFile(file, "Gerät;" + kPause.toUtf8() + ";" + kPin.toUtf8() + ";R097/0-6\n" + rows);
        return file;
    }
    // The template's changes by a row: the pause, pin 1 as output, and digits 0-6 of register 97
    // (which no dialog shows), its digit 7 as the template has it.
    QStringList expected(const QString& pause, const QString& digits)
    {
        const QString last = quarnctl({QStringLiteral("get"), templ(), QStringLiteral("97")}).out.mid(7, 1);
        QStringList out{kPause + QStringLiteral(" = ") + pause, kPin + QStringLiteral(" = Ausgang"),
                        QStringLiteral("097 = ") + digits + last};
        out.sort();
        return out;
    }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("LC_ALL", "C.UTF-8");
        qunsetenv("XDG_RUNTIME_DIR");
        QVERIFY(QFileInfo::exists(templ()));
    }

    // Three units on three ports at the same time; the state files do not exist yet.
    void threePortsInParallel()
    {
        const QString units =
            table("three.csv", "Florian 1;120;Ausgang;1234567\nFlorian 2;130;Ausgang;2345678\n"
                               "Florian 3;140;Ausgang;3456789\n");
        QStringList args, ports;
        for (int i = 1; i <= 3; ++i) {
            args << "--link" << path(QStringLiteral("par-%1").arg(i)) << "--state"
                 << path(QStringLiteral("par-%1.rq7k8k").arg(i));
            ports << "--port" << path(QStringLiteral("par-%1").arg(i));
        }
        Sims sims(args, 3);
        QCOMPARE(sims.count(), 3);
        QVERIFY(QFileInfo::exists(path("par-1.rq7k8k")));
        const QuarnctlResult r = quarnctl(QStringList{"fleet", "run", templ(), units} + ports, 120000);
        QVERIFY2(r.code == 0, qPrintable(r.out + r.err));
        sims.stop();
        QCOMPARE(changes(templ(), path("par-1.rq7k8k")), expected("120", "1234567"));
        QCOMPARE(changes(templ(), path("par-2.rq7k8k")), expected("130", "2345678"));
        QCOMPARE(changes(templ(), path("par-3.rq7k8k")), expected("140", "3456789"));
        const QMap<int, QString> log = logResults(path("three.log.csv"));
        QCOMPARE(log, (QMap<int, QString>{{2, "ok"}, {3, "ok"}, {4, "ok"}}));
    }

    // Two units one after another on one port: the second is attached when asked; Enter with
    // the first still attached is recognised and asked again.
    void onePortOneAfterAnother()
    {
        const QString units = table("two.csv", "RTW 1;150;Ausgang;1111111\nRTW 2;160;Ausgang;2222222\n");
        const QString link = path("one-port");
        auto first = std::make_unique<Sims>(QStringList{"--link", link, "--state", path("one-a.rq7k8k")}, 1);
        QProcess run;
        run.start(QStringLiteral(QUARNCTL_PATH), {"fleet", "run", templ(), units, "--port", link});
        QString out;
        auto waitFor = [&](const QString& text, int count) {
            QElapsedTimer t;
            t.start();
            while (out.count(text) < count && t.elapsed() < 60000 && run.state() != QProcess::NotRunning) {
                run.waitForReadyRead(200);
                out += QString::fromUtf8(run.readAllStandardOutput());
            }
            return out.count(text) >= count;
        };
        QVERIFY2(waitFor("nächstes Gerät", 1), qPrintable(out));
        run.write("\n"); // the first unit is still attached
        QVERIFY2(waitFor("noch das vorige", 1), qPrintable(out));
        QVERIFY2(waitFor("nächstes Gerät", 2), qPrintable(out));
        // The second unit takes the name over; the first, ending, leaves the link alone.
        Sims second({"--link", link, "--state", path("one-b.rq7k8k")}, 1);
        first.reset();
        QVERIFY(QFileInfo(link).isSymLink());
        run.write("\n");
        QVERIFY(run.waitForFinished(60000));
        out += QString::fromUtf8(run.readAllStandardOutput());
        QVERIFY2(run.exitCode() == 0, qPrintable(out + run.readAllStandardError()));
        second.stop();
        QCOMPARE(changes(templ(), path("one-a.rq7k8k")), expected("150", "1111111"));
        QCOMPARE(changes(templ(), path("one-b.rq7k8k")), expected("160", "2222222"));
    }

    // A value the dialog refuses stops the job before any unit is touched.
    void refusedValueTouchesNoUnit()
    {
        const QString units = table("refused.csv", "A;120;Ausgang;1234567\nB;99999;Ausgang;12345\n");
        QuarnctlResult r = quarnctl({"fleet", "check", templ(), units}, 60000);
        QCOMPARE(r.code, 2);
        QVERIFY2(r.err.contains(QStringLiteral("Zeile 3, Spalte 2 „%1“").arg(kPause)), qPrintable(r.err));
        QVERIFY2(r.err.contains(QStringLiteral("Zeile 3, Spalte 4 „R097/0-6“")), qPrintable(r.err));
        const QString state = path("refused.rq7k8k");
        Sims sims({"--link", path("refused-port"), "--state", state}, 1);
        const QByteArray before = readAll(state);
        QVERIFY(!before.isEmpty());
        r = quarnctl({"fleet", "run", templ(), units, "--port", path("refused-port")}, 60000);
        QCOMPARE(r.code, 2);
        QVERIFY(!r.out.contains(QStringLiteral("programmiert")));
        sims.stop();
        QCOMPARE(readAll(state), before);
        QVERIFY(!QFileInfo::exists(path("refused.log.csv")));
        QCOMPARE(
            quarnctl({"fleet", "check", templ(), table("sound.csv", "A;120;Ausgang;1234567\n")}, 60000).code,
            0);
    }

    // A unit that hangs up in the middle fails and is logged so; the run again skips the unit
    // done and programs the one that failed.
    void failedUnitIsResumed()
    {
        const QString units = table("resume.csv", "HLF 1;120;Ausgang;1212121\nHLF 2;130;Ausgang;3434343\n");
        const QString log = path("resume-log.csv");
        const QStringList ports{"--port", path("res-1"), "--port", path("res-2")};
        {
            Sims good({"--link", path("res-1"), "--state", path("res-1.rq7k8k")}, 1);
            Sims failing({"--link", path("res-2"), "--state", path("res-2.rq7k8k"), "--fault", "hangup=120"},
                         1);
            const QuarnctlResult r =
                quarnctl(QStringList{"fleet", "run", templ(), units, "--log", log} + ports, 120000);
            QVERIFY2(r.code == 1, qPrintable(r.out + r.err));
            QVERIFY2(failing.endsByItself(5000).contains("dropped the line"),
                     "quarn-sim ran on after hangup");
            QVERIFY(!QFileInfo::exists(path("res-2"))); // its own link went with it
        }
        QMap<int, QString> results = logResults(log);
        QCOMPARE(results.value(2), QStringLiteral("ok"));
        QVERIFY(results.contains(3) && results.value(3) != QStringLiteral("ok"));

        // The failed unit's port alone, served this time by a simulator of two units.
        Sims again({"--link", path("res-1b"), "--state", path("spare.rq7k8k"), "--link", path("res-2"),
                    "--state", path("res-2.rq7k8k")},
                   2);
        const QuarnctlResult r =
            quarnctl({"fleet", "run", templ(), units, "--log", log, "--port", path("res-2")}, 120000);
        QVERIFY2(r.code == 0, qPrintable(r.out + r.err));
        QVERIFY2(r.out.contains(QStringLiteral("Zeile 2 (HLF 1): laut Protokoll schon programmiert")),
                 qPrintable(r.out));
        again.stop();
        QVERIFY(!QFileInfo::exists(path("res-2"))); // removed at the end: still its own
        QCOMPARE(changes(templ(), path("res-1.rq7k8k")), expected("120", "1212121"));
        QCOMPARE(changes(templ(), path("res-2.rq7k8k")), expected("130", "3434343"));
        QCOMPARE(logResults(log).value(3), QStringLiteral("ok"));
        // A line without a unit is no row to program again.
        QCOMPARE(
            quarnctl({"fleet", "run", templ(), units, "--log", log, "--port", path("res-2"), "--again", "9"})
                .code,
            2);
    }
};

QTEST_GUILESS_MAIN(TestE2eFleet)
#include "tst_e2e_fleet.moc"
