// The text transfer against the simulated unit on virtual time, with and without the
// emulated 9600-baud line.
#include "displaytexts/link/TextCommands.h"
#include "displaytexts/link/TextConnect.h"
#include "displaytexts/link/TextProgram.h"
#include "displaytexts/link/TextRead.h"
#include "displaytexts/texts/Register.h"
#include "displaytexts/texts/UnitCodes.h"

#include "sim/SimulatedPort.h"
#include "sim/UnitModel.h"

#include <QtTest>

using namespace tekstor;

class TstTextSim : public QObject {
    Q_OBJECT

private slots:
    void connectAndReadBuiltInLanguage()
    {
        sim::UnitModel unit;
        platform::VirtualClock clock;
        sim::SimulatedPort port(unit, clock);
        Register store;
        const ConnectResult c = TextConnect(port, clock, store).run("sim");
        QCOMPARE(c.outcome, ConnectOutcome::Connected);
        QCOMPARE(store.lastOwnIndex(), unit.lastOwnTextIndex());

        platform::NoProgress progress;
        const ReadResult r = TextRead(port, clock, store, progress).readOwn('0');
        QCOMPARE(r.stored.size(), unit.lastOwnTextIndex() + 1);
        for (int n = 0; n <= store.lastOwnIndex(); ++n)
            QCOMPARE(store.ownText(n), fromUnitCodes(unit.ownText('0', n)));
        // The first built-in German text has an umlaut; it arrives as Windows-1252.
        QVERIFY(store.ownText(0).contains('\xFC'));

        // IDs without a text come back with the flag "X" and bullets for blanks.
        const ReadResult ids = TextRead(port, clock, store, progress).readIds({0});
        QCOMPARE(ids.stored.size(), 100);
        QCOMPARE(store.idText(42), "X" + QByteArray(24, char(0x95)));
    }

    void programThenReadBack()
    {
        sim::UnitModel unit;
        platform::VirtualClock clock;
        sim::SimulatedPort port(unit, clock);
        Register store;
        QCOMPARE(TextConnect(port, clock, store).run("sim").outcome, ConnectOutcome::Connected);
        store.setIdText(777, QByteArray("1\xC4rger\x95mit\x95$").leftJustified(25, char(0x95)));
        platform::NoProgress progress;
        const ProgramResult p = TextProgram(port, clock, store, progress).programIds({7});
        QCOMPARE(p.sent, 100);
        QCOMPARE(unit.idText(777), QByteArray("1\xE1rger mit \xE3").leftJustified(25, ' '));

        Register back;
        QVERIFY(TextRead(port, clock, back, progress).readIds({7}).stored.size() == 100);
        QCOMPARE(back.idText(777), QByteArray("1\xE4rger\x95mit\x95$").leftJustified(25, char(0x95)));
    }

    void slowLineLosesNoReply()
    {
        // At 9600 baud a 37-byte read command takes longer to go out than the 20 ms pause,
        // so the last replies arrive well after the last command. None may be lost, and
        // none may be left over for the next read.
        sim::UnitOptions options;
        options.baudTiming = true;
        sim::UnitModel unit(options);
        for (int id = 0; id < 1000; ++id)
            unit.setIdText(id, "1ID " + threeDigits(id));
        platform::VirtualClock clock;
        sim::SimulatedPort port(unit, clock);
        Register store;
        QCOMPARE(TextConnect(port, clock, store).run("sim").outcome, ConnectOutcome::Connected);
        platform::NoProgress progress;
        const ReadResult r = TextRead(port, clock, store, progress).readIds({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
        QCOMPARE(r.stored.size(), 1000);
        QCOMPARE(store.idText(999), QByteArray("1ID\x95"
                                               "999")
                                        .leftJustified(25, char(0x95)));
        // Heard out, not waited out: the read rests its second a short silence after the
        // last reply line.
        qint64 lastByteMs = 0;
        for (const sim::SimulatedPort::TraceEntry& e : port.trace())
            lastByteMs = e.fromUnit ? e.atMs : lastByteMs;
        QVERIFY2(clock.nowMs() - lastByteMs <= TextRead::AllInQuietMs + TextRead::AfterInterpretMs + 2,
                 qPrintable(QString::number(clock.nowMs() - lastByteMs)));

        const ReadResult ch = TextRead(port, clock, store, progress).readChannels();
        QCOMPARE(ch.lines, 100);
        QCOMPARE(store.channelText(0), "0" + QByteArray(24, char(0x95)));
    }
};

QTEST_GUILESS_MAIN(TstTextSim)
#include "tst_textsim.moc"
