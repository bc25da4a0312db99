#include <QtTest>

#include "cli/CommandRegistry.h"
#include "cli/ConsoleProgress.h"
#include "cli/GlobalOptions.h"
#include "cli/Quarnctl.h"
#include "cli/TracingPort.h"
#include "config/link/ShortDialFile.h"
#include "sim/ShortDialDefaults.h"

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

// The bytes of every "TX" line of a trace, in order: "  1234 ms TX  57 50 ...  |WP...|".
QByteArray tracedWrites(const QByteArray& trace)
{
    QByteArray sent;
    for (const QByteArray& line : trace.split('\n')) {
        const qsizetype tx = line.indexOf(" TX  ");
        const qsizetype text = line.indexOf("  |");
        if (tx >= 0 && text > tx)
            sent += QByteArray::fromHex(line.mid(tx + 5, text - tx - 5));
    }
    return sent;
}

} // namespace

// quarnctl in-process on the simulated unit (virtual time, so every exchange is instant).
class TestQuarnctl : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

private Q_SLOTS:
    void initTestCase()
    {
        // The messages checked here are the German ones, whatever the machine's locale.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        // quarnctl finds the English language file beside the program.
        const QString qm = QCoreApplication::applicationDirPath() + "/Quarn7k8kENU.qm";
        QFile::remove(qm);
        QVERIFY(QFile::copy(QUARN_QM_FILE, qm));
        QCOMPARE(quarnctl({"--simulate=7k", "--quiet", "read", "-o", path("7k.rq7k8k")}).code, 0);
        QCOMPARE(quarnctl({"--simulate=8k-ti", "--quiet", "read", "-o", path("8k-ti.rq7k8k")}).code, 0);
    }

    // Every command of the registry joins by its name: --help after it, an unknown option,
    // and for a command that writes a file, -o F, --output=F and --output F write the same.
    void everyCommand_data()
    {
        QTest::addColumn<QString>("name");
        for (const std::unique_ptr<cli::Command>& command : cli::CommandRegistry::commands())
            QTest::newRow(qPrintable(command->name())) << command->name();
    }
    void everyCommand()
    {
        QFETCH(QString, name);
        const cli::Command* command = cli::CommandRegistry::find(name);
        const QString usage = "usage: quarnctl " + name;
        Run r = quarnctl({"--language", "en", "--simulate", name, "--help"});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.startsWith(usage + ' ') || r.out.startsWith(usage + '\n'), qPrintable(r.out));
        QCOMPARE(r.out, command->help(cli::Language::English));
        QCOMPARE(r.err, QString());
        QCOMPARE(quarnctl({"--simulate", "--help", name, "--language=en"}).out, r.out);

        r = quarnctl({"--simulate", name, "--no-such-option", "x"});
        QCOMPARE(r.code, 2);
        QCOMPARE(r.err, "quarnctl: " + name + ": unbekannte Option --no-such-option\n" +
                            command->help(cli::Language::German));
        QVERIFY2(r.err.contains("\nAufruf: quarnctl " + name), qPrintable(r.err));
        QCOMPARE(r.out, QString());

        // How each command that writes a file is run; a new one must join here.
        const QHash<QString, QStringList> writing{
            {"read", {"--simulate=7k", "read"}},
            {"texts", {"--simulate", "texts", "read", "channels"}},
            {"shortdial", {"--simulate", "shortdial", "read", "--ranges", "2"}},
            {"report", {"report", path("8k-ti.rq7k8k")}},
        };
        const QList<QCommandLineOption> options = command->options(cli::Language::German);
        const bool writes = std::any_of(options.begin(), options.end(), [](const QCommandLineOption& o) {
            return o.names() == QStringList{"o", "output"};
        });
        QCOMPARE(writing.contains(name), writes);
        if (!writes)
            return;
        const QList<QStringList> spellings{
            {"-o", path("a.out")}, {"--output=" + path("b.out")}, {"--output", path("c.out")}};
        for (const char* out : {"a.out", "b.out", "c.out"})
            QFile::remove(path(out));
        for (const QStringList& spelled : spellings) {
            r = quarnctl(writing[name] + spelled);
            QCOMPARE(r.code, 0);
            QCOMPARE(r.err, QString());
        }
        QVERIFY(!readAll(path("a.out")).isEmpty());
        QCOMPARE(readAll(path("b.out")), readAll(path("a.out")));
        QCOMPARE(readAll(path("c.out")), readAll(path("a.out")));
    }

    // Every help text in German and English: a summary, details block or option description
    // left in one language shows as a German line that the English text has too. Only the
    // usage forms (command, option and value names) read the same in both.
    void helpInBothLanguages_data()
    {
        QTest::addColumn<QString>("german");
        QTest::addColumn<QString>("english");
        using cli::Language;
        QTest::newRow("quarnctl --help")
            << cli::Quarnctl::usage(Language::German) << cli::Quarnctl::usage(Language::English);
        const auto described = [](Language language) {
            QString text;
            for (const QCommandLineOption& option : cli::GlobalOptions::definitions(language))
                if (!(option.flags() & QCommandLineOption::HiddenFromHelp))
                    text += option.names().constFirst() + ": " + option.description() + '\n';
            return text;
        };
        QTest::newRow("global options") << described(Language::German) << described(Language::English);
        for (const std::unique_ptr<cli::Command>& command : cli::CommandRegistry::commands())
            QTest::newRow(qPrintable(command->name()))
                << command->help(Language::German) << command->help(Language::English);
    }
    void helpInBothLanguages()
    {
        QFETCH(QString, german);
        QFETCH(QString, english);
        QVERIFY(!german.isEmpty());
        QVERIFY(german != english);
        QStringList forms; // "read -o FILE", "texts read own [--language 0-6] -o FILE", ...
        for (const std::unique_ptr<cli::Command>& command : cli::CommandRegistry::commands())
            forms << command->synopsis() << command->usage();
        QStringList englishLines;
        for (const QString& line : english.split('\n'))
            englishLines << line.simplified();
        for (const QString& line : german.split('\n', Qt::SkipEmptyParts)) {
            const QString simple = line.simplified();
            if (forms.contains(simple.startsWith("quarnctl ") ? simple.mid(9) : simple) ||
                simple.startsWith('['))
                continue; // a usage form, or the global usage's second line
            QVERIFY2(!englishLines.contains(simple), qPrintable("the same in both languages: " + line));
        }
    }

    // The messages as a user sees them: one form, the file or port named, in German by
    // default and in English with --language en or an English locale.
    void messages_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("englishLocale");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("err");
        const QString missing = path("missing.rq7k8k");
        const QString ti = path("8k-ti.rq7k8k");
        QTest::newRow("file missing")
            << QStringList{"show", missing} << false << 4
            << "quarnctl: " + missing + ": Datei konnte nicht gelesen werden. (Datei nicht vorhanden)\n";
        QTest::newRow("folder missing")
            << QStringList{"--simulate=7k", "read", "-o", path("no/dir/x.rq7k8k")} << false << 4
            << "quarnctl: " + path("no/dir/x.rq7k8k") +
                   ": Datei konnte nicht gespeichert werden. (Ordner nicht vorhanden)\n";
        QTest::newRow("file missing, English")
            << QStringList{"--language", "en", "show", missing} << false << 4
            << "quarnctl: " + missing + ": The file could not be read. (no such file)\n";
        QTest::newRow("value too long, English")
            << QStringList{"--language", "en", "set", ti, "5", "123456789"} << false << 2
            << "quarnctl: " + ti + ": A register has 8 digits, \"123456789\" has 9.\n";
        QTest::newRow("English locale")
            << QStringList{"set", ti, "5", "123456789"} << true << 2
            << "quarnctl: " + ti + ": A register has 8 digits, \"123456789\" has 9.\n";
        QTest::newRow("--language de over the locale")
            << QStringList{"--language=de", "set", ti, "5", "123456789"} << true << 2
            << "quarnctl: " + ti + ": Ein Register hat 8 Stellen, \"123456789\" hat 9.\n";
        QTest::newRow("telephone file, unit without")
            << QStringList{"--simulate=8k", "verify", ti} << false << 1
            << "quarnctl: " + ti +
                   ": Die Datei enthält die Register des Telefoninterface, das Gerät hat keines; verglichen "
                   "werden die Register 0-199.\n";
        QTest::newRow("unknown command")
            << QStringList{"frobnicate"} << false << 2
            << "quarnctl: unbekannter Befehl \"frobnicate\"\n" + cli::Quarnctl::usage(cli::Language::German);
        QTest::newRow("missing value")
            << QStringList{"--simulate", "texts", "read", "ids", "-o"} << false << 2
            << "quarnctl: texts: -o braucht einen Wert\n" +
                   cli::CommandRegistry::find("texts")->help(cli::Language::German);
        QTest::newRow("value on a switch, English")
            << QStringList{"--language=en", "--quiet=1", "ports"} << false << 2
            << "quarnctl: ports: --quiet takes no value\n" +
                   cli::CommandRegistry::find("ports")->help(cli::Language::English);
    }
    void messages()
    {
        QFETCH(QStringList, args);
        QFETCH(bool, englishLocale);
        QFETCH(int, code);
        QFETCH(QString, err);
        if (englishLocale)
            QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        const Run r = quarnctl(args);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(r.err, err);
        QCOMPARE(r.code, code);
        QCOMPARE(r.out, QString()); // verify: the telephone registers are not listed as differences
    }

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
        QCOMPARE(r.err,
                 "quarnctl: " + file +
                     ": Nur hexadezimale Zahlen (0-F) können in die Registerstellen programmiert werden!\n");
        r = quarnctl({"set", file, "350", "1"}); // the file has no telephone registers
        QCOMPARE(r.code, 2);
        QCOMPARE(r.err, "quarnctl: " + file + ": Bitte geben Sie eine Zahl zwischen 0 und 199 ein!\n");
        QCOMPARE(quarnctl({"set", file, "200", "1"}).code, 2);
        r = quarnctl({"set", file, "5", "123456789"});
        QCOMPARE(r.code, 2);
        QCOMPARE(r.err, "quarnctl: " + file + ": Ein Register hat 8 Stellen, \"123456789\" hat 9.\n");
        QCOMPARE(readAll(file), before);
        QCOMPARE(quarnctl({"get", file, "x"}).code, 2);
        QCOMPARE(quarnctl({"get", path("missing.rq7k8k"), "5"}).code, 4);
    }

    // A file not read completely (a damaged line, a file cut short, telephone registers under
    // "NoTI"): every command that would act on it refuses with exit 4, names the file and its
    // first bad line, leaves the file as it was and does not touch the unit.
    void incompleteFileIsRefused_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("line");
        for (const char* command : {"set", "write", "verify"}) {
            QTest::addRow("damaged digits, %s", command) << "digits" << command << 44;
            QTest::addRow("cut after 100 lines, %s", command) << "cut" << command << 101;
            QTest::addRow("NoTI above telephone registers, %s", command) << "label" << command << 202;
        }
    }

    void incompleteFileIsRefused()
    {
        QFETCH(QString, damage);
        QFETCH(QString, command);
        QFETCH(int, line);
        const QString file = m_dir.filePath("broken-" + damage + "-" + command + ".rq7k8k");
        QCOMPARE(quarnctl({"--simulate=8k-ti", "--quiet", "read", "-o", file}).code, 0);
        QByteArray content = readAll(file);
        if (damage == "digits")
            content.replace("\r\nR042 ", "\r\nR042 G");
        else if (damage == "cut")
            content.truncate(content.indexOf("\r\nR099 ") + 2);
        else
            content.replace(0, 6, "NoTI");
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();

        const QString trace = m_dir.filePath("trace-" + damage + "-" + command + ".txt");
        QStringList args{"--simulate=8k-ti", "--trace", trace, command, file};
        if (command == "set")
            args = QStringList{command, file, "5", "1"};
        const Run r = quarnctl(args);
        QCOMPARE(r.code, 4);
        QCOMPARE(r.err,
                 "quarnctl: " + file +
                     ": Nicht alle Register konnten aus Datei gelesen werden. Erste fehlerhafte Zeile: " +
                     QString::number(line) + ".\n");
        QCOMPARE(readAll(file), content);
        QVERIFY(!readAll(trace).contains("$PROGSTART"));
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

    void shortDialReadIsTheDialogsFile_data()
    {
        QTest::addColumn<QStringList>("rangeArgs");
        QTest::addColumn<QList<int>>("ranges");
        QTest::newRow("default: 000-099") << QStringList{} << QList<int>{0};
        QTest::newRow("two, in any order") << QStringList{"--ranges", "9,2,9"} << QList<int>{2, 9};
    }
    void shortDialReadIsTheDialogsFile()
    {
        QFETCH(QStringList, rangeArgs);
        QFETCH(QList<int>, ranges);
        const QString file = path("kw.txt");
        QFile::remove(file);
        const Run r = quarnctl(QStringList{"--simulate", "shortdial", "read", "-o", file} + rangeArgs);
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("%1 entries read, saved in %2\n").arg(100 * ranges.size()).arg(file));
        // The unit's lines without echo and stray '#', UTF-16LE, no byte-order mark.
        QString expected;
        for (int b : ranges) {
            for (int n = 100 * b; n < 100 * b + 100; ++n)
                expected += QStringLiteral("WP%1:").arg(n, 3, 10, QLatin1Char('0')) +
                            QString::fromLatin1(sim::ShortDialDefaults::entry(n)).leftJustified(16, '.') +
                            '\r';
        }
        QCOMPARE(readAll(file), quarn::link::ShortDialFile::bytes(expected));

        // Written back, the unit receives exactly those lines after the opening.
        const QString trace = path("kw-trace.txt");
        const Run w = quarnctl({"--simulate", "--trace", trace, "shortdial", "write", file});
        QCOMPARE(w.code, 0);
        QCOMPARE(w.out, QStringLiteral("%1 entries written from %2\n").arg(100 * ranges.size()).arg(file));
        const QByteArray sent = tracedWrites(readAll(trace));
        QVERIFY(sent.startsWith("$PROGENDE\r\r"));
        QCOMPARE(sent.mid(11, expected.size()), expected.toLatin1());
        // Then the written ranges are listed again and compared.
        QByteArray readBack;
        for (int b : ranges)
            readBack += QStringLiteral("WL%1-%2\r")
                            .arg(100 * b, 3, 10, QLatin1Char('0'))
                            .arg(100 * b + 99, 3, 10, QLatin1Char('0'))
                            .toLatin1();
        QCOMPARE(sent.mid(11 + expected.size()), readBack);
    }

    void shortDialExitCodes_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        const QString usage = "Aufruf: quarnctl shortdial read";
        QTest::newRow("no action") << QStringList{"--simulate", "shortdial"} << 2 << usage;
        QTest::newRow("unknown action") << QStringList{"--simulate", "shortdial", "erase", "f"} << 2 << usage;
        QTest::newRow("read without file") << QStringList{"--simulate", "shortdial", "read"} << 2 << usage;
        QTest::newRow("-o without file")
            << QStringList{"--simulate", "shortdial", "read", "-o"} << 2 << usage;
        QTest::newRow("range 10") << QStringList{"--simulate", "shortdial", "read", "--ranges",
                                                 "1,10",       "-o",        "f"}
                                  << 2 << "falsche Bereiche 1,10";
        QTest::newRow("ranges on write")
            << QStringList{"--simulate", "shortdial", "write", "f", "--ranges", "1"} << 2 << usage;
        QTest::newRow("two files") << QStringList{"--simulate", "shortdial", "write", "a", "b"} << 2 << usage;
        QTest::newRow("no unit") << QStringList{"shortdial", "read", "-o", "f"} << 2 << "braucht --port";
        QTest::newRow("no telephone interface")
            << QStringList{"--simulate=8k", "shortdial", "read", "-o", "f"} << 1
            << "Der Kurzwahlspeicher konnte nicht vollständig gelesen werden: Eintrag 000 ist nicht "
               "angekommen.";
        QTest::newRow("file missing") << QStringList{"--simulate", "shortdial", "write", "missing.txt"} << 4
                                      << "Datei konnte nicht gelesen werden.";
        QTest::newRow("file not writable") << QStringList{"--simulate", "shortdial", "read", "-o", "no/dir/f"}
                                           << 4 << "Datei konnte nicht gespeichert werden.";
        QTest::newRow("no such port") << QStringList{"--port", "no-such-port", "shortdial", "read", "-o", "f"}
                                      << 3 << "Port konnte nicht initialisiert werden!";
    }
    void shortDialExitCodes()
    {
        QFETCH(QStringList, args);
        QFETCH(int, code);
        QFETCH(QString, message);
        // Relative names live in the scratch folder; a file that exists there stays as it was.
        for (QString& a : args) {
            if (a == "f" || a.contains('/') || a.endsWith(".txt"))
                a = path(a.toLatin1().constData());
        }
        QFile existing(path("kw.txt"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write(QByteArray("W\0P\0", 4));
        existing.close();
        QFile::remove(path("f"));
        const Run r = quarnctl(args);
        QCOMPARE(r.code, code);
        QVERIFY2(r.err.contains(message), qPrintable(r.err));
        QVERIFY(!QFile::exists(path("f")));
        QCOMPARE(readAll(path("kw.txt")), QByteArray("W\0P\0", 4));
    }

    // The disconnect's sequence: range, position 0, steps, position 0. One labelled line that
    // moved; no empty bar before it. Disabled (no terminal, --quiet): nothing at all.
    void progressBarSaysWhatItMeasures()
    {
        for (const bool enabled : {true, false}) {
            QString text;
            QTextStream err(&text);
            cli::ConsoleProgress progress(err, enabled);
            progress.setLabel("Trennen");
            progress.setRange(2);
            progress.setPosition(0);
            progress.step();
            progress.step();
            progress.setPosition(0);
            err.flush();
            QCOMPARE(text, enabled ? "\rTrennen  [####################                    ] 1/2"
                                     "\rTrennen  [########################################] 2/2\n"
                                   : QString());
        }
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

QTEST_MAIN(TestQuarnctl)
#include "tst_quarnctl.moc"
