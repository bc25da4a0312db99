// The short-dial exchange on virtual time: against a scripted port for the bytes and their
// timing, against the simulated unit for whole round trips.
#include <QtTest>

#include "config/link/CommandFraming.h"
#include "config/link/ShortDialExchange.h"
#include "config/link/ShortDialFile.h"
#include "sim/SimulatedPort.h"
#include "sim/UnitModel.h"
#include "tests/support/RecordingProgress.h"
#include "tests/support/ScriptedPort.h"

using quarn::link::ShortDialExchange;
using quarn::link::ShortDialFile;
using quarn::link::ShortDialRead;

namespace {

QString entryLine(int n, const QString& digits)
{
    return QStringLiteral("WP%1:").arg(n, 3, 10, QLatin1Char('0')) +
           digits.leftJustified(16, QLatin1Char('.')) + QLatin1Char('\r');
}

QByteArray latin1(const QString& text)
{
    QByteArray out;
    for (QChar c : text)
        out.append(char(c.unicode() & 0xFF));
    return out;
}

QByteArray utf16le(const QString& text)
{
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

struct Scripted {
    platform::VirtualClock clock;
    ScriptedPort port{clock};
    RecordingProgress progress;
    ShortDialExchange exchange{port, clock};

    Scripted() { quarn::link::framing::restartPort(port, QStringLiteral("COM1")); }
};

// The simulated unit behind the exchange, woken as the dialog and quarnctl do.
struct SimBench {
    explicit SimBench(sim::UnitOptions options = {}) : unit(options), port(unit, clock)
    {
        quarn::link::framing::restartPort(port, QStringLiteral("sim"));
        exchange.open();
    }
    QByteArray sentAfter(qsizetype writesBefore) const
    {
        QByteArray out;
        const auto writes = port.writes();
        for (qsizetype i = writesBefore; i < writes.size(); ++i)
            out += writes[i].bytes;
        return out;
    }

    platform::VirtualClock clock;
    sim::UnitModel unit;
    sim::SimulatedPort port;
    RecordingProgress progress;
    ShortDialExchange exchange{port, clock};
};

sim::UnitOptions withFault(sim::Fault fault, int param = 0, bool baud = false)
{
    sim::UnitOptions o;
    o.fault = fault;
    o.faultParam = param;
    o.baudTiming = baud;
    return o;
}

} // namespace

class TestShortDial : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void openingEndsPcModeAndWakesTheInterface()
    {
        Scripted s;
        s.clock.advance(500);
        QVERIFY(s.exchange.open());
        const QList<ScriptedPort::Written>& w = s.port.written();
        QCOMPARE(w.size(), 2);
        QCOMPARE(w[0].bytes, QByteArray("$PROGENDE\r"));
        QCOMPARE(w[0].atMs, 500);
        QCOMPARE(w[1].bytes, QByteArray("\r"));
        QCOMPARE(w[1].atMs, 2500);

        s.port.close();
        QVERIFY(!s.exchange.open());
    }

    void readSendsOneListCommandPerRangeInOrder_data()
    {
        QTest::addColumn<QList<int>>("ranges");
        QTest::addColumn<QList<QByteArray>>("commands");
        QTest::addColumn<int>("maximum");
        QTest::newRow("none") << QList<int>{} << QList<QByteArray>{} << 0;
        QTest::newRow("first") << QList<int>{0} << QList<QByteArray>{"WL000-099\r"} << 100;
        QTest::newRow("unsorted, twice, out of range")
            << QList<int>{9, 3, 9, -1, 10} << QList<QByteArray>{"WL300-399\r", "WL900-999\r"} << 200;
        QList<QByteArray> all;
        for (int b = 0; b < 10; ++b)
            all << QStringLiteral("WL%1-%2\r")
                       .arg(b * 100, 3, 10, QLatin1Char('0'))
                       .arg(b * 100 + 99, 3, 10, QLatin1Char('0'))
                       .toLatin1();
        QTest::newRow("all ten") << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9} << all << 1000;
    }
    void readSendsOneListCommandPerRangeInOrder()
    {
        QFETCH(QList<int>, ranges);
        QFETCH(QList<QByteArray>, commands);
        QFETCH(int, maximum);
        Scripted s;
        const ShortDialRead r = s.exchange.read(ranges, s.progress);
        QCOMPARE(s.port.writtenCommands(), commands);
        QCOMPARE(s.progress.ranges, QList<int>{maximum});
        QVERIFY(r.text.isEmpty());
        QVERIFY(!r.anyEntry);
        QVERIFY(!r.portFailed);
        // A silent unit costs one read time-out per range.
        QCOMPARE(s.clock.nowMs(), 102 * commands.size());
    }

    void readCollectsUntilSilenceAndStepsPerW()
    {
        Scripted s;
        // 100 lines and the echo: 101 'W', one step each up to the maximum of 100.
        QString reply = QStringLiteral("WL000-099\r");
        for (int n = 0; n < 100; ++n)
            reply += entryLine(n, n == 4 ? QStringLiteral("*31#0815") : QString::number(n));
        s.port.setScript(
            [&](const QByteArray& cmd) { return cmd.startsWith("WL") ? latin1(reply) : QByteArray(); });
        // Bytes 0x80-0xFF are kept as 0xFF80-0xFFFF, their low byte the byte received.
        s.port.inject("\xB5", 0);
        const ShortDialRead r = s.exchange.read({0}, s.progress);
        QCOMPARE(s.progress.steps, 100);
        QVERIFY(r.anyEntry);
        QCOMPARE(r.text.at(0), QChar(char16_t(0xFFB5)));
        QCOMPARE(r.text.mid(1), reply.mid(10));
        QVERIFY(r.text.contains(QLatin1String("WP004:*31#0815........\r")));
    }

    void readStopsBetweenRangesAndOnAFailedSend()
    {
        Scripted s;
        std::atomic_bool stop{false};
        s.port.setScript([&](const QByteArray&) {
            stop = true;
            return QByteArray("WL000-099\rWP000:1...............\r");
        });
        const ShortDialRead stopped = s.exchange.read({0, 1, 2}, s.progress, &stop);
        QCOMPARE(s.port.writtenCommands().size(), 1);
        QCOMPARE(stopped.text, QStringLiteral("WP000:1...............\r"));
        QVERIFY(stopped.stopped);
        QVERIFY(!stopped.complete());

        s.port.close();
        const ShortDialRead failed = s.exchange.read({0}, s.progress);
        QVERIFY(failed.portFailed);
        QVERIFY(!failed.anyEntry);
    }

    void readOfANeverSilentLineEnds()
    {
        Scripted s;
        // A byte every millisecond for ever: the range ends after its byte or time budget.
        for (int t = 0; t < 40000; ++t)
            s.port.inject("x", t);
        const ShortDialRead r = s.exchange.read({0, 1}, s.progress);
        QVERIFY(s.clock.nowMs() <= 2 * ShortDialExchange::MaxReplyMs + 1000);
        QVERIFY(r.text.size() <= 2 * ShortDialExchange::MaxReplyBytes);
        QVERIFY(!r.anyEntry);
    }

    void cleaning_data()
    {
        QTest::addColumn<QString>("received");
        QTest::addColumn<QString>("cleaned");
        const QString e1 = entryLine(1, QStringLiteral("0815"));
        const QString e2 = entryLine(2, QStringLiteral("*31#4711"));
        QTest::newRow("echo removed") << QStringLiteral("WL000-099\r") + e1 << e1;
        QTest::newRow("echo of every range")
            << QStringLiteral("WL000-099\r") + e1 + QStringLiteral("WL100-199\r") + e2 << e1 + e2;
        QTest::newRow("hash inside an entry survives") << e2 << e2;
        QTest::newRow("lone hash between lines goes") << e1 + QStringLiteral("#") + e2 << e1 + e2;
        QTest::newRow("hash before any entry goes")
            << QStringLiteral("#\r#") + e1 << QStringLiteral("\r") + e1;
        QTest::newRow("hash as last character of an entry")
            << QStringLiteral("WP003:0123456789ABCDE#\r") << QStringLiteral("WP003:0123456789ABCDE#\r");
        QTest::newRow("hash 22 behind WP kept, 23 dropped")
            << QStringLiteral("WP003:0123456789ABCDEF##") << QStringLiteral("WP003:0123456789ABCDEF#");
        QTest::newRow("cut-off echo ends the text") << e1 + QStringLiteral("WL100-1") << e1;
        QTest::newRow("cut-off echo alone") << QStringLiteral("WL") << QString();
        QTest::newRow("removal joins a new echo") << QStringLiteral("WWL1\rL9\r") + e1 << e1;
        QTest::newRow("nothing") << QString() << QString();
    }
    void cleaning()
    {
        QFETCH(QString, received);
        QFETCH(QString, cleaned);
        QCOMPARE(ShortDialExchange::clean(received), cleaned);
    }

    void fileFormsSendTheSameText_data()
    {
        QTest::addColumn<QByteArray>("file");
        const QString cr = entryLine(1, QStringLiteral("0815")) + entryLine(2, QStringLiteral("#12*"));
        QString crlf = cr;
        crlf.replace(QLatin1String("\r"), QLatin1String("\r\n"));
        QString lf = cr;
        lf.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        QTest::newRow("as saved") << ShortDialFile::bytes(cr);
        QTest::newRow("UTF-16LE with BOM") << QByteArray("\xFF\xFE") + utf16le(cr);
        QTest::newRow("UTF-16LE with BOM, CR LF") << QByteArray("\xFF\xFE") + utf16le(crlf);
        QTest::newRow("UTF-16LE, LF") << utf16le(lf);
        QTest::newRow("UTF-8") << cr.toUtf8();
        QTest::newRow("UTF-8 with BOM, CR LF") << QByteArray("\xEF\xBB\xBF") + crlf.toUtf8();
        QTest::newRow("UTF-8, LF") << lf.toUtf8();
    }
    void fileFormsSendTheSameText()
    {
        QFETCH(QByteArray, file);
        const QString expected = entryLine(1, QStringLiteral("0815")) + entryLine(2, QStringLiteral("#12*"));
        QCOMPARE(ShortDialFile::text(file), expected);
    }

    void savedFileIsTheCleanedTextAsUtf16()
    {
        const QString text = QStringLiteral("WP001:0815") + QChar(char16_t(0xFF80)) +
                             QChar(char16_t(0xFFFF)) + QStringLiteral("..........\r");
        const QByteArray bytes = ShortDialExchange::fileBytes(text);
        QCOMPARE(bytes.size(), text.size() * 2);
        QCOMPARE(bytes.left(4), QByteArray("W\0P\0", 4));
        QCOMPARE(bytes.mid(20, 4), QByteArray("\x80\xFF\xFF\xFF"));
        QCOMPARE(ShortDialExchange::textFromFile(bytes), text);
        // An editor's 8-bit file that is no UTF-8 goes out byte for byte.
        QCOMPARE(ShortDialFile::text("WP001:\xB5\r"), QStringLiteral("WP001:") + QChar(0xB5) + QChar(u'\r'));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kw.txt"));
        QVERIFY(ShortDialFile::save(path, text));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
        QString loaded;
        QVERIFY(ShortDialFile::load(path, loaded));
        QCOMPARE(loaded, text);
        QVERIFY(!ShortDialFile::save(dir.filePath(QStringLiteral("missing/kw.txt")), text));
        QVERIFY(!ShortDialFile::load(dir.filePath(QStringLiteral("missing.txt")), loaded));
    }

    void writeSendsChunksOf50With200msAfterEach_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<QList<int>>("chunks");
        QTest::addColumn<int>("steps");
        QTest::newRow("empty") << 0 << QList<int>{} << 1;
        QTest::newRow("shorter than a chunk") << 23 << QList<int>{23} << 1;
        // Exactly n chunks: one more, empty block sends nothing but waits and steps.
        QTest::newRow("exactly one chunk") << 50 << QList<int>{50} << 2;
        QTest::newRow("exactly three chunks") << 150 << QList<int>{50, 50, 50} << 4;
        QTest::newRow("last chunk shorter") << 120 << QList<int>{50, 50, 20} << 3;
    }
    void writeSendsChunksOf50With200msAfterEach()
    {
        QFETCH(int, length);
        QFETCH(QList<int>, chunks);
        QFETCH(int, steps);
        Scripted s;
        // A driver that takes its time over each write does not move the schedule.
        s.port.setWriteCostMs(3);
        QString text;
        for (int i = 0; i < length; ++i)
            text += QChar(i % 23 == 22 ? u'\r' : char16_t(u'0' + i % 10));
        if (length > 0)
            text[0] = QChar(char16_t(0xFF81)); // goes out as its low byte 0x81
        QVERIFY(s.exchange.write(text, s.progress));

        const QList<ScriptedPort::Written>& w = s.port.written();
        QCOMPARE(w.size(), chunks.size());
        QByteArray sent;
        for (int i = 0; i < w.size(); ++i) {
            QCOMPARE(int(w[i].bytes.size()), chunks[i]);
            QCOMPARE(w[i].atMs, 200 * i);
            sent += w[i].bytes;
        }
        QCOMPARE(sent, latin1(text));
        QCOMPARE(s.progress.steps, steps);
        QCOMPARE(s.progress.ranges, QList<int>{length * 2 / 95});
        QCOMPARE(s.progress.positions, (QList<int>{0, ShortDialExchange::WriteDonePosition, 0}));
        QCOMPARE(s.clock.nowMs(), 200 * steps + 200);
    }

    void writeFailsWhenThePortGoesAway()
    {
        Scripted s;
        int writes = 0;
        s.port.setScript([&](const QByteArray&) {
            if (++writes == 2)
                s.port.close();
            return QByteArray();
        });
        QVERIFY(!s.exchange.write(QString(400, QLatin1Char('1')), s.progress));
        QCOMPARE(s.port.written().size(), 2);
        QCOMPARE(s.progress.positions.last(), 0);
    }

    // --- against the simulated unit ---

    void readOfTheSimulatedUnit_data()
    {
        QTest::addColumn<bool>("baudTiming");
        QTest::newRow("instant") << false;
        QTest::newRow("9600 baud") << true;
    }
    void readOfTheSimulatedUnit()
    {
        QFETCH(bool, baudTiming);
        SimBench b(withFault(sim::Fault::None, 0, baudTiming));
        b.unit.setShortDialEntry(150, "0815#");
        const ShortDialRead r = b.exchange.read({1, 0}, b.progress);
        QVERIFY(r.anyEntry);
        QString expected;
        for (int n = 0; n < 200; ++n)
            expected += entryLine(n, QString::fromLatin1(b.unit.shortDialEntry(n)));
        QCOMPARE(r.text, expected); // no echo, no stray '#', every '#' of an entry kept
        QVERIFY(r.text.contains(QLatin1String("WP150:0815#...........\r")));
        QCOMPARE(b.progress.steps, 200);
    }

    void unchangedFileWrittenBackReproducesTheEntries()
    {
        SimBench b;
        const ShortDialRead r = b.exchange.read({0, 9}, b.progress);
        const QByteArray file = ShortDialExchange::fileBytes(r.text);

        sim::UnitModel fresh{sim::UnitOptions{}};
        for (int n = 0; n < sim::UnitModel::kShortDialCount; ++n)
            fresh.setShortDialEntry(n, {});
        platform::VirtualClock clock;
        sim::SimulatedPort port(fresh, clock);
        quarn::link::framing::restartPort(port, QStringLiteral("sim"));
        ShortDialExchange exchange(port, clock);
        QVERIFY(exchange.open());
        const qsizetype before = port.writes().size();
        QVERIFY(exchange.write(ShortDialExchange::textFromFile(file), b.progress));
        QByteArray sent;
        for (qsizetype i = before; i < port.writes().size(); ++i)
            sent += port.writes()[i].bytes;
        QCOMPARE(sent, latin1(r.text));
        for (int n : {0, 3, 17, 99, 900, 905, 999})
            QCOMPARE(fresh.shortDialEntry(n), b.unit.shortDialEntry(n));
    }

    void editedUtf8FileWithCrLfWritesTheSameEntries()
    {
        SimBench b;
        const QByteArray edited = "WP001:081512345.......\r\nWP002:*31#0815........\r\nWP003:..............."
                                  ".\r\n";
        const qsizetype before = b.port.writes().size();
        QVERIFY(b.exchange.write(ShortDialFile::text(QByteArray("\xEF\xBB\xBF") + edited), b.progress));
        QCOMPARE(b.sentAfter(before), QByteArray(edited).replace("\r\n", "\r"));
        QCOMPARE(b.unit.shortDialEntry(1), QByteArray("081512345"));
        QCOMPARE(b.unit.shortDialEntry(2), QByteArray("*31#0815"));
        QCOMPARE(b.unit.shortDialEntry(3), QByteArray());
        const ShortDialRead r = b.exchange.read({0}, b.progress);
        QVERIFY(r.text.contains(QLatin1String("WP001:081512345.......\rWP002:*31#0815........\r")));
    }

    void unitThatDoesNotListSendsNoEntries_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<bool>("opened");
        QTest::newRow("silent") << int(sim::Fault::Silent) << true;
        QTest::newRow("not woken by the opening") << int(sim::Fault::None) << false;
        QTest::newRow("line noise") << int(sim::Fault::Babble) << true;
    }
    void unitThatDoesNotListSendsNoEntries()
    {
        QFETCH(int, fault);
        QFETCH(bool, opened);
        platform::VirtualClock clock;
        sim::UnitModel unit(withFault(sim::Fault(fault)));
        sim::SimulatedPort port(unit, clock);
        quarn::link::framing::restartPort(port, QStringLiteral("sim"));
        ShortDialExchange exchange(port, clock);
        if (opened)
            QVERIFY(exchange.open());
        RecordingProgress progress;
        const qint64 start = clock.nowMs();
        const ShortDialRead r = exchange.read({0, 5}, progress);
        QVERIFY(!r.anyEntry);
        QVERIFY(!r.portFailed);
        QVERIFY(!r.text.contains(QLatin1String("WP")));
        QVERIFY(clock.nowMs() - start <= 2 * ShortDialExchange::MaxReplyMs + 500);
        QVERIFY(!r.complete());
        QCOMPARE(r.firstMissing, 0);
    }

    // --- a read counts only when every entry came; a write is read back ---

    void readIsCompleteOnlyWithEveryEntry_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QList<int>>("ranges");
        QTest::addColumn<int>("firstMissing"); // -1: complete
        QTest::addColumn<bool>("portLost");
        QTest::newRow("clean, two ranges") << "none" << QList<int>{0, 3} << -1 << false;
        QTest::newRow("line dies after 40 lines") << "cutoff=40" << QList<int>{0} << 40 << true;
        QTest::newRow("line dies in the second range") << "cutoff=130" << QList<int>{0, 1} << 130 << true;
        QTest::newRow("silent unit") << "silent" << QList<int>{0} << 0 << false;
        QTest::newRow("stray bytes before the list") << "noise" << QList<int>{0} << 0 << false;
    }
    void readIsCompleteOnlyWithEveryEntry()
    {
        QFETCH(QString, fault);
        QFETCH(QList<int>, ranges);
        QFETCH(int, firstMissing);
        QFETCH(bool, portLost);
        sim::UnitOptions options;
        QVERIFY(sim::parseFault(fault, options));
        options.telephone = true;
        SimBench b(options);
        const ShortDialRead r = b.exchange.read(ranges, b.progress);
        QCOMPARE(r.firstMissing, firstMissing);
        QCOMPARE(r.portLost, portLost);
        QCOMPARE(r.complete(), firstMissing < 0 && !portLost);
        if (r.complete()) {
            QCOMPARE(int(r.text.count(QLatin1Char('\r'))), 100 * int(ranges.size()));
            QVERIFY(ShortDialFile::check(r.text).ok());
        }
    }

    void junkBetweenLinesIsNotKept()
    {
        // What is no entry line (a stray byte between two lines) is not part of the text;
        // the entries are, whole.
        Scripted s;
        QString list = QStringLiteral("WL000-099\r");
        for (int n = 0; n < 100; ++n)
            list += (n == 50 ? QStringLiteral("~\r") : QString()) + entryLine(n, QString::number(n));
        s.port.setScript([&](const QByteArray&) { return latin1(list); });
        const ShortDialRead r = s.exchange.read({0}, s.progress);
        QVERIFY(r.complete());
        QVERIFY(!r.text.contains(QLatin1Char('~')));
        QCOMPARE(r.text.left(23), entryLine(0, QStringLiteral("0")));
        QCOMPARE(int(r.text.size()), 100 * 23);
    }

    void lineInBreakAndStopEndTheReadSoon()
    {
        // A line in break reads as NUL bytes without end: they are no answer, so the range
        // ends QuietMs after the last useful byte, not after the whole reply budget.
        {
            Scripted s;
            s.port.setScript([](const QByteArray&) { return QByteArray("WL000-099\r"); });
            for (int t = 0; t < 40000; ++t)
                s.port.inject(QByteArray(1, '\0'), 5 + t);
            const qint64 start = s.clock.nowMs();
            const ShortDialRead r = s.exchange.read({0}, s.progress);
            QVERIFY(!r.complete());
            QVERIFY2(s.clock.nowMs() - start <= ShortDialExchange::QuietMs + 200,
                     qPrintable(QString::number(s.clock.nowMs() - start)));
        }
        {
            // Noise that never stops: a stop request ends the read within a second.
            Scripted s;
            for (int t = 0; t < 40000; ++t)
                s.port.inject("x", t);
            std::atomic_bool stop{false};
            s.port.setScript([&](const QByteArray&) {
                stop = true;
                return QByteArray();
            });
            const qint64 start = s.clock.nowMs();
            const ShortDialRead r = s.exchange.read({0, 1}, s.progress, &stop);
            QVERIFY(r.stopped);
            QVERIFY(s.clock.nowMs() - start < 1000);
            QCOMPARE(s.port.writtenCommands().size(), 1);
        }
    }

    void fileCheck_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("problem");
        QTest::addColumn<int>("line");
        using P = quarn::link::ShortDialCheck::Problem;
        QTest::newRow("saved by the dialog")
            << entryLine(1, "081512345") + entryLine(2, "*31#0815") << int(P::None) << 0;
        QTest::newRow("edited, no padding, empty lines") << "WP001:0815\r\rWP002:\r" << int(P::None) << 0;
        QTest::newRow("words") << "hello world\r" << int(P::NotAnEntry) << 1;
        QTest::newRow("too long") << "WP000:12345678901234567890XYZ\r" << int(P::TooLong) << 1;
        QTest::newRow("four digits") << entryLine(5, "1") + "WP1234:99\r" << int(P::NotAnEntry) << 2;
        QTest::newRow("no number") << "WPabc:1\r" << int(P::NotAnEntry) << 1;
        QTest::newRow("letter") << "WP007:0815x\r" << int(P::BadCharacter) << 1;
        QTest::newRow("dot inside") << "WP007:08.15\r" << int(P::BadCharacter) << 1;
        QTest::newRow("blank") << "WP007:0815 12\r" << int(P::BadCharacter) << 1;
        QTest::newRow("twice") << entryLine(7, "1") + entryLine(8, "2") + entryLine(7, "3")
                               << int(P::Duplicate) << 3;
        QTest::newRow("nothing") << "\r\r" << int(P::NoEntries) << 1;
    }
    void fileCheck()
    {
        QFETCH(QString, text);
        QFETCH(int, problem);
        QFETCH(int, line);
        const quarn::link::ShortDialCheck check = ShortDialFile::check(text);
        QCOMPARE(int(check.problem), problem);
        QCOMPARE(check.line, line);
        QCOMPARE(check.entries.isEmpty(), !check.ok());
    }

    void writeIsReadBack_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("firstDiffering");
        QTest::newRow("clean") << "none" << true << -1;
        QTest::newRow("silent unit") << "silent" << false << 105;
        QTest::newRow("line dies while listing") << "cutoff=10" << false << 110;
    }
    void writeIsReadBack()
    {
        QFETCH(QString, fault);
        QFETCH(bool, ok);
        QFETCH(int, firstDiffering);
        sim::UnitOptions options;
        QVERIFY(sim::parseFault(fault, options));
        SimBench b(options);
        const QString text = entryLine(105, "0815") + entryLine(110, "4711#") + entryLine(999, "1");
        const quarn::link::ShortDialCheck check = ShortDialFile::check(text);
        QVERIFY(check.ok());
        QVERIFY(b.exchange.write(text, b.progress));
        b.unit.clearCommandLog();
        const quarn::link::ShortDialVerify v = b.exchange.verify(check.entries, b.progress);
        QCOMPARE(v.ok, ok);
        QCOMPARE(v.firstDiffering, firstDiffering);
        if (ok)
            QCOMPARE(b.unit.commandsReceived(), (QList<QByteArray>{"WL100-199", "WL900-999"}));
    }

    void writeReadBackNamesTheFirstDifference()
    {
        // The unit keeps something else than was sent (here: it lists its old entry).
        Scripted s;
        s.port.setScript([](const QByteArray& cmd) {
            QString list;
            if (cmd.startsWith("WL"))
                for (int n = 0; n < 100; ++n)
                    list += entryLine(n, n == 7 ? QStringLiteral("1111") : QStringLiteral("0815"));
            return latin1(list);
        });
        const QList<quarn::link::ShortDialEntry> written{
            {5, QStringLiteral("0815")}, {7, QStringLiteral("0815")}, {9, QStringLiteral("9999")}};
        const quarn::link::ShortDialVerify v = s.exchange.verify(written, s.progress);
        QVERIFY(v.read.complete());
        QVERIFY(!v.ok);
        QCOMPARE(v.firstDiffering, 7);
    }
};

QTEST_APPLESS_MAIN(TestShortDial)
#include "tst_shortdial.moc"
