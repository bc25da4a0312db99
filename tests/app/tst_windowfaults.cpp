#include "platform/UserDialogs.h"
#include "tests/app/AppTestRig.h"

#include <QTest>

using quarn::CQuarn7k8kDlg;

// Every fault of the simulated unit through the main window: the user connects, reads and
// sends as far as the window lets him. Whatever the fault, each message is shown once, no
// exchange is left running, "Verbindung herstellen" is enabled at the end, and the image holds
// the unit's registers, nothing, or what a read delivered before the message that named the gap.

class TestWindowFaults : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void faultLeavesAWindowToGoOnWith_data()
    {
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("param");
        QTest::addColumn<int>("portError");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("finalStates");
        // At the end the image holds the unit's registers ("unit"), nothing ("blank"), or the
        // registers the line delivered before it failed ("partial").
        QTest::addColumn<QString>("image");

        const QString portFailed = QStringLiteral("Port konnte nicht initialisiert werden!");
        const QString monitor = QStringLiteral(
            "Im Menü des Quarns muss \"PC-Verbindung\" ausgewählt werden, um eine Verbindung aufzubauen.");
        const QString noUnit =
            QStringLiteral("Es konnte keine Verbindung zu einem Quarn 7k/8k hergestellt werden.");
        const QString aborted = QStringLiteral("Sendevorgang war fehlerhaft und wurde abgebrochen!");
        const QString notAllRead =
            QStringLiteral("Nicht alle Register konnten gelesen werden. Erstes fehlendes Register: 36");
        const QString notSent = QStringLiteral(
            "Daten wurden nicht gesendet: Register 36 enthält keine gültigen Registerstellen.");
        const QString unconfirmed = QStringLiteral("Programmierung war möglicherweise fehlerhaft! Letztes "
                                                   "falsch oder nicht beschriebene Register: 169");
        auto row = [](const char* name, sim::Fault fault, int param, platform::PortError portError,
                      const QStringList& messages, const char* finalStates, const char* image) {
            QTest::newRow(name) << int(fault) << param << int(portError) << messages
                                << QString::fromLatin1(finalStates) << QString::fromLatin1(image);
        };
        const auto none = platform::PortError::None;
        //   fault                                  param  port error                        messages shown
        //   connect..title  image read
        row("none", sim::Fault::None, 0, none, {}, "EEEEEEDDDE", "unit");
        row("silent", sim::Fault::Silent, 0, none, {noUnit}, "EDDDEDDDDD", "blank");
        row("monitor output", sim::Fault::Monitor, 0, none, {monitor}, "EDDDEDDDDD", "blank");
        // The read names the first missing register; the send then refuses the blank one.
        row("dropped replies", sim::Fault::Drop, 37, none, {notAllRead, notSent}, "EEEEEEDDDE", "partial");
        // A corrupted digit is still a digit: the read cannot tell, the send's echo check can
        // (the unit then holds what was sent, so the image and the unit agree again).
        row("corrupted replies", sim::Fault::Corrupt, 37, none, {unconfirmed}, "EEEEEEDDDE", "unit");
        row("slow unit", sim::Fault::Slow, 60, none, {}, "EEEEEEDDDE", "unit");
        // Stray bytes before each echo: the read takes them, the send's strict echo check does not.
        row("stray bytes", sim::Fault::Noise, 0, none, {aborted}, "EDDDEEDDDE", "unit");
        row("noise, never an echo", sim::Fault::Babble, 0, none, {noUnit}, "EDDDEDDDDD", "blank");
        row("hang-up mid read", sim::Fault::HangUp, 40, none, {aborted}, "EDDDEDDDDE", "blank");
        row("port in use", sim::Fault::None, 0, platform::PortError::InUse, {portFailed}, "EDDDEDDDDD",
            "blank");
        row("port missing", sim::Fault::None, 0, platform::PortError::NotFound, {portFailed}, "EDDDEDDDDD",
            "blank");
    }

    void faultLeavesAWindowToGoOnWith()
    {
        QFETCH(int, fault);
        QFETCH(int, param);
        QFETCH(int, portError);
        QFETCH(QStringList, messages);
        QFETCH(QString, finalStates);
        QFETCH(QString, image);

        platform::ScriptedUserDialogs dialogs;
        sim::UnitOptions options;
        options.model = sim::Model::Q7k;
        options.telephone = false;
        options.fault = sim::Fault(fault);
        options.faultParam = param;
        AppTestRig rig(options);
        rig.window->show();
        rig.port->setOpenFailure(platform::PortError(portError));

        // As far as the window lets the user go: connect, read, send.
        QVERIFY(rig.exchange([&] { rig.window->connectUnit(); }));
        if (rig.window->findChild<QWidget*>(QStringLiteral("readButton"))->isEnabled())
            QVERIFY(rig.exchange([&] { rig.window->readData(); }));
        if (rig.window->findChild<QWidget*>(QStringLiteral("sendButton"))->isEnabled())
            QVERIFY(rig.exchange([&] { rig.window->sendData(); }));

        QCOMPARE(dialogs.texts(), messages);
        QCOMPARE(states(*rig.window), finalStates);
        QVERIFY(!rig.window->exchangeRunning());

        bool same = true;
        bool blank = true;
        for (int n : quarn::Register::numbers(false)) {
            const QString& text = rig.window->image().registerText(n);
            same = same && text == rig.unit.registerText(n);
            blank = blank && text.trimmed().isEmpty();
        }
        QCOMPARE(same    ? QStringLiteral("unit")
                 : blank ? QStringLiteral("blank")
                         : QStringLiteral("partial"),
                 image);
    }
};

QTEST_MAIN(TestWindowFaults)
#include "tst_windowfaults.moc"
