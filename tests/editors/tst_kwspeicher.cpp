// The short-dial memory dialog driven through its real controls against the in-process
// simulated unit on virtual time: what it sends, the files it saves and reads, the states
// of its controls while a transfer runs, and every failure the user is told about.
#include "config/editors/telephone/KWSpeicher.h"
#include "config/register/Register.h"
#include "platform/UserDialogs.h"
#include "sim/SimulatedPort.h"
#include "sim/UnitModel.h"
#include "tests/support/EditorTestSupport.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <atomic>
#include <memory>

using editortest::child;
using editortest::click;
using quarn::KWSpeicher;

namespace {

// The simulated unit's port, whose writes can be made to fail as when the cable is pulled.
class CuttablePort final : public platform::BytePort {
public:
    CuttablePort(sim::UnitModel& unit, platform::VirtualClock& clock) : m_inner(unit, clock) {}

    // The write after `writes` more successful writes, and every one after it, fails.
    void cutAfter(int writes) { m_left = writes; }
    sim::SimulatedPort& inner() { return m_inner; }

    bool open(const QString& name) override { return m_inner.open(name); }
    void close() override { m_inner.close(); }
    bool isOpen() const override { return m_inner.isOpen(); }
    bool write(const QByteArray& bytes) override
    {
        if (m_left >= 0 && m_left-- == 0) {
            m_left = 0;
            return false;
        }
        return m_inner.write(bytes);
    }
    std::optional<char> readByte() override { return m_inner.readByte(); }
    QByteArray readAvailable(int waitMs) override { return m_inner.readAvailable(waitMs); }
    void setReadTimeout(int ms) override { m_inner.setReadTimeout(ms); }
    platform::PortError lastError() const override { return m_inner.lastError(); }
    QString lastErrorDetail() const override { return m_inner.lastErrorDetail(); }

private:
    sim::SimulatedPort m_inner;
    std::atomic_int m_left{-1};
};

// The dialog as the main window opens it, on a unit with telephone interface.
struct Rig {
    explicit Rig(sim::UnitOptions options = {}) : unit(options), port(unit, clock)
    {
        image.telephoneInterface = true;
        dialog = std::make_unique<KWSpeicher>(&image, nullptr);
        dialog->attach({&port, &clock, QStringLiteral("/dev/ttyS0")});
    }

    // Shows the dialog and waits for its opening exchange.
    bool open()
    {
        QSignalSpy finished(dialog.get(), &KWSpeicher::transferFinished);
        dialog->show();
        return finished.wait(10000);
    }
    // Clicks a transfer button; true once the transfer has ended.
    bool transfer(const char* button)
    {
        QSignalSpy finished(dialog.get(), &KWSpeicher::transferFinished);
        click(dialog.get(), button);
        wasBusy = controlStates();
        return !finished.isEmpty() || finished.wait(10000);
    }

    // Enabled (E) or disabled (D): read, write, help, "Zurück", the ten range boxes.
    QString controlStates() const
    {
        QString out;
        for (const char* name : {"readButton", "writeButton", "helpButton", "cancelButton"})
            out += child(dialog.get(), name)->isEnabled() ? u'E' : u'D';
        out += u' ';
        for (int b = 0; b < KWSpeicher::RangeCount; ++b)
            out +=
                child(dialog.get(), qPrintable(QStringLiteral("range%1").arg(b)))->isEnabled() ? u'E' : u'D';
        return out;
    }
    QString status(const char* name) const { return child<QLabel>(dialog.get(), name)->text(); }
    QList<QByteArray> unitCommands() const { return unit.commandsReceived(); }

    platform::ScriptedUserDialogs boxes;
    sim::UnitModel unit;
    platform::VirtualClock clock;
    CuttablePort port;
    quarn::Register image;
    std::unique_ptr<KWSpeicher> dialog;
    QString wasBusy; // the control states right after the click
};

const QString Idle = QStringLiteral("EEEE EEEEEEEEEE");
const QString Busy = QStringLiteral("DDDD DDDDDDDDDD");

// The unit's lines of a range as it lists them: "WP" nnn ":" and the digits padded with '.'.
QByteArray listed(const sim::UnitModel& unit, int range)
{
    QByteArray out;
    for (int n = 100 * range; n < 100 * range + 100; ++n) {
        const QByteArray entry = unit.shortDialEntry(n);
        out += "WP" + QByteArray::number(n).rightJustified(3, '0') + ':' + entry +
               QByteArray(16 - entry.size(), '.') + '\r';
    }
    return out;
}

QByteArray utf16le(const QByteArray& latin1)
{
    QByteArray out;
    for (char c : latin1)
        out += QByteArray(1, c) + QByteArray(1, '\0');
    return out;
}

QByteArray fileContent(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

const QString PortFailed = QStringLiteral("Port konnte nicht initialisiert werden!");

} // namespace

class TestKWSpeicher : public QObject {
    Q_OBJECT

private slots:
    void controlsAndTexts()
    {
        Rig rig;
        KWSpeicher& d = *rig.dialog;
        QCOMPARE(d.windowTitle(), QStringLiteral("Kurzwahlspeicher"));
        QStringList groups;
        for (const QGroupBox* g : d.findChildren<QGroupBox*>())
            groups << g->title();
        QCOMPARE(groups,
                 QStringList({QStringLiteral("Auslesen von Telefoninterface (Speicherbereich(e) auswählen)"),
                              QStringLiteral("Zurückschreiben zum Telefoninterface")}));
        QCOMPARE(child<QPushButton>(&d, "readButton")->text(), QStringLiteral("Kurzwahlspeicher -> Datei"));
        QCOMPARE(child<QPushButton>(&d, "writeButton")->text(), QStringLiteral("Datei -> Kurzwahlspeicher"));
        QCOMPARE(child<QPushButton>(&d, "helpButton")->text(), QStringLiteral("Hilfe..."));
        QCOMPARE(child<QPushButton>(&d, "cancelButton")->text(), QStringLiteral("Zurück"));
        QVERIFY(child<QPushButton>(&d, "cancelButton")->isDefault());
        QVERIFY(!child<QPushButton>(&d, "okButton")->isVisibleTo(&d));

        QVERIFY(rig.open());
        // Two rows of five; only the first range is checked.
        for (int b = 0; b < KWSpeicher::RangeCount; ++b) {
            const auto* box = child<QCheckBox>(&d, qPrintable(QStringLiteral("range%1").arg(b)));
            QCOMPARE(box->text(), QString::asprintf("%03d-%03d", 100 * b, 100 * b + 99));
            QCOMPARE(box->isChecked(), b == 0);
            const auto* above = child<QCheckBox>(&d, qPrintable(QStringLiteral("range%1").arg(b % 5)));
            QCOMPARE(box->y() > above->y(), b >= 5);
            if (b % 5)
                QVERIFY(box->x() > child(&d, qPrintable(QStringLiteral("range%1").arg(b - 1)))->x());
        }

        rig.boxes.clear();
        click(&d, "helpButton");
        QCOMPARE(rig.boxes.messages().size(), 1);
        QCOMPARE(rig.boxes.last().caption, QStringLiteral("Hilfe: Kurzwahlspeicher"));
        QCOMPARE(rig.boxes.last().icon, platform::MessageIcon::Information);
        for (const char* said : {".txt", "Texteditor", "16 Zeichen", "Doppelpunkt",
                                 "\"WP001:081512345.......\"", "zurückgeschrieben"})
            QVERIFY2(rig.boxes.last().text.contains(QString::fromUtf8(said)), said);

        click(&d, "cancelButton");
        QVERIFY(!d.isVisible());
    }

    void shortenedPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("shown");
        const QString fifty = QStringLiteral("/home/techniker/quarn/kurzwahl/") + QString(15, u'a') + ".txt";
        QTest::newRow("50 characters stay whole") << fifty << fifty;
        QTest::newRow("slash") << QStringLiteral(
                                      "/home/techniker/archiv/kunden/2026/mueller/kurzwahl-0-199.txt")
                               << QStringLiteral("/home/techniker/archiv/kunden/2.../kurzwahl-0-199.txt");
        QTest::newRow("backslash")
            << QStringLiteral("C:\\Dokumente\\Techniker\\Kunden\\Mueller\\Quarn\\kurzwahl.txt")
            << QStringLiteral("C:\\Dokumente\\Techniker\\Kunden\\Mueller...\\kurzwahl.txt");
        QTest::newRow("name longer than the allowance")
            << QStringLiteral("/tmp/") + QString(60, u'k') + ".txt"
            << QStringLiteral(".../") + QString(60, u'k') + ".txt";
        QTest::newRow("no separator") << QString(60, u'k') << QString(60, u'k');
    }
    void shortenedPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, shown);
        QCOMPARE(KWSpeicher::shortenedPath(path), shown);
    }

    void openingLeavesPcMode()
    {
        Rig rig;
        rig.dialog->show();
        QCOMPARE(rig.controlStates(), Busy); // until the opening has ended
        rig.dialog->reject();
        QVERIFY(rig.dialog->isVisible());
        QSignalSpy finished(rig.dialog.get(), &KWSpeicher::transferFinished);
        QVERIFY(finished.wait(10000));
        QCOMPARE(rig.controlStates(), Idle);
        QCOMPARE(rig.port.inner().openedName(), QStringLiteral("/dev/ttyS0"));
        const QList<sim::SimulatedPort::TraceEntry> writes = rig.port.inner().writes();
        QCOMPARE(writes.size(), 2);
        QCOMPARE(writes[0].bytes, QByteArray("$PROGENDE\r"));
        QCOMPARE(writes[1].bytes, QByteArray("\r"));
        QCOMPARE(writes[1].atMs - writes[0].atMs, qint64(2000));
        QVERIFY(rig.boxes.messages().isEmpty());
    }

    void portFailures()
    {
        Rig rig;
        rig.port.inner().setOpenFailure(platform::PortError::NotFound);
        QVERIFY(rig.open());
        QCOMPARE(rig.boxes.texts(), QStringList{PortFailed});
        QCOMPARE(rig.boxes.last().caption, QStringLiteral("Fehler"));
        QCOMPARE(rig.boxes.last().icon, platform::MessageIcon::Exclamation);
        QVERIFY(rig.dialog->isVisible());
        QCOMPARE(rig.controlStates(), Idle);

        // Each transfer tries the port again; while it fails nothing is asked or sent.
        for (const char* button : {"readButton", "writeButton"}) {
            rig.boxes.clear();
            click(rig.dialog.get(), button);
            QCOMPARE(rig.boxes.texts(), QStringList{PortFailed});
            QVERIFY(rig.boxes.fileRequests().isEmpty());
            QCOMPARE(rig.controlStates(), Idle);
        }
        QVERIFY(rig.port.inner().writes().isEmpty());

        // A dialog without a line to the unit behaves as one whose port cannot be opened.
        platform::ScriptedUserDialogs boxes;
        quarn::Register image;
        KWSpeicher alone(&image, nullptr);
        editortest::open(&alone);
        QCOMPARE(boxes.texts(), QStringList{PortFailed});
    }

    void readOfTwoRangesIsSaved()
    {
        Rig rig;
        rig.unit.setShortDialEntry(5, "0815");
        rig.unit.setShortDialEntry(150, "12#34");
        rig.unit.setShortDialEntry(199, "0123456789012345");
        QVERIFY(rig.open());
        editortest::tick(child<QCheckBox>(rig.dialog.get(), "range1"));
        QTemporaryDir dir;
        const QString path =
            dir.filePath(QStringLiteral("kunden-archiv-mueller-und-soehne/kurzwahl-000-199.txt"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("kunden-archiv-mueller-und-soehne")));
        rig.boxes.setNextFileName(path);
        rig.unit.clearCommandLog();

        QVERIFY(rig.transfer("readButton"));
        QCOMPARE(rig.wasBusy, Busy);
        QCOMPARE(rig.controlStates(), Idle);
        QCOMPARE(rig.unitCommands(), QList<QByteArray>({"WL000-099", "WL100-199"}));
        QCOMPARE(fileContent(path), utf16le(listed(rig.unit, 0) + listed(rig.unit, 1)));
        QCOMPARE(rig.status("readStatus"),
                 QStringLiteral("gespeichert als: ") + KWSpeicher::shortenedPath(path));
        QVERIFY(rig.status("readStatus").size() <= QStringLiteral("gespeichert als: ").size() + 53);
        QVERIFY(rig.status("readStatus").endsWith(QLatin1String("/kurzwahl-000-199.txt")));
        QVERIFY(!rig.port.isOpen()); // the read leaves the line free
        QCOMPARE(child<QProgressBar>(rig.dialog.get(), "progressBar")->maximum(), 200); // 100 per range
        QCOMPARE(child<QProgressBar>(rig.dialog.get(), "progressBar")->value(), 0);

        QCOMPARE(rig.boxes.fileRequests().size(), 1);
        QCOMPARE(rig.boxes.fileRequests()[0].filter, QStringLiteral("Kurzwahlspeicher-Text (*.txt)"));
        QCOMPARE(rig.boxes.fileRequests()[0].defaultSuffix, QStringLiteral("txt"));
        QVERIFY(rig.boxes.messages().isEmpty());
    }

    void cancelledSaveKeepsNothing()
    {
        Rig rig;
        QVERIFY(rig.open());
        QTemporaryDir dir;
        QVERIFY(rig.transfer("readButton")); // no file name: the save dialog is cancelled
        QCOMPARE(rig.boxes.fileRequests().size(), 1);
        QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
        QCOMPARE(rig.status("readStatus"), QString());
        QVERIFY(rig.boxes.messages().isEmpty());
        QCOMPARE(rig.controlStates(), Idle);
    }

    void failedSaveOffersTheDataAgain()
    {
        Rig rig;
        rig.unit.setShortDialEntry(42, "112");
        QVERIFY(rig.open());
        QTemporaryDir dir;
        const QString unwritable = dir.filePath(QStringLiteral("missing-folder/kurzwahl.txt"));
        const QString second = dir.filePath(QStringLiteral("kurzwahl.txt"));
        rig.boxes.setNextFileName(unwritable);
        rig.boxes.setNextFileName(second);

        QVERIFY(rig.transfer("readButton"));
        QCOMPARE(rig.boxes.texts(), QStringList{QStringLiteral("Datei konnte nicht gespeichert werden.")});
        QCOMPARE(rig.boxes.fileRequests().size(), 2);
        QCOMPARE(rig.boxes.fileRequests()[1].initialPath, unwritable);
        QCOMPARE(fileContent(second), utf16le(listed(rig.unit, 0)));
        QCOMPARE(rig.status("readStatus"),
                 QStringLiteral("gespeichert als: ") + KWSpeicher::shortenedPath(second));
        QCOMPARE(rig.unit.commandsReceived().count("WL000-099"), 1); // one read, saved on the second try
    }

    void writeFromFileStoresEntries()
    {
        Rig rig;
        rig.unit.setShortDialEntry(8, "999");
        QVERIFY(rig.open());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kurzwahl.txt"));
        QVERIFY(writeFile(path, utf16le("WP007:4711............\rWP008:0815#22.........\r")));
        rig.boxes.setNextFileName(path);

        QVERIFY(rig.transfer("writeButton"));
        QCOMPARE(rig.wasBusy, Busy);
        QCOMPARE(rig.controlStates(), Idle);
        QCOMPARE(rig.unit.shortDialEntry(7), QByteArray("4711"));
        QCOMPARE(rig.unit.shortDialEntry(8), QByteArray("0815#22"));
        // Then read back: the second phase of the bar.
        QCOMPARE(rig.unitCommands().last(), QByteArray("WL000-099"));
        QCOMPARE(child<QProgressBar>(rig.dialog.get(), "progressBar")->maximum(), 100);
        QCOMPARE(rig.status("writeStatus"),
                 QStringLiteral("geschrieben von: ") + KWSpeicher::shortenedPath(path));
        QCOMPARE(rig.boxes.fileRequests().size(), 1);
        QCOMPARE(rig.boxes.fileRequests()[0].filter, QStringLiteral("Kurzwahlspeicher-Text (*.txt)"));
        QVERIFY(rig.boxes.messages().isEmpty());
        QVERIFY(rig.port.isOpen()); // the line stays open for the next transfer

        // A cancelled open dialog sends nothing and leaves the status as it was.
        rig.port.inner().clearTrace();
        QVERIFY(rig.transfer("writeButton"));
        QVERIFY(rig.port.inner().writes().isEmpty());
        QCOMPARE(rig.status("writeStatus"),
                 QStringLiteral("geschrieben von: ") + KWSpeicher::shortenedPath(path));

        // Something far too large to be a short-dial file is refused before anything is sent.
        const QString huge = dir.filePath(QStringLiteral("huge.txt"));
        QVERIFY(writeFile(huge, QByteArray(1024 * 1024 + 1, 'W')));
        rig.boxes.setNextFileName(huge);
        QVERIFY(rig.transfer("writeButton"));
        QCOMPARE(rig.boxes.texts(), QStringList{QStringLiteral("Datei konnte nicht gelesen werden.")});
        QVERIFY(rig.port.inner().writes().isEmpty());
        QCOMPARE(rig.controlStates(), Idle);
    }

    void lostLineIsReported_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<int>("cutAfter"); // writes that still go out
        QTest::addColumn<QString>("text");
        QTest::newRow("write") << QByteArray("writeButton") << 1
                               << QStringLiteral(
                                      "Der Kurzwahlspeicher konnte nicht vollständig geschrieben werden, "
                                      "weil die Verbindung zum Quarn unterbrochen wurde.");
        QTest::newRow("read") << QByteArray("readButton") << 0
                              << QStringLiteral(
                                     "Der Kurzwahlspeicher konnte nicht gelesen werden, weil die "
                                     "Verbindung zum Quarn unterbrochen wurde. Es wurde keine Datei "
                                     "gespeichert.");
    }
    void lostLineIsReported()
    {
        QFETCH(QByteArray, button);
        QFETCH(int, cutAfter);
        QFETCH(QString, text);
        Rig rig;
        QVERIFY(rig.open());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kurzwahl.txt"));
        QByteArray lines;
        for (int n = 0; n < 10; ++n)
            lines += "WP" + QByteArray::number(300 + n) + ":0815............\r";
        QVERIFY(writeFile(path, utf16le(lines)));
        const bool writing = button == "writeButton";
        if (writing)
            rig.boxes.setNextFileName(path);
        rig.port.cutAfter(cutAfter);

        QVERIFY(rig.transfer(button.constData()));
        QCOMPARE(rig.boxes.texts(), QStringList{text});
        QCOMPARE(rig.boxes.last().caption, QStringLiteral("Fehler"));
        QCOMPARE(rig.status(writing ? "writeStatus" : "readStatus"), QString());
        QCOMPARE(rig.boxes.fileRequests().size(), writing ? 1 : 0); // nothing offered to save
        QCOMPARE(rig.controlStates(), Idle);
    }

    void incompleteReadOffersNoFile_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("text");
        QTest::newRow("line dies after 40 lines")
            << QStringLiteral("cutoff=40")
            << QStringLiteral("Der Kurzwahlspeicher konnte nicht vollständig gelesen werden: Eintrag 040 ist "
                              "nicht angekommen. Es wurde keine Datei gespeichert.");
        QTest::newRow("silent unit")
            << QStringLiteral("silent")
            << QStringLiteral("Der Kurzwahlspeicher konnte nicht vollständig gelesen werden: Eintrag 000 ist "
                              "nicht angekommen. Es wurde keine Datei gespeichert.");
    }
    void incompleteReadOffersNoFile()
    {
        QFETCH(QString, fault);
        QFETCH(QString, text);
        sim::UnitOptions options;
        QVERIFY(sim::parseFault(fault, options));
        Rig rig(options);
        QVERIFY(rig.open());
        QVERIFY(rig.transfer("readButton"));
        QCOMPARE(rig.boxes.texts(), QStringList{text});
        QCOMPARE(rig.boxes.last().caption, QStringLiteral("Fehler"));
        QVERIFY(rig.boxes.fileRequests().isEmpty());
        QCOMPARE(rig.status("readStatus"), QString());
        QCOMPARE(rig.controlStates(), Idle);
    }

    void writeRefusesWhatIsNoShortDialFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("why");
        QTest::newRow("words") << QByteArray("hello world")
                               << QStringLiteral("Zeile 1 ist keine Zeile der Form WPnnn:Rufnummer");
        QTest::newRow("too long") << QByteArray("WP000:12345678901234567890XYZ\r")
                                  << QStringLiteral("Zeile 1 hat mehr als 16 Zeichen hinter dem Doppelpunkt");
        QTest::newRow("four digits") << QByteArray("WP001:1\rWP1234:99\r")
                                     << QStringLiteral("Zeile 2 ist keine Zeile der Form WPnnn:Rufnummer");
        QTest::newRow("letters") << QByteArray("WPabc:1\r")
                                 << QStringLiteral("Zeile 1 ist keine Zeile der Form WPnnn:Rufnummer");
        QTest::newRow("not dialled") << QByteArray("WP001:0815-12\r")
                                     << QStringLiteral(
                                            "Zeile 1 enthält ein Zeichen, das nicht gewählt werden "
                                            "kann (erlaubt sind 0-9, A-D, * und #)");
        QTest::newRow("twice") << QByteArray("WP001:1\rWP001:2\r")
                               << QStringLiteral("Zeile 2 nennt einen Eintrag ein zweites Mal");
    }
    void writeRefusesWhatIsNoShortDialFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, why);
        Rig rig;
        QVERIFY(rig.open());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kurzwahl.txt"));
        QVERIFY(writeFile(path, utf16le(content)));
        rig.boxes.setNextFileName(path);
        rig.port.inner().clearTrace();
        QVERIFY(rig.transfer("writeButton"));
        QCOMPARE(rig.boxes.texts(),
                 QStringList{QStringLiteral("Die Datei %1 ist keine Kurzwahlspeicher-Datei: %2. Es wurde "
                                            "nichts gesendet.")
                                 .arg(QDir::toNativeSeparators(path), why)});
        QVERIFY(rig.port.inner().writes().isEmpty());
        QCOMPARE(rig.status("writeStatus"), QString());
        QCOMPARE(rig.controlStates(), Idle);
    }

    void writeToASilentUnitFailsTheCheck()
    {
        sim::UnitOptions options;
        options.fault = sim::Fault::Silent;
        Rig rig(options);
        QVERIFY(rig.open());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kurzwahl.txt"));
        QVERIFY(writeFile(path, utf16le("WP007:4711............\r")));
        rig.boxes.setNextFileName(path);
        QVERIFY(rig.transfer("writeButton"));
        QCOMPARE(
            rig.boxes.texts(),
            QStringList{QStringLiteral("Die Prüfung nach dem Schreiben ist fehlgeschlagen: Der Quarn hat den "
                                       "Kurzwahlspeicher nicht vollständig zurückgemeldet (zuerst fehlt "
                                       "Eintrag 007).")});
        QCOMPARE(rig.status("writeStatus"), QString());
        QCOMPARE(rig.controlStates(), Idle);
    }
};

QTEST_MAIN(TestKWSpeicher)
#include "tst_kwspeicher.moc"
