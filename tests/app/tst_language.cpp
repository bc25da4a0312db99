#include "config/app/DisplayLanguage.h"
#include "config/app/LanguageChoice.h"
#include "config/app/LanguageFiles.h"
#include "config/app/LanguageSettings.h"
#include "config/app/StartOptions.h"
#include "config/app/WindowsLanguageId.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using quarn::DisplayLanguage;
using quarn::LanguageChoice;
using quarn::LanguageFiles;

class TestLanguage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void identifiers();
    void attemptsOfACandidate();
    void storedChoiceComesFirstThenFallsBack();
    void languageFilesBesideTheProgram();
    void displayLanguageInstallsTheFile();
    void storedLanguageId();
    void startOptions_data();
    void startOptions();

private:
    QString englishFileIn(const QTemporaryDir& dir)
    {
        const QString path = dir.filePath(QStringLiteral("Quarn7k8kENU.qm"));
        if (!QFile::exists(path))
            QFile::copy(QStringLiteral(QUARN_QM_FILE), path);
        return path;
    }
    QTemporaryDir m_settingsDir;
};

void TestLanguage::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QVERIFY(QFile::exists(QStringLiteral(QUARN_QM_FILE)));
}

void TestLanguage::identifiers()
{
    QCOMPARE(quarn::langid::abbreviation(0x0409), QStringLiteral("ENU"));
    QCOMPARE(quarn::langid::abbreviation(0x0809), QStringLiteral("ENG"));
    QCOMPARE(quarn::langid::abbreviation(0x0009), QStringLiteral("ENU")); // primary alone
    QCOMPARE(quarn::langid::abbreviation(0x0407), QStringLiteral("DEU"));
    QCOMPARE(quarn::langid::abbreviation(0x7777), QString());
    QCOMPARE(quarn::langid::ofLocale(QLocale(QStringLiteral("en_US"))), quint16(0x0409));
    QCOMPARE(quarn::langid::ofLocale(QLocale(QStringLiteral("de_AT"))), quint16(0x0C07));
    QCOMPARE(quarn::langid::ofLocale(QLocale(QStringLiteral("en_IE"))),
             quint16(0x0409)); // default sublanguage
    QCOMPARE(quarn::langid::ofLocale(QLocale::c()), quint16(0));
}

void TestLanguage::attemptsOfACandidate()
{
    // L, its primary language, the primary language with the default sublanguage.
    QCOMPARE(LanguageChoice::attempts(0x0809), (QList<quint16>{0x0809, 0x0009, 0x0409}));
    // Already the default sublanguage: not tried twice.
    QCOMPARE(LanguageChoice::attempts(0x0409), (QList<quint16>{0x0409, 0x0009}));
    // A primary language alone.
    QCOMPARE(LanguageChoice::attempts(0x0009), (QList<quint16>{0x0009, 0x0409}));

    const QList<quint16> candidates = LanguageChoice::candidates(0x040C);
    QCOMPARE(candidates.first(), quint16(0x040C));
    QCOMPARE(candidates.last(), quarn::langid::ProgramLanguage);
    QVERIFY(!LanguageChoice::candidates(0).contains(0));
}

void TestLanguage::storedChoiceComesFirstThenFallsBack()
{
    QList<quint16> tried;
    const auto onlyEnglishUs = [&tried](quint16 id) {
        tried << id;
        return id == 0x0409 || id == quarn::langid::ProgramLanguage;
    };
    // Stored French whose file is gone: the next candidate (the user's language) wins.
    QCOMPARE(LanguageChoice::choose({0x040C, 0x0409, 0x0407}, onlyEnglishUs), quint16(0x0409));
    QCOMPARE(tried, (QList<quint16>{0x040C, 0x000C, 0x0409}));

    // British English without its own file falls back to the default sublanguage.
    tried.clear();
    QCOMPARE(LanguageChoice::choose({0x0809, 0x0407}, onlyEnglishUs), quint16(0x0409));
    QCOMPARE(tried, (QList<quint16>{0x0809, 0x0009, 0x0409}));

    // Nothing usable: the program language.
    QCOMPARE(
        LanguageChoice::choose({0x040C}, [](quint16 id) { return id == quarn::langid::ProgramLanguage; }),
        quarn::langid::ProgramLanguage);
}

void TestLanguage::languageFilesBesideTheProgram()
{
    QTemporaryDir dir;
    const LanguageFiles files(dir.path(), QStringLiteral("Quarn7k8k"));
    QVERIFY(files.found().isEmpty());
    QCOMPARE(files.pathFor(0x0409), dir.filePath(QStringLiteral("Quarn7k8kENU.qm")));

    englishFileIn(dir);
    // Not a language file: wrong name, or no language inside.
    QFile::copy(QStringLiteral(QUARN_QM_FILE), dir.filePath(QStringLiteral("Other.qm")));
    QFile bogus(dir.filePath(QStringLiteral("Quarn7k8kXYZ.qm")));
    QVERIFY(bogus.open(QIODevice::WriteOnly));
    bogus.write("not a translation");
    bogus.close();

    const QList<quarn::LanguageFile> found = files.found();
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first().id, quint16(0x0409));
    QCOMPARE(found.first().path, dir.filePath(QStringLiteral("Quarn7k8kENU.qm")));
    // Named as Tekstor's language menu names it.
    QCOMPARE(found.first().nativeName, QStringLiteral("English"));
    QCOMPARE(LanguageFiles::programLanguage().nativeName, QStringLiteral("Deutsch"));
}

void TestLanguage::displayLanguageInstallsTheFile()
{
    QTemporaryDir dir;
    const auto read = [] { return QCoreApplication::translate("quarn::CQuarn7k8kDlg", "Daten lesen"); };
    {
        DisplayLanguage language(LanguageFiles(dir.path(), QStringLiteral("Quarn7k8k")));
        // No file: a stored English falls back to the program language.
        QCOMPARE(language.choose({0x0409, quarn::langid::ProgramLanguage}), quarn::langid::ProgramLanguage);
        QVERIFY(language.filePath().isEmpty());
        QCOMPARE(read(), QStringLiteral("Daten lesen"));
    }
    englishFileIn(dir);
    {
        DisplayLanguage language(LanguageFiles(dir.path(), QStringLiteral("Quarn7k8k")));
        QCOMPARE(language.choose({0x040C, 0x0809, quarn::langid::ProgramLanguage}), quint16(0x0009));
        QCOMPARE(language.filePath(), dir.filePath(QStringLiteral("Quarn7k8kENU.qm")));
        QCOMPARE(read(), QStringLiteral("Read data"));
        QCOMPARE(QCoreApplication::translate("Messages", "Port konnte nicht initialisiert werden!"),
                 QStringLiteral("The port could not be initialised!"));
        QCOMPARE(QCoreApplication::translate("SettingsTree", "Rufgeber"), QStringLiteral("Call encoder"));

        QVERIFY(language.tryLanguage(quarn::langid::ProgramLanguage));
        QCOMPARE(read(), QStringLiteral("Daten lesen"));
    }
    QCOMPARE(read(), QStringLiteral("Daten lesen"));
}

void TestLanguage::storedLanguageId()
{
    QSettings(quarn::LanguageSettings::Organisation, quarn::LanguageSettings::Application).clear();
    QCOMPARE(quarn::LanguageSettings::stored(), quint16(0));
    quarn::LanguageSettings::store(0x0409);
    QCOMPARE(quarn::LanguageSettings::stored(), quint16(0x0409));
    QSettings settings(QStringLiteral("Vom lokalen Anwendungs-Assistenten generierte Anwendungen"),
                       QStringLiteral("Quarn7k8k"));
    QCOMPARE(settings.value(QStringLiteral("LanguageId")).toUInt(), 0x0409u);
    // Written by hand and wrong: treated as no choice.
    settings.setValue(QStringLiteral("LanguageId"), QStringLiteral("english"));
    settings.sync();
    QCOMPARE(quarn::LanguageSettings::stored(), quint16(0));
}

void TestLanguage::startOptions_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("port");
    QTest::addColumn<bool>("simulate");
    QTest::addColumn<bool>("is7k");
    QTest::addColumn<bool>("telephone");
    QTest::addColumn<bool>("error");
    QTest::newRow("none") << QStringList{} << QString() << false << false << true << false;
    QTest::newRow("port") << QStringList{"--port", "/dev/ttyUSB0"} << "/dev/ttyUSB0" << false << false << true
                          << false;
    QTest::newRow("port=") << QStringList{"--port=COM3"} << "COM3" << false << false << true << false;
    QTest::newRow("port without name")
        << QStringList{"--port"} << QString() << false << false << true << true;
    QTest::newRow("simulate default")
        << QStringList{"--simulate"} << QString() << true << false << true << false;
    QTest::newRow("simulate 7k") << QStringList{"--simulate=7k"} << QString() << true << true << false
                                 << false;
    QTest::newRow("simulate 7k-ti") << QStringList{"--simulate=7k-ti"} << QString() << true << true << true
                                    << false;
    QTest::newRow("simulate 8k") << QStringList{"--simulate=8k"} << QString() << true << false << false
                                 << false;
    QTest::newRow("simulate 9k") << QStringList{"--simulate=9k"} << QString() << false << false << true
                                 << true;
    QTest::newRow("both") << QStringList{"--simulate", "--port", "x"} << "x" << true << false << true << true;
}

void TestLanguage::startOptions()
{
    QFETCH(QStringList, args);
    QFETCH(QString, port);
    QFETCH(bool, simulate);
    QFETCH(bool, is7k);
    QFETCH(bool, telephone);
    QFETCH(bool, error);
    const quarn::StartOptions o = quarn::StartOptions::parse(args);
    QCOMPARE(!o.error.isEmpty(), error);
    if (error)
        return;
    QCOMPARE(o.port, port);
    QCOMPARE(o.simulate, simulate);
    if (simulate) {
        QCOMPARE(o.simulate7k, is7k);
        QCOMPARE(o.simulateTelephone, telephone);
    }
}

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
