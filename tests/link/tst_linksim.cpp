#include <QtTest>

#include "config/link/BulkRead.h"
#include "config/link/BulkSend.h"
#include "config/link/ConnectExchange.h"
#include "config/link/Disconnect.h"
#include "config/link/FactoryReset.h"
#include "config/register/Register.h"
#include "platform/Progress.h"
#include "sim/FactoryTable.h"
#include "sim/SimulatedPort.h"
#include "sim/UnitModel.h"

using namespace quarn;
using namespace quarn::link;

namespace {

// The exchanges against the simulated unit, on virtual time.
struct SimBench {
    explicit SimBench(sim::UnitOptions options) : unit(options), port(unit, clock) {}

    LinkOutcome connect() { return ConnectExchange(ctx).run(); }
    LinkOutcome read() { return BulkRead(ctx).execute(); }
    LinkOutcome send() { return BulkSend(ctx).execute(); }

    platform::VirtualClock clock;
    sim::UnitModel unit;
    sim::SimulatedPort port;
    Register image;
    platform::NoProgress progress;
    LinkContext ctx{port, clock, image, QStringLiteral("sim"), progress};
};

sim::UnitOptions options(sim::Model model, bool telephone, sim::Fault fault = sim::Fault::None, int param = 0)
{
    sim::UnitOptions o;
    o.model = model;
    o.telephone = telephone;
    o.fault = fault;
    o.faultParam = param;
    return o;
}

} // namespace

class TestLinkSim : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void connectReadSendRoundTrip()
    {
        SimBench b(options(sim::Model::Q8k, true));
        b.unit.setRegisterText(612, QStringLiteral("0123ABCD"));

        QCOMPARE(b.connect().result, LinkResult::Completed);
        QVERIFY(b.image.unitKnown);
        QVERIFY(!b.image.model7k);
        QVERIFY(b.image.telephoneInterface);
        QCOMPARE(b.image.versionText, QStringLiteral("Quarn 8k V3.20\nmit Telefoninterface"));

        QCOMPARE(b.read().result, LinkResult::Completed);
        for (int n : Register::numbers(true))
            QCOMPARE(b.image.registerText(n), b.unit.registerText(n));
        QCOMPARE(b.image.registerText(612), QStringLiteral("0123ABCD"));

        b.image.registerText(5) = QStringLiteral("1A000000");
        b.image.registerText(799) = QStringLiteral("FFFFFFFF");
        b.image.modified = true;
        QCOMPARE(b.send().result, LinkResult::Completed);
        QCOMPARE(b.unit.registerText(5), QStringLiteral("1A000000"));
        QCOMPARE(b.unit.registerText(799), QStringLiteral("FFFFFFFF"));
        QVERIFY(!b.image.modified);

        QCOMPARE(Disconnect(b.ctx).execute().result, LinkResult::Completed);
        QVERIFY(!b.unit.inPcMode());
        QVERIFY(!b.image.unitKnown);
    }

    void unitWithoutTelephoneInterface()
    {
        SimBench b(options(sim::Model::Q7k, false));
        QCOMPARE(b.connect().result, LinkResult::Completed);
        QVERIFY(b.image.model7k);
        QVERIFY(!b.image.telephoneInterface);
        QCOMPARE(b.image.versionText, QStringLiteral("Quarn 7k V3.20"));
        const qint64 before = b.clock.nowMs();
        QCOMPARE(b.read().result, LinkResult::Completed);
        // Two blocks of 20 ms pacing plus the settle time, and little more.
        QVERIFY(b.clock.nowMs() - before >= 2 * 2000 + 500);
        QVERIFY(b.clock.nowMs() - before < 2 * 2000 + 500 + 200);
        QCOMPARE(b.image.registerText(199), b.unit.registerText(199));
    }

    void monitorModeUnit()
    {
        SimBench b(options(sim::Model::Q8k, true, sim::Fault::Monitor));
        QCOMPARE(b.connect().result, LinkResult::MonitorOutput);
        QVERIFY(!b.image.unitKnown);
        // A read forced on such a unit ends with the monitor abort.
        b.image.unitKnown = true;
        QCOMPARE(b.read().result, LinkResult::MonitorOutput);
        QCOMPARE(b.image.registerText(0), QStringLiteral("        "));
    }

    void silentUnit()
    {
        SimBench b(options(sim::Model::Q8k, false, sim::Fault::Silent));
        QCOMPARE(b.connect().result, LinkResult::UnitNotKnown);
        QCOMPARE(b.clock.nowMs(), 70 * 102);
        b.image.unitKnown = true;
        for (int n : Register::numbers(false))
            b.image.registerText(n) = QStringLiteral("00000000");
        QCOMPARE(b.send().result, LinkResult::NoReply);
        QCOMPARE(b.read().result, LinkResult::NoReply);
    }

    // Noise that never holds an echo, and a line that goes dead mid-transfer: every
    // exchange ends within its bounds (virtual time) and says so.
    void noiseAndHangUpEndTheExchanges()
    {
        SimBench drowned(options(sim::Model::Q8k, false, sim::Fault::Babble));
        QCOMPARE(drowned.connect().result, LinkResult::UnitNotKnown);

        // The connect is answered, then only noise.
        SimBench babble(options(sim::Model::Q8k, false, sim::Fault::Babble, 2));
        QCOMPARE(babble.connect().result, LinkResult::Completed);
        const qint64 readStart = babble.clock.nowMs();
        QCOMPARE(babble.read().result, LinkResult::NoReply);
        // 100 requests at 20 ms, then at most the echo bound.
        QVERIFY2(babble.clock.nowMs() - readStart <= 100 * BulkRead::PacingMs + BulkRead::EchoBoundMs + 200,
                 qPrintable(QString::number(babble.clock.nowMs() - readStart)));
        for (int n : Register::numbers(false))
            babble.image.registerText(n) = QStringLiteral("00000000");
        QCOMPARE(babble.send().result, LinkResult::NoReply);

        SimBench hangUp(options(sim::Model::Q8k, false, sim::Fault::HangUp, 60));
        QCOMPARE(hangUp.connect().result, LinkResult::Completed);
        QCOMPARE(hangUp.read().result, LinkResult::NoReply);
        QCOMPARE(hangUp.image.registerText(0), QStringLiteral("        "));
    }

    void droppedAndCorruptedReplies()
    {
        // Every 50th reply dropped: 49, 99 (a block's last echo), ...
        SimBench dropped(options(sim::Model::Q8k, false, sim::Fault::Drop, 50));
        QCOMPARE(dropped.connect().result, LinkResult::Completed);
        QCOMPARE(dropped.read().result, LinkResult::NoReply);

        SimBench dropOne(options(sim::Model::Q8k, false, sim::Fault::Drop, 120));
        QCOMPARE(dropOne.connect().result, LinkResult::Completed);
        const LinkOutcome out = dropOne.read();
        QCOMPARE(out.result, LinkResult::NotAllRead);
        QCOMPARE(out.registerNumber, 119);

        SimBench corrupt(options(sim::Model::Q8k, false, sim::Fault::Corrupt, 70));
        QCOMPARE(corrupt.connect().result, LinkResult::Completed);
        for (int n : Register::numbers(false))
            corrupt.image.registerText(n) = corrupt.unit.registerText(n);
        const LinkOutcome sent = corrupt.send();
        QCOMPARE(sent.result, LinkResult::Unconfirmed);
        QCOMPARE(sent.registerNumber, 139); // replies 70 and 140: registers 69 and 139
    }

    void factoryResetRestoresUnitNotImage()
    {
        SimBench b(options(sim::Model::Q8k, true));
        b.unit.setRegisterText(20, QStringLiteral("ABABABAB"));
        b.unit.setRegisterText(320, QStringLiteral("ABABABAB"));
        b.image.telephoneInterface = true;
        b.image.registerText(20) = QStringLiteral("ABABABAB");
        QCOMPARE(FactoryReset(b.ctx, ResetTarget::Telephone).execute().result, LinkResult::Completed);
        QCOMPARE(b.unit.registerText(320), QString::fromLatin1(sim::FactoryTable::value(320)));
        QCOMPARE(b.unit.registerText(20), QStringLiteral("ABABABAB"));
        QCOMPARE(FactoryReset(b.ctx, ResetTarget::Base).execute().result, LinkResult::Completed);
        QCOMPARE(b.unit.registerText(20), QString::fromLatin1(sim::FactoryTable::value(20)));
        QCOMPARE(b.image.registerText(20), QStringLiteral("ABABABAB"));
    }
};

QTEST_APPLESS_MAIN(TestLinkSim)
#include "tst_linksim.moc"
