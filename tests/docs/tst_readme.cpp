#include <QtTest>

// Every quarnctl command line in the README's fenced blocks, run as it stands, in order, in one
// scratch directory, so a later command finds the files an earlier one wrote. A technician's
// "--port NAME" becomes "--simulate"; a trailing "# ... exit code N" names the expected exit
// code, 0 otherwise.

namespace {

struct CommandLine {
    int lineNumber = 0;
    QString text;
    QStringList arguments; // after "quarnctl"
    int expectedExit = 0;
    QString problem; // why the line cannot be run as it stands
};

// Splits a command line as a POSIX shell would for plain words and quotes; anything that needs
// a shell (pipes, redirections, variables, continuation) is reported instead.
QStringList splitWords(const QString& line, QString& problem)
{
    QStringList words;
    QString word;
    bool inWord = false;
    QChar quote;
    for (const QChar c : line) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                word += c;
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
            inWord = true;
        } else if (c.isSpace()) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else if (QStringLiteral("|&;<>$`\\(){}*?").contains(c)) {
            problem = QStringLiteral("needs a shell (%1)").arg(c);
            return {};
        } else {
            word += c;
            inWord = true;
        }
    }
    if (!quote.isNull())
        problem = QStringLiteral("unclosed quote");
    if (inWord)
        words << word;
    return words;
}

QList<CommandLine> quarnctlLines(const QString& readme)
{
    static const QRegularExpression exitCode(QStringLiteral("exit code (\\d+)"));
    QList<CommandLine> lines;
    bool fenced = false;
    int number = 0;
    for (const QString& raw : readme.split(QLatin1Char('\n'))) {
        ++number;
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1String("```"))) {
            fenced = !fenced;
            continue;
        }
        if (!fenced || !line.startsWith(QLatin1String("quarnctl")))
            continue;
        CommandLine command;
        command.lineNumber = number;
        command.text = line;
        QString words = line;
        const qsizetype hash = line.indexOf(QLatin1String(" #"));
        if (hash >= 0) {
            const QRegularExpressionMatch m = exitCode.match(line.mid(hash));
            if (m.hasMatch())
                command.expectedExit = m.captured(1).toInt();
            words = line.left(hash);
        }
        QStringList args = splitWords(words, command.problem);
        if (!args.isEmpty())
            args.removeFirst();
        // The unit behind the technician's port is the simulated one.
        for (qsizetype i = 0; i < args.size(); ++i) {
            if (args[i] == QLatin1String("--port") && i + 1 < args.size()) {
                args[i] = QStringLiteral("--simulate");
                args.removeAt(i + 1);
            } else if (args[i].startsWith(QLatin1String("--port="))) {
                args[i] = QStringLiteral("--simulate");
            }
        }
        command.arguments = args;
        lines << command;
    }
    return lines;
}

} // namespace

class TestReadme : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void commands_data()
    {
        QFile file(QStringLiteral(QUARN_README));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QList<CommandLine> lines = quarnctlLines(QString::fromUtf8(file.readAll()));
        // The README shows at least the five everyday tasks and the run without hardware.
        QVERIFY2(lines.size() >= 6, "the README shows too few quarnctl commands");

        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("expectedExit");
        QTest::addColumn<QString>("problem");
        for (const CommandLine& c : lines)
            QTest::addRow("README.md:%d", c.lineNumber)
                << c.text << c.arguments << c.expectedExit << c.problem;
    }

    void commands()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, arguments);
        QFETCH(int, expectedExit);
        QFETCH(QString, problem);
        QVERIFY2(problem.isEmpty(), qPrintable(text + QStringLiteral(": ") + problem));
        QVERIFY(m_dir.isValid());

        QProcess process;
        process.setWorkingDirectory(m_dir.path());
        process.start(QStringLiteral(QUARNCTL_PATH), arguments);
        QVERIFY2(process.waitForFinished(120000), qPrintable(text + QStringLiteral(": does not end")));
        const QString output =
            QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
        QVERIFY2(process.exitStatus() == QProcess::NormalExit,
                 qPrintable(text + QStringLiteral(": crashed")));
        QVERIFY2(process.exitCode() == expectedExit,
                 qPrintable(QStringLiteral("%1\nexit code %2, the README says %3\n%4")
                                .arg(text)
                                .arg(process.exitCode())
                                .arg(expectedExit)
                                .arg(output)));
    }

    // The parser itself: a wrong split would let the README drift unnoticed.
    void lineParsing()
    {
        const QString readme =
            QStringLiteral("quarnctl outside a fence\n"
                           "```sh\n"
                           "quarnctl --port ttyUSB0 read -o \"my unit.rq7k8k\"\n"
                           "quarnctl --port=/dev/ttyS0 info   # exit code 3 without a unit\n"
                           "quarnctl show x.rq7k8k | head\n"
                           "```\n"
                           "quarnctl after the fence\n");
        const QList<CommandLine> lines = quarnctlLines(readme);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0].lineNumber, 3);
        QCOMPARE(lines[0].arguments, (QStringList{"--simulate", "read", "-o", "my unit.rq7k8k"}));
        QCOMPARE(lines[0].expectedExit, 0);
        QCOMPARE(lines[1].arguments, (QStringList{"--simulate", "info"}));
        QCOMPARE(lines[1].expectedExit, 3);
        QVERIFY(!lines[2].problem.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestReadme)
#include "tst_readme.moc"
