#include <QtTest>

#include "config/link/BulkRead.h"
#include "config/link/BulkSend.h"
#include "config/link/CommandFraming.h"
#include "config/link/ConnectExchange.h"
#include "config/link/Disconnect.h"
#include "config/link/FactoryReset.h"
#include "config/link/LinkMessages.h"
#include "config/register/Register.h"
#include "tests/support/RecordingProgress.h"
#include "tests/support/ScriptedPort.h"

using namespace quarn;
using namespace quarn::link;

namespace {

QString digitsFor(int n)
{
    return QStringLiteral("%1").arg(n * 7919 % 0xFFFFFFF + 0x10000000, 8, 16).toUpper();
}

// A unit that answers register reads and writes as the protocol wants, with hooks to
// spoil single replies.
struct RegisterUnit {
    bool telephone = false;
    QMap<int, QByteArray> values;
    std::function<QByteArray(int, QByteArray)> spoil; // (register, reply) -> reply sent

    RegisterUnit()
    {
        for (int n : Register::numbers(true))
            values[n] = digitsFor(n).toLatin1();
    }
    bool has(int n) const { return n < 200 || telephone; }
    QByteArray operator()(const QByteArray& cmd)
    {
        if (cmd.size() == 6 && cmd.startsWith("$R")) {
            const int n = cmd.mid(2, 3).toInt();
            if (!has(n))
                return {};
            return finish(n, "$R" + cmd.mid(2, 3) + values[n] + "\r\n");
        }
        if (cmd.size() == 14 && cmd.startsWith("$P")) {
            const int n = cmd.mid(2, 3).toInt();
            if (!has(n))
                return {};
            values[n] = cmd.mid(5, 8);
            return finish(n, "$R" + cmd.mid(2, 3) + values[n] + "\r\n");
        }
        return {};
    }
    QByteArray finish(int n, const QByteArray& reply) { return spoil ? spoil(n, reply) : reply; }
};

struct Fixture {
    platform::VirtualClock clock;
    ScriptedPort port{clock};
    Register image;
    RecordingProgress progress;
    LinkContext ctx{port, clock, image, QStringLiteral("/dev/ttyUSB0"), progress};
};

void fillImage(Register& image)
{
    for (int n : Register::numbers(true))
        image.registerText(n) = digitsFor(n);
}

} // namespace

class TestLinkProtocol : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void framingBytes()
    {
        QCOMPARE(framing::readCommand(5).toLatin1(), QByteArray::fromHex("24523030350D"));
        QCOMPARE(framing::readCommand(612).toLatin1(), QByteArray::fromHex("24523631320D"));
        QCOMPARE(framing::writeCommand(7, QStringLiteral("0123ABCD")).toLatin1(),
                 QByteArray::fromHex("245030303730313233414243440D"));

        platform::VirtualClock clock;
        ScriptedPort port(clock);
        QVERIFY(!framing::sendText(port, QStringLiteral("$R000\r"))); // closed
        port.open(QStringLiteral("x"));
        QVERIFY(!framing::sendText(port, QString(101, QLatin1Char('A'))));
        QVERIFY(framing::sendText(port, QString(100, QLatin1Char('A'))));
        // Only the low byte of each character goes out.
        QVERIFY(framing::sendText(port, QString(QChar(0x0141))));
        QCOMPARE(port.written().size(), 2);
        QCOMPARE(port.written().last().bytes, QByteArray("\x41"));
    }

    void connectSilentUnit()
    {
        Fixture f;
        f.image.versionText = QStringLiteral("old");
        const LinkOutcome out = ConnectExchange(f.ctx).run();
        QCOMPARE(f.port.writtenCommands(), (QList<QByteArray>{"$PROGSTART\r", "$R300\r"}));
        QCOMPARE(f.port.readByteCalls(), 70);
        QCOMPARE(f.clock.nowMs(), 70 * 102);
        QCOMPARE(out.result, LinkResult::UnitNotKnown);
        QVERIFY(!f.image.unitKnown);
        QVERIFY(f.image.versionText.isEmpty());
        QCOMPARE(linkmsg::messageFor(out)->text,
                 QStringLiteral("Es konnte keine Verbindung zu einem Quarn 7k/8k hergestellt werden."));
        QCOMPARE(f.port.openedName(), QStringLiteral("/dev/ttyUSB0"));
        QVERIFY(f.port.isOpen());
    }

    void connectRecognisesModelAndVersion_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("known");
        QTest::addColumn<bool>("is7k");
        QTest::addColumn<bool>("telephone");
        QTest::addColumn<QString>("version");
        QTest::newRow("8k with telephone interface")
            << QByteArray("\r\nQuarn 8k V3.20 Build 12\r\n$R30012345678\r\n") << true << false << true
            << QStringLiteral("Quarn 8k V3.20 Build 12\nmit Telefoninterface");
        QTest::newRow("7k short name") << QByteArray("\r\nQ7k Software V3.21 (c) 1999\r\n") << true << true
                                       << false << QStringLiteral("Q7k Software V3.21 (c) 1999");
        // The name only counts after the first character. A failed connect leaves the image's
        // model and telephone-interface flag as they were (7k, none here) and no version.
        QTest::newRow("name at first character")
            << QByteArray("Quarn 8k V3.20 Build 1234567\r\n$R30012345678\r\n") << false << true << false
            << QString();
        QTest::newRow("28 characters give no version")
            << QByteArray("\r\nQuarn 7k V3.20 abcdefghi\r\n") << true << true << false << QString();
        QTest::newRow("CR before position 14 is not the end")
            << QByteArray("\rQuarn 8k\rV3.20 Build 1234567\r\n") << true << false << false
            << QStringLiteral("Quarn 8k\rV3.20 Build 1234567");
        QTest::newRow("zero bytes are not appended")
            << QByteArray("\r\nQuarn 7k\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0 V3.20\r\n", 33) << true << true << false
            << QString();
    }
    void connectRecognisesModelAndVersion()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, known);
        QFETCH(bool, is7k);
        QFETCH(bool, telephone);
        QFETCH(QString, version);
        Fixture f;
        f.port.inject(reply);
        const LinkOutcome out = ConnectExchange(f.ctx).run();
        QCOMPARE(f.image.unitKnown, known);
        QCOMPARE(out.result, known ? LinkResult::Completed : LinkResult::UnitNotKnown);
        QCOMPARE(f.image.model7k, is7k);
        QCOMPARE(f.image.telephoneInterface, telephone);
        QCOMPARE(f.image.versionText, version);
        QCOMPARE(f.port.readByteCalls(), 70);
    }

    void connectMonitorOutput()
    {
        Fixture f;
        f.image.telephoneInterface = true;
        f.image.unitKnown = true;
        f.port.inject("\r\nOnline-Monitor\r\n----------------\r\nTX = 12345\r\n");
        const LinkOutcome out = ConnectExchange(f.ctx).run();
        QCOMPARE(out.result, LinkResult::MonitorOutput);
        QVERIFY(!f.image.unitKnown);
        QVERIFY(f.image.telephoneInterface); // left as it was
        QCOMPARE(linkmsg::messageFor(out)->text,
                 QStringLiteral("Im Menü des Quarns muss \"PC-Verbindung\" ausgewählt werden, um eine "
                                "Verbindung aufzubauen."));

        // At the very first character the monitor texts do not count.
        Fixture g;
        g.port.inject("TX = Quarn 7k V3.20 xxxxxxxxxxxx\r\n");
        QCOMPARE(ConnectExchange(g.ctx).run().result, LinkResult::Completed);
    }

    void portFailureKeepsReason()
    {
        Fixture f;
        f.port.failOpens(platform::PortError::PermissionDenied,
                         QStringLiteral("permission denied (group dialout)"));
        fillImage(f.image);
        f.image.filePath = QStringLiteral("/tmp/a.rq7k8k");
        f.image.unitKnown = true;
        const LinkOutcome out = BulkRead(f.ctx).execute();
        QCOMPARE(out.result, LinkResult::PortNotOpened);
        QVERIFY(!out.ran);
        // A read that cannot start leaves the image as it was.
        QCOMPARE(f.image.registerText(0), digitsFor(0));
        QCOMPARE(f.image.filePath, QStringLiteral("/tmp/a.rq7k8k"));
        const auto box = linkmsg::messageFor(out);
        QCOMPARE(box->text, QStringLiteral("Port konnte nicht initialisiert werden!"));
        QCOMPARE(box->caption, QStringLiteral("Fehler"));
        QCOMPARE(box->informative, QStringLiteral("permission denied (group dialout)"));
        QVERIFY(f.port.written().isEmpty());
        QCOMPARE(ConnectExchange(f.ctx).run().result, LinkResult::PortNotOpened);
        QCOMPARE(BulkSend(f.ctx).execute().result, LinkResult::PortNotOpened);
        QCOMPARE(FactoryReset(f.ctx, ResetTarget::Base).execute().result, LinkResult::PortNotOpened);
        QCOMPARE(Disconnect(f.ctx).execute().result, LinkResult::PortNotOpened);
        QVERIFY(f.port.written().isEmpty());
    }

    void bulkReadWithoutTelephone()
    {
        Fixture f;
        RegisterUnit unit;
        f.port.setScript(std::ref(unit));
        f.image.unitKnown = true;
        const LinkOutcome out = BulkRead(f.ctx).execute();
        QCOMPARE(out.result, LinkResult::Completed);
        QCOMPARE(f.port.written().size(), 200);
        for (int n = 0; n < 200; ++n) {
            QCOMPARE(f.port.written()[n].bytes, framing::readCommand(n).toLatin1());
            if (n > 0 && n != 100)
                QCOMPARE(f.port.written()[n].atMs - f.port.written()[n - 1].atMs, 20);
            QCOMPARE(f.image.registerText(n), digitsFor(n));
        }
        QCOMPARE(f.image.registerText(300), QStringLiteral("        "));
        QCOMPARE(f.progress.ranges, QList<int>{200});
        QCOMPARE(f.progress.steps, 200);
        QCOMPARE(f.progress.positions.last(), 0);
        QVERIFY(!f.port.isOpen());
        QVERIFY(!linkmsg::messageFor(out));
    }

    void bulkReadPaceIgnoresWriteTime()
    {
        // A write that blocks for the 6 bytes on the line does not stretch the 20 ms pace.
        Fixture f;
        RegisterUnit unit;
        f.port.setScript(std::ref(unit));
        f.port.setWriteCostMs(6);
        f.image.unitKnown = true;
        QCOMPARE(BulkRead(f.ctx).execute().result, LinkResult::Completed);
        for (int n = 1; n < 100; ++n)
            QCOMPARE(f.port.written()[n].atMs - f.port.written()[n - 1].atMs, 20);

        // A write slower than the pace gets a whole wait after it: no catching up.
        Fixture g;
        g.port.setScript(std::ref(unit));
        g.port.setWriteCostMs(30);
        g.image.unitKnown = true;
        QCOMPARE(BulkRead(g.ctx).execute().result, LinkResult::Completed);
        QCOMPARE(g.port.written()[1].atMs - g.port.written()[0].atMs, 50);
    }

    void bulkReadWithTelephone()
    {
        Fixture f;
        RegisterUnit unit;
        unit.telephone = true;
        f.port.setScript(std::ref(unit));
        f.image.unitKnown = true;
        f.image.telephoneInterface = true;
        QCOMPARE(BulkRead(f.ctx).execute().result, LinkResult::Completed);
        QCOMPARE(f.port.written().size(), 600);
        QCOMPARE(f.port.written()[199].bytes, QByteArray("$R199\r"));
        QCOMPARE(f.port.written()[200].bytes, QByteArray("$R300\r"));
        QCOMPARE(f.port.written()[399].bytes, QByteArray("$R499\r"));
        QCOMPARE(f.port.written()[400].bytes, QByteArray("$R600\r"));
        QCOMPARE(f.port.written()[599].bytes, QByteArray("$R799\r"));
        QCOMPARE(f.progress.ranges, QList<int>{600});
        QCOMPARE(f.image.registerText(799), digitsFor(799));
        QCOMPARE(f.image.registerText(250), QStringLiteral("        "));
    }

    void bulkReadMonitorAbort()
    {
        Fixture f;
        f.image.unitKnown = true;
        // A unit in monitor mode shows what it receives.
        f.port.setScript(
            [](const QByteArray& cmd) { return "Online-Monitor\r\n----------------\r\nTX = " + cmd + "\n"; });
        const LinkOutcome out = BulkRead(f.ctx).execute();
        QCOMPARE(out.result, LinkResult::MonitorOutput);
        QCOMPARE(f.port.written().size(), 100); // ends after the first block
        QCOMPARE(f.image.registerText(0), QStringLiteral("        "));
        QVERIFY(f.port.isOpen());
        const auto box = linkmsg::messageFor(out);
        QCOMPARE(box->text, QStringLiteral("Sendevorgang war fehlerhaft und wurde abgebrochen!"));
        QCOMPARE(box->severity, linkmsg::Severity::Error);
    }

    void bulkReadGivesUpOnSilence()
    {
        Fixture f;
        f.image.unitKnown = true;
        RegisterUnit unit;
        // The echo of the block's last register never comes.
        unit.spoil = [](int n, const QByteArray& reply) { return n == 99 ? QByteArray() : reply; };
        f.port.setScript(std::ref(unit));
        const LinkOutcome out = BulkRead(f.ctx).execute();
        QCOMPARE(out.result, LinkResult::NoReply);
        const qint64 lastRequest = f.port.written().last().atMs;
        QCOMPARE(f.port.written().size(), 100);
        // 20 ms after the last request the wait starts; it ends 3 s after the last byte.
        QVERIFY(f.clock.nowMs() >= lastRequest + 20 + 3000);
        QVERIFY(f.clock.nowMs() <= lastRequest + 20 + 3000 + 102);
        QCOMPARE(linkmsg::messageFor(out)->text,
                 QStringLiteral("Sendevorgang war fehlerhaft und wurde abgebrochen!"));
        QCOMPARE(f.image.registerText(5), QStringLiteral("        "));
    }

    void bulkReadReportsFirstMissing()
    {
        Fixture f;
        f.image.unitKnown = true;
        RegisterUnit unit;
        unit.spoil = [](int n, const QByteArray& reply) {
            if (n == 57 || n == 120)
                return QByteArray();
            if (n == 199) // the last reply is cut short: 5 digits only
                return reply.left(10);
            return reply;
        };
        f.port.setScript(std::ref(unit));
        const LinkOutcome out = BulkRead(f.ctx).execute();
        QCOMPARE(out.result, LinkResult::NotAllRead);
        QCOMPARE(out.registerNumber, 57);
        QCOMPARE(f.image.registerText(57), QStringLiteral("        "));
        QCOMPARE(f.image.registerText(120), QStringLiteral("        "));
        QCOMPARE(f.image.registerText(199), QStringLiteral("        "));
        QCOMPARE(f.image.registerText(58), digitsFor(58));
        QCOMPARE(linkmsg::messageFor(out)->text,
                 QStringLiteral("Nicht alle Register konnten gelesen werden. Erstes fehlendes Register: 57"));
    }

    void bulkReadWithoutUnitDoesNothing()
    {
        Fixture f;
        const LinkOutcome out = BulkRead(f.ctx).execute();
        QCOMPARE(out.result, LinkResult::NotConnected);
        QVERIFY(f.port.written().isEmpty());
        QVERIFY(!f.port.isOpen());
        // Said, not dropped: the window's controls should not have offered it.
        QCOMPARE(linkmsg::messageFor(out)->text, linkmsg::notConnected());
    }

    void bulkSendConfirmsEveryRegister()
    {
        Fixture f;
        RegisterUnit unit;
        unit.values.clear();
        f.port.setScript(std::ref(unit));
        fillImage(f.image);
        f.image.unitKnown = true;
        f.image.modified = true;
        const LinkOutcome out = BulkSend(f.ctx).execute();
        QCOMPARE(out.result, LinkResult::Completed);
        QCOMPARE(f.port.written().size(), 200);
        QCOMPARE(f.port.written()[7].bytes, QByteArray("$P007") + digitsFor(7).toLatin1() + "\r");
        // No pause between registers.
        QCOMPARE(f.port.written().last().atMs, 0);
        QCOMPARE(f.clock.nowMs(), 500);
        QCOMPARE(unit.values.size(), 200);
        QVERIFY(!f.image.modified);
        QVERIFY(!f.port.isOpen());
        QVERIFY(!linkmsg::messageFor(out));
    }

    void bulkSendReportsLastUnconfirmed()
    {
        Fixture f;
        RegisterUnit unit;
        // Registers 12 and 150 are stored wrongly; the unit echoes what it stored.
        unit.spoil = [](int n, QByteArray reply) {
            if (n == 12 || n == 150)
                reply.replace(5, 8, "00000000");
            return reply;
        };
        f.port.setScript(std::ref(unit));
        fillImage(f.image);
        f.image.unitKnown = true;
        const LinkOutcome out = BulkSend(f.ctx).execute();
        QCOMPARE(out.result, LinkResult::Unconfirmed);
        QCOMPARE(out.registerNumber, 150);
        QCOMPARE(f.port.written().size(), 200); // the send went on
        QCOMPARE(linkmsg::messageFor(out)->text,
                 QStringLiteral("Programmierung war möglicherweise fehlerhaft! Letztes falsch oder nicht "
                                "beschriebene Register: 150"));
    }

    void bulkSendAbortsWithoutReply()
    {
        Fixture f;
        fillImage(f.image);
        f.image.unitKnown = true;
        f.image.telephoneInterface = true;
        f.image.modified = true;
        const LinkOutcome out = BulkSend(f.ctx).execute();
        QCOMPARE(out.result, LinkResult::NoReply);
        QCOMPARE(f.port.written().size(), 1);
        QVERIFY(f.port.isOpen());
        QVERIFY(f.image.modified);
        QCOMPARE(linkmsg::messageFor(out)->severity, linkmsg::Severity::Error);
    }

    void bulkSendReplyOffsets()
    {
        // The echo must be complete within the first 7 characters: the CR LF left over
        // from the previous reply fit, one more stray character does not.
        struct Case {
            int reg;
            QByteArray prefix;
            bool completes;
        };
        for (const Case& c : {Case{0, "ab", true}, Case{40, "", true}, Case{40, "x", false}}) {
            Fixture f;
            RegisterUnit unit;
            unit.spoil = [&](int n, const QByteArray& reply) {
                return n == c.reg ? c.prefix + reply : reply;
            };
            f.port.setScript(std::ref(unit));
            fillImage(f.image);
            f.image.unitKnown = true;
            const LinkOutcome out = BulkSend(f.ctx).execute();
            if (c.completes) {
                QCOMPARE(out.result, LinkResult::Completed);
            } else {
                QCOMPARE(out.result, LinkResult::NoReply);
                QCOMPARE(f.port.written().size(), c.reg + 1);
            }
        }
    }

    void bulkSendGuard()
    {
        // A blank image never reaches the unit.
        Fixture f;
        RegisterUnit unit;
        f.port.setScript(std::ref(unit));
        f.image.unitKnown = true;
        LinkOutcome out = BulkSend(f.ctx).execute();
        QCOMPARE(out.result, LinkResult::InvalidRegister);
        QCOMPARE(out.registerNumber, 0);
        QVERIFY(f.port.written().isEmpty());
        QCOMPARE(linkmsg::messageFor(out)->text,
                 QStringLiteral(
                     "Daten wurden nicht gesendet: Register 0 enthält keine gültigen Registerstellen."));

        // Nor does a file with an invalid line (empty text), lower case or a short text.
        fillImage(f.image);
        f.image.telephoneInterface = true;
        f.image.registerText(650).clear();
        out = BulkSend(f.ctx).execute();
        QCOMPARE(out.registerNumber, 650);
        f.image.registerText(650) = digitsFor(650);
        f.image.registerText(321) = QStringLiteral("0000abcd");
        QCOMPARE(BulkSend(f.ctx).execute().registerNumber, 321);
        f.image.registerText(321) = QStringLiteral("1234567");
        QCOMPARE(BulkSend(f.ctx).execute().registerNumber, 321);
        QVERIFY(f.port.written().isEmpty());
        // Registers outside the image's set are not checked.
        f.image.registerText(321) = digitsFor(321);
        f.image.registerText(250) = QStringLiteral("xx");
        QCOMPARE(BulkSend(f.ctx).execute().result, LinkResult::NoReply); // the unit has no 300
    }

    void factoryResetTelephone()
    {
        Fixture f;
        f.image.telephoneInterface = true;
        f.image.modified = true;
        fillImage(f.image);
        const LinkOutcome out = FactoryReset(f.ctx, ResetTarget::Telephone).execute();
        QCOMPARE(f.port.writtenCommands(), (QList<QByteArray>{"$PROGENDE\r", "\rP522\r", "\r"}));
        QCOMPARE(f.port.written()[1].atMs - f.port.written()[0].atMs, 1750);
        QCOMPARE(f.port.written()[2].atMs - f.port.written()[1].atMs, 1250);
        QCOMPARE(f.clock.nowMs() - f.port.written()[2].atMs, 500);
        QCOMPARE(f.progress.ranges, QList<int>{300});
        QCOMPARE(f.progress.steps, 300);
        QVERIFY(!f.image.modified);
        QCOMPARE(f.image.registerText(300), digitsFor(300)); // image unchanged
    }

    void factoryResetBase()
    {
        Fixture f;
        FactoryReset(f.ctx, ResetTarget::Base).execute();
        QCOMPARE(f.port.writtenCommands(), (QList<QByteArray>{"$PROGENDE\r", "\rP222\r"}));
        QCOMPARE(f.port.written()[1].atMs, 1750);
        QCOMPARE(f.clock.nowMs(), 6000 + 500);
        QCOMPARE(f.progress.ranges, QList<int>{600});
    }

    void disconnectTiming()
    {
        Fixture f;
        f.image.unitKnown = true;
        f.image.telephoneInterface = true;
        f.image.versionText = QStringLiteral("Quarn 8k V3.20\nmit Telefoninterface");
        const LinkOutcome out = Disconnect(f.ctx).execute();
        QCOMPARE(f.port.writtenCommands(), (QList<QByteArray>{"$PROGENDE\r", "\rq\r"}));
        QCOMPARE(f.port.written()[1].atMs - f.port.written()[0].atMs, 5000);
        QCOMPARE(f.clock.nowMs() - f.port.written()[1].atMs, 3000);
        QCOMPARE(f.progress.ranges, QList<int>{320});
        QVERIFY(!f.image.unitKnown);
        QVERIFY(f.image.versionText.isEmpty());
        QVERIFY(f.port.isOpen());

        Fixture g;
        g.image.unitKnown = true;
        Disconnect(g.ctx).execute();
        QCOMPARE(g.port.writtenCommands(), QList<QByteArray>{"$PROGENDE\r"});
        QCOMPARE(g.clock.nowMs(), 0);
    }

    void versionQuery()
    {
        Register image;
        linkmsg::LinkMessage box = linkmsg::versionQuery(image);
        QCOMPARE(box.text,
                 QStringLiteral(
                     "Für Versionsbezeichnung muss zunächst eine Verbindung zum Quarn hergestellt werden."));
        QCOMPARE(box.caption, QStringLiteral("Fehler"));
        image.versionText = QStringLiteral("Quarn 7k V3.20");
        box = linkmsg::versionQuery(image);
        QCOMPARE(box.caption, QStringLiteral("Version:"));
        QCOMPARE(box.severity, linkmsg::Severity::Information);
    }
};

QTEST_APPLESS_MAIN(TestLinkProtocol)
#include "tst_linkprotocol.moc"
