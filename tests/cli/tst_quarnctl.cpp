#include <QtTest>

#include "cli/Quarnctl.h"
#include "cli/TracingPort.h"

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

Run quarnctl(const QStringList& args)
{
    Run r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code = cli::Quarnctl(out, err).run(args);
    out.flush();
    err.flush();
    return r;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// quarnctl in-process on the simulated unit (virtual time, so every exchange is instant).
class TestQuarnctl : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

private Q_SLOTS:
    void infoForEveryVariant_data()
    {
        QTest::addColumn<QString>("variant");
        QTest::addColumn<QString>("expected");
        QTest::newRow("7k") << "7k"
                            << "model: Quarn 7k\ntelephone-interface: no\nversion: Quarn 7k V3.20\n";
        QTest::newRow("8k-ti") << "8k-ti"
                               << "model: Quarn 8k\ntelephone-interface: yes\nversion: Quarn 8k V3.20 mit "
                                  "Telefoninterface\n";
    }
    void infoForEveryVariant()
    {
        QFETCH(QString, variant);
        QFETCH(QString, expected);
        const Run r = quarnctl({"--simulate=" + variant, "info"});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, expected);
        QCOMPARE(r.err, QString());
    }

    void readShowGetSetDiff()
    {
        const QString file = path("unit.rq7k8k");
        QCOMPARE(quarnctl({"--simulate=8k-ti", "--quiet", "read", "-o", file}).code, 0);
        QVERIFY(readAll(file).startsWith("WithTI\r\nR000 "));

        const Run shown = quarnctl({"show", file});
        QCOMPARE(shown.code, 0);
        const QStringList lines = shown.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 600);
        QVERIFY(lines[200].startsWith("300 "));
        QCOMPARE(lines[5].size(), 12);

        const QString copy = path("copy.rq7k8k");
        QVERIFY(QFile::copy(file, copy));
        QCOMPARE(quarnctl({"set", copy, "350", "1a"}).code, 0);
        QCOMPARE(quarnctl({"get", copy, "350"}).out, QString("1A000000\n"));
        QCOMPARE(quarnctl({"diff", file, file}).code, 0);
        const Run d = quarnctl({"diff", file, copy});
        QCOMPARE(d.code, 1);
        QCOMPARE(d.out, "350 " + lines[250].mid(4) + " 1A000000\n");
    }

    void setFollowsTheRegisterEditorRules()
    {
        const QString file = path("base.rq7k8k");
        QCOMPARE(quarnctl({"--simulate=7k", "read", "-o", file}).code, 0);
        const QByteArray before = readAll(file);
        Run r = quarnctl({"set", file, "5", "12G"});
        QCOMPARE(r.code, 2);
        QCOMPARE(
            r.err,
            QString("Nur hexadezimale Zahlen (0-F) können in die Registerstellen programmiert werden!\n"));
        r = quarnctl({"set", file, "350", "1"}); // the file has no telephone registers
        QCOMPARE(r.code, 2);
        QCOMPARE(r.err, QString("Bitte geben Sie eine Zahl zwischen 0 und 199 ein!\n"));
        QCOMPARE(quarnctl({"set", file, "200", "1"}).code, 2);
        QCOMPARE(quarnctl({"set", file, "5", "123456789"}).code, 2);
        QCOMPARE(readAll(file), before);
        QCOMPARE(quarnctl({"get", file, "x"}).code, 2);
        QCOMPARE(quarnctl({"get", path("missing.rq7k8k"), "5"}).code, 4);
    }

    void sendGuardKeepsTheUnitUntouched()
    {
        // A file with an invalid line: loaded with a message, nothing reaches the unit.
        const QString file = path("broken.rq7k8k");
        QCOMPARE(quarnctl({"--simulate=7k", "read", "-o", file}).code, 0);
        QByteArray content = readAll(file);
        content.replace("\r\nR042 ", "\r\nR042 G");
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();

        const QString trace = path("trace.txt");
        const Run r = quarnctl({"--simulate=7k", "--trace", trace, "write", file});
        QCOMPARE(r.code, 1);
        QVERIFY(r.err.contains("Nicht alle Register konnten aus Datei gelesen werden.\n"));
        QVERIFY(r.err.contains(
            "Daten wurden nicht gesendet: Register 42 enthält keine gültigen Registerstellen.\n"));
        const QByteArray log = readAll(trace);
        QVERIFY(log.contains("|$PROGSTART.|"));
        QVERIFY(!log.contains("|$P0"));
        QVERIFY(log.contains("|$PROGENDE.|")); // still disconnected
    }

    void writeAndVerify()
    {
        const QString file = path("factory.rq7k8k");
        QCOMPARE(quarnctl({"--simulate=8k", "read", "-o", file}).code, 0);
        QCOMPARE(quarnctl({"--simulate=8k", "write", file}).code, 0);
        QCOMPARE(quarnctl({"--simulate=8k", "verify", file}).out, QString());
        QCOMPARE(quarnctl({"set", file, "17", "ABCD"}).code, 0);
        const Run r = quarnctl({"--simulate=8k", "verify", file});
        QCOMPARE(r.code, 1);
        QVERIFY(r.out.startsWith("017 ABCD0000 "));
        QCOMPARE(r.out.count('\n'), 1);
    }

    void usageAndExitCodes()
    {
        QCOMPARE(quarnctl({}).code, 2);
        QCOMPARE(quarnctl({"frobnicate"}).code, 2);
        QCOMPARE(quarnctl({"info"}).code, 2); // no port
        QCOMPARE(quarnctl({"--simulate=9k", "info"}).code, 2);
        QCOMPARE(quarnctl({"--simulate", "reset", "--base"}).code, 2); // no --yes
        QCOMPARE(quarnctl({"--simulate", "reset", "--base", "--telephone", "--yes"}).code, 2);
        QCOMPARE(quarnctl({"--simulate", "read"}).code, 2);
        QCOMPARE(quarnctl({"--simulate", "reset", "--telephone", "--yes"}).code, 0);
        QCOMPARE(quarnctl({"--simulate", "--trace", path("no/such/dir/t.txt"), "info"}).code, 4);
        QCOMPARE(quarnctl({"--simulate", "read", "-o", path("no/such/dir/x.rq7k8k")}).code, 4);
        QCOMPARE(quarnctl({"--simulate", "write", path("missing.rq7k8k")}).code, 4);
        QCOMPARE(quarnctl({"--help"}).code, 0);
    }

    void traceLineFormat()
    {
        QCOMPARE(cli::TracingPort::formatLine(1234, "TX", QByteArray("$R005\r")),
                 QByteArray("    1234 ms TX  24 52 30 30 35 0D  |$R005.|\n"));
        const QString trace = path("info-trace.txt");
        QCOMPARE(quarnctl({"--simulate=7k", "--trace", trace, "info"}).code, 0);
        const QList<QByteArray> lines = readAll(trace).split('\n');
        // The connect sends its two commands at once, then the unit's reply comes in.
        QVERIFY(lines[1].endsWith("|$PROGSTART.|"));
        QVERIFY(lines[2].endsWith("|$R300.|"));
        QVERIFY(lines[3].contains(" RX  "));
    }
};

QTEST_GUILESS_MAIN(TestQuarnctl)
#include "tst_quarnctl.moc"
