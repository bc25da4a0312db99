#include "config/app/SendReview.h"
#include "config/link/LinkMessages.h"
#include "config/register/SettingsFile.h"
#include "platform/UserDialogs.h"
#include "tests/app/AppTestRig.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using quarn::CQuarn7k8kDlg;

// Every fault of the simulated unit through the main window: the user connects, reads and
// sends as far as the window lets him. Whatever the fault, each message is shown once, no
// exchange is left running, "Verbindung herstellen" is enabled at the end, and the image holds
// the unit's registers, nothing, or what a read delivered before the message that named the gap.

class TestWindowFaults : public QObject {
    Q_OBJECT
    QTemporaryDir m_settingsDir;
private Q_SLOTS:
    void initTestCase()
    {
        // Never the user's settings; the faults are the send's own, not the review's.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
        quarn::SendReview::setEnabled(false);
    }

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
        // NUL bytes without end: neither the read nor, after a good read, the send takes them
        // for a reply, and each ends within its bound.
        row("line in break", sim::Fault::Break, 2, none, {aborted}, "EDDDEDDDDE", "blank");
        row("line in break after the read", sim::Fault::Break, 202, none, {aborted}, "EDDDEEDDDE", "unit");
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

    // What the user does to a window that ends each time in a state the user can go on from:
    // the messages shown (German), the controls' states, and what the image and file hold.
    void windowKeepsWhatTheUserHas_data();
    void windowKeepsWhatTheUserHas();
};

namespace {
using platform::Answer;
using quarn::CQuarn7k8kDlg;

struct Scene {
    sim::UnitOptions unit;
    std::function<void(AppTestRig&, platform::ScriptedUserDialogs&, const QString& file)> act;
    QStringList messages;
    QString states;
    // Checked last; empty when all is well.
    std::function<QString(AppTestRig&, const QString& file)> check;
};

sim::UnitOptions unitWith(bool telephone, sim::Fault fault = sim::Fault::None, int param = 0)
{
    sim::UnitOptions o;
    o.model = sim::Model::Q8k;
    o.telephone = telephone;
    o.fault = fault;
    o.faultParam = param;
    return o;
}

QString firstLine(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readLine()).trimmed()
                                       : QStringLiteral("<none>");
}

bool run(AppTestRig& rig, void (CQuarn7k8kDlg::*command)())
{
    return rig.exchange([&] { (rig.window.get()->*command)(); });
}

const QString kNoUnit = QStringLiteral("Es konnte keine Verbindung zu einem Quarn 7k/8k hergestellt werden.");
const QString kPortFailed = QStringLiteral("Port konnte nicht initialisiert werden!");
const QString kSaveFirst =
    QStringLiteral("Wollen Sie vor dem Werksreset die momentanen Einstellungen speichern?");
const QString kNotSaved = QStringLiteral("Datei konnte nicht gespeichert werden.");
const QString kOpenAnyway =
    QStringLiteral("Die Einstellungen wurden geändert und nicht gespeichert. Beim Öffnen "
                   "gehen diese Änderungen verloren. Trotzdem öffnen?");
const QString kCloseDuringRead =
    QStringLiteral("Eine Übertragung vom Quarn läuft noch. Wird das Programm jetzt "
                   "beendet, sind die Einstellungen nicht vollständig gelesen. "
                   "Trotzdem beenden?");
const QString kCloseDuringSend =
    QStringLiteral("Eine Übertragung zum Quarn läuft noch. Wird das Programm jetzt "
                   "beendet, ist der Quarn möglicherweise nur teilweise "
                   "programmiert. Trotzdem beenden?");

QList<std::pair<const char*, Scene>> scenes()
{
    using W = CQuarn7k8kDlg;
    QList<std::pair<const char*, Scene>> out;
    // A "WithTI" file, a connect to a unit that does not answer, then "Speichern": the file
    // keeps its kind and its 600 registers, the telephone side stays usable.
    out.append({"failed connect keeps the opened file",
                {unitWith(true, sim::Fault::Silent),
                 [](AppTestRig& rig, platform::ScriptedUserDialogs&, const QString& file) {
                     rig.window->openFile(file);
                     rig.window->image().registerText(612) = QStringLiteral("0000ABCD");
                     run(rig, &W::connectUnit);
                     rig.window->saveFile();
                 },
                 {kNoUnit},
                 "EDDDEEEEEE",
                 [](AppTestRig& rig, const QString& file) -> QString {
                     const quarn::Register& image = rig.window->image();
                     if (!image.telephoneInterface || image.unitKnown || !image.versionText.isEmpty())
                         return QStringLiteral("flags changed");
                     if (firstLine(file) != QLatin1String("WithTI"))
                         return QStringLiteral("file now ") + firstLine(file);
                     quarn::Register reread;
                     quarn::loadSettingsFile(reread, file);
                     return reread.registerText(612) == QLatin1String("0000ABCD")
                                ? QString()
                                : QStringLiteral("edit lost");
                 }}});
    // Connected and read, then a re-connect that fails: nothing is connected any more, so
    // nothing that needs the unit is offered.
    out.append({"failed re-connect: port",
                {unitWith(false),
                 [](AppTestRig& rig, platform::ScriptedUserDialogs&, const QString&) {
                     run(rig, &W::connectUnit);
                     run(rig, &W::readData);
                     rig.port->setOpenFailure(platform::PortError::InUse);
                     run(rig, &W::connectUnit);
                 },
                 {kPortFailed},
                 "EDDDEEDDDE",
                 {}}});
    // The line drops after connect and read (202 commands): the re-connect gets no answer.
    out.append({"failed re-connect: no answer",
                {unitWith(false, sim::Fault::HangUp, 203),
                 [](AppTestRig& rig, platform::ScriptedUserDialogs&, const QString&) {
                     run(rig, &W::connectUnit);
                     run(rig, &W::readData);
                     run(rig, &W::connectUnit);
                     // Even forced, a read says why it does nothing.
                     run(rig, &W::readData);
                 },
                 {kNoUnit, quarn::linkmsg::notConnected()},
                 "EDDDEEDDDE",
                 {}}});
    // "Werkseinstellungen", "save first" yes, then the save dialog cancelled or the save
    // failing: no reset, the edits stay marked unsaved.
    out.append({"reset stops at a cancelled save",
                {unitWith(false),
                 [](AppTestRig& rig, platform::ScriptedUserDialogs& dialogs, const QString&) {
                     rig.window->image().markModified();
                     dialogs.setNextAnswer(Answer::Yes);
                     rig.window->factoryReset();
                 },
                 {kSaveFirst},
                 "EDDDEDDDDD",
                 [](AppTestRig& rig, const QString&) {
                     return rig.window->image().modified && rig.unit.commandsReceived().isEmpty()
                                ? QString()
                                : QStringLiteral("reset ran");
                 }}});
    out.append({"reset stops at a failed save",
                {unitWith(false),
                 [](AppTestRig& rig, platform::ScriptedUserDialogs& dialogs, const QString& file) {
                     rig.window->image().markModified();
                     dialogs.setNextAnswer(Answer::Yes);
                     dialogs.setNextFileName(file + QStringLiteral("/no/such/dir/x.rq7k8k"));
                     rig.window->factoryReset();
                 },
                 {kSaveFirst, kNotSaved},
                 "EDDDEDDDDD",
                 [](AppTestRig& rig, const QString&) {
                     return rig.window->image().modified && rig.unit.commandsReceived().isEmpty()
                                ? QString()
                                : QStringLiteral("reset ran");
                 }}});
    // "Öffnen..." over unsaved edits asks first; No keeps them.
    out.append({"open asks before discarding edits",
                {unitWith(false),
                 [](AppTestRig& rig, platform::ScriptedUserDialogs& dialogs, const QString& file) {
                     rig.window->image().registerText(5) = QStringLiteral("12345678");
                     rig.window->image().markModified();
                     dialogs.setNextAnswer(Answer::No);
                     dialogs.setNextFileName(file);
                     rig.window->openFile();
                 },
                 {kOpenAnyway},
                 "EDDDEDDDDD",
                 [](AppTestRig& rig, const QString&) {
                     const quarn::Register& image = rig.window->image();
                     return image.modified && image.registerText(5) == QLatin1String("12345678") &&
                                    image.filePath.isEmpty()
                                ? QString()
                                : QStringLiteral("edits replaced");
                 }}});
    // Closing mid-read and mid-send: the question speaks of what runs, and Enter (the
    // scripted default) keeps it running to its end.
    for (const bool sending : {false, true}) {
        out.append({sending ? "close question during a send" : "close question during a read",
                    {unitWith(false),
                     [sending](AppTestRig& rig, platform::ScriptedUserDialogs& dialogs, const QString&) {
                         run(rig, &W::connectUnit);
                         if (sending)
                             run(rig, &W::readData);
                         dialogs.clear();
                         QSignalSpy done(rig.window.get(), &CQuarn7k8kDlg::exchangeFinished);
                         rig.gate->holdAfter(40);
                         sending ? rig.window->sendData() : rig.window->readData();
                         rig.gate->waitUntilHeld();
                         rig.window->close();
                         rig.gate->release();
                         done.wait(30000);
                     },
                     {sending ? kCloseDuringSend : kCloseDuringRead},
                     "EEEEEEDDDE",
                     [](AppTestRig& rig, const QString&) {
                         return rig.window->isVisible() ? QString() : QStringLiteral("window closed");
                     }}});
    }
    return out;
}
} // namespace

void TestWindowFaults::windowKeepsWhatTheUserHas_data()
{
    QTest::addColumn<int>("scene");
    const auto all = scenes();
    for (int i = 0; i < all.size(); ++i)
        QTest::newRow(all[i].first) << i;
}

void TestWindowFaults::windowKeepsWhatTheUserHas()
{
    QFETCH(int, scene);
    const Scene s = scenes().at(scene).second;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("withti.rq7k8k"));
    quarn::Register withTi;
    withTi.telephoneInterface = true;
    for (int n : quarn::Register::numbers(true))
        withTi.registerText(n) = QStringLiteral("00000000");
    QCOMPARE(quarn::saveSettingsFile(withTi, file), quarn::SaveOutcome::Saved);

    platform::ScriptedUserDialogs dialogs;
    AppTestRig rig(s.unit, {}, nullptr, true);
    rig.window->show();
    s.act(rig, dialogs, file);
    QVERIFY(!rig.window->exchangeRunning());
    QCOMPARE(dialogs.texts(), s.messages);
    for (const platform::Message& m : dialogs.messages()) {
        // Every question whose yes loses something has the safe answer on Enter.
        if (m.text == kCloseDuringRead || m.text == kCloseDuringSend)
            QVERIFY(m.enterAnswer == Answer::No);
    }
    QCOMPARE(states(*rig.window), s.states);
    if (s.check)
        QCOMPARE(s.check(rig, file), QString());
}

QTEST_MAIN(TestWindowFaults)
#include "tst_windowfaults.moc"
