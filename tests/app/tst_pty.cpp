// The main window against a simulated unit on a pseudo-terminal, in real time: the serial
// port the program uses, driven from the exchange thread.
#include "config/app/CQuarn7k8kDlg.h"
#include "config/editors/telephone/KWSpeicher.h"
#include "config/link/ShortDialFile.h"
#include "platform/Clock.h"
#include "platform/SerialPort.h"
#include "platform/UserDialogs.h"
#include "sim/PtyServer.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestPty : public QObject {
    Q_OBJECT

private slots:
    void connectAndReadOverPseudoTerminal();
    void shortDialDialogOverPseudoTerminal();
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

void TestPty::shortDialDialogOverPseudoTerminal()
{
    sim::PtyServer server(sim::UnitOptions{});
    if (!server.start())
        QSKIP(qPrintable(QStringLiteral("no pseudo-terminal: ") + server.errorString()));
    server.unit().setShortDialEntry(12, "0815#4711");

    platform::ScriptedUserDialogs dialogs;
    platform::SystemClock clock;
    platform::SerialPort port;
    quarn::Register image;
    quarn::KWSpeicher dialog(&image, nullptr);
    dialog.attach({&port, &clock, server.devicePath()});
    QSignalSpy finished(&dialog, &quarn::KWSpeicher::transferFinished);
    QElapsedTimer timer;
    timer.start();
    dialog.show();
    QVERIFY(finished.wait(10000)); // the unit leaves its PC mode; the window stays responsive
    QVERIFY(timer.elapsed() >= 2000);

    // Range 000-099 into a file, then that file with one entry changed back into the unit.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kurzwahl.txt"));
    dialogs.setNextFileName(path);
    dialog.findChild<QAbstractButton*>(QStringLiteral("readButton"))->click();
    QVERIFY(finished.wait(20000));
    QCOMPARE(dialogs.texts(), QStringList());
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QString text = quarn::link::ShortDialFile::text(saved.readAll());
    QVERIFY(text.contains(QStringLiteral("WP012:0815#4711.......\r")));
    QCOMPARE(text.count(QStringLiteral("WP")), 100);

    text.replace(QStringLiteral("WP012:0815#4711......."), QStringLiteral("WP012:112............."));
    const QString edited = dir.filePath(QStringLiteral("bearbeitet.txt"));
    QVERIFY(quarn::link::ShortDialFile::save(edited, text));
    dialogs.setNextFileName(edited);
    dialog.findChild<QAbstractButton*>(QStringLiteral("writeButton"))->click();
    QVERIFY(finished.wait(30000));
    QCOMPARE(dialogs.texts(), QStringList());
    QTRY_COMPARE(server.unit().shortDialEntry(12), QByteArray("112"));
    QVERIFY(dialog.findChild<QLabel*>(QStringLiteral("writeStatus"))
                ->text()
                .startsWith(QStringLiteral("geschrieben von: ")));
    qInfo("short-dial opening, read and write took %lld ms", timer.elapsed());
}

QTEST_MAIN(TestPty)
#include "tst_pty.moc"
