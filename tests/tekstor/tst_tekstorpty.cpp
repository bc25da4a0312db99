// Tekstor end to end in real time: the main window on a serial port attached to the
// simulated unit on a pseudo-terminal, as `Tekstor --simulate` runs it.
#include "displaytexts/app/CTekstorDlg.h"
#include "displaytexts/app/TextTree.h"
#include "displaytexts/texts/UnitCodes.h"
#include "platform/Clock.h"
#include "platform/SerialPort.h"
#include "platform/UserDialogs.h"
#include "sim/PtyServer.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

using namespace tekstor;

class TekstorPtyTest : public QObject {
    Q_OBJECT

private slots:
    void connectReadProgramOverPty();
};

void TekstorPtyTest::connectReadProgramOverPty()
{
    sim::PtyServer server;
    if (!server.start())
        QSKIP(qPrintable(QStringLiteral("no pseudo-terminal: ") + server.errorString()));
    server.unit().setChannelText(42, toUnitCodes(QByteArray("1Kanal 42 \xfc"
                                                            "ber Pty")
                                                     .leftJustified(25, ' ')));

    platform::ScriptedUserDialogs dialogs;
    platform::SerialPort port;
    platform::SystemClock clock;
    {
        CTekstorDlg window(port, clock);
        window.setPortNames({server.devicePath()});
        window.show();
        window.setMode(TextKind::Channels);
        auto click = [&window](const char* name) {
            QTest::mouseClick(window.findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(!window.transferRunning(), 15000);
        };

        QElapsedTimer timer;
        timer.start();
        click("connectButton");
        QVERIFY2(dialogs.messages().isEmpty(), qPrintable(dialogs.texts().join('|')));
        QVERIFY(window.findChild<QPushButton*>(QStringLiteral("disconnectButton"))->isEnabled());

        click("readChannelButton");
        QCOMPARE(window.tree(TextKind::Channels)->topLevelItem(0)->childCount(), 100);
        QCOMPARE(window.store().channelText(42), QByteArray("1Kanal\x95"
                                                            "42\x95\xfc"
                                                            "ber\x95Pty")
                                                     .leftJustified(25, '\x95'));

        window.store().setChannelText(43, QByteArray("1") + QByteArray(24, 'p'));
        click("writeChannelButton");
        QCOMPARE(
            dialogs.texts(),
            (QStringList{QStringLiteral("Im Quarn ändert sich 1 Kanaltext gegenüber dem zuletzt gelesenen "
                                        "Stand: Nr. 43. Jetzt schreiben?"),
                         QStringLiteral("Kanaltexte programmiert.")}));
        QCOMPARE(server.unit().channelText(43), QByteArray("1") + QByteArray(24, 'p'));

        click("disconnectButton");
        QVERIFY(!port.isOpen());
        qInfo("connect, read and program 100 channel texts, disconnect: %lld ms", timer.elapsed());
    }
    server.stop();
}

QTEST_MAIN(TekstorPtyTest)
#include "tst_tekstorpty.moc"
