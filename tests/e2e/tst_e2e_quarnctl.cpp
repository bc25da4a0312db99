#include <QtTest>

#include "tests/e2e/SimProcess.h"

// quarnctl against quarn-sim over a real pseudo-terminal, in real time. Units without
// telephone interface where possible: their connect and read are the shortest.

using e2e::quarnctl;
using e2e::QuarnctlResult;
using e2e::SimProcess;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The simulator saves its state on its own thread; give it a moment.
bool becomesSame(const QString& a, const QString& b)
{
    for (int i = 0; i < 40; ++i) {
        if (quarnctl({QStringLiteral("diff"), a, b}).code == 0)
            return true;
        QThread::msleep(50);
    }
    return false;
}

} // namespace

class TestE2eQuarnctl : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }

    // A settings file with the factory values of a unit, made on the in-process unit.
    QString factoryFile(const QString& variant)
    {
        const QString file = path(QStringLiteral("factory-%1.rq7k8k").arg(variant));
        if (!QFile::exists(file))
            quarnctl({QStringLiteral("--simulate=") + variant, QStringLiteral("read"), QStringLiteral("-o"),
                      file});
        return file;
    }
    QString copyWith(const QString& from, const QString& name, const QString& reg, const QString& digits)
    {
        const QString file = path(name);
        QFile::remove(file);
        QFile::copy(from, file);
        QFile(file).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        quarnctl({QStringLiteral("set"), file, reg, digits});
        return file;
    }

private Q_SLOTS:
    void initTestCase()
    {
        // The messages checked here are the German ones, whatever the machine's locale; and
        // a plain terminal may have no XDG_RUNTIME_DIR.
        qputenv("LC_ALL", "C.UTF-8");
        qunsetenv("XDG_RUNTIME_DIR");
        // Every read lands in the unit history: here, never in the user's.
        qputenv("XDG_DATA_HOME", QFile::encodeName(path(QStringLiteral("data"))));
    }

    void info()
    {
        SimProcess sim({"--model", "7k"});
        QVERIFY(!sim.device().isEmpty());
        const QuarnctlResult r = quarnctl({"--port", sim.device(), "info"});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out,
                 QStringLiteral("model: Quarn 7k\ntelephone-interface: no\nversion: Quarn 7k V3.20\n"));
    }

    void read()
    {
        const QString state = copyWith(factoryFile("8k"), "read-state.rq7k8k", "123", "CAFE0001");
        SimProcess sim({"--model", "8k", "--state", state});
        const QString out = path("read-out.rq7k8k");
        const QuarnctlResult r = quarnctl({"--port", sim.device(), "read", "-o", out});
        QCOMPARE(r.code, 0);
        QCOMPARE(quarnctl({"get", out, "123"}).out, QStringLiteral("CAFE0001\n"));
        QCOMPARE(quarnctl({"diff", out, state}).code, 0);
    }

    void write()
    {
        const QString state = copyWith(factoryFile("8k"), "write-state.rq7k8k", "0", "00000000");
        const QString file = copyWith(factoryFile("8k"), "write-file.rq7k8k", "199", "1A2B3C4D");
        SimProcess sim({"--model", "8k", "--state", state});
        const QString trace = path("write-trace.txt");
        const QuarnctlResult r = quarnctl({"--port", sim.device(), "--trace", trace, "write", file});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.err, QString());
        QVERIFY(becomesSame(file, state));
        const QByteArray log = readAll(trace);
        QVERIFY(log.contains("|$P1991A2B3C4D.|"));
        QVERIFY(log.contains("|$PROGENDE.|"));
    }

    void verify()
    {
        SimProcess sim({"--model", "7k"});
        const QString file = copyWith(factoryFile("7k"), "verify.rq7k8k", "42", "FFFF");
        const QuarnctlResult r = quarnctl({"--port", sim.device(), "verify", file});
        QCOMPARE(r.code, 1);
        const QString unit = quarnctl({"get", factoryFile("7k"), "42"}).out.trimmed();
        QCOMPARE(r.out, QStringLiteral("042 FFFF0000 %1\n").arg(unit));
    }

    void reset()
    {
        const QString factory = factoryFile("8k-ti");
        const QString state = copyWith(factory, "reset-state.rq7k8k", "320", "ABABABAB");
        SimProcess sim({"--model", "8k", "--telephone", "--state", state});
        const QuarnctlResult r = quarnctl({"--port", sim.device(), "reset", "--telephone", "--yes"});
        QCOMPARE(r.code, 0);
        QVERIFY(becomesSame(factory, state));
    }

    void shortdial()
    {
        // At 9600 baud, as over a real cable: a range of 100 lines takes about 2.4 s.
        const QString state = path("shortdial-state.rq7k8k");
        SimProcess sim({"--model", "8k", "--telephone", "--baud-timing", "--state", state});
        const QString first = path("kurzwahl.txt");
        QuarnctlResult r =
            quarnctl({"--port", sim.device(), "shortdial", "read", "--ranges", "3", "-o", first});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("100 entries read, saved in %1\n").arg(first));
        const QByteArray saved = readAll(first);
        QVERIFY(saved.size() % 2 == 0);
        const QString text =
            QString::fromUtf16(reinterpret_cast<const char16_t*>(saved.constData()), saved.size() / 2);
        const QStringList lines = text.split(QLatin1Char('\r'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 100);
        for (int i = 0; i < 100; ++i) {
            QCOMPARE(lines[i].size(), 22);
            QVERIFY(lines[i].startsWith(QStringLiteral("WP%1:").arg(300 + i)));
        }

        // Edited in a text editor that saves UTF-8 with CR LF: one line is enough.
        const QString edited = path("kurzwahl-edited.txt");
        QFile out(edited);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("WP305:4711#...........\r\n");
        out.close();
        r = quarnctl({"--port", sim.device(), "shortdial", "write", edited});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("1 entries written from %1\n").arg(edited));

        const QString second = path("kurzwahl-2.txt");
        QCOMPARE(
            quarnctl({"--port", sim.device(), "--quiet", "shortdial", "read", "--ranges", "3", "-o", second})
                .code,
            0);
        QString expected = text;
        expected.replace(lines[5], QStringLiteral("WP305:4711#..........."));
        QCOMPARE(readAll(second),
                 QByteArray(reinterpret_cast<const char*>(expected.utf16()), expected.size() * 2));
        // The simulator keeps the memory in its state file.
        for (int i = 0; i < 40 && !readAll(state).contains("\r\nWP305:4711#...........\r\n"); ++i)
            QThread::msleep(50);
        QVERIFY(readAll(state).contains("\r\nWP305:4711#...........\r\n"));
    }

    void history()
    {
        // Pin 1 becomes an output: the review names it, then the unit holds the file.
        const QString factory = factoryFile("7k");
        const QString pin = quarnctl({"get", factory, "95"}).out.trimmed();
        const QString file =
            copyWith(factory, "review.rq7k8k", "95", (pin.startsWith('1') ? "0" : "1") + pin.mid(1));
        SimProcess sim({"--model", "7k"});
        // Nobody to ask (standard input is no terminal): refused before the unit is touched.
        QuarnctlResult r = quarnctl({"--port", sim.device(), "write", "--review", file});
        QCOMPARE(r.code, 2);
        QVERIFY(r.err.startsWith(QStringLiteral("quarnctl: write: --review fragt am Terminal")));
        const int before = quarnctl({"history"}).out.count(QLatin1Char('\n'));
        r = quarnctl({"--port", sim.device(), "write", "--review", "--yes", file});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.startsWith(QStringLiteral("Im Gerät ändert sich (bisher → neu):\n"
                                                 "  Konfiguration Ein-/Ausgänge › Ein-/Ausgang 1: ")),
                 qPrintable(r.out));
        // The read before the write is the newest entry; its file is the unit as it was.
        const QStringList lines = quarnctl({"history"}).out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), before + 1);
        QVERIFY2(lines.last().endsWith(QStringLiteral("  Quarn7k  Basis")), qPrintable(lines.last()));
        const QString kept = quarnctl({"history", "show", QString::number(lines.size())}).out.trimmed();
        QVERIFY(kept.endsWith(QStringLiteral("_Quarn7k-Basis.rq7k8k")));
        QCOMPARE(quarnctl({"get", kept, "95"}).out.trimmed(), pin);
        QCOMPARE(quarnctl({"history", "show", "0"}).code, 2);
    }

    void exitCodes()
    {
        QuarnctlResult r = quarnctl({"--port", path("no-such-device"), "info"});
        QCOMPARE(r.code, 3);
        QCOMPARE(r.err,
                 QStringLiteral("quarnctl: %1: Port konnte nicht initialisiert werden! (device not found)\n"
                                "  `quarnctl ports` zeigt die Ports, die sich öffnen lassen.\n")
                     .arg(path("no-such-device")));
        QCOMPARE(quarnctl({"--port", path("x"), "write", path("missing.rq7k8k")}).code, 4);
        QCOMPARE(quarnctl({"--port", path("x"), "reset", "--base"}).code, 2);

        SimProcess monitor({"--model", "7k", "--fault", "monitor"});
        r = quarnctl({"--port", monitor.device(), "info"});
        QCOMPARE(r.code, 1);
        QCOMPARE(r.err,
                 QStringLiteral("quarnctl: %1: Im Menü des Quarns muss \"PC-Verbindung\" ausgewählt werden, "
                                "um eine Verbindung aufzubauen.\n")
                     .arg(monitor.device()));
        QCOMPARE(r.out, QString());

        // A line that drops during a read or a write: one message and what to do next, not a
        // second one from the disconnect that can no longer reach the unit.
        const QString file = factoryFile("7k");
        for (const QStringList& command :
             {QStringList{"read", "-o", path("dropped.rq7k8k")}, QStringList{"write", file}}) {
            SimProcess hangup({"--model", "7k", "--fault", "hangup=40"});
            r = quarnctl(QStringList{"--port", hangup.device()} + command);
            QCOMPARE(r.code, 1);
            QString expected =
                QStringLiteral("quarnctl: %1: Sendevorgang war fehlerhaft und wurde abgebrochen!\n"
                               "  Die Leitung zum Gerät ist abgebrochen: Kabel prüfen und den Befehl "
                               "wiederholen.\n")
                    .arg(hangup.device());
            if (command[0] == "write")
                expected +=
                    QStringLiteral("  Das Gerät ist möglicherweise nur teilweise programmiert: `quarnctl "
                                   "write %1` wiederholen oder mit `quarnctl verify %1` prüfen.\n")
                        .arg(file);
            QCOMPARE(r.err, expected);
        }
        QVERIFY(!QFile::exists(path("dropped.rq7k8k")));

        // The report builds the dialogs on Qt's offscreen platform, whose notes are not
        // quarnctl's messages.
        r = quarnctl({"report", file});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.err, QString());
    }
};

QTEST_GUILESS_MAIN(TestE2eQuarnctl)
#include "tst_e2e_quarnctl.moc"
