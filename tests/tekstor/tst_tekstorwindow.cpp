// Tekstor's main window on a simulated unit and virtual time: enable rules through
// connect, reads, writes and disconnect; edits from the trees; files; language.
#include "displaytexts/app/CExtEdit.h"
#include "displaytexts/app/CTekstorDlg.h"
#include "displaytexts/app/TextTree.h"
#include "displaytexts/texts/TextFiles.h"
#include "displaytexts/texts/TextKindTable.h"
#include "displaytexts/texts/UnitCodes.h"
#include "platform/Clock.h"
#include "platform/UserDialogs.h"
#include "sim/SimulatedPort.h"
#include "sim/UnitModel.h"

#include "tests/support/WidgetHelpers.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

using namespace tekstor;

namespace {
const QStringList SixTransferButtons{"readIdButton",   "writeIdButton",     "readOwnButton",
                                     "writeOwnButton", "readChannelButton", "writeChannelButton"};

// One window attached to a simulated unit.
struct Bench {
    explicit Bench(sim::UnitOptions options = {}) : unit(options), port(unit, clock), window(port, clock)
    {
        window.setPortNames({QStringLiteral("sim")});
        window.show();
    }

    template <typename T = QPushButton> T* get(const QString& name) const
    {
        return child<T>(window, qPrintable(name));
    }
    bool enabled(const QString& name) const { return get<QWidget>(name)->isEnabled(); }
    bool allEnabled(const QStringList& names, bool on) const
    {
        for (const QString& n : names) {
            if (enabled(n) != on)
                return false;
        }
        return true;
    }
    void click(const QString& name) { QTest::mouseClick(get(name), Qt::LeftButton); }
    // Clicks and lets the exchange it starts run to its end.
    bool clickAndWait(const QString& name)
    {
        click(name);
        QElapsedTimer t;
        t.start();
        while (window.transferRunning() && t.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::processEvents();
        return !window.transferRunning();
    }
    // Shows the window's own table of kind as "Öffnen" of a file holding it does.
    void showStore(TextKind kind)
    {
        const QString path = files.filePath(QStringLiteral("table.") + TextFiles::extension(kind));
        QCOMPARE(TextFiles::save(path, kind, window.store()), FileOutcome::Ok);
        QVERIFY(window.loadTextFile(kind, path));
    }
    int writesStartingWith(const QByteArray& prefix) const
    {
        int n = 0;
        for (const auto& w : port.writes())
            n += w.bytes.startsWith(prefix) ? 1 : 0;
        return n;
    }

    QTemporaryDir files;
    platform::ScriptedUserDialogs dialogs;
    sim::UnitModel unit;
    platform::VirtualClock clock;
    sim::SimulatedPort port;
    CTekstorDlg window;
};

void typeTextAndOk(QDialog* dialog, const QString& text)
{
    auto* edit = dialog->findChild<CExtEdit*>(QStringLiteral("textEdit"));
    edit->clear();
    QTest::keyClicks(edit, text);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
}

QByteArray padded(const QByteArray& text)
{
    return text.leftJustified(24, ' ', true);
}
} // namespace

class TekstorWindowTest : public QObject {
    Q_OBJECT

private slots:
    void startState();
    void connectReadWriteDisconnect();
    void ownAndChannelTransfers();
    void connectFailures();
    void noIdChecked();
    void rangeNodeChecksItsIds();
    void editFromTreeRebuildsAndRechecks();
    void doubleClickEditsOneText();
    void languageSwitchRelabelsEverything();
    void modeMenuShowsOneGroup();
    void cancelledOpenLeavesTheWindow();
    void openLoadsTheFileOfTheMode();
    void saveShowsThePathInEnglishToo();
    void helpAndAbout();
    void failedSendIsAnError_data();
    void failedSendIsAnError();
    void disconnectWaitsForTheTransfer();
    void ownSelectionStaysInsideTheTable();
    void writingUnreadTextsAsksFirst_data();
    void writingUnreadTextsAsksFirst();
    void failedReadKeepsTheTable_data();
    void failedReadKeepsTheTable();
    void idReadChangesOnlyItsRanges();
    void writeWithNothingToSendSaysSo();
    void connectRebuildsOwnTreeToTheUnitsCount();
    void unsavedEditsAreAskedFor_data();
    void unsavedEditsAreAskedFor();
    void closeDuringTransferStopsThenCloses();
    void writeNamesWhatChangesAndReadsAreKept();
};

void TekstorWindowTest::startState()
{
    Bench b;
    QCOMPARE(b.window.windowTitle(), QStringLiteral("Tekstor"));
    QVERIFY(!b.window.windowIcon().pixmap(32, 32).isNull());
    QVERIFY(b.get<QGroupBox>("idGroup")->isVisible());
    QVERIFY(!b.get<QGroupBox>("ownGroup")->isVisible());
    QVERIFY(!b.get<QGroupBox>("channelGroup")->isVisible());
    QVERIFY(b.get<QCheckBox>("range0")->isChecked());
    QCOMPARE(b.get<QCheckBox>("range0")->text(), QStringLiteral("0-99"));
    for (int r = 1; r < 10; ++r) {
        QVERIFY(!b.get<QCheckBox>(QStringLiteral("range%1").arg(r))->isChecked());
        QCOMPARE(b.get<QCheckBox>(QStringLiteral("range%1").arg(r))->text(), QStringLiteral("%1xx").arg(r));
    }
    QVERIFY(b.enabled("connectButton"));
    QVERIFY(b.enabled("portList"));
    QVERIFY(!b.enabled("disconnectButton"));
    QVERIFY(b.allEnabled(SixTransferButtons, false));
    QVERIFY(b.allEnabled({"editIdButton", "editOwnButton", "editChannelButton"}, false));
    QVERIFY(b.get<QComboBox>("portList")->isEditable());
    QCOMPARE(b.get<QComboBox>("portList")->currentText(), QStringLiteral("sim"));
    QVERIFY(b.get<QAction>("modeIdAction")->isChecked());
    QVERIFY(b.get<QAction>("germanAction")->isChecked());
    for (TextKind kind : {TextKind::Ids, TextKind::Own, TextKind::Channels})
        QCOMPARE(b.window.tree(kind)->topLevelItemCount(), 0);
    QVERIFY(b.port.writes().isEmpty());
}

void TekstorWindowTest::connectReadWriteDisconnect()
{
    Bench b;
    b.unit.setIdText(142, toUnitCodes("1" + padded("Wache \xdc"
                                                   "ber")));
    b.unit.setIdText(305, toUnitCodes("1" + padded("Dreihundertf\xfcnf")));

    QVERIFY(b.clickAndWait("connectButton"));
    QVERIFY(b.dialogs.messages().isEmpty());
    QCOMPARE(b.port.openedName(), QStringLiteral("sim"));
    QVERIFY(!b.enabled("connectButton"));
    QVERIFY(b.enabled("disconnectButton"));
    QVERIFY(b.allEnabled(SixTransferButtons, true));
    QCOMPARE(b.writesStartingWith("$PROGSTART\r"), 1);

    // Writing ID texts before any were read or opened does nothing.
    b.port.clearTrace();
    QVERIFY(b.clickAndWait("writeIdButton"));
    QVERIFY(b.port.writes().isEmpty());
    QVERIFY(b.dialogs.messages().isEmpty());

    b.get<QCheckBox>("range0")->setChecked(false);
    b.get<QCheckBox>("range1")->setChecked(true);
    b.get<QCheckBox>("range3")->setChecked(true);
    b.click("readIdButton");
    // While the transfer runs the six buttons and the ID "Ändern..." are off.
    QVERIFY(b.allEnabled(SixTransferButtons, false));
    QVERIFY(!b.enabled("editIdButton"));
    QVERIFY(b.window.transferRunning());
    QTRY_VERIFY_WITH_TIMEOUT(!b.window.transferRunning(), 20000);
    QVERIFY(b.allEnabled(SixTransferButtons, true));
    QVERIFY(b.enabled("editIdButton"));
    QCOMPARE(b.writesStartingWith("$RK"), 200);
    QCOMPARE(b.get<QProgressBar>("idProgress")->maximum(), 200);
    QCOMPARE(b.get<QProgressBar>("idProgress")->value(), 200);

    TextTree* tree = b.window.tree(TextKind::Ids);
    QCOMPARE(tree->topLevelItemCount(), 10);
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("Kennung 0-99"));
    QCOMPARE(tree->topLevelItem(9)->text(0), QStringLiteral("Kennung 900-999"));
    QCOMPARE(tree->topLevelItem(1)->childCount(), 100);
    QCOMPARE(tree->topLevelItem(3)->childCount(), 100);
    QCOMPARE(tree->topLevelItem(0)->childCount(), 0);
    QVERIFY(tree->topLevelItem(1)->font(0).bold());
    QVERIFY(!tree->topLevelItem(0)->font(0).bold());
    // Blanks come back as bullets, umlauts as Windows-1252 and show as such.
    QCOMPARE(tree->itemOf(142)->text(0),
             QStringLiteral("142: 1Wache\u2022über") + QString(14, QChar(0x2022)));
    QCOMPARE(b.window.store().idText(305).left(16), QByteArray("1Dreihundertf\xfcnf"));

    b.port.clearTrace();
    QVERIFY(b.clickAndWait("writeIdButton"));
    QCOMPARE(b.dialogs.texts(), QStringList{QStringLiteral("Kennungstexte programmiert.")});
    QVERIFY(b.dialogs.last().caption.isEmpty());
    QCOMPARE(b.writesStartingWith("$PK"), 201); // two ranges and the end command
    QCOMPARE(b.unit.idText(142), toUnitCodes("1" + padded("Wache \xfc"
                                                          "ber")));
    QVERIFY(b.allEnabled(SixTransferButtons, true));

    b.port.clearTrace();
    QVERIFY(b.clickAndWait("disconnectButton"));
    QCOMPARE(b.writesStartingWith("$PROGENDE\r"), 1);
    QVERIFY(!b.port.isOpen());
    QVERIFY(b.enabled("connectButton"));
    QVERIFY(!b.enabled("disconnectButton"));
    QVERIFY(b.allEnabled(SixTransferButtons, false));
}

void TekstorWindowTest::ownAndChannelTransfers()
{
    Bench b;
    b.unit.setChannelText(7, toUnitCodes("1" + padded("Kanal sieben")));
    QVERIFY(b.clickAndWait("connectButton"));
    const int lastOwn = b.unit.lastOwnTextIndex();
    QCOMPARE(b.window.store().lastOwnIndex(), lastOwn);

    b.window.setMode(TextKind::Own);
    auto* languages = b.get<QComboBox>("readLanguage");
    QCOMPARE(languages->count(), 7);
    QCOMPARE(languages->currentText(), QStringLiteral("Eigene Texte"));
    languages->setCurrentIndex(1); // English: "$RT1..."
    b.click("readOwnButton");
    QVERIFY(!b.enabled("editOwnButton"));
    QVERIFY(b.enabled("editIdButton") == false);
    QTRY_VERIFY_WITH_TIMEOUT(!b.window.transferRunning(), 20000);
    QVERIFY(b.enabled("editOwnButton"));
    QCOMPARE(b.writesStartingWith("$RT1"), lastOwn + 1);
    TextTree* own = b.window.tree(TextKind::Own);
    QCOMPARE(own->topLevelItemCount(), 1);
    QCOMPARE(own->topLevelItem(0)->text(0), QStringLiteral("Eigene Texte"));
    QCOMPARE(own->topLevelItem(0)->childCount(), lastOwn + 1);
    QCOMPARE(b.window.store().ownText(3), fromUnitCodes(b.unit.ownText('1', 3)));

    b.port.clearTrace();
    QVERIFY(b.clickAndWait("writeOwnButton"));
    QCOMPARE(b.dialogs.last().text, QStringLiteral("Eigene Texte programmiert."));
    // Programming always goes to the unit's own texts.
    QCOMPARE(b.writesStartingWith("$PT"), lastOwn + 2);
    QCOMPARE(b.unit.ownText('F', 3), b.unit.ownText('1', 3));

    b.window.setMode(TextKind::Channels);
    b.window.setLanguage(Language::English);
    QVERIFY(b.clickAndWait("readChannelButton"));
    TextTree* channels = b.window.tree(TextKind::Channels);
    QCOMPARE(channels->topLevelItem(0)->text(0), QStringLiteral("Channel texts"));
    QCOMPARE(channels->topLevelItem(0)->childCount(), 100);
    QCOMPARE(channels->itemOf(7)->text(0),
             QStringLiteral("007: 1Kanal\u2022sieben") + QString(12, QChar(0x2022)));
    QVERIFY(b.enabled("editChannelButton"));

    b.window.store().setChannelText(8, QByteArray("1") + QByteArray(24, 'k'));
    QVERIFY(b.clickAndWait("writeChannelButton"));
    QCOMPARE(b.dialogs.last().text, QStringLiteral("Channel texts programmed."));
    QCOMPARE(b.unit.channelText(8), QByteArray("1") + QByteArray(24, 'k'));
}

void TekstorWindowTest::connectFailures()
{
    {
        Bench b;
        b.port.setOpenFailure(platform::PortError::NotFound);
        QVERIFY(b.clickAndWait("connectButton"));
        QCOMPARE(b.dialogs.messages().size(), 1);
        QCOMPARE(b.dialogs.last().caption, QStringLiteral("Fehler"));
        QCOMPARE(b.dialogs.last().text, QStringLiteral("Fehler beim Initialisieren des gewählten Ports."));
        QCOMPARE(b.dialogs.last().icon, platform::MessageIcon::Stop);
        QVERIFY(b.enabled("connectButton"));
        QVERIFY(b.allEnabled(SixTransferButtons, false));
    }
    {
        sim::UnitOptions silent;
        silent.fault = sim::Fault::Silent;
        Bench b(silent);
        b.window.setLanguage(Language::English);
        QVERIFY(b.clickAndWait("connectButton"));
        QCOMPARE(b.dialogs.last().caption, QStringLiteral("Error while initialising port"));
        QCOMPARE(b.dialogs.last().text,
                 QStringLiteral("Please check if the Quarn is connected to the right COM port and PC "
                                "connection is enabled."));
        QVERIFY(!b.port.isOpen());
        QVERIFY(b.enabled("connectButton"));
        QVERIFY(!b.enabled("disconnectButton"));
        QVERIFY(b.allEnabled(SixTransferButtons, false));
    }
}

void TekstorWindowTest::noIdChecked()
{
    QTemporaryDir dir;
    Register texts;
    texts.setIdText(5, QByteArray("1") + QByteArray(24, 'f'));
    texts.resetChannelTexts();
    const QString ids = dir.filePath(QStringLiteral("k.q8kk"));
    const QString channels = dir.filePath(QStringLiteral("k.q8kc"));
    QCOMPARE(TextFiles::save(ids, TextKind::Ids, texts), FileOutcome::Ok);
    QCOMPARE(TextFiles::save(channels, TextKind::Channels, texts), FileOutcome::Ok);
    Bench b;
    QVERIFY(b.window.loadTextFile(TextKind::Ids, ids));
    QVERIFY(b.enabled("editIdButton"));
    b.click("editIdButton");
    QCOMPARE(b.dialogs.texts(), QStringList{QStringLiteral("Keine Kennung ausgewählt.")});
    QCOMPARE(b.dialogs.last().caption, QStringLiteral("Fehler"));
    QCOMPARE(b.dialogs.last().icon, platform::MessageIcon::Stop);

    b.window.setLanguage(Language::English);
    b.click("editIdButton");
    QCOMPARE(b.dialogs.last().text, QStringLiteral("No IDs have been chosen."));
    QCOMPARE(b.dialogs.last().caption, QStringLiteral("Error"));

    // Channels with nothing checked: nothing happens.
    b.window.setMode(TextKind::Channels);
    QVERIFY(b.window.loadTextFile(TextKind::Channels, channels));
    b.dialogs.clear();
    b.click("editChannelButton");
    QVERIFY(b.dialogs.messages().isEmpty());
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void TekstorWindowTest::rangeNodeChecksItsIds()
{
    Bench b;
    for (int id : {100, 142, 199, 250})
        b.window.store().setIdText(id, QByteArray("1") + QByteArray(24, 'r'));
    b.showStore(TextKind::Ids);
    TextTree* tree = b.window.tree(TextKind::Ids);
    QCOMPARE(tree->topLevelItem(1)->childCount(), 3);
    QCOMPARE(tree->topLevelItem(2)->childCount(), 1);
    QVERIFY(tree->topLevelItem(1)->font(0).bold());

    tree->itemOf(142)->setCheckState(0, Qt::Checked);
    QTreeWidgetItem* node = tree->topLevelItem(1);
    node->setCheckState(0, Qt::Checked); // the user ticks the node's box
    QCOMPARE(tree->checkedNumbers(), (QList<int>{100, 142, 199}));
    node->setCheckState(0, Qt::Unchecked);
    QVERIFY(tree->checkedNumbers().isEmpty());

    // Ticking a node only touches its own range.
    tree->itemOf(250)->setCheckState(0, Qt::Checked);
    node->setCheckState(0, Qt::Checked);
    QCOMPARE(tree->checkedNumbers(), (QList<int>{100, 142, 199, 250}));

    // The channel root does the same for all channels.
    b.window.setMode(TextKind::Channels);
    b.window.store().resetChannelTexts();
    b.showStore(TextKind::Channels);
    TextTree* channels = b.window.tree(TextKind::Channels);
    channels->topLevelItem(0)->setCheckState(0, Qt::Checked);
    QCOMPARE(channels->checkedNumbers().size(), 100);
    channels->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    QVERIFY(channels->checkedNumbers().isEmpty());
}

void TekstorWindowTest::editFromTreeRebuildsAndRechecks()
{
    Bench b;
    for (int id = 100; id < 200; ++id)
        b.window.store().setIdText(id, QByteArray("0") + QByteArray(24, 'a'));
    b.showStore(TextKind::Ids);
    TextTree* tree = b.window.tree(TextKind::Ids);
    tree->topLevelItem(1)->setCheckState(0, Qt::Checked);

    whenModal([](QDialog* dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("Kennung"));
        dialog->findChild<QComboBox*>(QStringLiteral("digitsToRetain"))->setCurrentIndex(3);
        typeTextAndOk(dialog, QStringLiteral("ABCDE") + QString(19, QLatin1Char(' ')));
    });
    b.click("editIdButton");
    QCOMPARE(b.window.store().idText(142), QByteArray("1ABCDE") + QByteArray(16, '\x95') + "142");
    // Rebuilt from the table: first edited item current, edited items checked again.
    QCOMPARE(tree->currentNumber(), 100);
    QCOMPARE(tree->checkedNumbers().size(), 100);
    QCOMPARE(tree->itemOf(142)->text(0),
             QStringLiteral("142: 1ABCDE") + QString(16, QChar(0x2022)) + QStringLiteral("142"));

    // Cancel changes nothing.
    const QByteArray before = b.window.store().idText(150);
    whenModal([](QDialog* dialog) { dialog->reject(); });
    b.click("editIdButton");
    QCOMPARE(b.window.store().idText(150), before);
}

void TekstorWindowTest::doubleClickEditsOneText()
{
    Bench b;
    b.window.setMode(TextKind::Own);
    b.showStore(TextKind::Own);
    TextTree* own = b.window.tree(TextKind::Own);
    QCOMPARE(own->topLevelItem(0)->childCount(), 101);
    QTreeWidgetItem* item = own->itemOf(7);
    own->scrollToItem(item);
    QCoreApplication::processEvents();
    const QRect rect = own->visualItemRect(item);
    QVERIFY(rect.isValid());

    bool opened = false;
    whenModal([&opened](QDialog* dialog) {
        opened = true;
        QCOMPARE(dialog->objectName(), QStringLiteral("TexteBearbeiten"));
        typeTextAndOk(dialog, QString(24, QLatin1Char('s')));
    });
    QTest::mouseClick(own->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(own->viewport(), Qt::LeftButton, {}, rect.center());
    QVERIFY(opened);
    QCOMPARE(b.window.store().ownText(7), QByteArray(24, 's') + "00000000");
    QCOMPARE(own->currentNumber(), 7);

    // The own "Ändern..." edits the selected own text.
    whenModal([](QDialog* dialog) { typeTextAndOk(dialog, QString(24, QLatin1Char('t'))); });
    b.click("editOwnButton");
    QCOMPARE(b.window.store().ownText(7), QByteArray(24, 't') + "00000000");

    // A double click on a root opens nothing.
    opened = false;
    whenModal([&opened](QDialog* dialog) {
        opened = true;
        dialog->reject();
    });
    own->scrollToTop();
    QCoreApplication::processEvents();
    const QPoint root = own->visualItemRect(own->topLevelItem(0)).center();
    QTest::mouseClick(own->viewport(), Qt::LeftButton, {}, root);
    QTest::mouseDClick(own->viewport(), Qt::LeftButton, {}, root);
    QCoreApplication::processEvents();
    QVERIFY(!opened);
}

void TekstorWindowTest::languageSwitchRelabelsEverything()
{
    Bench b;
    auto snapshot = [&b] {
        QStringList texts;
        for (auto* w : b.window.findChildren<QAbstractButton*>())
            texts << w->objectName() + "=" + w->text();
        for (auto* w : b.window.findChildren<QLabel*>())
            texts << w->text();
        for (auto* w : b.window.findChildren<QGroupBox*>())
            texts << w->objectName() + "=" + w->title();
        for (auto* w : b.window.findChildren<QMenu*>())
            texts << w->objectName() + "=" + w->title();
        for (auto* w : b.window.findChildren<QAction*>())
            texts << w->objectName() + "=" + w->text();
        auto* languages = b.get<QComboBox>("readLanguage");
        for (int i = 0; i < languages->count(); ++i)
            texts << languages->itemText(i);
        for (TextKind kind : PanelOrder) {
            const TextTree* tree = b.window.tree(kind);
            for (int i = 0; i < tree->topLevelItemCount(); ++i)
                texts << tree->objectName() + "=" + tree->topLevelItem(i)->text(0);
        }
        return texts;
    };
    b.window.store().setIdText(1, QByteArray("1") + QByteArray(24, 'x'));
    b.showStore(TextKind::Ids);
    for (TextKind kind : {TextKind::Own, TextKind::Channels})
        b.window.tree(kind)->rebuildFromTable(b.window.store(), Language::German);
    const QStringList german = snapshot();

    b.get<QAction>("englishAction")->trigger();
    QVERIFY(b.get<QAction>("englishAction")->isChecked());
    QVERIFY(!b.get<QAction>("germanAction")->isChecked());
    const QStringList english = snapshot();
    const QStringList expected{"connectButton=Connect",
                               "disconnectButton=Disconnect",
                               "readIdButton=Read ID texts",
                               "writeIdButton=Send ID texts",
                               "Range to\nread:",
                               "idGroup=Edit texts for ID-codes",
                               "ownGroup=Edit display texts",
                               "readOwnButton=Read texts",
                               "writeOwnButton=Send to \"own texts\"",
                               "Language to read from:",
                               "channelGroup=Edit channel texts",
                               "readChannelButton=Read channel texts",
                               "writeChannelButton=Send channel texts",
                               "editIdButton=Edit...",
                               "editOwnButton=Edit...",
                               "editChannelButton=Edit...",
                               "helpButton=Help...",
                               "connectionGroup=Connection",
                               "fileMenu=&File",
                               "openAction=&Open",
                               "saveAction=&Save",
                               "exitAction=E&xit",
                               "modeMenu=&Mode",
                               "modeIdAction=Edit &ID texts",
                               "modeChannelAction=Edit &channel texts",
                               "modeOwnAction=Edit &own texts",
                               "languageMenu=&Language",
                               "aboutAction=&About Tekstor...",
                               "idTree=ID codes 0-99",
                               "idTree=ID codes 900-999",
                               "ownTree=Own texts",
                               "channelTree=Channel texts",
                               "German",
                               "Czech",
                               "Own texts"};
    for (const QString& text : expected)
        QVERIFY2(english.contains(text), qPrintable(text));
    // What stays is what has no German or English: names and numbers.
    QCOMPARE(english.size(), german.size());
    QStringList unchanged;
    for (int i = 0; i < german.size(); ++i) {
        // Separators, the about menu's own action and Qt's menu-bar extension have no text.
        if (german[i] == english[i] && !german[i].endsWith(QLatin1Char('=')) && !german[i].startsWith("="))
            unchanged << german[i];
    }
    QStringList names{"Port:", "infoMenu=&?", "germanAction=&Deutsch", "englishAction=&English",
                      "range0=0-99"};
    for (int r = 1; r < 10; ++r)
        names << QStringLiteral("range%1=%1xx").arg(r);
    unchanged.sort();
    names.sort();
    QCOMPARE(unchanged, names);
    // The tree nodes change their language with the window; rebuilding keeps it.
    QCOMPARE(b.window.tree(TextKind::Ids)->topLevelItem(0)->text(0), QStringLiteral("ID codes 0-99"));
    b.showStore(TextKind::Ids);
    QCOMPARE(b.window.tree(TextKind::Ids)->topLevelItem(0)->text(0), QStringLiteral("ID codes 0-99"));

    b.get<QAction>("germanAction")->trigger();
    b.showStore(TextKind::Ids);
    QCOMPARE(snapshot(), german);
}

void TekstorWindowTest::modeMenuShowsOneGroup()
{
    Bench b;
    QCoreApplication::processEvents();
    const int height = b.window.height();
    auto* languages = b.get<QComboBox>("readLanguage");
    languages->setCurrentIndex(2);
    b.get<QAction>("modeOwnAction")->trigger();
    QVERIFY(b.get<QGroupBox>("ownGroup")->isVisible());
    QVERIFY(!b.get<QGroupBox>("idGroup")->isVisible());
    QVERIFY(b.get<QAction>("modeOwnAction")->isChecked());
    QCOMPARE(languages->currentText(), QStringLiteral("Eigene Texte"));
    QCOMPARE(languages->itemText(2), QStringLiteral("Französisch"));

    // A change of language keeps the chosen read language.
    languages->setCurrentIndex(3);
    b.window.setLanguage(Language::English);
    QCOMPARE(languages->currentText(), QStringLiteral("Dutch"));

    b.get<QAction>("modeChannelAction")->trigger();
    QVERIFY(b.get<QGroupBox>("channelGroup")->isVisible());
    QVERIFY(!b.get<QGroupBox>("ownGroup")->isVisible());
    QCOMPARE(b.window.mode(), TextKind::Channels);
    // Only one group is ever shown, so switching does not stretch the window.
    b.get<QAction>("modeOwnAction")->trigger();
    b.get<QAction>("modeIdAction")->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(b.window.height(), height);
}

void TekstorWindowTest::cancelledOpenLeavesTheWindow()
{
    // A cancelled "Öffnen" shows no default texts and enables nothing: the window stays.
    for (TextKind kind : {TextKind::Ids, TextKind::Own}) {
        Bench b;
        b.window.setMode(kind);
        b.window.store().setIdText(420, QByteArray("1") + QByteArray(24, 'w'));
        b.get<QAction>("openAction")->trigger();
        QCOMPARE(b.dialogs.fileRequests().size(), 1);
        QCOMPARE(b.window.tree(kind)->topLevelItemCount(), 0);
        QVERIFY(!b.enabled(kind == TextKind::Ids ? "editIdButton" : "editOwnButton"));
        QVERIFY(b.dialogs.messages().isEmpty());
    }
    Bench b;
    b.get<QAction>("openAction")->trigger();
    QCOMPARE(b.dialogs.fileRequests().last().filter, QStringLiteral("Kennungstexte (*.q8kk)"));
    QCOMPARE(b.dialogs.fileRequests().last().defaultSuffix, QStringLiteral("q8kk"));
}

void TekstorWindowTest::openLoadsTheFileOfTheMode()
{
    QTemporaryDir dir;
    Register source;
    source.resetChannelTexts();
    source.setChannelText(12, QByteArray("1Gro\xdf"
                                         "er\x95Kanal") +
                                  QByteArray(14, '$'));
    const QString path = dir.filePath(QStringLiteral("kanal.q8kc"));
    QCOMPARE(TextFiles::save(path, TextKind::Channels, source), FileOutcome::Ok);

    Bench b;
    b.window.setLanguage(Language::English);
    b.window.setMode(TextKind::Channels);
    b.dialogs.setNextFileName(path);
    b.get<QAction>("openAction")->trigger();
    QCOMPARE(b.dialogs.fileRequests().last().filter, QStringLiteral("Channel texts (*.q8kc)"));
    QCOMPARE(b.window.store().channelText(12), source.channelText(12));
    TextTree* tree = b.window.tree(TextKind::Channels);
    QCOMPARE(tree->topLevelItem(0)->childCount(), 100);
    QVERIFY(tree->topLevelItem(0)->isExpanded());
    QCOMPARE(tree->itemOf(12)->text(0),
             QStringLiteral("012: 1Großer\u2022Kanal") + QString(14, QLatin1Char('$')));
    QVERIFY(b.enabled("editChannelButton"));

    // A file that cannot be read is reported; the tree still shows the table.
    b.dialogs.setNextFileName(dir.filePath(QStringLiteral("missing.q8kc")));
    b.get<QAction>("openAction")->trigger();
    QCOMPARE(b.dialogs.last().text, QStringLiteral("File could not be read."));
    QCOMPARE(b.window.store().channelText(12), source.channelText(12));

    b.window.setMode(TextKind::Own);
    b.get<QAction>("openAction")->trigger();
    QCOMPARE(b.dialogs.fileRequests().last().filter, QStringLiteral("Own texts (*.q8kt)"));
    QCOMPARE(b.dialogs.fileRequests().last().defaultSuffix, QStringLiteral("q8kt"));
}

void TekstorWindowTest::saveShowsThePathInEnglishToo()
{
    QTemporaryDir dir;
    Bench b;
    b.window.setLanguage(Language::English);
    b.window.store().setIdText(3, QByteArray("1") + QByteArray(24, 'z'));
    const QString path = dir.filePath(QStringLiteral("ids.q8kk"));
    b.dialogs.setNextFileName(path);
    b.get<QAction>("saveAction")->trigger();
    QCOMPARE(b.dialogs.texts(),
             QStringList{QStringLiteral("gespeichert in: ") + QDir::toNativeSeparators(path)});
    QVERIFY(b.dialogs.last().caption.isEmpty());
    QCOMPARE(b.dialogs.fileRequests().last().filter, QStringLiteral("ID texts (*.q8kk)"));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 1001); // 1000 lines ended by CR LF
    QCOMPARE(lines[3], QByteArray("1") + QByteArray(24, 'z') + "\r");

    // Cancelled: no box, no file.
    b.dialogs.clear();
    b.get<QAction>("saveAction")->trigger();
    QVERIFY(b.dialogs.messages().isEmpty());

    // A file that cannot be written is not passed off as saved.
    b.dialogs.setNextFileName(dir.filePath(QStringLiteral("no/such/dir/ids.q8kk")));
    b.get<QAction>("saveAction")->trigger();
    QCOMPARE(b.dialogs.messages().size(), 2);
    QCOMPARE(b.dialogs.last().caption, QStringLiteral("Error"));
}

void TekstorWindowTest::helpAndAbout()
{
    Bench b;
    b.click("helpButton");
    QCOMPARE(b.dialogs.last().caption, QStringLiteral("Hilfe: Tekstor"));
    QVERIFY(b.dialogs.last().text.startsWith(QStringLiteral("Über das Auswahl-Menü wird entschieden")));
    QVERIFY(b.dialogs.last().text.endsWith(QStringLiteral("ausgewählt werden (->Quarn7k8k.exe).")));
    b.window.setLanguage(Language::English);
    b.click("helpButton");
    QCOMPARE(b.dialogs.last().caption, QStringLiteral("Help: Tekstor"));
    QVERIFY(b.dialogs.last().text.startsWith(QStringLiteral("In the menu \"Mode\" you can choose")));

    b.get<QAction>("aboutAction")->trigger();
    QCOMPARE(b.dialogs.last().caption, QStringLiteral("Info"));
    QCOMPARE(b.dialogs.last().text, QStringLiteral("Quarn 7k/8k Tekstor Version 1.11"));
}

void TekstorWindowTest::writeNamesWhatChangesAndReadsAreKept()
{
    Bench b;
    const QString root = b.files.filePath(QStringLiteral("history"));
    b.window.setHistoryRoot(root);
    QVERIFY(b.clickAndWait("connectButton"));
    QVERIFY(b.clickAndWait("readChannelButton"));
    QCOMPARE(QDir(root).entryList(QDir::Files).filter(QStringLiteral("_Quarn-Kanaltexte.q8kc")).size(), 1);
    QVERIFY(b.dialogs.messages().isEmpty());

    // Two channel texts edited: the question names them; No sends nothing.
    for (int channel : {7, 3})
        b.window.store().setChannelText(channel, "1" + padded("Neu"));
    b.port.clearTrace();
    b.dialogs.setNextAnswer(platform::Answer::No);
    QVERIFY(b.clickAndWait("writeChannelButton"));
    QCOMPARE(b.dialogs.texts(),
             QStringList{QStringLiteral("Im Quarn ändern sich 2 Kanaltexte gegenüber dem zuletzt gelesenen "
                                        "Stand: Nr. 3, 7. Jetzt schreiben?")});
    QCOMPARE(b.writesStartingWith("$PC"), 0);
    // Yes writes; then the unit holds them and the next write asks nothing.
    b.dialogs.clear();
    QVERIFY(b.clickAndWait("writeChannelButton"));
    QVERIFY(b.writesStartingWith("$PC") > 0);
    b.dialogs.clear();
    QVERIFY(b.clickAndWait("writeChannelButton"));
    QCOMPARE(b.dialogs.messages().size(), 1); // the confirmation only

    // A history that cannot be written: the read stands, one warning says so.
    QVERIFY(QDir(root).removeRecursively());
    QVERIFY(QFile(root).open(QIODevice::WriteOnly));
    b.dialogs.clear();
    QVERIFY(b.clickAndWait("readChannelButton"));
    QCOMPARE(b.dialogs.texts(),
             QStringList{QStringLiteral("Der Verlauf konnte nicht geschrieben werden: %1").arg(root)});
    QVERIFY(!b.window.modified(TextKind::Channels));
}

QTEST_MAIN(TekstorWindowTest)
// --- what a technician found: nothing lost, nothing silently dropped ---

void TekstorWindowTest::failedSendIsAnError_data()
{
    QTest::addColumn<bool>("portGone");
    QTest::addColumn<QString>("german");
    QTest::newRow("a text too long to send")
        << false << QStringLiteral("Die Texte konnten nicht vollständig gesendet werden.");
    QTest::newRow("the port went away")
        << true << QStringLiteral("Fehler beim Initialisieren des gewählten Ports.");
}

void TekstorWindowTest::failedSendIsAnError()
{
    QFETCH(bool, portGone);
    QFETCH(QString, german);
    Bench b;
    QVERIFY(b.clickAndWait("connectButton"));
    QVERIFY(b.clickAndWait("readChannelButton"));
    if (portGone)
        b.port.close();
    else
        b.window.store().setChannelText(3, QByteArray(120, 'x'));

    QVERIFY(b.clickAndWait("writeChannelButton"));
    // The changed text is named before it goes (and answered with Yes).
    QCOMPARE(b.dialogs.texts().size(), portGone ? 1 : 2);
    QCOMPARE(b.dialogs.texts().constLast(), german);
    QCOMPARE(b.dialogs.last().caption, QStringLiteral("Fehler"));
    QCOMPARE(b.dialogs.last().icon, platform::MessageIcon::Stop);
    // A port that went away leaves the window disconnected.
    QCOMPARE(b.enabled("connectButton"), portGone);
    if (portGone)
        return;

    b.dialogs.clear();
    b.window.setLanguage(Language::English);
    QVERIFY(b.clickAndWait("writeChannelButton"));
    QCOMPARE(
        b.dialogs.texts(),
        (QStringList{
            QStringLiteral("1 channel text in the Quarn changes from what was last read: no. 3. Write now?"),
            QStringLiteral("The texts could not be sent completely.")}));
    QCOMPARE(b.dialogs.last().caption, QStringLiteral("Error"));
}

void TekstorWindowTest::disconnectWaitsForTheTransfer()
{
    Bench b;
    QVERIFY(b.clickAndWait("connectButton"));
    QVERIFY(b.clickAndWait("readChannelButton"));

    // One rule for every command that talks to the unit: off while an exchange runs.
    b.click("writeChannelButton");
    QVERIFY(b.window.transferRunning());
    QVERIFY(!b.enabled("disconnectButton"));
    QVERIFY(!b.enabled("connectButton"));
    QVERIFY(b.allEnabled(SixTransferButtons, false));
    b.click("disconnectButton"); // a disabled button: nothing happens
    QTRY_VERIFY_WITH_TIMEOUT(!b.window.transferRunning(), 20000);
    QCOMPARE(b.dialogs.texts(), QStringList{QStringLiteral("Kanaltexte programmiert.")});
    QCOMPARE(b.writesStartingWith("$PROGENDE"), 0);
    QVERIFY(b.allEnabled(SixTransferButtons, true));
    QVERIFY(b.enabled("disconnectButton"));

    // The buttons end in the state of the last exchange that finished.
    QVERIFY(b.clickAndWait("disconnectButton"));
    QVERIFY(b.allEnabled(SixTransferButtons, false));
    QVERIFY(b.enabled("connectButton"));
    QVERIFY(!b.enabled("disconnectButton"));
}

void TekstorWindowTest::ownSelectionStaysInsideTheTable()
{
    QTemporaryDir dir;
    Register few;
    few.setLastOwnIndex(9);
    for (int i = 0; i <= 9; ++i)
        few.setOwnText(i, QByteArray(24, char('a' + i)) + "00000000");
    const QString path = dir.filePath(QStringLiteral("wenige.q8kt"));
    QCOMPARE(TextFiles::save(path, TextKind::Own, few), FileOutcome::Ok);

    const QString many = dir.filePath(QStringLiteral("viele.q8kt"));
    QCOMPARE(TextFiles::save(many, TextKind::Own, Register()), FileOutcome::Ok); // texts 0..100

    Bench b;
    b.window.setMode(TextKind::Own);
    b.dialogs.setNextFileName(many);
    b.get<QAction>("openAction")->trigger();
    TextTree* own = b.window.tree(TextKind::Own);
    own->selectNumber(50);
    QCOMPARE(own->currentNumber(), 50);
    const QByteArray fifty = b.window.store().ownText(50);

    b.dialogs.setNextFileName(path);
    b.get<QAction>("openAction")->trigger();
    QCOMPARE(b.window.store().ownTextCount(), 10);
    QCOMPARE(own->topLevelItem(0)->childCount(), 10);

    whenModal([](QDialog* dialog) { typeTextAndOk(dialog, QString(24, QLatin1Char('q'))); });
    b.click("editOwnButton");
    // The edit landed on a text of the list, which the tree shows and a file would save.
    QCOMPARE(b.window.store().ownText(50), fifty);
    int edited = -1;
    for (int i = 0; i < b.window.store().ownTextCount(); ++i) {
        if (b.window.store().ownText(i).startsWith(QByteArray(24, 'q')))
            edited = i;
    }
    QVERIFY(edited >= 0);
    QVERIFY(own->itemOf(edited));
}

void TekstorWindowTest::writingUnreadTextsAsksFirst_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("command");
    QTest::newRow("channel texts") << QStringLiteral("Channel") << QByteArray("$PC");
    QTest::newRow("own texts") << QStringLiteral("Own") << QByteArray("$PT");
}

void TekstorWindowTest::writingUnreadTextsAsksFirst()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, command);
    const QString question = QStringLiteral(
        "Die Texte wurden weder vom Quarn gelesen noch aus einer Datei geladen. Sollen die Texte im Quarn "
        "trotzdem überschrieben werden?");
    Bench b;
    QVERIFY(b.clickAndWait("connectButton"));

    // No: nothing goes to the unit.
    b.dialogs.setNextAnswer(platform::Answer::No);
    QVERIFY(b.clickAndWait(QStringLiteral("write%1Button").arg(kind)));
    QCOMPARE(b.dialogs.texts(), QStringList{question});
    QCOMPARE(b.dialogs.last().buttons, platform::MessageButtons::YesNo);
    QCOMPARE(b.writesStartingWith(command), 0);
    QVERIFY(b.allEnabled(SixTransferButtons, true));

    // English, and Yes: written.
    b.dialogs.clear();
    b.window.setLanguage(Language::English);
    b.dialogs.setNextAnswer(platform::Answer::Yes);
    QVERIFY(b.clickAndWait(QStringLiteral("write%1Button").arg(kind)));
    QCOMPARE(
        b.dialogs.messages().first().text,
        QStringLiteral("The texts were neither read from the Quarn nor loaded from a file. Overwrite the "
                       "texts in the Quarn anyway?"));
    QVERIFY(b.writesStartingWith(command) > 0);

    // After a read of that kind no question.
    QVERIFY(b.clickAndWait(QStringLiteral("read%1Button").arg(kind)));
    b.dialogs.clear();
    QVERIFY(b.clickAndWait(QStringLiteral("write%1Button").arg(kind)));
    QCOMPARE(b.dialogs.messages().size(), 1); // the confirmation only
    QVERIFY(b.dialogs.last().text.endsWith(QStringLiteral("programmed.")));
}

void TekstorWindowTest::failedReadKeepsTheTable_data()
{
    // The connect takes two commands and one reply; the first channel read 100 of each.
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("caption");
    QTest::newRow("stray byte before one reply")
        << QStringLiteral("stray=150")
        << QStringLiteral(
               "Die Antwort des Quarns war gestört: 1 von 100 Texten konnten nicht gelesen werden. "
               "Die Tabelle bleibt unverändert.")
        << QStringLiteral("Fehler");
    QTest::newRow("one reply lost")
        << QStringLiteral("drop=120")
        << QStringLiteral(
               "Die Antwort des Quarns war gestört: 1 von 100 Texten konnten nicht gelesen werden. "
               "Die Tabelle bleibt unverändert.")
        << QStringLiteral("Fehler");
    QTest::newRow("noise, never a reply")
        << QStringLiteral("babble=102")
        << QStringLiteral("Die Antwort des Quarns war gestört: 100 von 100 Texten konnten nicht gelesen "
                          "werden. Die Tabelle bleibt unverändert.")
        << QStringLiteral("Fehler");
    QTest::newRow("port gone") << QStringLiteral("hangup=103")
                               << QStringLiteral("Fehler beim Initialisieren des gewählten Ports.")
                               << QStringLiteral("Fehler");
}

void TekstorWindowTest::failedReadKeepsTheTable()
{
    QFETCH(QString, fault);
    QFETCH(QString, german);
    QFETCH(QString, caption);
    sim::UnitOptions options;
    QVERIFY(sim::parseFault(fault, options));
    Bench b(options);
    b.unit.setChannelText(7, toUnitCodes("1" + padded("Kanal sieben")));
    QVERIFY(b.clickAndWait("connectButton"));
    QVERIFY(b.clickAndWait("readChannelButton"));
    QVERIFY(b.dialogs.messages().isEmpty());
    const QByteArray seven = b.window.store().channelText(7);
    QVERIFY(seven.contains("Kanal"));
    b.window.store().setChannelText(9, QByteArray("1") + QByteArray(24, 'n'));

    QVERIFY(b.clickAndWait("readChannelButton"));
    QCOMPARE(b.dialogs.texts(), QStringList{german});
    QCOMPARE(b.dialogs.last().caption, caption);
    QCOMPARE(b.dialogs.last().icon, platform::MessageIcon::Stop);
    QCOMPARE(b.window.store().channelText(7), seven);
    QCOMPARE(b.window.store().channelText(9), QByteArray("1") + QByteArray(24, 'n'));
    QCOMPARE(b.window.tree(TextKind::Channels)->topLevelItem(0)->childCount(), 100);
    QVERIFY(b.enabled("editChannelButton"));
}

void TekstorWindowTest::idReadChangesOnlyItsRanges()
{
    Bench b;
    QVERIFY(b.clickAndWait("connectButton"));
    // No range checked: refused, nothing sent.
    b.get<QCheckBox>("range0")->setChecked(false);
    QVERIFY(b.clickAndWait("readIdButton"));
    QCOMPARE(b.dialogs.texts(), QStringList{QStringLiteral("Bitte mindestens einen Bereich auswählen.")});
    QCOMPARE(b.writesStartingWith("$RK"), 0);
    b.dialogs.clear();
    b.window.setLanguage(Language::English);
    QVERIFY(b.clickAndWait("readIdButton"));
    QCOMPARE(b.dialogs.texts(), QStringList{QStringLiteral("Select at least one range.")});
    b.window.setLanguage(Language::German);

    // A file with texts in ranges 0 and 5; a read of range 0 leaves range 5 and its items.
    QTemporaryDir dir;
    Register texts;
    texts.setIdText(5, "1" + padded("aus Datei fuenf"));
    texts.setIdText(512, "1" + padded("aus Datei 512"));
    const QString path = dir.filePath(QStringLiteral("k.q8kk"));
    QCOMPARE(TextFiles::save(path, TextKind::Ids, texts), FileOutcome::Ok);
    b.dialogs.setNextFileName(path);
    b.get<QAction>("openAction")->trigger();
    b.get<QCheckBox>("range0")->setChecked(true);
    b.dialogs.clear();
    QVERIFY(b.clickAndWait("readIdButton"));
    QVERIFY(b.dialogs.messages().isEmpty());
    QCOMPARE(b.writesStartingWith("$RK"), 100);
    QCOMPARE(b.window.store().idText(512), "1" + padded("aus Datei 512"));
    QVERIFY(b.window.store().idText(5) != "1" + padded("aus Datei fuenf"));
    TextTree* tree = b.window.tree(TextKind::Ids);
    QCOMPARE(tree->topLevelItem(0)->childCount(), 100);
    QCOMPARE(tree->topLevelItem(5)->childCount(), 1);
    QCOMPARE(tree->rangesWithItems(), (QList<int>{0, 5}));
}

void TekstorWindowTest::writeWithNothingToSendSaysSo()
{
    // An ID file without one defined text: the tree has its ranges but no items.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("leer.q8kk"));
    QCOMPARE(TextFiles::save(path, TextKind::Ids, Register()), FileOutcome::Ok);
    Bench b;
    QVERIFY(b.clickAndWait("connectButton"));
    b.dialogs.setNextFileName(path);
    b.get<QAction>("openAction")->trigger();
    QVERIFY(b.clickAndWait("writeIdButton"));
    QCOMPARE(b.dialogs.texts(), QStringList{QStringLiteral("Es wurden keine Texte gesendet.")});
    QCOMPARE(b.writesStartingWith("$PK"), 0);
    b.dialogs.clear();
    b.window.setLanguage(Language::English);
    QVERIFY(b.clickAndWait("writeIdButton"));
    QCOMPARE(b.dialogs.texts(), QStringList{QStringLiteral("No texts were sent.")});
}

void TekstorWindowTest::connectRebuildsOwnTreeToTheUnitsCount()
{
    QTemporaryDir dir;
    Register few;
    few.setLastOwnIndex(9);
    const QString path = dir.filePath(QStringLiteral("wenige.q8kt"));
    QCOMPARE(TextFiles::save(path, TextKind::Own, few), FileOutcome::Ok);
    Bench b;
    b.window.setMode(TextKind::Own);
    b.dialogs.setNextFileName(path);
    b.get<QAction>("openAction")->trigger();
    TextTree* own = b.window.tree(TextKind::Own);
    QCOMPARE(own->topLevelItem(0)->childCount(), 10);
    QVERIFY(b.clickAndWait("connectButton"));
    const int count = b.unit.lastOwnTextIndex() + 1;
    QCOMPARE(b.window.store().ownTextCount(), count);
    QCOMPARE(own->topLevelItem(0)->childCount(), count);
    // Every item stands for a text of the table: the last one edits that text.
    own->selectNumber(count - 1);
    whenModal([](QDialog* dialog) { typeTextAndOk(dialog, QString(24, QLatin1Char('z'))); });
    b.click("editOwnButton");
    QVERIFY(b.window.store().ownText(count - 1).startsWith(QByteArray(24, 'z')));
    QVERIFY(own->itemOf(count - 1)->text(0).contains(QString(24, QLatin1Char('z'))));
}

void TekstorWindowTest::unsavedEditsAreAskedFor_data()
{
    QTest::addColumn<QString>("action"); // what comes after an edit not saved
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("english");
    QTest::newRow("read") << QStringLiteral("readChannelButton")
                          << QStringLiteral(
                                 "Die Texte wurden geändert und nicht gespeichert. Beim Lesen gehen "
                                 "diese Änderungen verloren. Trotzdem lesen?")
                          << QStringLiteral("The texts were changed and not saved. Reading discards these "
                                            "changes. Read anyway?");
    QTest::newRow("open") << QStringLiteral("openAction")
                          << QStringLiteral("Die Texte wurden geändert und nicht gespeichert. Beim Öffnen "
                                            "gehen diese Änderungen verloren. Trotzdem öffnen?")
                          << QStringLiteral("The texts were changed and not saved. Opening discards these "
                                            "changes. Open anyway?");
    QTest::newRow("close") << QStringLiteral("exitAction")
                           << QStringLiteral(
                                  "Die Texte wurden geändert und nicht gespeichert. Wollen Sie die "
                                  "Texte vor dem Schließen der Anwendung speichern?")
                           << QStringLiteral("The texts were changed and not saved. Do you want to save the "
                                             "texts before closing the application?");
}

void TekstorWindowTest::unsavedEditsAreAskedFor()
{
    QFETCH(QString, action);
    QFETCH(QString, german);
    QFETCH(QString, english);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("k.q8kc"));
    Register texts;
    texts.resetChannelTexts();
    QCOMPARE(TextFiles::save(file, TextKind::Channels, texts), FileOutcome::Ok);

    Bench b;
    QVERIFY(b.clickAndWait("connectButton"));
    b.window.setMode(TextKind::Channels);
    QVERIFY(b.clickAndWait("readChannelButton"));
    QVERIFY(!b.window.modified(TextKind::Channels));
    b.window.tree(TextKind::Channels)->checkNumbers({4});
    whenModal([](QDialog* dialog) { typeTextAndOk(dialog, QString(24, QLatin1Char('e'))); });
    b.click("editChannelButton");
    QVERIFY(b.window.modified(TextKind::Channels));
    const QByteArray edited = b.window.store().channelText(4);
    const int reads = b.writesStartingWith("$RC");

    auto run = [&] {
        if (action.endsWith(QLatin1String("Action")))
            b.get<QAction>(action)->trigger();
        else
            QVERIFY(b.clickAndWait(action));
    };
    // No: the edit stays, nothing is read, opened or closed.
    for (Language language : {Language::German, Language::English}) {
        b.window.setLanguage(language);
        b.dialogs.clear();
        b.dialogs.setNextAnswer(platform::Answer::No);
        b.dialogs.setNextFileName(file);
        run();
        QVERIFY(!b.dialogs.messages().isEmpty());
        QCOMPARE(b.dialogs.messages().first().text, language == Language::German ? german : english);
        if (action == QLatin1String("exitAction")) {
            // No to saving closes without saving.
            QVERIFY(!b.window.isVisible());
            return;
        }
        QCOMPARE(b.dialogs.messages().first().caption,
                 language == Language::German ? QStringLiteral("Warnhinweis!") : QStringLiteral("Warning!"));
        QCOMPARE(b.window.store().channelText(4), edited);
        QCOMPARE(b.writesStartingWith("$RC"), reads);
        QVERIFY(b.window.modified(TextKind::Channels));
    }
}

void TekstorWindowTest::closeDuringTransferStopsThenCloses()
{
    Bench b;
    QVERIFY(b.clickAndWait("connectButton"));
    QVERIFY(b.clickAndWait("readChannelButton"));
    b.click("writeChannelButton");
    QVERIFY(b.window.transferRunning());

    // No: the transfer goes on.
    b.dialogs.setNextAnswer(platform::Answer::No);
    b.window.reject();
    QCOMPARE(b.dialogs.texts(), QStringList{QStringLiteral(
                                    "Eine Übertragung zum Quarn läuft noch. Wird das Programm jetzt beendet, "
                                    "ist der Quarn möglicherweise nur teilweise programmiert. Trotzdem "
                                    "beenden?")});
    QVERIFY(b.window.isVisible());

    // Yes: stopped at the next text, the line ended cleanly, then the window closes.
    b.dialogs.clear();
    b.dialogs.setNextAnswer(platform::Answer::Yes);
    b.window.reject();
    QVERIFY(b.window.isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!b.window.transferRunning(), 20000);
    QVERIFY(!b.window.isVisible());
    QCOMPARE(b.port.writes().last().bytes, QByteArray("$PC\r"));
    QCOMPARE(b.dialogs.messages().size(), 1); // no "programmed" after the question
}

#include "tst_tekstorwindow.moc"
