// The main window against a simulated unit on a pseudo-terminal, in real time: the serial
// port the program uses, driven from the exchange thread.
#include "config/app/CQuarn7k8kDlg.h"
#include "platform/Clock.h"
#include "sim/PtyServer.h"
#include "platform/SerialPort.h"
#include "platform/UserDialogs.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

class TestPty : public QObject {
    Q_OBJECT

private slots:
    void connectAndReadOverPseudoTerminal();
};

void TestPty::connectAndReadOverPseudoTerminal()
{
    sim::UnitOptions options;
    options.model = sim::Model::Q7k;
    options.telephone = false;
    sim::PtyServer server(options);
    if (!server.start())
        QSKIP(qPrintable(QStringLiteral("no pseudo-terminal: ") + server.errorString()));
    server.unit().setRegisterText(42, QStringLiteral("0042ABCD"));

    platform::ScriptedUserDialogs dialogs;
    platform::SystemClock clock;
    quarn::CQuarn7k8kDlg::Services services;
    services.port = std::make_unique<platform::SerialPort>();
    services.clock = &clock;
    services.listPorts = [] { return QStringList(); };
    services.preselectedPort = server.devicePath();
    quarn::CQuarn7k8kDlg window(std::move(services));
    window.show();
    QCOMPARE(window.selectedPort(), server.devicePath());

    QElapsedTimer timer;
    timer.start();
    QSignalSpy done(&window, &quarn::CQuarn7k8kDlg::exchangeFinished);
    window.connectUnit();
    // The window keeps working while the unit is asked.
    QVERIFY(window.exchangeRunning());
    QVERIFY(!window.findChild<QComboBox*>(QStringLiteral("portBox"))->isEnabled());
    QVERIFY(done.wait(15000));
    QCOMPARE(dialogs.texts(), QStringList());
    QVERIFY(window.image().unitKnown);
    QVERIFY(window.image().model7k);

    window.readData();
    QVERIFY(done.wait(20000));
    QCOMPARE(dialogs.texts(), QStringList());
    QCOMPARE(window.image().registerText(42), QStringLiteral("0042ABCD"));
    QCOMPARE(window.image().registerText(199), server.unit().registerText(199));
    qInfo("connect and read of a Quarn 7k took %lld ms", timer.elapsed());
}

QTEST_MAIN(TestPty)
#include "tst_pty.moc"
