#include "config/app/LanguageFiles.h"
#include "config/app/LanguageSettings.h"
#include "config/app/Restarter.h"
#include "config/app/SendReview.h"
#include "config/app/UnitMemory.h"
#include "config/editors/telephone/KWSpeicher.h"
#include "config/history/HistoryStore.h"
#include "config/register/SettingsFile.h"
#include "platform/UserDialogs.h"
#include "tests/app/AppTestRig.h"
#include "tests/support/WidgetHelpers.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <map>

using platform::Answer;
using platform::MessageIcon;
using quarn::CQuarn7k8kDlg;
using quarn::SettingsTree;

namespace {

const QString kBlank(8, QLatin1Char(' '));

sim::UnitOptions unitOf(bool is7k, bool telephone, sim::Fault fault = sim::Fault::None)
{
    sim::UnitOptions o;
    o.model = is7k ? sim::Model::Q7k : sim::Model::Q8k;
    o.telephone = telephone;
    o.fault = fault;
    return o;
}

QStringList treeLines(const QTreeWidget* tree)
{
    QStringList out;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* top = tree->topLevelItem(i);
        out << top->text(0);
        for (int k = 0; k < top->childCount(); ++k)
            out << QStringLiteral("  ") + top->child(k)->text(0);
    }
    return out;
}

QStringList actionTexts(const QMenu* menu)
{
    QStringList out;
    for (const QAction* a : menu->actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

class RecordingRestarter final : public quarn::Restarter {
public:
    void restart() override { ++count; }
    int count = 0;
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void startState();
    void treesHoldEveryItemInOrder();
    void menus();
    void connectReadSendDisconnect_data();
    void connectReadSendDisconnect();
    void connectFailures_data();
    void connectFailures();
    void readThatCannotStartKeepsImage();
    void readAsksBeforeDiscardingChanges();
    void everyExchangeLocksEveryCommand_data();
    void everyExchangeLocksEveryCommand();
    void imageComesBackOnlyWithTheEnd();
    void transferWithoutTelephoneShowsBaseTree();
    void closeDuringTransferAsksAndStopsCleanly();
    void readEndsWhenNoiseNeverEchoes();
    void readAbortsOnMonitorOutput();
    void sendAbortsWithoutReply();
    void portBoxIsLockedDuringExchange();
    void switchButtons();
    void treeItemOpensItsDialogAndClearsSelection();
    void catalogDialogsOpenFromTheTrees();
    void shortDialMemoryReconnects();
    void oneGroupOpen();
    void saveAfterReadAsksOnceThenSavesSilently();
    void settingsAsPdf();
    void cancelledOrFailedSaveKeepsChanges();
    void closePrompt();
    void openFile();
    void unreadableFileChangesNothing();
    void aboutBoxEscapeEnablesTrees();
    void factoryResetPrompts();
    void factoryResetTelephone();
    void versionQuery();
    void languageMenuWithoutFile();
    void languageMenuWithFile();
    void readKeepsHistoryAndReviewGuardsTheSend();
    void reviewOffersToReadAnUnknownUnit();
    void unwritableHistoryLeavesTheReadStanding();
    void anotherUnitForgetsWhatWasRead_data();
    void anotherUnitForgetsWhatWasRead();

private:
    QTemporaryDir m_settingsDir;
};

void TestMainWindow::initTestCase()
{
    // Never the user's real settings.
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
    // The review before sending has its own tests below.
    quarn::SendReview::setEnabled(false);
}

void TestMainWindow::startState()
{
    platform::ScriptedUserDialogs dialogs;
    AppTestRig rig;
    CQuarn7k8kDlg& w = *rig.window;
    w.show();

    QCOMPARE(w.windowTitle(), QStringLiteral("Programmiersoftware für Quarn 7k/8k"));
    QCOMPARE(states(w), QStringLiteral("EDDDEDDDDD"));
    QCOMPARE(child<QPushButton>(w, "connectButton")->text(), QStringLiteral("Verbindung herstellen"));
    QCOMPARE(child<QPushButton>(w, "disconnectButton")->text(), QStringLiteral("Verbindung trennen"));
    QCOMPARE(child<QPushButton>(w, "readButton")->text(), QStringLiteral("Daten lesen"));
    QCOMPARE(child<QPushButton>(w, "sendButton")->text(), QStringLiteral("Daten senden"));
    QCOMPARE(child<QPushButton>(w, "factoryResetButton")->text(), QStringLiteral("Werkseinstellungen"));
    QCOMPARE(child<QPushButton>(w, "toTelephoneButton")->text(), QStringLiteral("-> Telefoninterface"));
    QCOMPARE(child<QPushButton>(w, "toBaseButton")->text(), QStringLiteral("-> Grundeinstellungen"));
    QCOMPARE(child<QWidget>(w, "connectionGroup")->property("title").toString(),
             QStringLiteral("Verbindung mit Quarn"));
    QCOMPARE(child<QLabel>(w, "treeTitle")->text(), QStringLiteral("Grundeinstellungen Quarn 7k/8k"));

    // The trees and the switch buttons lie on top of each other: one of each is shown.
    QVERIFY(child<QWidget>(w, "baseTree")->isVisible());
    QVERIFY(!child<QWidget>(w, "telephoneTree")->isVisible());
    QVERIFY(child<QWidget>(w, "toTelephoneButton")->isVisible());
    QVERIFY(!child<QWidget>(w, "toBaseButton")->isVisible());

    auto* progress = child<QProgressBar>(w, "progressBar");
    QCOMPARE(progress->maximum(), 100);
    QCOMPARE(progress->value(), 0);

    // Shown: the port list is filled and its first name selected; the box takes typed paths.
    auto* portBox = child<QComboBox>(w, "portBox");
    QVERIFY(portBox->isEnabled());
    QVERIFY(portBox->isEditable());
    QCOMPARE(portBox->count(), 2);
    QCOMPARE(w.selectedPort(), QStringLiteral("/dev/ttyS0"));
    portBox->setEditText(QStringLiteral("/dev/pts/7"));
    QCOMPARE(w.selectedPort(), QStringLiteral("/dev/pts/7"));
    // A refresh (the list opening) keeps the typed path, listed and selected.
    w.refreshPortList();
    QCOMPARE(portBox->count(), 3);
    QCOMPARE(w.selectedPort(), QStringLiteral("/dev/pts/7"));
    QVERIFY(dialogs.messages().isEmpty());
}

void TestMainWindow::treesHoldEveryItemInOrder()
{
    AppTestRig rig;
    const QStringList base{
        "Tonrufsystem",
        "  Rufgeber",
        "  Zielrufe",
        "  Standardquittung",
        "  Intercomtonfolge",
        "Auswertefunktionen",
        "  Decoder 1-10",
        "  Referenzwerte für Tonfolgeauswertung",
        "  Kennungsauswertung",
        "  Schlüsseltöne für Muting / Druckerausgabe",
        "  KR517bD Alarmauswerter",
        "  Sammelrufauswerter",
        "Lautsprecherkonfiguration",
        "RS232-Ausgaben",
        "  Druckerparameter",
        "  RS232-Parameter",
        "Kanalschaltung",
        "  Konfiguration",
        "  Scannerfunktion",
        "Squelch-Konfiguration",
        "FFSK-Modus (+ FMS)",
        "Konfiguration Ein-/Ausgänge",
        "Pilotton",
        "Radio-Mute",
        "Roger-Beep",
        "Allgemeine Konfiguration",
        "Funktionsprogrammierung",
        "  Tasten",
        "  Eingänge",
        "  LEDs",
        "User-Passwort",
        "Einzelnes Register lesen/schreiben",
    };
    const QStringList telephone{
        "DTMF-Konfiguration",
        "  Kontrolltasten",
        "  Beginnruf",
        "  Schlussruf",
        "  Durchwahl (Tel -> Funk)",
        "Konfiguration Telefonmode",
        "Decoder 1-10",
        "Tastenprogrammierung (im Telefon-Mode)",
        "Geber/Auswerter (Telefon)",
        "  Amtstonauswerter",
        "  DTMF Geber/Auswerter",
        "  Impulswahl-Geber",
        "  \"Ring\"-Auswerter",
        "  Pilotton Geber/Auswerter",
        "Eingangspegel Telefon",
        "Konfiguration Telefon (LX4410C)",
        "NF-Delay",
        "VOX-Konfiguration",
        "Sonstige NF-Ausgabepegel",
        "Kurzwahlspeicher programmieren",
    };
    QCOMPARE(treeLines(child<QTreeWidget>(*rig.window, "baseTree")), base);
    QCOMPARE(treeLines(child<QTreeWidget>(*rig.window, "telephoneTree")), telephone);
}

void TestMainWindow::menus()
{
    AppTestRig rig;
    const auto* bar = child<QMenuBar>(*rig.window, "menuBar");
    QStringList titles;
    for (const QAction* a : bar->actions())
        titles << a->text();
    QCOMPARE(titles, (QStringList{"&Datei", "&?", "Sprache"}));
    QCOMPARE(actionTexts(child<QMenu>(*rig.window, "fileMenu")),
             (QStringList{"Ö&ffnen...", "Speichern &unter...", "&Speichern",
                          "Einstellungen als PDF speichern...", "&Verlauf...", "Serienprogrammierung...", "-", "&Beenden"}));
    QCOMPARE(actionTexts(child<QMenu>(*rig.window, "helpMenu")),
             (QStringList{"&Hilfe...", "Version des Quarns...", "-", "&Info..."}));

    platform::ScriptedUserDialogs dialogs;
    child<QAction>(*rig.window, "helpAction")->trigger();
    QCOMPARE(dialogs.messages().size(), 1);
    QCOMPARE(dialogs.last().caption, QStringLiteral("Hilfe: Programmiersoftware Quarn 7k/8k"));
    QVERIFY(dialogs.last().text.startsWith(QStringLiteral(
        "Um eine Verbindung zum PC herstellen zu können, muss im Menü des Quarns \"PC-Verbindung\"")));
    QVERIFY(dialogs.last().text.endsWith(
        QStringLiteral("als Datei für die spätere Wiederherstellung gesichert werden.")));
    QCOMPARE(dialogs.last().icon, MessageIcon::Information);
}

void TestMainWindow::connectReadSendDisconnect_data()
{
    QTest::addColumn<bool>("is7k");
    QTest::addColumn<bool>("telephone");
    QTest::newRow("Quarn 7k") << true << false;
    QTest::newRow("Quarn 8k with telephone interface") << false << true;
}

void TestMainWindow::connectReadSendDisconnect()
{
    QFETCH(bool, is7k);
    QFETCH(bool, telephone);
    platform::ScriptedUserDialogs dialogs;
    AppTestRig rig(unitOf(is7k, telephone));
    CQuarn7k8kDlg& w = *rig.window;
    w.show();
    const QString ti = telephone ? QStringLiteral("EE") : QStringLiteral("DD");

    // Connect: disconnect and read enabled, send not (nothing read yet).
    QVERIFY(rig.exchange([&] { QTest::mouseClick(child<QPushButton>(w, "connectButton"), Qt::LeftButton); }));
    QCOMPARE(dialogs.texts(), QStringList());
    QCOMPARE(states(w), QStringLiteral("DEEDEDD") + ti + QStringLiteral("D"));
    QVERIFY(child<QComboBox>(w, "portBox")->isEnabled());
    QCOMPARE(w.image().model7k, is7k);
    QCOMPARE(w.image().telephoneInterface, telephone);
    QCOMPARE(rig.port->openedName(), QStringLiteral("/dev/ttyS0"));

    // Read: every button, the base tree and the title; the telephone side with the interface.
    QVERIFY(rig.exchange([&] { QTest::mouseClick(child<QPushButton>(w, "readButton"), Qt::LeftButton); }));
    QCOMPARE(dialogs.texts(), QStringList());
    QCOMPARE(states(w),
             QStringLiteral("EEEEEE") + (telephone ? QStringLiteral("EEEE") : QStringLiteral("DDDE")));
    QCOMPARE(w.image().registerText(0), rig.unit.registerText(0));
    QCOMPARE(w.image().registerText(199), rig.unit.registerText(199));
    QCOMPARE(w.image().registerText(300), telephone ? rig.unit.registerText(300) : kBlank);
    QCOMPARE(w.image().registerText(799), telephone ? rig.unit.registerText(799) : kBlank);
    QCOMPARE(w.image().registerText(250), kBlank);
    QCOMPARE(child<QProgressBar>(w, "progressBar")->maximum(), telephone ? 600 : 200);
    QCOMPARE(child<QProgressBar>(w, "progressBar")->value(), 0);
    QVERIFY(!w.image().modified);

    // Send a change: it reaches the unit, no box, the image counts as saved.
    const QString changed = w.image().registerText(5) == QStringLiteral("12345678")
                                ? QStringLiteral("87654321")
                                : QStringLiteral("12345678");
    w.image().registerText(5) = changed;
    w.image().markModified();
    QVERIFY(rig.exchange([&] { QTest::mouseClick(child<QPushButton>(w, "sendButton"), Qt::LeftButton); }));
    QCOMPARE(dialogs.texts(), QStringList());
    QCOMPARE(rig.unit.registerText(5), changed);
    QVERIFY(!w.image().modified);
    QCOMPARE(states(w),
             QStringLiteral("EEEEEE") + (telephone ? QStringLiteral("EEEE") : QStringLiteral("DDDE")));

    // Disconnect: only "Verbindung herstellen" of the four; the trees stay usable.
    QVERIFY(
        rig.exchange([&] { QTest::mouseClick(child<QPushButton>(w, "disconnectButton"), Qt::LeftButton); }));
    QCOMPARE(dialogs.texts(), QStringList());
    QCOMPARE(states(w),
             QStringLiteral("EDDDEE") + (telephone ? QStringLiteral("EEEE") : QStringLiteral("DDDE")));
    QVERIFY(!w.image().unitKnown);
    QVERIFY(rig.unit.commandsReceived().contains(QByteArray("$PROGENDE")));
}

void TestMainWindow::connectFailures_data()
{
    QTest::addColumn<int>("fault");
    QTest::addColumn<bool>("portMissing");
    QTest::addColumn<QString>("text");
    QTest::newRow("monitor output") << int(sim::Fault::Monitor) << false
                                    << QStringLiteral(
                                           "Im Menü des Quarns muss \"PC-Verbindung\" ausgewählt werden, "
                                           "um eine Verbindung aufzubauen.");
    QTest::newRow("no reply") << int(sim::Fault::Silent) << false
                              << QStringLiteral(
                                     "Es konnte keine Verbindung zu einem Quarn 7k/8k hergestellt werden.");
    QTest::newRow("port missing") << int(sim::Fault::None) << true
                                  << QStringLiteral("Port konnte nicht initialisiert werden!");
}

void TestMainWindow::connectFailures()
{
    QFETCH(int, fault);
    QFETCH(bool, portMissing);
    QFETCH(QString, text);
    platform::ScriptedUserDialogs dialogs;
    AppTestRig rig(unitOf(false, true, static_cast<sim::Fault>(fault)));
    rig.window->show();
    if (portMissing)
        rig.port->setOpenFailure(platform::PortError::NotFound);

    QVERIFY(rig.exchange([&] { rig.window->connectUnit(); }));
    QCOMPARE(dialogs.texts(), QStringList{text});
    QCOMPARE(dialogs.last().caption, QStringLiteral("Fehler"));
    QCOMPARE(dialogs.last().icon, MessageIcon::Exclamation);
    if (portMissing)
        QVERIFY(!dialogs.last().informative.isEmpty()); // says why the port failed
    // The buttons are as before, so the user can try again.
    QCOMPARE(states(*rig.window), QStringLiteral("EDDDEDDDDD"));
    QVERIFY(child<QComboBox>(*rig.window, "portBox")->isEnabled());
    QVERIFY(!rig.window->image().unitKnown);
}

void TestMainWindow::readThatCannotStartKeepsImage()
{
    platform::ScriptedUserDialogs dialogs;
    AppTestRig rig(unitOf(false, true));
    rig.window->show();
    QVERIFY(rig.exchange([&] { rig.window->connectUnit(); }));
    QVERIFY(rig.exchange([&] { rig.window->readData(); }));
    QCOMPARE(rig.window->image().registerText(0), rig.unit.registerText(0));
    rig.window->image().filePath = QStringLiteral("/tmp/unit.rq7k8k");
    const QString before = states(*rig.window);

    // The port fails: the message, and the image exactly as it was.
    rig.port->setOpenFailure(platform::PortError::InUse);
    QVERIFY(rig.exchange([&] { rig.window->readData(); }));
    QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("Port konnte nicht initialisiert werden!")});
    QCOMPARE(rig.window->image().registerText(0), rig.unit.registerText(0));
    QCOMPARE(rig.window->image().registerText(650), rig.unit.registerText(650));
    QCOMPARE(rig.window->image().filePath, QStringLiteral("/tmp/unit.rq7k8k"));
    QCOMPARE(states(*rig.window), before);

    // No unit known (disconnected): nothing happens to the image either.
    rig.port->setOpenFailure(platform::PortError::None);
    QVERIFY(rig.exchange([&] { rig.window->disconnectUnit(); }));
    dialogs.clear();
    QVERIFY(rig.exchange([&] { rig.window->readData(); }));
    QCOMPARE(rig.window->image().registerText(0), rig.unit.registerText(0));
    QCOMPARE(rig.window->image().filePath, QStringLiteral("/tmp/unit.rq7k8k"));
}

void TestMainWindow::readAsksBeforeDiscardingChanges()
{
    platform::ScriptedUserDialogs dialogs;
    AppTestRig rig(unitOf(false, false));
    CQuarn7k8kDlg& w = *rig.window;
    w.show();
    QVERIFY(rig.exchange([&] { w.connectUnit(); }));
    QVERIFY(rig.exchange([&] { w.readData(); }));
    QVERIFY(dialogs.messages().isEmpty()); // nothing unsaved: no question
    w.image().registerText(7) = QStringLiteral("0BADCAFE");
    w.image().markModified();
    rig.unit.clearCommandLog();

    // No: nothing is sent, the change stays.
    dialogs.setNextAnswer(Answer::No);
    QTest::mouseClick(child<QPushButton>(w, "readButton"), Qt::LeftButton);
    QVERIFY(!w.exchangeRunning());
    QCOMPARE(dialogs.texts(), QStringList{QStringLiteral(
                                  "Die Einstellungen wurden geändert und nicht gespeichert. Beim Lesen gehen "
                                  "diese Änderungen verloren. Trotzdem lesen?")});
    QCOMPARE(dialogs.last().caption, QStringLiteral("Warnhinweis!"));
    QCOMPARE(dialogs.last().buttons, platform::MessageButtons::YesNo);
    QVERIFY(rig.unit.commandsReceived().isEmpty());
    QCOMPARE(w.image().registerText(7), QStringLiteral("0BADCAFE"));
    QVERIFY(w.image().modified);

    // Yes: the unit's value replaces the change.
    dialogs.clear();
    dialogs.setNextAnswer(Answer::Yes);
    QVERIFY(rig.exchange([&] { QTest::mouseClick(child<QPushButton>(w, "readButton"), Qt::LeftButton); }));
    QCOMPARE(dialogs.texts().size(), 1);
    QCOMPARE(w.image().registerText(7), rig.unit.registerText(7));
    QVERIFY(!w.image().modified);
}

void TestMainWindow::everyExchangeLocksEveryCommand_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("connect") << QStringLiteral("connect");
    QTest::newRow("read") << QStringLiteral("read");
    QTest::newRow("send") << QStringLiteral("send");
    QTest::newRow("disconnect") << QStringLiteral("disconnect");
    QTest::newRow("factory reset") << QStringLiteral("reset");
}

void TestMainWindow::everyExchangeLocksEveryCommand()
{
    QFETCH(QString, command);
    platform::ScriptedUserDialogs dialogs;
    AppTestRig rig(unitOf(false, true));
    CQuarn7k8kDlg& w = *rig.window;
    w.show();
    QVERIFY(rig.exchange([&] { w.connectUnit(); }));
    QVERIFY(rig.exchange([&] { w.readData(); }));
    w.image().markModified();
    dialogs.clear();

    const std::map<QString, std::function<void()>> commands{
        {QStringLiteral("connect"), [&] { w.connectUnit(); }},
        {QStringLiteral("read"),
         [&] {
             dialogs.setNextAnswer(Answer::Yes);
             w.readData();
         }},
        {QStringLiteral("send"), [&] { w.sendData(); }},
        {QStringLiteral("disconnect"), [&] { w.disconnectUnit(); }},
        {QStringLiteral("reset"),
         [&] {
             dialogs.setNextAnswer(Answer::No);
             dialogs.setNextAnswer(Answer::Ok);
             w.factoryReset();
         }},
    };
    QSignalSpy done(&w, &CQuarn7k8kDlg::exchangeFinished);
    commands.at(command)();
    QVERIFY(w.exchangeRunning());
    const int asked = int(dialogs.messages().size());

    // While it runs: the nine controls (the title keeps its state), the port box, the file
    // commands, the version query and the language menu are off...
    QCOMPARE(states(w).left(9), QStringLiteral("DDDDDDDDD"));
    QVERIFY(!child<QComboBox>(w, "portBox")->isEnabled());
    for (const char* action : {"openAction", "saveAsAction", "saveAction", "pdfAction", "versionAction"})
        QVERIFY2(!child<QAction>(w, action)->isEnabled(), action);
    QVERIFY(!child<QMenu>(w, "languageMenu")->isEnabled());
    // ...and a command that reaches the window anyway asks nothing and starts nothing.
    for (const auto& [name, start] : commands) {
        if (name == QLatin1String("read") || name == QLatin1String("reset"))
            continue; // would queue answers; covered by the guard below
        start();
    }
    w.factoryReset();
    w.readData();
    w.showVersion();
    // No dialog opens either: the short-dial dialog would take the port from the exchange.
    auto* telephone = child<SettingsTree>(w, "telephoneTree");
    telephone->setCurrentItem(telephone->itemByKey(QStringLiteral("Kurzwahlspeicher programmieren")));
    QVERIFY(rig.opened.isEmpty());
    QVERIFY(telephone->selectedItems().isEmpty());
    QCOMPARE(int(dialogs.messages().size()), asked);

    QVERIFY(done.wait(30000));
    QCOMPARE(done.count(), 1);
    QVERIFY(!w.exchangeRunning());
    QVERIFY(child<QComboBox>(w, "portBox")->isEnabled());
    QVERIFY(child<QAction>(w, "versionAction")->isEnabled());
}

void TestMainWindow::imageComesBackOnlyWithTheEnd()
{
    platform::ScriptedUserDialogs dialogs;
    AppTestRig rig(unitOf(false, false));
    CQuarn7k8kDlg& w = *rig.window;
    w.show();
    QVERIFY(rig.exchange([&] { w.connectUnit(); }));
    const QString version = w.image().versionText;
    QVERIFY(!version.isEmpty());

    // The read runs to its end on the worker; until the window has taken its result, the
    // window's image is untouched (the worker filled its own copy).
    QSignalSpy done(&w, &CQuarn7k8kDlg::exchangeFinished);
    const qint64 t0 = rig.clock.nowMs();
    w.readData();
    QElapsedTimer waited;
    waited.start();
    while ((rig.clock.nowMs() < t0 + 4500 || rig.port->isOpen()) && waited.elapsed() < 20000)
        QThread::msleep(5); // no events: the completion cannot arrive
    QThread::msleep(100);
    QVERIFY(w.exchangeRunning());
    QCOMPARE(w.image().registerText(0), QString(8, QLatin1Char(' ')));
    QVERIFY(done.wait(30000));
    QCOMPARE(w.image().registerText(0), rig.unit.registerText(0));

    // Disconnect: the version text goes only with the end as well; meanwhile no query.
    w.disconnectUnit();
    QVERIFY(!child<QAction>(w, "versionAction")->isEnabled());
    QCOMPARE(w.image().versionText, version);
    QVERIFY(done.wait(30000));
    QVERIFY(w.image().versionText.isEmpty());
    QVERIFY(dialogs.messages().isEmpty());
}

void TestMainWindow::transferWithoutTelephoneShowsBaseTree()
{
    platform::ScriptedUserDialogs dialogs;
    AppTestRig rig(unitOf(true, false));
    CQuarn7k8kDlg& w = *rig.window;
    w.show();
    // The service way opens the telephone tree without a unit.
    pressOnNextModal(Qt::Key_Escape);
    w.showAbout();
    QTest::mouseClick(child<QPushButton>(w, "toTelephoneButton"), Qt::LeftButton);
    QVERIFY(child<QWidget>(w, "telephoneTree")->isVisible());

    // A read from a unit without telephone interface ends on the base tree, usable.
    QVERIFY(rig.exchange([&] { w.connectUnit(); }));
    QVERIFY(rig.exchange([&] { w.readData(); }));
    QVERIFY(dialogs.messages().isEmpty());
    QVERIFY(child<QWidget>(w, "baseTree")->isVisible());
    QVERIFY(!child<QWidget>(w, "telephoneTree")->isVisible());
    QVERIFY(child<QWidget>(w, "toTelephoneButton")->isVisible());
    QCOMPARE(child<QLabel>(w, "treeTitle")->text(), QStringLiteral("Grundeinstellungen Quarn 7k/8k"));
    QCOMPARE(states(w), QStringLiteral("EEEEEEDDDE"));

    // The same after a send.
    pressOnNextModal(Qt::Key_Escape);
    w.showAbout();
    w.showTelephoneTree();
    QVERIFY(rig.exchange([&] { w.sendData(); }));
    QVERIFY(child<QWidget>(w, "baseTree")->isVisible());
    QVERIFY(child<QWidget>(w, "baseTree")->isEnabled());
}

void TestMainWindow::closeDuringTransferAsksAndStopsCleanly()
{
    platform::ScriptedUserDialogs dialogs;
    AppTestRig rig(unitOf(false, true), {}, nullptr, true);
    CQuarn7k8kDlg& w = *rig.window;
    w.show();
    QVERIFY(rig.exchange([&] { w.connectUnit(); }));
    QVERIFY(rig.exchange([&] { w.readData(); }));
    QVERIFY(dialogs.messages().isEmpty());
    rig.unit.clearCommandLog();
    const QString warning = QStringLiteral("Eine Übertragung zum Quarn läuft noch. Wird das Programm jetzt "
                                           "beendet, ist der Quarn möglicherweise "
                                           "nur teilweise programmiert. Trotzdem beenden?");

    // No: the send goes on to its end and the window stays.
    QSignalSpy done(&w, &CQuarn7k8kDlg::exchangeFinished);
    rig.gate->holdAfter(40);
    w.sendData();
    rig.gate->waitUntilHeld();
    dialogs.setNextAnswer(Answer::No);
    QTest::keyClick(&w, Qt::Key_Escape);
    QCOMPARE(dialogs.texts(), QStringList{warning});
    QCOMPARE(dialogs.last().caption, QStringLiteral("Warnhinweis!"));
    QCOMPARE(dialogs.last().buttons, platform::MessageButtons::YesNo);
    rig.gate->release();
    QVERIFY(done.wait(30000));
    QVERIFY(w.isVisible());
    QCOMPARE(rig.unit.commandsReceived().size(), 600);

    // Yes (close box): the send stops after the register being written, the line is
    // closed, then the window closes; nothing unsaved, so no further question.
    dialogs.clear();
    rig.unit.clearCommandLog();
    rig.gate->holdAfter(40);
    w.sendData();
    rig.gate->waitUntilHeld();
    dialogs.setNextAnswer(Answer::Yes);
    w.close();
    QVERIFY(w.isVisible()); // not before the exchange has ended
    rig.gate->release();
    QVERIFY(done.wait(30000));
    QTRY_VERIFY(!w.isVisible());
    QCOMPARE(dialogs.texts(), QStringList{warning});
    const QList<QByteArray> sent = rig.unit.commandsReceived();
    QCOMPARE(sent.size(), 40);
    for (const QByteArray& command : sent)
        QCOMPARE(command.size(), 13); // "$P" nnn and 8 digits: each register whole
    QVERIFY(!rig.port->isOpen());
}

void TestMainWindow::readEndsWhenNoiseNeverEchoes()
{
    platform::ScriptedUserDialogs dialogs;
    sim::UnitOptions options = unitOf(false, false, sim::Fault::Noise);
    options.faultParam = 150; // from the 150th reply on, the line carries only noise
    AppTestRig rig(options);
    CQuarn7k8kDlg& w = *rig.window;
    w.show();
    QVERIFY(rig.exchange([&] { w.connectUnit(); }));
    QVERIFY(rig.exchange([&] { w.readData(); }));

    QCOMPARE(dialogs.texts(),
             QStringList{QStringLiteral("Sendevorgang war fehlerhaft und wurde abgebrochen!")});
    QCOMPARE(dialogs.last().icon, MessageIcon::Stop);
    qint64 lastRequestAt = -1;
    for (const auto& entry : rig.port->writes()) {
        if (entry.bytes == "$R199\r")
            lastRequestAt = entry.atMs;
    }
    QVERIFY(lastRequestAt > 0);
    // Bytes kept coming, yet the wait ended within 10 s of the block's last request: 3 s after
    // the wait began, as for monitor output.
    QVERIFY2(rig.clock.nowMs() - lastRequestAt <= 10000,
             qPrintable(QString::number(rig.clock.nowMs() - lastRequestAt)));
    QVERIFY(rig.clock.nowMs() - lastRequestAt >= 3000);
    QCOMPARE(states(w), QStringLiteral("EDDDEDDDDE"));
}

void TestMainWindow::readAbortsOnMonitorOutput()
{
    platform::ScriptedUserDialogs dialogs;
    AppTestRig rig(unitOf(false, true));
    rig.window->show();
    QVERIFY(rig.exchange([&] { rig.window->connectUnit(); }));
    // The user leaves the unit's PC menu: it answers with its monitor output from now on.
    rig.unit.receive("$PROGENDE\r", rig.clock.nowMs());

    QVERIFY(rig.exchange([&] { rig.window->readData(); }));
    QCOMPARE(dialogs.texts(),
             QStringList{QStringLiteral("Sendevorgang war fehlerhaft und wurde abgebrochen!")});
    QCOMPARE(dialogs.last().icon, MessageIcon::Stop);
    // Connect, factory reset and the title; everything else off.
    QCOMPARE(states(*rig.window), QStringLiteral("EDDDEDDDDE"));
    QCOMPARE(rig.window->image().registerText(0), kBlank);
}

void TestMainWindow::sendAbortsWithoutReply()
{
    platform::ScriptedUserDialogs dialogs;
    AppTestRig rig(unitOf(false, true));
    rig.window->show();
    QVERIFY(rig.exchange([&] { rig.window->connectUnit(); }));
    QVERIFY(rig.exchange([&] { rig.window->readData(); }));
    rig.window->image().markModified();
    rig.unit.receive("$PROGENDE\r", rig.clock.nowMs());

    QVERIFY(rig.exchange([&] { rig.window->sendData(); }));
    QCOMPARE(dialogs.texts(),
             QStringList{QStringLiteral("Sendevorgang war fehlerhaft und wurde abgebrochen!")});
    QCOMPARE(dialogs.last().icon, MessageIcon::Stop);
    QCOMPARE(states(*rig.window), QStringLiteral("EDDDEEEEEE"));
    QVERIFY(rig.window->image().modified); // nothing counts as sent
}

void TestMainWindow::portBoxIsLockedDuringExchange()
{
    platform::ScriptedUserDialogs dialogs;
    AppTestRig rig(unitOf(false, true));
    rig.window->show();
    QVERIFY(rig.exchange([&] { rig.window->connectUnit(); }));

    QSignalSpy done(rig.window.get(), &CQuarn7k8kDlg::exchangeFinished);
    rig.window->readData();
    QVERIFY(rig.window->exchangeRunning());
    // While it runs: the nine controls, the port box and the file commands are off, and a
    // refresh of the port list does not touch the port.
    QCOMPARE(states(*rig.window), QStringLiteral("DDDDDDDDDD"));
    QVERIFY(!child<QComboBox>(*rig.window, "portBox")->isEnabled());
    QVERIFY(!child<QAction>(*rig.window, "openAction")->isEnabled());
    QVERIFY(!child<QAction>(*rig.window, "saveAction")->isEnabled());
    QVERIFY(!child<QMenu>(*rig.window, "languageMenu")->isEnabled());
    rig.window->refreshPortList();
    QVERIFY(done.wait(30000));
    QCOMPARE(dialogs.texts(), QStringList());
    QCOMPARE(rig.window->image().registerText(0), rig.unit.registerText(0));
    QVERIFY(child<QComboBox>(*rig.window, "portBox")->isEnabled());
    QVERIFY(child<QAction>(*rig.window, "openAction")->isEnabled());
}

void TestMainWindow::switchButtons()
{
    platform::ScriptedUserDialogs dialogs;
    AppTestRig rig(unitOf(false, true));
    CQuarn7k8kDlg& w = *rig.window;
    w.show();
    QVERIFY(rig.exchange([&] { w.connectUnit(); }));
    QVERIFY(rig.exchange([&] { w.readData(); }));

    QTest::mouseClick(child<QPushButton>(w, "toTelephoneButton"), Qt::LeftButton);
    QVERIFY(!child<QWidget>(w, "baseTree")->isVisible());
    QVERIFY(child<QWidget>(w, "telephoneTree")->isVisible());
    QVERIFY(!child<QWidget>(w, "toTelephoneButton")->isVisible());
    QVERIFY(child<QWidget>(w, "toBaseButton")->isVisible());
    QCOMPARE(child<QLabel>(w, "treeTitle")->text(), QStringLiteral("Einstellungen Telefoninterface"));

    QTest::mouseClick(child<QPushButton>(w, "toBaseButton"), Qt::LeftButton);
    QVERIFY(child<QWidget>(w, "baseTree")->isVisible());
    QVERIFY(!child<QWidget>(w, "telephoneTree")->isVisible());
    QVERIFY(child<QWidget>(w, "toTelephoneButton")->isVisible());
    QVERIFY(!child<QWidget>(w, "toBaseButton")->isVisible());
    QCOMPARE(child<QLabel>(w, "treeTitle")->text(), QStringLiteral("Grundeinstellungen Quarn 7k/8k"));
}

void TestMainWindow::treeItemOpensItsDialogAndClearsSelection()
{
    platform::ScriptedUserDialogs dialogs;
    AppTestRig rig;
    rig.window->show();
    auto* base = child<SettingsTree>(*rig.window, "baseTree");
    auto* telephone = child<SettingsTree>(*rig.window, "telephoneTree");
    base->setEnabled(true);
    telephone->setEnabled(true);

    base->setCurrentItem(base->itemByKey(QStringLiteral("Konfiguration")));
    QCOMPARE(rig.opened, QStringList{QStringLiteral("Konfiguration")});
    QVERIFY(base->selectedItems().isEmpty());

    // The same item again opens the dialog again.
    base->setCurrentItem(base->itemByKey(QStringLiteral("Rufgeber")));
    base->setCurrentItem(base->itemByKey(QStringLiteral("Rufgeber")));
    QCOMPARE(rig.opened.count(QStringLiteral("Rufgeber")), 2);
    QVERIFY(base->selectedItems().isEmpty());

    // "Decoder 1-10" of the telephone tree asks for the telephone tree's dialog.
    rig.opened.clear();
    telephone->setCurrentItem(telephone->itemByKey(QStringLiteral("Decoder 1-10")));
    QCOMPARE(rig.opened, QStringList{QStringLiteral("Decoder 1-10")});
    QCOMPARE(rig.openedTrees.last(), SettingsTree::Kind::Telephone);
    QVERIFY(telephone->selectedItems().isEmpty());

    // An item whose dialog does not exist yet opens nothing, and is still deselected.
    rig.editorsExist = false;
    base->setCurrentItem(base->itemByKey(QStringLiteral("Kanalschaltung")));
    QVERIFY(base->selectedItems().isEmpty());
    QVERIFY(dialogs.messages().isEmpty());
}

void TestMainWindow::catalogDialogsOpenFromTheTrees()
{
    platform::ScriptedUserDialogs dialogs;
    AppTestRig rig;
    rig.useCatalog = true;
    rig.window->show();
    auto* base = child<SettingsTree>(*rig.window, "baseTree");
    base->setEnabled(true);

    QString shown;
    QTimer::singleShot(0, [&shown] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            shown = QString::fromLatin1(modal->metaObject()->className());
            QTest::keyClick(modal, Qt::Key_Escape);
        }
    });
    base->setCurrentItem(base->itemByKey(QStringLiteral("Einzelnes Register lesen/schreiben")));
    QCOMPARE(shown, QStringLiteral("quarn::EinzelnesRegister"));
    QVERIFY(base->selectedItems().isEmpty());
    QVERIFY(!QApplication::activeModalWidget());

    // A group opens nothing.
    base->setCurrentItem(base->itemByKey(QStringLiteral("Kanalschaltung")));
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(base->selectedItems().isEmpty());

    // "Decoder 1-10" stands in both trees; each opens its own overview.
    auto* telephone = child<SettingsTree>(*rig.window, "telephoneTree");
    telephone->setEnabled(true);
    for (SettingsTree* tree : {base, telephone}) {
        shown.clear();
        QTimer::singleShot(0, [&shown] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                shown = QString::fromLatin1(modal->metaObject()->className());
                QTest::keyClick(modal, Qt::Key_Escape);
            }
        });
        tree->setCurrentItem(tree->itemByKey(QStringLiteral("Decoder 1-10")));
        QCOMPARE(shown,
                 tree == base ? QStringLiteral("quarn::Decoder") : QStringLiteral("quarn::TELDecoder"));
    }
}

void TestMainWindow::shortDialMemoryReconnects()
{
    platform::ScriptedUserDialogs dialogs;
    AppTestRig rig(unitOf(false, true));
    rig.useCatalog = true;
    rig.window->show();
    auto* telephone = child<SettingsTree>(*rig.window, "telephoneTree");
    telephone->setEnabled(true);

    // The real dialog, on the window's port: it leaves the unit's PC mode on opening and is
    // closed with "Zurück" once that has ended.
    QString shown;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<quarn::KWSpeicher*>(QApplication::activeModalWidget());
        if (!dialog || dialog->busy() || !rig.unit.commandsReceived().contains(QByteArray()))
            return;
        shown = dialog->windowTitle();
        QTest::mouseClick(child<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
    });
    poll.start(5);
    QVERIFY(rig.exchange([&] {
        telephone->setCurrentItem(telephone->itemByKey(QStringLiteral("Kurzwahlspeicher programmieren")));
    }));
    poll.stop();
    QCOMPARE(shown, QStringLiteral("Kurzwahlspeicher"));
    QCOMPARE(rig.port->openedName(), QStringLiteral("/dev/ttyS0"));

    QCOMPARE(dialogs.messages().size(), 1);
    QCOMPARE(dialogs.messages().first().caption, QStringLiteral("Wichtiger Hinweis"));
    QCOMPARE(dialogs.messages().first().icon, MessageIcon::Exclamation);
    QCOMPARE(dialogs.messages().first().text,
             QStringLiteral(
                 "Wählen Sie am Quarn bitte erneut \"PC-Verbindung\" aus und bestätigen Sie dann dieses "
                 "Fenster mit \"OK\"!"));
    // After the hint, the connect exchange.
    const QList<QByteArray> commands = rig.unit.commandsReceived();
    QCOMPARE(commands.mid(0, 3), QList<QByteArray>({"$PROGENDE", "", "$PROGSTART"}));
    QVERIFY(rig.window->image().unitKnown);
    QCOMPARE(states(*rig.window).left(5), QStringLiteral("DEEDE"));
}

void TestMainWindow::oneGroupOpen()
{
    AppTestRig rig;
    auto* base = child<SettingsTree>(*rig.window, "baseTree");
    QTreeWidgetItem* tonruf = base->itemByKey(QStringLiteral("Tonrufsystem"));
    QTreeWidgetItem* auswerte = base->itemByKey(QStringLiteral("Auswertefunktionen"));
    QTreeWidgetItem* kanal = base->itemByKey(QStringLiteral("Kanalschaltung"));

    base->expandItem(tonruf);
    QVERIFY(tonruf->isExpanded());
    base->expandItem(auswerte);
    QVERIFY(!tonruf->isExpanded());
    QVERIFY(auswerte->isExpanded());
    base->expandItem(kanal);
    QVERIFY(!auswerte->isExpanded());
    base->expandItem(tonruf);
    QVERIFY(!kanal->isExpanded());
    QVERIFY(tonruf->isExpanded());

    // The telephone tree keeps every group as the user leaves it.
    auto* telephone = child<SettingsTree>(*rig.window, "telephoneTree");
    QTreeWidgetItem* dtmf = telephone->itemByKey(QStringLiteral("DTMF-Konfiguration"));
    QTreeWidgetItem* geber = telephone->itemByKey(QStringLiteral("Geber/Auswerter (Telefon)"));
    telephone->expandItem(dtmf);
    telephone->expandItem(geber);
    QVERIFY(dtmf->isExpanded());
}

void TestMainWindow::saveAfterReadAsksOnceThenSavesSilently()
{
    platform::ScriptedUserDialogs dialogs;
    QTemporaryDir dir;
    AppTestRig rig(unitOf(false, true));
    rig.window->show();
    QVERIFY(rig.exchange([&] { rig.window->connectUnit(); }));
    QVERIFY(rig.exchange([&] { rig.window->readData(); }));

    const QString path = dir.filePath(QStringLiteral("unit.rq7k8k"));
    dialogs.setNextFileName(path);
    child<QAction>(*rig.window, "saveAction")->trigger();
    QCOMPARE(dialogs.fileRequests().size(), 1);
    QCOMPARE(dialogs.fileRequests().first().defaultSuffix, QStringLiteral("rq7k8k"));
    QCOMPARE(dialogs.fileRequests().first().filter, QStringLiteral("Register Quarn 7k/8k (*.rq7k8k)"));
    QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("gespeichert in: ") + path});
    QCOMPARE(dialogs.last().caption, QString());
    QCOMPARE(rig.window->image().filePath, path);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readLine(), QByteArray("WithTI\r\n"));
    QCOMPARE(file.readLine(), QByteArray("R000 ") + rig.unit.registerText(0).toLatin1() + "\r\n");
    file.close();

    // The next save writes to the same file without a question or a message.
    rig.window->image().registerText(1) = QStringLiteral("0000ABCD");
    rig.window->image().markModified();
    child<QAction>(*rig.window, "saveAction")->trigger();
    QCOMPARE(dialogs.fileRequests().size(), 1);
    QCOMPARE(dialogs.messages().size(), 1);
    QVERIFY(!rig.window->image().modified);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("R001 0000ABCD\r\n"));
}

void TestMainWindow::settingsAsPdf()
{
    platform::ScriptedUserDialogs dialogs;
    QTemporaryDir dir;
    AppTestRig rig(unitOf(false, true));
    rig.window->show();
    QVERIFY(rig.exchange([&] { rig.window->connectUnit(); }));
    QVERIFY(rig.exchange([&] { rig.window->readData(); }));
    const QString before = rig.window->image().registerText(95);

    const QString path = dir.filePath(QStringLiteral("unit.pdf"));
    dialogs.setNextFileName(path);
    child<QAction>(*rig.window, "pdfAction")->trigger();
    QCOMPARE(dialogs.fileRequests().size(), 1);
    QCOMPARE(dialogs.fileRequests().first().defaultSuffix, QStringLiteral("pdf"));
    QCOMPARE(dialogs.texts(), QStringList());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(5), QByteArray("%PDF-"));
    // The report reads the image; it neither changes it nor counts as a change.
    QCOMPARE(rig.window->image().registerText(95), before);
    QVERIFY(!rig.window->image().modified);

    dialogs.setNextFileName(QStringLiteral("/nonexistent-dir/x/unit.pdf"));
    child<QAction>(*rig.window, "pdfAction")->trigger();
    QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("Datei konnte nicht gespeichert werden.")});
}

void TestMainWindow::cancelledOrFailedSaveKeepsChanges()
{
    platform::ScriptedUserDialogs dialogs;
    AppTestRig rig;
    rig.window->image().markModified();

    // No file chosen: nothing saved, so the changes still count as unsaved.
    QVERIFY(!rig.window->saveFileAs());
    QVERIFY(rig.window->image().modified);
    QVERIFY(!rig.window->saveFile());
    QVERIFY(rig.window->image().modified);
    QVERIFY(dialogs.messages().isEmpty());

    // A file that cannot be written is reported and the changes stay marked.
    dialogs.setNextFileName(QStringLiteral("/nonexistent-dir/x/unit.rq7k8k"));
    QVERIFY(!rig.window->saveFileAs());
    QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("Datei konnte nicht gespeichert werden.")});
    QCOMPARE(dialogs.last().caption, QStringLiteral("Fehler"));
    QVERIFY(rig.window->image().modified);
    QVERIFY(rig.window->image().filePath.isEmpty());

    dialogs.clear();
    dialogs.setNextFileName(QStringLiteral("/nonexistent-dir/x/unit.rq7k8k"));
    QVERIFY(!rig.window->saveFile());
    QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("Datei konnte nicht gespeichert werden.")});
    QVERIFY(rig.window->image().modified);
    QVERIFY(rig.window->image().filePath.isEmpty()); // the next save asks again
}

void TestMainWindow::closePrompt()
{
    platform::ScriptedUserDialogs dialogs;
    QTemporaryDir dir;
    AppTestRig rig;
    CQuarn7k8kDlg& w = *rig.window;
    w.show();

    // Nothing changed: closes without a question.
    QVERIFY(w.confirmClose());
    QVERIFY(dialogs.messages().isEmpty());

    // Yes, then the save dialog cancelled: back to the window, nothing lost.
    w.image().markModified();
    dialogs.setNextAnswer(Answer::Yes);
    child<QAction>(w, "quitAction")->trigger();
    QVERIFY(w.isVisible());
    QCOMPARE(dialogs.texts(),
             QStringList{QStringLiteral(
                 "Wollen Sie vor dem Schließen der Anwendung die momentanen Einstellungen speichern?")});
    QCOMPARE(dialogs.last().caption, QStringLiteral("Änderungen Speichern"));
    QCOMPARE(dialogs.last().buttons, platform::MessageButtons::YesNo);
    QCOMPARE(dialogs.last().icon, MessageIcon::Question);

    // Yes and a file that cannot be written: back to the window as well.
    dialogs.setNextAnswer(Answer::Yes);
    dialogs.setNextFileName(QStringLiteral("/nonexistent-dir/x/unit.rq7k8k"));
    QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY(w.isVisible());
    QVERIFY(w.image().modified);

    // Yes and a file: saved, then closed.
    dialogs.setNextAnswer(Answer::Yes);
    dialogs.setNextFileName(dir.filePath(QStringLiteral("last.rq7k8k")));
    QVERIFY(w.close());
    QVERIFY(!w.isVisible());
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("last.rq7k8k"))));

    // No: closes without saving.
    w.show();
    w.image().markModified();
    dialogs.setNextAnswer(Answer::No);
    QVERIFY(w.close());
    QVERIFY(!w.isVisible());
}

const QString kOpenAnyway = QStringLiteral("Die Einstellungen wurden geändert und nicht gespeichert. Beim "
                                           "Öffnen gehen diese Änderungen verloren. Trotzdem öffnen?");

void TestMainWindow::openFile()
{
    platform::ScriptedUserDialogs dialogs;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("noti.rq7k8k"));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("NoTI\r\n");
        for (int n = 0; n < 200; ++n)
            f.write(QStringLiteral("R%1 %2\r\n")
                        .arg(n, 3, 10, QLatin1Char('0'))
                        .arg(n, 8, 16, QLatin1Char('0'))
                        .toUpper()
                        .toLatin1());
    }

    // Without a unit: base tree, "-> Grundeinstellungen" and title; not "Daten senden".
    AppTestRig rig(unitOf(false, true));
    rig.window->show();
    rig.window->image().markModified();
    dialogs.setNextFileName(path);
    child<QAction>(*rig.window, "openAction")->trigger(); // the unsaved-changes question: yes
    QCOMPARE(dialogs.texts(), QStringList{kOpenAnyway});
    QCOMPARE(states(*rig.window), QStringLiteral("EDDDEEDDEE"));
    QCOMPARE(rig.window->image().registerText(10), QStringLiteral("0000000A"));
    QCOMPARE(rig.window->image().filePath, path);
    QVERIFY(!rig.window->image().modified);

    // With a unit connected, "Daten senden" too; the file's kind decides the telephone side.
    QVERIFY(rig.exchange([&] { rig.window->connectUnit(); }));
    dialogs.setNextFileName(path);
    rig.window->openFile();
    QCOMPARE(states(*rig.window), QStringLiteral("DEEEEEDDEE"));
    QVERIFY(!rig.window->image().telephoneInterface);
}

void TestMainWindow::unreadableFileChangesNothing()
{
    platform::ScriptedUserDialogs dialogs;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bad.rq7k8k"));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("this is no settings file\r\n");
    }
    AppTestRig rig(unitOf(false, true));
    rig.window->show();
    QVERIFY(rig.exchange([&] { rig.window->connectUnit(); }));
    QVERIFY(rig.exchange([&] { rig.window->readData(); }));
    rig.window->showTelephoneTree();
    rig.window->image().markModified();
    const QString before = states(*rig.window);
    const QString register0 = rig.window->image().registerText(0);

    dialogs.setNextFileName(path);
    rig.window->openFile();
    QCOMPARE(dialogs.texts(),
             (QStringList{kOpenAnyway, QStringLiteral("Datei konnte nicht gelesen werden.")}));
    QCOMPARE(dialogs.last().caption, QStringLiteral("Fehler"));
    QCOMPARE(states(*rig.window), before);
    QCOMPARE(rig.window->image().registerText(0), register0);
    QVERIFY(rig.window->image().telephoneInterface);
    QVERIFY(rig.window->image().modified);
    QVERIFY(rig.window->image().filePath.isEmpty());

    // A cancelled open dialog changes nothing either.
    dialogs.clear();
    rig.window->openFile();
    QVERIFY(dialogs.messages().isEmpty());
    QCOMPARE(states(*rig.window), before);
}

void TestMainWindow::aboutBoxEscapeEnablesTrees()
{
    AppTestRig rig;
    rig.window->show();

    // "OK" leaves everything as it was.
    QTimer::singleShot(0, [] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        QCOMPARE(modal->windowTitle(), QStringLiteral("Info"));
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("aboutOk")), Qt::LeftButton);
    });
    child<QAction>(*rig.window, "aboutAction")->trigger();
    QCOMPARE(states(*rig.window), QStringLiteral("EDDDEDDDDD"));

    // Escape: both trees and both switch buttons, even without data.
    pressOnNextModal(Qt::Key_Escape);
    rig.window->showAbout();
    QCOMPARE(states(*rig.window), QStringLiteral("EDDDEEEEED"));
}

void TestMainWindow::factoryResetPrompts()
{
    platform::ScriptedUserDialogs dialogs;
    AppTestRig rig(unitOf(false, true));
    CQuarn7k8kDlg& w = *rig.window;
    w.show();
    QVERIFY(rig.exchange([&] { w.connectUnit(); }));
    rig.unit.clearCommandLog();
    const QString connected = states(w);

    // Cancel at the first question: nothing else.
    dialogs.setNextAnswer(Answer::Cancel);
    w.factoryReset();
    QCOMPARE(dialogs.texts(), QStringList{QStringLiteral(
                                  "Wollen Sie vor dem Werksreset die momentanen Einstellungen speichern?")});
    QCOMPARE(dialogs.last().caption, QStringLiteral("Änderungen Speichern"));
    QCOMPARE(dialogs.last().buttons, platform::MessageButtons::YesNoCancel);
    QCOMPARE(dialogs.last().icon, MessageIcon::Question);
    QVERIFY(!w.exchangeRunning());

    // Yes: the save dialog first; cancelled, it stops the reset.
    dialogs.clear();
    dialogs.setNextAnswer(Answer::Yes);
    w.factoryReset();
    QCOMPARE(dialogs.fileRequests().size(), 1);
    QCOMPARE(dialogs.texts().size(), 1);

    // No: the reset question; Cancel there.
    dialogs.clear();
    dialogs.setNextAnswer(Answer::No);
    dialogs.setNextAnswer(Answer::Cancel);
    w.factoryReset();
    QCOMPARE(dialogs.texts().size(), 2);
    QCOMPARE(dialogs.texts().at(1),
             QStringLiteral("Alle Register des Quarn-EEPROMs auf Werkseinstellungen zurücksetzen?"));
    QCOMPARE(dialogs.last().caption, QStringLiteral("Werkseinstellungen"));
    QCOMPARE(dialogs.last().buttons, platform::MessageButtons::OkCancel);
    QCOMPARE(dialogs.last().icon, MessageIcon::Exclamation);
    QVERIFY(!w.exchangeRunning());
    QCOMPARE(states(w), connected);
    QVERIFY(rig.unit.commandsReceived().isEmpty());

    // No, then OK: the unit resets its base registers.
    dialogs.clear();
    rig.unit.setRegisterText(20, QStringLiteral("ABCDEF01"));
    dialogs.setNextAnswer(Answer::No);
    dialogs.setNextAnswer(Answer::Ok);
    QVERIFY(rig.exchange([&] { w.factoryReset(); }));
    QCOMPARE(dialogs.texts().size(), 2);
    QVERIFY(rig.unit.commandsReceived().contains(QByteArray("P222")));
    QVERIFY(!rig.unit.commandsReceived().contains(QByteArray("P522")));
    QVERIFY(rig.unit.registerText(20) != QStringLiteral("ABCDEF01"));
    // Connect and factory reset; the switch buttons with the telephone interface.
    QCOMPARE(states(w), QStringLiteral("EDDDEDDEED"));
}

void TestMainWindow::factoryResetTelephone()
{
    platform::ScriptedUserDialogs dialogs;
    AppTestRig rig(unitOf(false, true));
    CQuarn7k8kDlg& w = *rig.window;
    w.show();
    QVERIFY(rig.exchange([&] { w.connectUnit(); }));
    w.showTelephoneTree();
    rig.unit.clearCommandLog();

    dialogs.setNextAnswer(Answer::No);
    dialogs.setNextAnswer(Answer::Ok);
    QVERIFY(rig.exchange([&] { w.factoryReset(); }));
    QCOMPARE(dialogs.texts().at(1),
             QStringLiteral(
                 "Alle Register des Telefoninterface (inkl. TIM) auf Werkseinstellungen zurücksetzen?"));
    QVERIFY(rig.unit.commandsReceived().contains(QByteArray("P522")));
    QVERIFY(!rig.unit.commandsReceived().contains(QByteArray("P222")));
}

void TestMainWindow::versionQuery()
{
    platform::ScriptedUserDialogs dialogs;
    AppTestRig rig(unitOf(false, true));
    rig.window->show();

    child<QAction>(*rig.window, "versionAction")->trigger();
    QCOMPARE(dialogs.texts(),
             QStringList{QStringLiteral(
                 "Für Versionsbezeichnung muss zunächst eine Verbindung zum Quarn hergestellt werden.")});
    QCOMPARE(dialogs.last().caption, QStringLiteral("Fehler"));
    QCOMPARE(dialogs.last().icon, MessageIcon::Exclamation);

    QVERIFY(rig.exchange([&] { rig.window->connectUnit(); }));
    dialogs.clear();
    child<QAction>(*rig.window, "versionAction")->trigger();
    QCOMPARE(dialogs.last().caption, QStringLiteral("Version:"));
    QCOMPARE(dialogs.last().icon, MessageIcon::Information);
    QVERIFY(dialogs.last().text.startsWith(QStringLiteral("Quarn 8k")));
    QVERIFY(dialogs.last().text.endsWith(QStringLiteral("\nmit Telefoninterface")));
}

void TestMainWindow::languageMenuWithoutFile()
{
    platform::ScriptedUserDialogs dialogs;
    RecordingRestarter restarter;
    AppTestRig rig({}, {}, &restarter);
    const QMenu* menu = child<QMenu>(*rig.window, "languageMenu");
    QCOMPARE(menu->title(), QStringLiteral("Sprache"));
    QCOMPARE(actionTexts(menu), QStringList{QStringLiteral("Deutsch")});
    QVERIFY(menu->actions().first()->isChecked());

    // Choosing the language in use does nothing, even with unsaved changes.
    rig.window->image().markModified();
    menu->actions().first()->trigger();
    QVERIFY(menu->actions().first()->isChecked());
    QVERIFY(dialogs.messages().isEmpty());
    QCOMPARE(restarter.count, 0);
}

void TestMainWindow::languageMenuWithFile()
{
    QTemporaryDir dir;
    QVERIFY(QFile::copy(QStringLiteral(QUARN_QM_FILE), dir.filePath(QStringLiteral("Quarn7k8kENU.qm"))));
    const QList<quarn::LanguageFile> found =
        quarn::LanguageFiles(dir.path(), QStringLiteral("Quarn7k8k")).found();
    QCOMPARE(found.size(), 1);

    platform::ScriptedUserDialogs dialogs;
    RecordingRestarter restarter;
    QSettings(quarn::LanguageSettings::Organisation, quarn::LanguageSettings::Application).clear();
    AppTestRig rig({}, found, &restarter);
    QMenu* menu = child<QMenu>(*rig.window, "languageMenu");
    // The languages named as Tekstor names them.
    QCOMPARE(actionTexts(menu), (QStringList{QStringLiteral("Deutsch"), QStringLiteral("English")}));
    QVERIFY(menu->actions().at(0)->isChecked());

    // Unsaved changes: the bilingual question; No keeps everything.
    rig.window->image().markModified();
    dialogs.setNextAnswer(Answer::No);
    menu->actions().at(1)->trigger();
    QCOMPARE(dialogs.messages().size(), 1);
    QCOMPARE(dialogs.last().caption, QStringLiteral("Warnhinweis!"));
    QCOMPARE(dialogs.last().buttons, platform::MessageButtons::YesNo);
    QCOMPARE(dialogs.last().text,
             QStringLiteral(
                 "Um die Sprache der Software zu ändern, ist ein Neustart notwendig. Die momentanen "
                 "Einstellungen gehen hierbei verloren.\nWollen Sie dennoch einen Neustart der Software "
                 "durchführen?\n\nA restart is necessary to change the language of the software. The "
                 "current configuration will be lost.\nDo you want to change the language and restart "
                 "the application now?"));
    QCOMPARE(restarter.count, 0);
    QVERIFY(menu->actions().at(0)->isChecked());
    QCOMPARE(quarn::LanguageSettings::stored(), quint16(0));

    // Yes: stored and restarted.
    dialogs.setNextAnswer(Answer::Yes);
    menu->actions().at(1)->trigger();
    QCOMPARE(restarter.count, 1);
    QCOMPARE(quarn::LanguageSettings::stored(), quint16(0x0409));

    // Without unsaved changes no question at all.
    dialogs.clear();
    rig.window->image().modified = false;
    menu->actions().at(1)->trigger();
    QVERIFY(dialogs.messages().isEmpty());
    QCOMPARE(restarter.count, 2);
}

void TestMainWindow::readKeepsHistoryAndReviewGuardsTheSend()
{
    platform::ScriptedUserDialogs dialogs;
    quarn::SendReview::setEnabled(true);
    AppTestRig rig(unitOf(false, false));
    CQuarn7k8kDlg& w = *rig.window;
    w.show();
    QVERIFY(rig.exchange([&] { w.connectUnit(); }));
    QVERIFY(rig.exchange([&] { w.readData(); }));
    const quarn::HistoryStore history(rig.historyDir.filePath(QStringLiteral("history")));
    QCOMPARE(history.entries().size(), 1);
    QCOMPARE(history.entries().first().model + history.entries().first().kind,
             QStringLiteral("Quarn8kBasis"));

    // Pin 1 becomes an output: the review names it; "Zurück" sends nothing.
    const QString before = rig.unit.registerText(95);
    w.image().setDigit(95, 0, w.image().digit(95, 0) == 1 ? 0 : 1);
    w.image().markModified();
    const QString change = QStringLiteral("Konfiguration Ein-/Ausgänge › Ein-/Ausgang 1: ");
    QStringList seen;
    whenModal([&seen](QDialog* review) {
        seen << child<QLabel>(review, "reviewText")->text();
        auto* list = child<QListWidget>(review, "reviewList");
        for (int i = 0; i < list->count(); ++i)
            seen << list->item(i)->text();
        child<QPushButton>(review, "reviewBackButton")->click();
    });
    w.sendData();
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen.first(), QStringLiteral("Diese Einstellungen ändern sich im Quarn (bisher → neu):"));
    QVERIFY2(seen.last().startsWith(change), qPrintable(seen.last()));
    QVERIFY(!w.exchangeRunning());
    QCOMPARE(rig.unit.registerText(95), before);
    QVERIFY(
        !rig.unit.commandsReceived().contains(QByteArray("$P095") + w.image().registerText(95).toLatin1()));

    // "Senden" sends; then the unit holds the image and the review says so.
    whenModal([](QDialog* review) { child<QPushButton>(review, "reviewSendButton")->click(); });
    QVERIFY(rig.exchange([&] { w.sendData(); }));
    QCOMPARE(rig.unit.registerText(95), w.image().registerText(95));
    seen.clear();
    whenModal([&seen](QDialog* review) {
        seen << child<QLabel>(review, "reviewText")->text();
        // Turned off, it is not shown again.
        child<QCheckBox>(review, "alwaysShowBox")->setChecked(false);
        child<QPushButton>(review, "reviewBackButton")->click();
    });
    w.sendData();
    QCOMPARE(seen, QStringList{QStringLiteral(
                       "Die Daten stimmen mit dem zuletzt gelesenen Inhalt des Quarns überein.")});
    QVERIFY(!quarn::SendReview::enabled());
    QVERIFY(rig.exchange([&] { w.sendData(); })); // no review in the way

    // A second read: the history window counts the one setting changed since the first.
    QVERIFY(rig.exchange([&] { w.readData(); }));
    QStringList newest;
    whenModal([&newest](QDialog* window) {
        const auto* list = child<QTreeWidget>(window, "historyList");
        for (int c = 0; c < list->columnCount(); ++c)
            newest << list->topLevelItem(0)->text(c);
        newest << QString::number(list->topLevelItemCount());
        window->reject();
    });
    w.showHistory();
    QCOMPARE(newest.mid(2), (QStringList{"Quarn8k", "Einstellungen", "1", "2"}));
    QCOMPARE(dialogs.texts(), QStringList());
    quarn::SendReview::setEnabled(false);
}

void TestMainWindow::reviewOffersToReadAnUnknownUnit()
{
    platform::ScriptedUserDialogs dialogs;
    quarn::SendReview::setEnabled(true);
    AppTestRig rig(unitOf(true, false));
    CQuarn7k8kDlg& w = *rig.window;
    w.show();
    QVERIFY(rig.exchange([&] { w.connectUnit(); }));
    // A file to send, never read from this unit: its register 95 differs from the unit's.
    QTemporaryDir dir;
    quarn::Register file;
    for (int n : quarn::Register::numbers(false))
        file.registerText(n) = rig.unit.registerText(n);
    file.setDigit(95, 0, file.digit(95, 0) == 1 ? 0 : 1);
    const QString path = dir.filePath(QStringLiteral("file.rq7k8k"));
    QVERIFY(quarn::saveSettingsFile(file, path) == quarn::SaveOutcome::Saved);
    w.openFile(path);
    const QString sending = w.image().registerText(95);

    QStringList seen;
    whenModal([&seen](QDialog* review) {
        seen << child<QLabel>(review, "reviewText")->text();
        child<QPushButton>(review, "readFirstButton")->click();
    });
    QVERIFY(rig.exchange([&] { w.sendData(); }));
    QVERIFY2(seen.value(0).startsWith(QStringLiteral("Der Inhalt des Quarns ist nicht bekannt")),
             qPrintable(seen.value(0)));
    // After the read the review shows the change; the image to send is the file's still.
    seen.clear();
    whenModal([&seen](QDialog* review) {
        seen << child<QListWidget>(review, "reviewList")->item(0)->text();
        child<QPushButton>(review, "reviewBackButton")->click();
    });
    QTRY_COMPARE(seen.size(), 1);
    QVERIFY(seen.first().startsWith(QStringLiteral("Konfiguration Ein-/Ausgänge › Ein-/Ausgang 1: ")));
    QCOMPARE(w.image().registerText(95), sending);
    QVERIFY(rig.unit.registerText(95) != sending);
    QCOMPARE(quarn::HistoryStore(rig.historyDir.filePath(QStringLiteral("history"))).entries().size(), 1);
    quarn::SendReview::setEnabled(false);
}

void TestMainWindow::unwritableHistoryLeavesTheReadStanding()
{
    platform::ScriptedUserDialogs dialogs;
    AppTestRig rig(unitOf(true, false));
    // A plain file where the folder should be.
    const QString root = rig.historyDir.filePath(QStringLiteral("history"));
    QVERIFY(QFile(root).open(QIODevice::WriteOnly));
    CQuarn7k8kDlg& w = *rig.window;
    w.show();
    QVERIFY(rig.exchange([&] { w.connectUnit(); }));
    QVERIFY(rig.exchange([&] { w.readData(); }));
    QCOMPARE(dialogs.texts(),
             QStringList{QStringLiteral("Der Verlauf konnte nicht geschrieben werden: %1").arg(root)});
    QCOMPARE(dialogs.last().caption, QStringLiteral("Warnhinweis!"));
    QCOMPARE(w.image().registerText(199), rig.unit.registerText(199));
    QCOMPARE(states(w), QStringLiteral("EEEEEEDDDE"));
}

void TestMainWindow::anotherUnitForgetsWhatWasRead_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("telephone");
    QTest::addColumn<bool>("kept");
    QTest::newRow("the same unit again") << "/dev/ttyS0"
                                         << "Quarn 8k V3.20" << false << true;
    QTest::newRow("another port") << "/dev/ttyUSB0"
                                  << "Quarn 8k V3.20" << false << false;
    QTest::newRow("another version") << "/dev/ttyS0"
                                     << "Quarn 8k V3.21" << false << false;
    QTest::newRow("a telephone interface now") << "/dev/ttyS0"
                                               << "Quarn 8k V3.20" << true << false;
}

void TestMainWindow::anotherUnitForgetsWhatWasRead()
{
    QFETCH(QString, port);
    QFETCH(QString, version);
    QFETCH(bool, telephone);
    QFETCH(bool, kept);
    quarn::Register read;
    read.model7k = false;
    read.versionText = QStringLiteral("Quarn 8k V3.20");
    quarn::UnitMemory memory;
    memory.remember(read, QStringLiteral("/dev/ttyS0"));
    quarn::Register connected;
    connected.model7k = false;
    connected.versionText = version;
    connected.telephoneInterface = telephone;
    memory.connected(connected, port);
    QCOMPARE(memory.image() != nullptr, kept);
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
