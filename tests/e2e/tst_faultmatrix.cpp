#include <QtTest>

#include "platform/SerialPort.h"

// Every fault the simulated unit can play, against every quarnctl command that talks to a
// unit, over real pseudo-terminals in real time. Per row: the exit code, the message, an
// upper bound on the time, no output file created or changed, the input file untouched.
// Rows run a few at a time in parallel processes; the matrix is printed as a table.

namespace {

enum class Cmd { Info, Read, Write, Verify, TextsRead, TextsWrite, ShortDialRead, ShortDialWrite };

// Every row runs beside others, the hang-ups too: after a hang-up quarnctl's port keeps
// the device open until it closes, and gives up its lock first, so a pseudo-terminal's
// number never passes to another row's simulator while quarnctl's lock is on its name.
struct Fault {
    const char* name;
    QStringList simArgs;   // empty: no simulator (the port does not exist)
    bool holdPort = false; // another program holds the port open
};

struct Expect {
    int code;
    QString message; // a line standard error must contain
    double maxSeconds;
    // Exit 0 of a read with data unlike a clean run's: only where the line cannot tell (a
    // corrupted digit is still a digit; the replies carry no checksum).
    bool mayDiffer = false;
};

struct Row {
    QString fault;
    Cmd cmd;
    Expect expect;
};

const char* cmdName(Cmd c)
{
    switch (c) {
    case Cmd::Info:
        return "info";
    case Cmd::Read:
        return "read";
    case Cmd::Write:
        return "write";
    case Cmd::Verify:
        return "verify";
    case Cmd::TextsRead:
        return "texts read";
    case Cmd::TextsWrite:
        return "texts write";
    case Cmd::ShortDialRead:
        return "shortdial read";
    case Cmd::ShortDialWrite:
        return "shortdial write";
    }
    return "";
}

QByteArray contentOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QStringList filesIn(const QString& dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

const QString kPortFailed = QStringLiteral("Port konnte nicht initialisiert werden!");
const QString kMonitor = QStringLiteral("Im Menü des Quarns muss \"PC-Verbindung\" ausgewählt werden");
const QString kNoUnit = QStringLiteral("Es konnte keine Verbindung zu einem Quarn 7k/8k hergestellt werden.");
// Tekstor's own words, which quarnctl texts prints too.
const QString kTextsNoUnit =
    QStringLiteral("Bitte überprüfen Sie ob das Gerät am gewählten Port angeschlossen ist");
const QString kAborted = QStringLiteral("Sendevorgang war fehlerhaft und wurde abgebrochen!");
const QString kNotAllRead =
    QStringLiteral("Nicht alle Register konnten gelesen werden. Erstes fehlendes Register: 36");
const QString kUnconfirmed = QStringLiteral("Programmierung war möglicherweise fehlerhaft!");
const QString kTextsDisturbed = QStringLiteral("Die Antwort des Quarns war gestört:");
const QString kTextsNotSaved = QStringLiteral("Es wurde nichts gespeichert.");
const QString kShortDialIncomplete =
    QStringLiteral("Der Kurzwahlspeicher konnte nicht vollständig gelesen werden: Eintrag ");
const QString kShortDialLineLost = QStringLiteral("Der Kurzwahlspeicher konnte nicht");
const QString kShortDialUnchecked = QStringLiteral("Die Prüfung nach dem Schreiben ist fehlgeschlagen");
const QString kSendFailed = QStringLiteral("Senden zum Gerät fehlgeschlagen.");

bool isShortDial(Cmd c)
{
    return c == Cmd::ShortDialRead || c == Cmd::ShortDialWrite;
}

// The short-dial memory needs the telephone interface; and its exchange sends only three
// commands before the list (or the file's lines) comes, so the hang-up comes at the third.
QStringList simArgsFor(const Fault& fault, Cmd cmd)
{
    if (!isShortDial(cmd) || fault.simArgs.isEmpty())
        return fault.simArgs;
    QStringList args = fault.simArgs;
    args.replaceInStrings(QRegularExpression(QStringLiteral("^hangup=\\d+$")), QStringLiteral("hangup=3"));
    return args << QStringLiteral("--telephone");
}

struct Inputs {
    QString registers;
    QString channels;
    QString shortDial;
};

// One row in flight: its simulator, its quarnctl, its files.
class RowRun {
public:
    RowRun(const Row& row, const Fault& fault, const QString& dir, const Inputs& inputs)
        : m_row(row), m_dir(dir)
    {
        QDir().mkpath(dir);
        QString device = dir + QStringLiteral("/no-such-device");
        if (!fault.simArgs.isEmpty()) {
            m_sim.start(QStringLiteral(QUARN_SIM_PATH), simArgsFor(fault, row.cmd));
            QElapsedTimer t;
            t.start();
            while (!m_sim.canReadLine() && t.elapsed() < 5000)
                m_sim.waitForReadyRead(50);
            device = QString::fromUtf8(m_sim.readLine()).trimmed();
        }
        if (fault.holdPort) {
            m_holder = std::make_unique<platform::SerialPort>();
            m_holderOpen = m_holder->open(device);
        }

        // Inputs are copies, outputs exist beforehand: neither may change on a failure.
        const QString suffix = isTexts()              ? QStringLiteral(".q8kc")
                               : isShortDial(row.cmd) ? QStringLiteral(".txt")
                                                      : QStringLiteral(".rq7k8k");
        m_input = dir + QStringLiteral("/in") + suffix;
        m_output = dir + QStringLiteral("/out") + suffix;
        QFile::copy(isTexts()              ? inputs.channels
                    : isShortDial(row.cmd) ? inputs.shortDial
                                           : inputs.registers,
                    m_input);
        QFile(m_input).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        QFile out(m_output);
        if (out.open(QIODevice::WriteOnly))
            out.write("an earlier file the technician keeps\r\n");
        out.close();
        m_inputBefore = contentOf(m_input);
        m_outputBefore = contentOf(m_output);
        m_filesBefore = filesIn(dir);

        QStringList args{QStringLiteral("--quiet"), QStringLiteral("--port"), device};
        switch (row.cmd) {
        case Cmd::Info:
            args << QStringLiteral("info");
            break;
        case Cmd::Read:
            args << QStringLiteral("read") << QStringLiteral("-o") << m_output;
            break;
        case Cmd::Write:
            args << QStringLiteral("write") << m_input;
            break;
        case Cmd::Verify:
            args << QStringLiteral("verify") << m_input;
            break;
        case Cmd::TextsRead:
            args << QStringLiteral("texts") << QStringLiteral("read") << QStringLiteral("channels")
                 << QStringLiteral("-o") << m_output;
            break;
        case Cmd::TextsWrite:
            args << QStringLiteral("texts") << QStringLiteral("write") << QStringLiteral("channels")
                 << m_input;
            break;
        case Cmd::ShortDialRead:
            args << QStringLiteral("shortdial") << QStringLiteral("read") << QStringLiteral("-o") << m_output;
            break;
        case Cmd::ShortDialWrite:
            args << QStringLiteral("shortdial") << QStringLiteral("write") << m_input;
            break;
        }
        m_timer.start();
        m_ctl.start(QStringLiteral(QUARNCTL_PATH), args);
    }

    ~RowRun()
    {
        m_holder.reset();
        if (m_ctl.state() != QProcess::NotRunning) {
            m_ctl.kill();
            m_ctl.waitForFinished();
        }
        if (m_sim.state() != QProcess::NotRunning) {
            m_sim.terminate();
            if (!m_sim.waitForFinished(3000))
                m_sim.kill();
            m_sim.waitForFinished();
        }
    }

    bool isTexts() const { return m_row.cmd == Cmd::TextsRead || m_row.cmd == Cmd::TextsWrite; }
    bool isRead() const
    {
        return m_row.cmd == Cmd::Read || m_row.cmd == Cmd::TextsRead || m_row.cmd == Cmd::ShortDialRead;
    }

    // True once quarnctl has ended (or was killed for taking far too long).
    bool poll()
    {
        if (m_ctl.state() == QProcess::NotRunning || m_ctl.waitForFinished(0)) {
            if (m_seconds < 0)
                m_seconds = double(m_timer.nsecsElapsed()) / 1e9;
            return true;
        }
        if (m_timer.elapsed() > qint64(m_row.expect.maxSeconds * 1000) + 30000) {
            m_ctl.kill();
            m_ctl.waitForFinished();
            m_seconds = double(m_timer.nsecsElapsed()) / 1e9;
            m_killed = true;
            return true;
        }
        return false;
    }

    int code() const
    {
        return m_killed || m_ctl.exitStatus() != QProcess::NormalExit ? -1 : m_ctl.exitCode();
    }
    double seconds() const { return m_seconds; }

    QByteArray output() const { return contentOf(m_output); }
    bool wroteOutput() const { return isRead() && code() == 0; }

    // What went wrong in this row; empty when everything held.
    QStringList problems()
    {
        QStringList p;
        const QString err = QString::fromUtf8(m_ctl.readAllStandardError());
        if (!m_holderOpen && m_holder)
            p << QStringLiteral("the test could not hold the port");
        if (code() != m_row.expect.code)
            p << QStringLiteral("exit code %1, expected %2").arg(code()).arg(m_row.expect.code);
        if (!err.contains(m_row.expect.message))
            p << QStringLiteral("message '%1' not in '%2'").arg(m_row.expect.message, err.trimmed());
        if (m_seconds > m_row.expect.maxSeconds)
            p << QStringLiteral("took %1 s, bound %2 s")
                     .arg(m_seconds, 0, 'f', 1)
                     .arg(m_row.expect.maxSeconds);
        if (contentOf(m_input) != m_inputBefore)
            p << QStringLiteral("input file changed");
        const bool wrote = isRead() && code() == 0;
        if (!wrote && contentOf(m_output) != m_outputBefore)
            p << QStringLiteral("output file changed");
        if (wrote && contentOf(m_output) == m_outputBefore)
            p << QStringLiteral("output file not written");
        if (filesIn(m_dir) != m_filesBefore)
            p << QStringLiteral("files left behind: %1").arg(filesIn(m_dir).join(QLatin1Char(' ')));
        return p;
    }

private:
    Row m_row;
    QString m_dir;
    QProcess m_sim;
    QProcess m_ctl;
    std::unique_ptr<platform::SerialPort> m_holder;
    bool m_holderOpen = false;
    QString m_input;
    QString m_output;
    QByteArray m_inputBefore;
    QByteArray m_outputBefore;
    QStringList m_filesBefore;
    QElapsedTimer m_timer;
    double m_seconds = -1;
    bool m_killed = false;
};

} // namespace

class TestFaultMatrix : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString makeInputs(const QStringList& args, const QString& name)
    {
        const QString file = m_dir.filePath(name);
        QProcess p;
        p.start(QStringLiteral(QUARNCTL_PATH),
                QStringList{QStringLiteral("--quiet"), QStringLiteral("--simulate=7k")} << args << file);
        p.waitForFinished(60000);
        return file;
    }

private Q_SLOTS:
    void everyFaultAgainstEveryCommand()
    {
        // A unit without telephone interface: its exchanges are the shortest.
        const QStringList unit{QStringLiteral("--model"), QStringLiteral("7k")};
        auto with = [&](const char* fault) {
            return unit + QStringList{QStringLiteral("--fault"), QLatin1String(fault)};
        };
        const QList<Fault> faults{
            {"none", unit},
            {"silent", with("silent")},
            {"monitor output", with("monitor")},
            {"every 37th reply dropped", with("drop=37")},
            {"every 37th reply corrupted", with("corrupt=37")},
            {"slow unit (30 ms)", with("slow=30")},
            {"stray bytes before replies", with("noise")},
            {"noise, never an echo", with("babble=2")},
            {"line in break (NUL bytes)", with("break")},
            {"line in break after the connect", with("break=2")},
            {"hang-up mid transfer", with("hangup=40")},
            {"stray byte before every 5th text reply", with("stray=5")},
            {"line dies after 40 short-dial lines", with("cutoff=40")},
            {"port in use", unit, true},
            {"port does not exist", {}},
        };
        const QString registers =
            makeInputs({QStringLiteral("read"), QStringLiteral("-o")}, QStringLiteral("unit.rq7k8k"));
        const QString channels = makeInputs({QStringLiteral("texts"), QStringLiteral("read"),
                                             QStringLiteral("channels"), QStringLiteral("-o")},
                                            QStringLiteral("unit.q8kc"));
        QVERIFY(contentOf(registers).startsWith("NoTI"));
        QVERIFY(contentOf(channels).size() > 100 * 25);
        // Eight edited entries, as the dialog saves them: four chunks of 50 characters.
        const QString shortDial = m_dir.filePath(QStringLiteral("kurzwahl.txt"));
        {
            QString lines;
            for (int n = 10; n < 18; ++n)
                lines += QStringLiteral("WP%1:0815%2.........\r")
                             .arg(n, 3, 10, QLatin1Char('0'))
                             .arg(n, 3, 10, QLatin1Char('0'));
            QFile f(shortDial);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(reinterpret_cast<const char*>(lines.utf16()), lines.size() * 2);
        }
        const Inputs inputs{registers, channels, shortDial};

        // Expected outcome per fault and command, with an upper bound on the seconds: the
        // exchange's own waits plus a few seconds. Own waits: connect 70 reads of at most
        // 102 ms (7.2 s on a silent line); a 7k read two blocks of 100 requests at 20 ms and
        // then at most 3 s for a block's last echo; a write one reply per register (6 s at
        // 30 ms each); texts: 0.6 s connect, 1 s before and after, and a drain of at most
        // 42 ms per text while bytes keep coming; short-dial: 2 s opening, then a read of one
        // range until 150 ms without a useful byte (at most 10 s of noise), or a write of four
        // chunks 200 ms apart followed by the read-back of its range.
        const QString none;
        auto e = [](int code, const QString& message, double seconds) {
            return Expect{code, message, seconds};
        };
        auto differs = [](Expect x) {
            x.mayDiffer = true;
            return x;
        };
        QHash<QString, QList<Expect>> table;
        // clang-format off
        //                                  info                     read                           write                          verify                         texts read                          texts write             shortdial read / write
        table[QStringLiteral("none")]                         = {e(0, none, 12),         e(0, none, 14),             e(0, none, 12),             e(0, none, 14),             e(0, none, 10),                     e(0, none, 14), e(0, none, 6),  e(0, none, 9)};
        table[QStringLiteral("silent")]                       = {e(1, kNoUnit, 12),      e(1, kNoUnit, 12),          e(1, kNoUnit, 12),          e(1, kNoUnit, 12),          e(1, kTextsNoUnit, 6),              e(1, kTextsNoUnit, 6), e(1, kShortDialIncomplete, 6),  e(1, kShortDialUnchecked, 9)};
        table[QStringLiteral("monitor output")]               = {e(1, kMonitor, 12),     e(1, kMonitor, 12),         e(1, kMonitor, 12),         e(1, kMonitor, 12),         e(1, kTextsNoUnit, 6),              e(1, kTextsNoUnit, 6), e(0, none, 6),  e(0, none, 9)};
        // A lost reply would move every later text one number early: the read fails.
        table[QStringLiteral("every 37th reply dropped")]     = {e(0, none, 12),         e(1, kNotAllRead, 14),      e(1, kAborted, 12),         e(1, kNotAllRead, 14),      e(1, kTextsDisturbed, 10),          e(0, none, 14), e(0, none, 6),  e(0, none, 9)};
        // A corrupted digit is still a digit: the line cannot tell it on a read; a write
        // sees it in the echo, a verify as a difference.
        table[QStringLiteral("every 37th reply corrupted")]   = {e(0, none, 12),         differs(e(0, none, 14)),    e(1, kUnconfirmed, 12),     e(1, none, 14),             differs(e(0, none, 10)),            e(0, none, 14), e(0, none, 6),  e(0, none, 9)};
        table[QStringLiteral("slow unit (30 ms)")]            = {e(0, none, 12),         e(0, none, 14),             e(0, none, 22),             e(0, none, 14),             e(0, none, 10),                     e(0, none, 14), e(0, none, 6),  e(0, none, 9)};
        // Each echo of a write must start within 7 characters, the previous reply's CR LF
        // included: two stray bytes are enough to abort (safely; the file is untouched). A
        // stray byte makes its text line one character long: the text read fails, and so
        // does a short-dial list whose first line carries the stray bytes.
        table[QStringLiteral("stray bytes before replies")]   = {e(0, none, 12),         e(0, none, 14),             e(1, kAborted, 12),         e(0, none, 14),             e(1, kTextsDisturbed, 10),          e(0, none, 14), e(1, kShortDialIncomplete, 6),  e(1, kShortDialUnchecked, 9)};
        table[QStringLiteral("noise, never an echo")]         = {e(0, none, 12),         e(1, kAborted, 14),         e(1, kAborted, 12),         e(1, kAborted, 14),         e(1, kTextsDisturbed, 14),          e(0, none, 14), e(1, kShortDialIncomplete, 16),  e(1, kShortDialUnchecked, 18)};
        // The line delivers nothing but NUL bytes: no command that waits for a reply may
        // take them for one. From the start, nothing connects; after the connect's two
        // answers, the transfers end within their bounds and commands that only send succeed.
        table[QStringLiteral("line in break (NUL bytes)")]    = {e(1, kNoUnit, 12),      e(1, kNoUnit, 12),          e(1, kNoUnit, 12),          e(1, kNoUnit, 12),          e(1, kTextsNoUnit, 6),              e(1, kTextsNoUnit, 6), e(1, kShortDialIncomplete, 6),  e(1, kShortDialUnchecked, 9)};
        table[QStringLiteral("line in break after the connect")] = {e(0, none, 12),      e(1, kAborted, 14),         e(1, kAborted, 12),         e(1, kAborted, 14),         e(1, kTextsNoUnit, 14),             e(0, none, 14), e(1, kShortDialIncomplete, 16),  e(1, kShortDialUnchecked, 18)};
        table[QStringLiteral("hang-up mid transfer")]         = {e(0, none, 12),         e(1, kAborted, 14),         e(1, kAborted, 12),         e(1, kAborted, 14),         e(1, kTextsNotSaved, 10),           e(1, none, 14), e(1, kShortDialLineLost, 6),  e(1, kSendFailed, 9)};
        table[QStringLiteral("stray byte before every 5th text reply")] = {e(0, none, 12), e(0, none, 14),          e(0, none, 12),             e(0, none, 14),             e(1, kTextsDisturbed, 10),          e(0, none, 14), e(0, none, 6),  e(0, none, 9)};
        table[QStringLiteral("line dies after 40 short-dial lines")]    = {e(0, none, 12), e(0, none, 14),          e(0, none, 12),             e(0, none, 14),             e(0, none, 10),                     e(0, none, 14), e(1, kShortDialIncomplete, 6),  e(1, kShortDialUnchecked, 9)};
        table[QStringLiteral("port in use")]                  = {e(3, kPortFailed, 3),   e(3, kPortFailed, 3),       e(3, kPortFailed, 3),       e(3, kPortFailed, 3),       e(3, kPortFailed, 3),           e(3, kPortFailed, 3), e(3, kPortFailed, 3),  e(3, kPortFailed, 3)};
        table[QStringLiteral("port does not exist")]          = {e(3, kPortFailed, 3),   e(3, kPortFailed, 3),       e(3, kPortFailed, 3),       e(3, kPortFailed, 3),       e(3, kPortFailed, 3),            e(3, kPortFailed, 3), e(3, kPortFailed, 3),  e(3, kPortFailed, 3)};
        // clang-format on

        QList<Row> rows;
        const QList<Cmd> cmds{Cmd::Info,      Cmd::Read,       Cmd::Write,         Cmd::Verify,
                              Cmd::TextsRead, Cmd::TextsWrite, Cmd::ShortDialRead, Cmd::ShortDialWrite};
        for (const Fault& f : faults) {
            const QList<Expect> expects = table.value(QLatin1String(f.name));
            for (int c = 0; c < cmds.size(); ++c)
                rows.append(Row{QLatin1String(f.name), cmds[c],
                                c < expects.size() ? expects[c] : Expect{-2, QStringLiteral("?"), 0}});
        }

        // Several rows at a time, each with its own simulator and pseudo-terminal: a row is
        // nearly all waiting (time-outs, pacing, the settle after a transfer), so even on
        // two cores the machine stays calm enough for the time bounds to mean something.
        constexpr int kParallel = 8;
        QHash<QString, const Fault*> byName;
        for (const Fault& f : faults)
            byName.insert(QLatin1String(f.name), &f);
        struct Done {
            int code;
            double seconds;
            QStringList problems;
            bool wrote = false;
            QByteArray output;
        };
        QVector<Done> done(rows.size());
        std::vector<std::pair<int, std::unique_ptr<RowRun>>> running;
        // The rows with the longest bounds start first, so that no long one is left running
        // alone at the end.
        QList<int> order;
        for (int i = 0; i < rows.size(); ++i)
            order.append(i);
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return rows[a].expect.maxSeconds > rows[b].expect.maxSeconds; });
        int next = 0;
        while (next < rows.size() || !running.empty()) {
            while (next < rows.size() && int(running.size()) < kParallel) {
                const Row& r = rows[order[next]];
                running.emplace_back(order[next],
                                     std::make_unique<RowRun>(
                                         r, *byName.value(r.fault),
                                         m_dir.filePath(QStringLiteral("row%1").arg(order[next])), inputs));
                ++next;
            }
            QThread::msleep(20);
            for (auto it = running.begin(); it != running.end();) {
                if (it->second->poll()) {
                    done[it->first] = Done{it->second->code(), it->second->seconds(), it->second->problems(),
                                           it->second->wroteOutput(), it->second->output()};
                    it = running.erase(it);
                } else {
                    ++it;
                }
            }
        }

        // A read that exits 0 holds exactly what a clean run reads.
        for (int i = 0; i < rows.size(); ++i) {
            const int clean = i % int(cmds.size()); // the "none" row comes first
            if (done[i].wrote && !rows[i].expect.mayDiffer && done[i].output != done[clean].output)
                done[i].problems << QStringLiteral("data differ from a clean run");
        }

        // The matrix: fault x command -> exit code and seconds.
        QString table2 = QStringLiteral("%1").arg(QStringLiteral("fault"), -40);
        for (Cmd c : cmds)
            table2 += QStringLiteral("| %1").arg(QLatin1String(cmdName(c)), -15);
        table2 += QLatin1Char('\n');
        QStringList failures;
        for (int i = 0; i < rows.size(); ++i) {
            const int c = i % int(cmds.size());
            if (c == 0)
                table2 += QStringLiteral("%1").arg(rows[i].fault, -40);
            table2 +=
                QStringLiteral("| %1 %2s%3")
                    .arg(done[i].code, 2)
                    .arg(done[i].seconds, 5, 'f', 1)
                    .arg(done[i].problems.isEmpty() ? QStringLiteral("      ") : QStringLiteral(" !!   "));
            if (c == int(cmds.size()) - 1)
                table2 += QLatin1Char('\n');
            for (const QString& p : done[i].problems)
                failures << QStringLiteral("%1 / %2: %3")
                                .arg(rows[i].fault, QLatin1String(cmdName(rows[i].cmd)), p);
        }
        std::fputs(
            qPrintable(QStringLiteral("\nexit code and seconds per fault and command (!! = failed):\n") +
                       table2),
            stdout);
        std::fflush(stdout);
        if (!failures.isEmpty())
            QFAIL(qPrintable(failures.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestFaultMatrix)
#include "tst_faultmatrix.moc"
