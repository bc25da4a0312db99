#include <QtTest>

// The manual pages and the programs' own help list the same commands and options: a command
// added to quarnctl without its manual entry, or a manual entry left for a removed option,
// fails here.

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
}

QString readSource(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The text of one "# NAME" section of a manual source.
QString section(const QString& manual, const QString& name)
{
    const qsizetype start = manual.indexOf(QStringLiteral("\n# ") + name + QLatin1Char('\n'));
    if (start < 0)
        return {};
    const qsizetype end = manual.indexOf(QStringLiteral("\n# "), start + 1);
    return manual.mid(start, end < 0 ? -1 : end - start);
}

// Every match of pattern, its capture groups joined by blanks.
QStringList matches(const QString& text, const QString& pattern)
{
    const QRegularExpression re(pattern, QRegularExpression::MultilineOption);
    QStringList found;
    for (const QRegularExpressionMatch& m : re.globalMatch(text)) {
        QStringList groups;
        for (int i = 1; i <= re.captureCount(); ++i)
            groups << m.captured(i);
        const QString item = groups.join(QLatin1Char(' '));
        if (!found.contains(item))
            found << item;
    }
    found.sort();
    return found;
}

const QString kQuarnctl = QStringLiteral(QUARNCTL_PATH);
const QString kQuarnSim = QStringLiteral(QUARN_SIM_PATH);
const QString kQuarnctlManual = QStringLiteral(QUARN_MAN_DIR "/quarnctl.1.scd");
const QString kQuarnSimManual = QStringLiteral(QUARN_MAN_DIR "/quarn-sim.1.scd");
const QString kQuarn7k8k = QStringLiteral(QUARN7K8K_PATH);
const QString kTekstor = QStringLiteral(TEKSTOR_PATH);
const QString kQuarn7k8kManual = QStringLiteral(QUARN_MAN_DIR "/Quarn7k8k.1.scd");
const QString kTekstorManual = QStringLiteral(QUARN_MAN_DIR "/Tekstor.1.scd");

} // namespace

class TestManual : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sameAsHelp_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("usageOnly");      // only the help's first paragraph counts
        QTest::addColumn<QString>("helpPattern"); // on the help text
        QTest::addColumn<QString>("manual");
        QTest::addColumn<QString>("manualSection");
        QTest::addColumn<QString>("manualPattern");  // on the manual source
        QTest::addColumn<QStringList>("manualOnly"); // items the help does not list by design

        // Manual terms start a line: "*--port* _NAME_", "*-q*, *--quiet*", "*read* *-o* _FILE_".
        const QString manualOption = QStringLiteral("^(?:\\*-\\w\\*, )?\\*(--[a-z-]+)\\*");
        QTest::newRow("quarnctl commands")
            << kQuarnctl << QStringList{"--help"} << false << QStringLiteral("^  ([a-z]+)\\b")
            << kQuarnctlManual << QStringLiteral("COMMANDS") << QStringLiteral("^\\*([a-z]+)\\*")
            << QStringList{};
        // quarnctl's usage names --help nowhere; the manual does.
        QTest::newRow("quarnctl options")
            << kQuarnctl << QStringList{"--help"} << true << QStringLiteral("(--[a-z-]+)") << kQuarnctlManual
            << QStringLiteral("OPTIONS") << manualOption << QStringList{"--help"};
        QTest::newRow("quarnctl texts")
            << kQuarnctl << QStringList{"texts", "--help"} << false
            << QStringLiteral("quarnctl texts (read|write) ([a-z]+)") << kQuarnctlManual
            << QStringLiteral("COMMANDS") << QStringLiteral("\\*quarnctl texts (read|write) ([a-z]+)")
            << QStringList{};
        QTest::newRow("quarn-sim options")
            << kQuarnSim << QStringList{"--help"} << false << QStringLiteral("^\\s+(?:-\\w, )?(--[a-z-]+)")
            << kQuarnSimManual << QStringLiteral("OPTIONS") << manualOption << QStringList{};
        QTest::newRow("quarn-sim faults")
            << kQuarnSim << QStringList{"--help"}
            << false
            // The faults as --help lists them ("Misbehave: silent, monitor, drop=N, ... or cutoff=N.").
            << QStringLiteral("(?:Misbehave:|,|\\bor)\\s+([a-z]+)(?=[=\\[,.]|\\s+or\\b)") << kQuarnSimManual
            << QStringLiteral("OPTIONS") << QStringLiteral("^\\t- \\*([a-z]+)=?\\*") << QStringList{};
        for (const auto& [program, manual] :
             {std::pair{kQuarn7k8k, kQuarn7k8kManual}, {kTekstor, kTekstorManual}})
            QTest::newRow(qPrintable(QFileInfo(program).fileName() + QStringLiteral(" options")))
                << program << QStringList{"--help"} << false << QStringLiteral("^\\s+(?:-\\w, )?(--[a-z-]+)")
                << manual << QStringLiteral("OPTIONS") << manualOption << QStringList{};
    }

    void sameAsHelp()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QFETCH(bool, usageOnly);
        QFETCH(QString, helpPattern);
        QFETCH(QString, manual);
        QFETCH(QString, manualSection);
        QFETCH(QString, manualPattern);
        QFETCH(QStringList, manualOnly);

        QString help = run(program, arguments);
        QVERIFY2(!help.isEmpty(), qPrintable(program + QStringLiteral(" printed no help")));
        if (usageOnly)
            help = help.left(help.indexOf(QLatin1String("\n\n")));
        const QString source = section(readSource(manual), manualSection);
        QVERIFY2(!source.isEmpty(), qPrintable(manual + QStringLiteral(": no section ") + manualSection));

        const QStringList inHelp = matches(help, helpPattern);
        QStringList inManual = matches(source, manualPattern);
        QVERIFY2(inHelp.size() >= 2, qPrintable(QStringLiteral("pattern finds too little in:\n") + help));
        for (const QString& item : manualOnly) {
            QVERIFY2(inManual.contains(item), qPrintable(item));
            inManual.removeAll(item);
        }
        QStringList notInManual;
        QStringList notInHelp;
        for (const QString& item : inHelp)
            if (!inManual.contains(item))
                notInManual << item;
        for (const QString& item : inManual)
            if (!inHelp.contains(item))
                notInHelp << item;
        QVERIFY2(notInManual.isEmpty() && notInHelp.isEmpty(),
                 qPrintable(QStringLiteral("missing from %1: %2; missing from the help: %3")
                                .arg(manual, notInManual.join(QStringLiteral(", ")),
                                     notInHelp.join(QStringLiteral(", ")))));
    }

    // What the manual pages promise of the two window programs before any window opens:
    // --help and --version on standard output, a wrong option refused with the usage; in
    // English with an English locale, German otherwise.
    void usageAndVersion_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out"); // pattern on standard output
        QTest::addColumn<QString>("err"); // pattern on standard error

        const QString nothing = QStringLiteral("^$");
        QTest::newRow("Quarn7k8k --help")
            << kQuarn7k8k << QStringLiteral("en_GB.UTF-8") << QStringList{"--help"} << 0
            << QStringLiteral("^Usage: Quarn7k8k .*\\n  FILE ") << nothing;
        QTest::newRow("Quarn7k8k -v") << kQuarn7k8k << QStringLiteral("en_GB.UTF-8") << QStringList{"-v"} << 0
                                      << QStringLiteral("^Quarn7k8k " QUARN_VERSION "\\n$") << nothing;
        QTest::newRow("Quarn7k8k unknown option")
            << kQuarn7k8k << QStringLiteral("en_GB.UTF-8") << QStringList{"--bogus", "x.rq7k8k"} << 2
            << nothing << QStringLiteral("Quarn7k8k: unknown option --bogus\\nUsage: Quarn7k8k ");
        QTest::newRow("Quarn7k8k bad kind")
            << kQuarn7k8k << QStringLiteral("en_GB.UTF-8") << QStringList{"--simulate=9k"} << 2 << nothing
            << QStringLiteral("Quarn7k8k: --simulate takes .*\\nUsage: ");
        QTest::newRow("Tekstor --help") << kTekstor << QStringLiteral("en_GB.UTF-8") << QStringList{"-h"} << 0
                                        << QStringLiteral("^Usage: Tekstor .*\\n  FILE ") << nothing;
        QTest::newRow("Tekstor --version")
            << kTekstor << QStringLiteral("en_GB.UTF-8") << QStringList{"--version"} << 0
            << QStringLiteral("^Tekstor \\d+\\.\\d+\\n$") << nothing;
        QTest::newRow("Tekstor unknown option")
            << kTekstor << QStringLiteral("en_GB.UTF-8") << QStringList{"--bogus"} << 2 << nothing
            << QStringLiteral("Tekstor: unknown option --bogus\\nUsage: Tekstor ");
        QTest::newRow("quarn-sim unknown option")
            << kQuarnSim << QStringLiteral("en_GB.UTF-8") << QStringList{"--bogus"} << 2 << nothing
            << QStringLiteral("^quarn-sim: Unknown option");
        QTest::newRow("Quarn7k8k --help, German")
            << kQuarn7k8k << QStringLiteral("C.UTF-8") << QStringList{"--help"} << 0
            << QStringLiteral("^Aufruf: Quarn7k8k .*\\n  FILE ") << nothing;
        QTest::newRow("Quarn7k8k unknown option, German")
            << kQuarn7k8k << QStringLiteral("de_DE.UTF-8") << QStringList{"--bogus"} << 2 << nothing
            << QStringLiteral("Quarn7k8k: unbekannte Option --bogus\\nAufruf: Quarn7k8k ");
        QTest::newRow("Tekstor --help, German")
            << kTekstor << QStringLiteral("C.UTF-8") << QStringList{"-h"} << 0
            << QStringLiteral("^Aufruf: Tekstor .*\\n  FILE ") << nothing;
        QTest::newRow("Tekstor unknown option, German")
            << kTekstor << QStringLiteral("de_DE.UTF-8") << QStringList{"--bogus"} << 2 << nothing
            << QStringLiteral("Tekstor: unbekannte Option --bogus\\nAufruf: Tekstor ");
    }

    void usageAndVersion()
    {
        QFETCH(QString, program);
        QFETCH(QString, locale);
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, out);
        QFETCH(QString, err);

        // The window programs follow the locale; a display language stored on this machine
        // would win over it, so they find none.
        QTemporaryDir config;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
        environment.insert(QStringLiteral("LC_ALL"), locale);
        environment.remove(QStringLiteral("LANGUAGE"));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        QVERIFY(process.waitForFinished(30000));
        const QString stdOut = QString::fromLocal8Bit(process.readAllStandardOutput());
        const QString stdErr = QString::fromLocal8Bit(process.readAllStandardError());
        QCOMPARE(process.exitCode(), exitCode);
        const QRegularExpression::PatternOption dotAll = QRegularExpression::DotMatchesEverythingOption;
        QVERIFY2(QRegularExpression(out, dotAll).match(stdOut).hasMatch(), qPrintable(stdOut));
        QVERIFY2(QRegularExpression(err, dotAll).match(stdErr).hasMatch(), qPrintable(stdErr));
    }
};

QTEST_GUILESS_MAIN(TestManual)
#include "tst_manual.moc"
