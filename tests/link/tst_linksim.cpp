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

#include <atomic>

using namespace quarn;
using namespace quarn::link;

namespace {

// The exchanges against the simulated unit, on virtual time.
struct SimBench {
    explicit SimBench(sim::UnitOptions options) : unit(options), port(unit, clock) {}

    // Every exchange of the link, by the name the tables use.
    LinkOutcome run(const QString& exchange) { return run(exchange, ctx); }
    static LinkOutcome run(const QString& exchange, const LinkContext& c)
    {
        if (exchange == QLatin1String("connect"))
            return ConnectExchange(c).run();
        if (exchange == QLatin1String("read"))
            return BulkRead(c).execute();
        if (exchange == QLatin1String("send"))
            return BulkSend(c).execute();
        if (exchange == QLatin1String("reset"))
            return FactoryReset(c, ResetTarget::Base).execute();
        return Disconnect(c).execute();
    }
    // A connected unit whose image holds its registers, so a send has something to send.
    bool connectAndLoad()
    {
        if (connect().result != LinkResult::Completed)
            return false;
        for (int n : Register::numbers(image.telephoneInterface))
            image.registerText(n) = unit.registerText(n);
        return true;
    }

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

// Asks the exchange to stop at the port's nth use (a read or a write), as closing the window
// would at any moment, and remembers when.
class StoppingPort final : public platform::BytePort {
public:
    StoppingPort(platform::BytePort& inner, platform::Clock& clock, std::atomic_bool& stop, int at)
        : m_inner(inner), m_clock(clock), m_stop(stop), m_at(at)
    {}
    qint64 stoppedAt = -1;

    bool open(const QString& name) override { return m_inner.open(name); }
    void close() override { m_inner.close(); }
    bool isOpen() const override { return m_inner.isOpen(); }
    bool write(const QByteArray& bytes) override
    {
        use();
        return m_inner.write(bytes);
    }
    std::optional<char> readByte() override
    {
        use();
        return m_inner.readByte();
    }
    QByteArray readAvailable(int waitMs) override { return m_inner.readAvailable(waitMs); }
    void setReadTimeout(int ms) override { m_inner.setReadTimeout(ms); }
    platform::PortError lastError() const override { return m_inner.lastError(); }
    QString lastErrorDetail() const override { return m_inner.lastErrorDetail(); }

private:
    void use()
    {
        if (++m_uses == m_at) {
            m_stop = true;
            stoppedAt = m_clock.nowMs();
        }
    }
    platform::BytePort& m_inner;
    platform::Clock& m_clock;
    std::atomic_bool& m_stop;
    int m_at;
    int m_uses = 0;
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

    // A line in break delivers NUL bytes without end; a slow unit answers late. Every exchange
    // ends within its bound, and a unit slower than the bound is given up on while one within
    // it is still read.
    void everyExchangeEndsWithinItsBound_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("param");
        QTest::addColumn<QString>("exchange");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("boundMs");
        const int read = 2 * 100 * BulkRead::PacingMs + 2 * BulkRead::EchoBoundMs + BulkRead::SettleMs;
        auto row = [](const char* name, sim::Fault fault, int param, const char* exchange, LinkResult result,
                      int boundMs) {
            QTest::newRow(name) << int(fault) << param << QString::fromLatin1(exchange) << int(result)
                                << boundMs;
        };
        // The connect is answered (two commands), then the line is in break.
        row("break: connect", sim::Fault::Break, 0, "connect", LinkResult::UnitNotKnown,
            ConnectExchange::ReadCount * 102);
        row("break: read", sim::Fault::Break, 2, "read", LinkResult::NoReply,
            100 * BulkRead::PacingMs + BulkRead::EchoBoundMs + 100);
        row("break: send", sim::Fault::Break, 2, "send", LinkResult::NoReply, BulkSend::ReplyBoundMs + 100);
        row("slow unit within the bound", sim::Fault::Slow, BulkRead::EchoBoundMs - 500, "read",
            LinkResult::Completed, read);
        row("slow unit past the bound", sim::Fault::Slow, BulkRead::EchoBoundMs + 500, "read",
            LinkResult::NoReply, 100 * BulkRead::PacingMs + BulkRead::EchoBoundMs + 100);
    }

    void everyExchangeEndsWithinItsBound()
    {
        QFETCH(int, fault);
        QFETCH(int, param);
        QFETCH(QString, exchange);
        QFETCH(int, result);
        QFETCH(int, boundMs);
        SimBench b(options(sim::Model::Q8k, false, sim::Fault(fault), param));
        if (exchange != QLatin1String("connect"))
            QVERIFY(b.connectAndLoad());
        const qint64 start = b.clock.nowMs();
        QCOMPARE(int(b.run(exchange).result), result);
        QVERIFY2(b.clock.nowMs() - start <= boundMs, qPrintable(QString::number(b.clock.nowMs() - start)));
    }

    // Closing the window asks the running exchange to stop: whatever it is doing, it ends
    // within a second, with the port closed.
    void stopEndsEveryExchangeWithinASecond_data()
    {
        QTest::addColumn<QString>("exchange");
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("at"); // the port's use (write or read) at which stop is asked for
        const QList<std::pair<const char*, QList<int>>> uses{{"connect", {2, 40}},
                                                             {"read", {2, 150, 2500}},
                                                             {"send", {2, 150, 600}},
                                                             {"reset", {1, 2}},
                                                             {"disconnect", {1, 2}}};
        for (const auto& [exchange, ats] : uses) {
            for (int at : ats) {
                QTest::addRow("%s, use %d", exchange, at)
                    << QString::fromLatin1(exchange) << int(sim::Fault::None) << at;
                QTest::addRow("%s, line in break, use %d", exchange, at)
                    << QString::fromLatin1(exchange) << int(sim::Fault::Break) << at;
            }
        }
    }

    void stopEndsEveryExchangeWithinASecond()
    {
        QFETCH(QString, exchange);
        QFETCH(int, fault);
        QFETCH(int, at);
        SimBench b(options(sim::Model::Q8k, true, sim::Fault(fault), 2));
        QVERIFY(b.connectAndLoad());
        std::atomic_bool stop{false};
        StoppingPort port(b.port, b.clock, stop, at);
        const LinkContext ctx{port, b.clock, b.image, QStringLiteral("sim"), b.progress, &stop};
        QCOMPARE(SimBench::run(exchange, ctx).result, LinkResult::Stopped);
        QVERIFY(port.stoppedAt >= 0);
        QVERIFY2(b.clock.nowMs() - port.stoppedAt <= 1000,
                 qPrintable(QString::number(b.clock.nowMs() - port.stoppedAt)));
        QVERIFY(!b.port.isOpen());
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
