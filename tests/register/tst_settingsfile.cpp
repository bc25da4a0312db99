#include <QtTest>

#include "config/register/Messages.h"
#include "config/register/Register.h"
#include "config/register/SettingsFile.h"

#include <csignal>
#include <sys/resource.h>

using namespace quarn;

namespace {

// Everything a load could change, for "left exactly as it was".
struct Snapshot {
    QStringList table;
    QString versionText, filePath;
    bool modified, model7k, telephoneInterface, unitKnown;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(const Register& r)
{
    Snapshot s{{}, r.versionText, r.filePath, r.modified, r.model7k, r.telephoneInterface, r.unitKnown};
    for (int n = 0; n < Register::TableSize; ++n)
        s.table << r.registerText(n);
    return s;
}

// A distinct, valid text for every register.
QString patternText(int n)
{
    return QStringLiteral("%1").arg(n * 7919 + 0xA0000, 8, 16, QLatin1Char('0')).toUpper().right(8);
}

void fillPattern(Register& image)
{
    for (int n = 0; n < Register::TableSize; ++n)
        image.registerText(n) = patternText(n);
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A file built line by line the way the unit's archives look.
QByteArray archive(bool withTelephone, const char* eol = "\r\n")
{
    QByteArray out = withTelephone ? "WithTI" : "NoTI";
    out += eol;
    for (int n : Register::numbers(withTelephone))
        out += QString::asprintf("R%03d ", n).toLatin1() + patternText(n).toLatin1() + eol;
    return out;
}

} // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString path(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

private Q_SLOTS:
    void byteExactFiles()
    {
        Register image;
        fillPattern(image);
        QCOMPARE(settingsFileContent(image), archive(false));
        image.telephoneInterface = true;
        QCOMPARE(settingsFileContent(image), archive(true));

        const QByteArray withTi = settingsFileContent(image);
        QCOMPARE(withTi.count("\r\n"), 601);
        QCOMPARE(withTi.count('\n'), 601);
        QVERIFY(withTi.startsWith("WithTI\r\nR000 " + patternText(0).toLatin1() + "\r\nR001 "));
        QVERIFY(withTi.contains("\r\nR199 " + patternText(199).toLatin1() + "\r\nR300 "));
        QVERIFY(withTi.contains("\r\nR499 " + patternText(499).toLatin1() + "\r\nR600 "));
        QVERIFY(withTi.endsWith("\r\nR799 " + patternText(799).toLatin1() + "\r\n"));

        image.telephoneInterface = false;
        const QString file = path("base.rq7k8k");
        QCOMPARE(saveSettingsFile(image, file), SaveOutcome::Saved);
        const QByteArray noTi = readAll(file);
        QCOMPARE(noTi, archive(false));
        QCOMPARE(noTi.count("\r\n"), 201);
        QCOMPARE(noTi.size(), 6 + 200 * 15);
    }

    void roundTrip()
    {
        Register source;
        fillPattern(source);
        source.telephoneInterface = true;
        source.filePath = path("round.rq7k8k");
        source.markModified();
        QCOMPARE(saveSettingsFile(source), SaveOutcome::Saved);
        QVERIFY(source.modified); // the window decides when it is cleared

        Register target;
        const LoadResult r = loadSettingsFile(target, source.filePath);
        QCOMPARE(r.outcome, LoadOutcome::Loaded);
        QVERIFY(r.withTelephone);
        QCOMPARE(r.invalidCount, 0);
        QVERIFY(msg::loadMessage(r.outcome).isEmpty());
        QVERIFY(target.telephoneInterface);
        QCOMPARE(target.filePath, source.filePath);
        QVERIFY(!target.modified);
        for (int n : Register::numbers(true))
            QCOMPARE(target.registerText(n), source.registerText(n));
        // Entries that are never stored keep what they had.
        QCOMPARE(target.registerText(250), QStringLiteral("        "));
    }

    void linesTakenByOrder()
    {
        // Every line numbered 000, LF only, trailing characters after the digits.
        QByteArray text = "N\n";
        for (int n = 0; n < 200; ++n)
            text += "R000 " + patternText(n).toLatin1() + (n == 3 ? " trailing" : "") + "\n";
        const QString file = path("order.rq7k8k");
        QVERIFY(writeAll(file, text));
        Register image;
        image.telephoneInterface = true;
        image.registerText(350) = QStringLiteral("ABCDEF01");
        const LoadResult r = loadSettingsFile(image, file);
        QCOMPARE(r.outcome, LoadOutcome::Loaded);
        QVERIFY(!image.telephoneInterface);
        QCOMPARE(image.registerText(0), patternText(0));
        QCOMPARE(image.registerText(3), patternText(3));
        QCOMPARE(image.registerText(199), patternText(199));
        QCOMPARE(image.registerText(350), QStringLiteral("ABCDEF01")); // outside a NoTI file
    }

    void invalidRegisterLines()
    {
        QByteArray text = archive(true);
        text.replace("R350 " + patternText(350).toLatin1(), "R350 12G45678");
        text.replace("R010 " + patternText(10).toLatin1(), "R010 abcdef01");
        text.replace("R020 " + patternText(20).toLatin1(), "R020 1234567");
        const QString file = path("invalid.rq7k8k");
        QVERIFY(writeAll(file, text));
        Register image;
        const LoadResult r = loadSettingsFile(image, file);
        QCOMPARE(r.outcome, LoadOutcome::LoadedIncomplete);
        QCOMPARE(msg::loadMessage(r.outcome),
                 QStringLiteral("Nicht alle Register konnten aus Datei gelesen werden."));
        QCOMPARE(r.invalidCount, 3);
        QCOMPARE(r.firstInvalidRegister, 10);
        QCOMPARE(r.firstInvalidLine, 12);
        QCOMPARE(msg::loadMessage(r), QStringLiteral("Nicht alle Register konnten aus Datei gelesen werden. "
                                                     "Erste fehlerhafte Zeile: 12."));
        QVERIFY(image.registerText(350).isEmpty());
        QVERIFY(image.registerText(10).isEmpty());
        QVERIFY(image.registerText(20).isEmpty());
        QCOMPARE(image.registerText(349), patternText(349));
        QCOMPARE(image.registerText(351), patternText(351));
        QCOMPARE(image.registerText(799), patternText(799));
        QVERIFY(image.telephoneInterface);
        QCOMPARE(image.filePath, file);
    }

    void blankRegisterAndShortFile()
    {
        Register image;
        fillPattern(image);
        image.registerText(42) = QStringLiteral("        ");
        const QString file = path("blank.rq7k8k");
        QCOMPARE(saveSettingsFile(image, file), SaveOutcome::Saved);
        QVERIFY(readAll(file).contains("\r\nR042         \r\nR043 "));
        Register loaded;
        LoadResult r = loadSettingsFile(loaded, file);
        QCOMPARE(r.outcome, LoadOutcome::LoadedIncomplete);
        QCOMPARE(r.firstInvalidRegister, 42);
        QVERIFY(loaded.registerText(42).isEmpty());

        // A file that ends early: the missing registers become empty.
        QByteArray cut = archive(false);
        cut.truncate(cut.indexOf("R150 "));
        QVERIFY(writeAll(file, cut));
        r = loadSettingsFile(loaded, file);
        QCOMPARE(r.outcome, LoadOutcome::LoadedIncomplete);
        QCOMPARE(r.firstInvalidRegister, 150);
        QCOMPARE(r.firstInvalidLine, 152);
        QCOMPARE(r.invalidCount, 50);
        QCOMPARE(loaded.registerText(149), patternText(149));
        QVERIFY(loaded.registerText(199).isEmpty());

        // "NoTI" above the telephone registers: the 400 lines it cannot keep are not dropped
        // silently; the first of them is named.
        QByteArray mislabelled = archive(true);
        mislabelled.replace(0, 6, "NoTI");
        QVERIFY(writeAll(file, mislabelled));
        r = loadSettingsFile(loaded, file);
        QCOMPARE(r.outcome, LoadOutcome::LoadedIncomplete);
        QCOMPARE(r.firstInvalidLine, 202);
        QCOMPARE(loaded.registerText(199), patternText(199));
    }

    void unreadableLeavesImageUntouched_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing") << path("missing.rq7k8k") << QByteArray();
        QTest::newRow("empty") << path("empty.rq7k8k") << QByteArray("");
        QTest::newRow("first line X") << path("x.rq7k8k") << ("X" + archive(true));
        QTest::newRow("lower-case w") << path("w.rq7k8k") << ("w" + archive(true).mid(1));
        QTest::newRow("empty first line") << path("nl.rq7k8k") << ("\r\n" + archive(false));
        QTest::newRow("directory") << m_dir.path() << QByteArray();
        QTest::newRow("no path") << QString() << QByteArray();
        QTest::newRow("device") << QStringLiteral("/dev/zero") << QByteArray();
    }

    void unreadableLeavesImageUntouched()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        if (!content.isNull())
            QVERIFY(writeAll(file, content));
        Register image;
        fillPattern(image);
        image.telephoneInterface = true;
        image.filePath = QStringLiteral("/previous/file.rq7k8k");
        image.markModified();
        image.versionText = QStringLiteral("Quarn 8k V3.20");
        const Snapshot before = snapshot(image);
        const LoadResult r = loadSettingsFile(image, file);
        QCOMPARE(r.outcome, LoadOutcome::Unreadable);
        QCOMPARE(msg::loadMessage(r.outcome), QStringLiteral("Datei konnte nicht gelesen werden."));
        QVERIFY(snapshot(image) == before);
    }

    void loadFromImagePath()
    {
        const QString file = path("own.rq7k8k");
        QVERIFY(writeAll(file, archive(false)));
        Register image;
        image.filePath = file;
        QCOMPARE(loadSettingsFile(image).outcome, LoadOutcome::Loaded);
        QCOMPARE(image.registerText(7), patternText(7));
    }

    void failedSaveKeepsOldFile()
    {
        const QString file = path("keep.rq7k8k");
        const QByteArray old = archive(true);
        QVERIFY(writeAll(file, old));
        Register image;
        image.registerText(0) = QStringLiteral("FFFFFFFF");
        image.markModified();

        // Writes beyond 100 bytes fail (as on a full disk), even for root.
        struct rlimit saved {};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = saved;
        small.rlim_cur = 100;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const SaveOutcome outcome = saveSettingsFile(image, file);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QCOMPARE(outcome, SaveOutcome::Failed);
        QCOMPARE(msg::saveMessage(outcome), QStringLiteral("Datei konnte nicht gespeichert werden."));
        QCOMPARE(readAll(file), old);
        QVERIFY(image.modified);
        // No temporary file is left beside the target.
        QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("keep*")}, QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("keep.rq7k8k")});

        QCOMPARE(saveSettingsFile(image, m_dir.filePath(QStringLiteral("no/such/dir/a.rq7k8k"))),
                 SaveOutcome::Failed);
        QCOMPARE(saveSettingsFile(image, m_dir.path()), SaveOutcome::Failed);
        QVERIFY(QFileInfo(m_dir.path()).isDir());
        image.filePath.clear();
        QCOMPARE(saveSettingsFile(image), SaveOutcome::Failed);
        QVERIFY(msg::saveMessage(SaveOutcome::Saved).isEmpty());
    }

    void saveReplacesFile()
    {
        const QString file = path("replace.rq7k8k");
        QVERIFY(writeAll(file, QByteArray(20000, 'x')));
        Register image;
        fillPattern(image);
        QCOMPARE(saveSettingsFile(image, file), SaveOutcome::Saved);
        QCOMPARE(readAll(file), archive(false));
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
