// The text transfer on virtual time against a scripted port: the bytes on the line, their
// pacing, the progress and the interpretation of replies.
#include "tests/support/RecordingProgress.h"
#include "tests/support/ScriptedPort.h"

#include "displaytexts/link/TextCommands.h"
#include "displaytexts/link/TextConnect.h"
#include "displaytexts/link/TextPort.h"
#include "displaytexts/link/TextProgram.h"
#include "displaytexts/link/TextRead.h"
#include "displaytexts/link/TextReply.h"
#include "displaytexts/texts/Messages.h"
#include "displaytexts/texts/Register.h"

#include <QtTest>

using namespace tekstor;

namespace {

// A reply line as the unit sends it: 6 characters of its own, the text, LF.
QByteArray line(const QByteArray& head6, const QByteArray& text)
{
    return head6 + text + "\n";
}

// Answers ID/channel/own reads with a text that names the number (in unit codes).
QByteArray answerReads(const QByteArray& command)
{
    if (command.startsWith("$RK") || command.startsWith("$RC")) {
        const QByteArray n = command.mid(3, 3);
        return line("$K" + n + ":", ("1Text " + n + " \xF5\xE3").leftJustified(25, ' '));
    }
    if (command.startsWith("$RT") && command.mid(3, 4) != "9999") {
        const QByteArray n = command.mid(4, 3);
        return line("$T" + command.mid(3, 1) + n, ("Own " + n).leftJustified(24, ' ') + "1:0000D2");
    }
    return {};
}

} // namespace

class TstTextProtocol : public QObject {
    Q_OBJECT

private slots:
    void commandStrings()
    {
        QCOMPARE(filler(), QByteArray("\r" + QByteArray(30, ' ')));
        QCOMPARE(readCommand(TextKind::Ids, 7), QByteArray("$RK007\r" + QByteArray(30, ' ')));
        QCOMPARE(readCommand(TextKind::Channels, 99), "$RC099" + filler());
        QCOMPARE(readCommand(TextKind::Own, 127, '3'), "$RT3127" + filler());
        QCOMPARE(ownTextCountCommand(), "$RT9999" + filler());
        QCOMPARE(ownTextCountCommand().size(), 38);
        QCOMPARE(programCommand(TextKind::Ids, 5, "1\xDC\x95$"), QByteArray("$PK0051\xF5 \xE3\r"));
        QCOMPARE(programCommand(TextKind::Own, 999, QByteArray(32, '0')),
                 "$PT999" + QByteArray(32, '0') + "\r");
        QCOMPARE(programCommand(TextKind::Channels, 0, "0"), QByteArray("$PC0000\r"));
        QCOMPARE(programEndCommand(TextKind::Ids), QByteArray("$PK\r"));
        QCOMPARE(programEndCommand(TextKind::Own), QByteArray("$PT\r"));
        QCOMPARE(programEndCommand(TextKind::Channels), QByteArray("$PC\r"));
        QCOMPARE(startCommand(), QByteArray("$PROGSTART\r"));
        QCOMPARE(endCommand(), QByteArray("$PROGENDE\r"));
        const QByteArray expected = "012345F";
        for (int i = 0; i < LanguageListSize; ++i)
            QCOMPARE(languageCharacter(i), expected[i]);
    }

    void sendRefusesMoreThan100Bytes()
    {
        platform::VirtualClock clock;
        ScriptedPort port(clock);
        port.setReplyDelayMs(5);
        TextPort line(port, clock);
        QVERIFY(!line.send("x")); // closed
        QCOMPARE(line.open("ttyX"), OpenResult::Ok);
        QVERIFY(!line.send(QByteArray(101, 'a')));
        QVERIFY(port.written().isEmpty());
        QVERIFY(line.send(QByteArray(100, 'a')));
        QCOMPARE(port.written().size(), 1);
    }

    void replyInterpretation()
    {
        // A first line holding "$START" is dropped; without it the first line is a text.
        const QByteArray body = line("123456", QByteArray("1abcdefghijklmnopqrstuvwx")) + "\n\n" +
                                line("654321", QByteArray("0ABCDEFGHIJKLMNOPQRSTUVWX"));
        auto texts = TextReply::texts("xx$START yy\r\n" + body, 25);
        QCOMPARE(texts.size(), 2);
        QCOMPARE(*texts[0], QByteArray("1abcdefghijklmnopqrstuvwx"));
        QCOMPARE(*texts[1], QByteArray("0ABCDEFGHIJKLMNOPQRSTUVWX"));
        texts = TextReply::texts("greeting line....................\n" + body, 25);
        QCOMPARE(texts.size(), 3);
        QCOMPARE(*texts[0], QByteArray("greeting line....................").mid(6, 25));
        // "$START" later in the data still drops the first line.
        texts = TextReply::texts(body + "$START\n", 25);
        QCOMPARE(texts.size(), 2);
        QCOMPARE(*texts[0], QByteArray("0ABCDEFGHIJKLMNOPQRSTUVWX"));

        // Too short for a whole text: the slot is used up but holds nothing.
        texts = TextReply::texts("123456short\n" + body, 25);
        QCOMPARE(texts.size(), 3);
        QVERIFY(!texts[0].has_value());
        QVERIFY(texts[1].has_value());
        // An own-text line needs 38 characters.
        texts = TextReply::texts(QByteArray(37, 'a') + "\n" + QByteArray(38, 'b') + "\n", 32);
        QVERIFY(!texts[0].has_value());
        QCOMPARE(*texts[1], QByteArray(32, 'b'));

        // Only lines with their LF count as in, as texts() counts them.
        const struct {
            QByteArray received;
            int lines;
        } complete[] = {{"", 0},
                        {body, 2},
                        {body + "12345", 2},
                        {"\n\n\n", 0},
                        {"$START\r\n" + body, 2},
                        {"xx$START", 0},
                        {body + "$START\n", 2}};
        for (const auto& c : complete)
            QCOMPARE(TextReply::completeLines(c.received), c.lines);
    }

    void connectReadsOwnTextCount()
    {
        // "$START" at offset 0 and a second reply whose characters 37 to 39 are 1, 2, 7:
        // the last own-text index becomes 127, so own texts 0 to 127 are read.
        platform::VirtualClock clock;
        ScriptedPort port(clock);
        port.setReplyDelayMs(5);
        port.setScript([](const QByteArray& cmd) -> QByteArray {
            if (cmd == "$PROGSTART\r")
                return "$START\r\n";
            if (cmd.startsWith("$RT9999"))
                return QByteArray(36, '.') + "127\r\n";
            return answerReads(cmd);
        });
        Register store;
        const ConnectResult c = TextConnect(port, clock, store).run("ttyQ");
        QCOMPARE(c.outcome, ConnectOutcome::Connected);
        QCOMPARE(c.startOffset, 0);
        QCOMPARE(store.lastOwnIndex(), 127);
        QCOMPARE(port.openedName(), QStringLiteral("ttyQ"));
        QVERIFY(port.isOpen());
        QCOMPARE(port.readTimeout(), 0);
        QCOMPARE(port.written().size(), 2);
        QCOMPARE(port.written()[0].bytes, QByteArray("$PROGSTART\r"));
        QCOMPARE(port.written()[0].atMs, 500);
        QCOMPARE(port.written()[1].bytes, "$RT9999" + filler());
        QCOMPARE(port.written()[1].atMs, 600);

        RecordingProgress progress;
        const qint64 start = clock.nowMs();
        const ReadResult r = TextRead(port, clock, store, progress).readOwn('F');
        QCOMPARE(r.outcome, TransferOutcome::Done);
        const auto reads = port.writtenStartingWith("$RT");
        QCOMPARE(reads.size(), 1 + 128);
        QCOMPARE(reads[1], "$RTF000" + filler());
        QCOMPARE(reads.last(), "$RTF127" + filler());
        QCOMPARE(progress.range(), 128);
        QCOMPARE(r.stored.size(), 128);
        QCOMPARE(store.ownText(127), QByteArray("Own\x95"
                                                "127")
                                             .leftJustified(24, char(0x95)) +
                                         "1:0000D2");
        // 1000 ms before the first command, 10 ms before each, 500 ms after the last,
        // then the receiver's last second.
        QCOMPARE(port.written()[2].atMs - start, 1010);
        QCOMPARE(clock.nowMs() - start, 1000 + 128 * 10 + 500 + 1000);
    }

    void connectWithStartLaterInGreeting()
    {
        platform::VirtualClock clock;
        ScriptedPort port(clock);
        port.setReplyDelayMs(5);
        port.setScript([](const QByteArray& cmd) -> QByteArray {
            if (cmd == "$PROGSTART\r")
                return QByteArray("\0ab\r\n$START\r\n", 13); // NUL dropped: "$START" at offset 4
            if (cmd.startsWith("$RT9999"))
                return QByteArray(40, '.') + "042\r\n";
            return {};
        });
        Register store;
        const ConnectResult c = TextConnect(port, clock, store).run("p");
        QCOMPARE(c.outcome, ConnectOutcome::Connected);
        QCOMPARE(c.startOffset, 4);
        QCOMPARE(store.lastOwnIndex(), 42);
    }

    void connectFailures()
    {
        {
            platform::VirtualClock clock;
            ScriptedPort port(clock);
            port.setReplyDelayMs(5);
            port.failOpens(platform::PortError::NotFound);
            Register store;
            const ConnectResult c = TextConnect(port, clock, store).run("none");
            QCOMPARE(c.outcome, ConnectOutcome::PortFailed);
            QCOMPARE(c.open, OpenResult::CannotOpen);
            QVERIFY(port.written().isEmpty());
        }
        {
            platform::VirtualClock clock;
            ScriptedPort port(clock);
            port.setReplyDelayMs(5);
            port.failOpens(platform::PortError::Settings);
            Register store;
            QCOMPARE(TextConnect(port, clock, store).run("x").open, OpenResult::CannotSetState);
        }
        {
            // No "$START" in the first 39 bytes: the port is closed again.
            platform::VirtualClock clock;
            ScriptedPort port(clock);
            port.setReplyDelayMs(5);
            port.setScript([](const QByteArray& cmd) -> QByteArray {
                return cmd == "$PROGSTART\r" ? QByteArray(39, '-') + "$START\r\n" : QByteArray();
            });
            Register store;
            const ConnectResult c = TextConnect(port, clock, store).run("x");
            QCOMPARE(c.outcome, ConnectOutcome::NoStart);
            QVERIFY(!port.isOpen());
            QCOMPARE(port.written().size(), 1);
        }
        {
            // "$START" but the count never comes: at most 2 s, then closed; the index stays.
            platform::VirtualClock clock;
            ScriptedPort port(clock);
            port.setReplyDelayMs(5);
            port.setScript([](const QByteArray& cmd) -> QByteArray {
                if (cmd == "$PROGSTART\r")
                    return "$START\r\n";
                return cmd.startsWith("$RT9999") ? QByteArray(40, '.') : QByteArray(); // one short
            });
            Register store;
            const ConnectResult c = TextConnect(port, clock, store).run("x");
            QCOMPARE(c.outcome, ConnectOutcome::NoCount);
            QVERIFY(!port.isOpen());
            QCOMPARE(store.lastOwnIndex(), 100);
            QVERIFY(clock.nowMs() >= 600 + 2000);
            QVERIFY(clock.nowMs() < 600 + 2000 + TextPort::PollSliceMs);
        }
        QCOMPARE(msg::unitNotAnswering(Language::English),
                 QStringLiteral("Please check if the Quarn is connected to the right COM port and PC "
                                "connection is enabled."));
    }

    void readIdRangesInOrder()
    {
        // Ranges 100-199 and 300-399: 200 "$RK" commands, 100..199 then 300..399, 20 ms
        // apart, progress range 200; the reply lines are assigned in that order.
        platform::VirtualClock clock;
        ScriptedPort port(clock);
        port.setReplyDelayMs(5);
        port.setScript(answerReads);
        port.setWriteCostMs(1); // a write that takes its time does not stretch the pace
        QVERIFY(port.open("p"));
        port.inject("$START\r\n", 0); // a greeting still on the line: dropped
        Register store;
        store.setIdText(5, "1stale");
        RecordingProgress progress;
        const ReadResult r = TextRead(port, clock, store, progress).readIds({3, 1});
        QCOMPARE(r.outcome, TransferOutcome::Done);
        QCOMPARE(port.written().size(), 200);
        for (int i = 0; i < 200; ++i) {
            const int id = i < 100 ? 100 + i : 200 + i;
            QCOMPARE(port.written()[i].bytes, readCommand(TextKind::Ids, id));
            QCOMPARE(port.written()[i].atMs, 1000 + 20 * (i + 1));
        }
        QCOMPARE(progress.range(), 200);
        QCOMPARE(progress.steps, 200);
        QCOMPARE(progress.current, 200);
        QCOMPARE(r.stored.size(), 200);
        QCOMPARE(store.idText(150), QByteArray("1Text\x95"
                                               "150\x95\xFC$")
                                        .leftJustified(25, char(0x95)));
        QCOMPARE(store.idText(399), QByteArray("1Text\x95"
                                               "399\x95\xFC$")
                                        .leftJustified(25, char(0x95)));
        QCOMPARE(store.idText(5), QByteArray("1stale")); // only the ranges read change
        QCOMPARE(store.idText(200), Register::defaultIdText());
        // Waiting happens on the port: one read for each reply and one for the rest of
        // each wait (and one for the stale greeting), not a read per byte or millisecond.
        QVERIFY2(port.readCalls() <= 2 * 200 + (1000 + 500) / TextPort::PollSliceMs + 1,
                 qPrintable(QString::number(port.readCalls())));
    }

    void readWithoutRangesSendsNothing()
    {
        platform::VirtualClock clock;
        ScriptedPort port(clock);
        port.setReplyDelayMs(5);
        QVERIFY(port.open("p"));
        Register store;
        store.setIdText(1, "1old");
        RecordingProgress progress;
        const ReadResult r = TextRead(port, clock, store, progress).readIds({});
        QCOMPARE(r.outcome, TransferOutcome::NothingAsked);
        QVERIFY(port.written().isEmpty());
        QCOMPARE(store.idText(1), QByteArray("1old"));
    }

    void untrustworthyRepliesChangeNothing_data()
    {
        // Per ID 0..99 the reply the unit sends; one deviation per row.
        QTest::addColumn<int>("id");
        QTest::addColumn<QByteArray>("reply"); // "-": no reply at all
        QTest::addColumn<int>("outcome");
        QTest::addColumn<int>("unusable");
        const auto done = int(TransferOutcome::Done);
        const auto disturbed = int(TransferOutcome::Disturbed);
        const QByteArray good = "$K042:1" + QByteArray(24, 'g') + "\n";
        QTest::newRow("clean") << 42 << good << done << 0;
        QTest::newRow("CR before LF")
            << 42 << QByteArray("$K042:1" + QByteArray(24, 'g') + "\r\n") << done << 0;
        QTest::newRow("NUL of a line in break") << 42 << QByteArray("\0" + good) << done << 0;
        QTest::newRow("stray byte before") << 42 << QByteArray("~" + good) << disturbed << 1;
        QTest::newRow("byte lost") << 42 << QByteArray("$K042:1" + QByteArray(23, 'g') + "\n") << disturbed
                                   << 1;
        QTest::newRow("line too long")
            << 42 << QByteArray("$K042:1" + QByteArray(30, 'g') + "\n") << disturbed << 1;
        QTest::newRow("reply dropped") << 42 << QByteArray("-") << disturbed << 1;
        QTest::newRow("extra line") << 42 << QByteArray(good + good) << disturbed << 1;
    }

    void untrustworthyRepliesChangeNothing()
    {
        // The lines are matched to IDs by order alone: one too long, too short, missing or
        // extra line would shift texts, so the whole read is refused and the table kept.
        QFETCH(int, id);
        QFETCH(QByteArray, reply);
        QFETCH(int, outcome);
        QFETCH(int, unusable);
        platform::VirtualClock clock;
        ScriptedPort port(clock);
        port.setReplyDelayMs(5);
        port.setScript([&](const QByteArray& cmd) -> QByteArray {
            const int n = cmd.mid(3, 3).toInt();
            if (n != id)
                return "$K" + cmd.mid(3, 3) + ":0" + QByteArray(24, 'a' + char(n % 26)) + "\n";
            return reply == "-" ? QByteArray() : reply;
        });
        QVERIFY(port.open("p"));
        Register store;
        store.setIdText(7, "1kept");
        store.setIdText(150, "1other range");
        RecordingProgress progress;
        const ReadResult r = TextRead(port, clock, store, progress).readIds({0});
        QCOMPARE(int(r.outcome), outcome);
        QCOMPARE(r.unusable, unusable);
        QCOMPARE(r.asked.size(), 100);
        QCOMPARE(store.idText(150), QByteArray("1other range"));
        if (outcome == int(TransferOutcome::Done)) {
            QCOMPARE(store.idText(42), "1" + QByteArray(24, 'g'));
            QCOMPARE(store.idText(7), "0" + QByteArray(24, 'h'));
        } else {
            QCOMPARE(store.idText(7), QByteArray("1kept"));
            QVERIFY(r.stored.isEmpty());
        }
    }

    void readEndsWhenThePortGoesOrOnStop()
    {
        platform::VirtualClock clock;
        ScriptedPort port(clock);
        port.setReplyDelayMs(5);
        port.setScript([&port](const QByteArray& cmd) -> QByteArray {
            if (cmd.startsWith("$RC010"))
                port.close(); // the cable is pulled
            return answerReads(cmd);
        });
        QVERIFY(port.open("p"));
        Register store;
        RecordingProgress progress;
        const ReadResult gone = TextRead(port, clock, store, progress).readChannels();
        QCOMPARE(gone.outcome, TransferOutcome::PortClosed);
        QVERIFY(store.channelText(3).isEmpty());

        // A stop request is heard within a second, whatever the unit sends.
        port.setScript([](const QByteArray& cmd) { return answerReads(cmd); });
        QVERIFY(port.open("p"));
        std::atomic_bool stop{false};
        struct StopAt final : platform::Progress {
            std::atomic_bool* flag = nullptr;
            int steps = 0;
            void setRange(int) override {}
            void setPosition(int) override {}
            void step() override
            {
                if (++steps == 50)
                    flag->store(true);
            }
        } stopping;
        stopping.flag = &stop;
        const qint64 start = clock.nowMs();
        const ReadResult stopped = TextRead(port, clock, store, stopping, &stop).readChannels();
        QCOMPARE(stopped.outcome, TransferOutcome::Stopped);
        QVERIFY(clock.nowMs() - start < 1000 + 50 * 10 + 1000);
        QVERIFY(store.channelText(3).isEmpty());
    }

    void drainIsBoundedOnANoisyLine()
    {
        // A line that never falls silent ends the read a fixed time after its last command.
        platform::VirtualClock clock;
        ScriptedPort port(clock);
        port.setReplyDelayMs(5);
        port.setScript(answerReads);
        QVERIFY(port.open("p"));
        for (int t = 0; t < 60000; t += 20)
            port.inject("x", t);
        Register store;
        RecordingProgress progress;
        const ReadResult r = TextRead(port, clock, store, progress).readChannels();
        QCOMPARE(r.outcome, TransferOutcome::Disturbed);
        QVERIFY(clock.nowMs() <= 1000 + 100 * 10 + 500 + 100 * TextRead::ReplyLineMs + 1000 + 100);
        QVERIFY(store.channelText(0).isEmpty());
    }

    void readChannelsAndClosedPort()
    {
        platform::VirtualClock clock;
        ScriptedPort port(clock);
        port.setReplyDelayMs(5);
        port.setScript(answerReads);
        Register store;
        RecordingProgress progress;
        QCOMPARE(TextRead(port, clock, store, progress).readChannels().outcome, TransferOutcome::PortClosed);
        QVERIFY(store.channelText(0).isEmpty());
        QCOMPARE(clock.nowMs(), 0);

        QVERIFY(port.open("p"));
        const ReadResult r = TextRead(port, clock, store, progress).readChannels();
        QCOMPARE(r.outcome, TransferOutcome::Done);
        QCOMPARE(r.stored.size(), 100);
        QCOMPARE(port.written().size(), 100);
        QCOMPARE(port.written()[1].atMs - port.written()[0].atMs, 10);
        QCOMPARE(progress.range(), 100);
        QCOMPARE(store.channelText(42).left(8), QByteArray("1Text\x95"
                                                           "04"));
    }

    void programPacing()
    {
        platform::VirtualClock clock;
        ScriptedPort port(clock);
        port.setReplyDelayMs(5);
        port.setScript([](const QByteArray&) { return QByteArray("$R echo\r\n"); });
        // Each write takes 2 ms: the commands still go out 70 ms apart, not 72.
        port.setWriteCostMs(2);
        QVERIFY(port.open("p"));
        Register store;
        store.setLastOwnIndex(2);
        store.setOwnText(1, QByteArray("Gr\xFC\xDF"
                                       "e\x95$")
                                    .leftJustified(24, char(0x95)) +
                                "D3100002");
        RecordingProgress progress;
        const ProgramResult r = TextProgram(port, clock, store, progress).programOwn();
        QCOMPARE(r.outcome, TransferOutcome::Done);
        QCOMPARE(r.sent, 3);
        QCOMPARE(port.written().size(), 4);
        QCOMPARE(port.written()[0].atMs, 1000);
        QCOMPARE(port.written()[1].atMs, 1070);
        QCOMPARE(port.written()[1].bytes, "$PT001" +
                                              QByteArray("Gr\xF5\xE2"
                                                         "e \xE3")
                                                  .leftJustified(24, ' ') +
                                              "D3100002\r");
        QCOMPARE(port.written()[3].bytes, QByteArray("$PT\r"));
        QCOMPARE(port.written()[3].atMs, 1210);
        QCOMPARE(clock.nowMs(), 1210 + 2 + 500);
        QCOMPARE(progress.range(), 3);
        QCOMPARE(progress.steps, 3);

        // ID texts: only the ranges asked for, then "$PK\r" and a full second.
        const qint64 start = clock.nowMs();
        const ProgramResult ids = TextProgram(port, clock, store, progress).programIds({2});
        QCOMPARE(ids.sent, 100);
        const auto pk = port.writtenStartingWith("$PK");
        QCOMPARE(pk.size(), 101);
        QCOMPARE(pk.first(), "$PK200X" + QByteArray(24, ' ') + "\r");
        QCOMPARE(pk.last(), QByteArray("$PK\r"));
        QCOMPARE(clock.nowMs() - start, 1000 + 100 * 70 + 2 + 1000);
        QCOMPARE(progress.range(), 100);
    }

    void programRefusesOverlongCommands()
    {
        platform::VirtualClock clock;
        ScriptedPort port(clock);
        port.setReplyDelayMs(5);
        QVERIFY(port.open("p"));
        Register store;
        store.resetChannelTexts();
        store.setChannelText(7, QByteArray(95, 'x')); // "$PC007" + 95 + CR = 102 bytes
        RecordingProgress progress;
        const ProgramResult r = TextProgram(port, clock, store, progress).programChannels();
        QCOMPARE(r.sent, 99);
        QCOMPARE(r.refused, 1);
        QVERIFY(port.writtenStartingWith("$PC007").isEmpty());
        QCOMPARE(port.written().last().bytes, QByteArray("$PC\r"));

        // No text to send: nothing at all goes out, not even the end command.
        const int before = int(port.written().size());
        const ProgramResult none = TextProgram(port, clock, store, progress).programIds({});
        QCOMPARE(none.outcome, TransferOutcome::NothingAsked);
        QCOMPARE(int(port.written().size()), before);
    }

    void disconnect()
    {
        platform::VirtualClock clock;
        ScriptedPort port(clock);
        port.setReplyDelayMs(5);
        QVERIFY(port.open("p"));
        TextDisconnect(port, clock).run();
        QCOMPARE(port.written().size(), 1);
        QCOMPARE(port.written()[0].bytes, QByteArray("$PROGENDE\r"));
        QVERIFY(!port.isOpen());
    }
};

QTEST_GUILESS_MAIN(TstTextProtocol)
#include "tst_textprotocol.moc"
