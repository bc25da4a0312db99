#include "config/history/HistoryStore.h"
#include "config/history/TextHistory.h"
#include "config/history/UnitHistory.h"
#include "config/register/Register.h"
#include "config/register/SettingsFile.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using quarn::HistoryEntry;
using quarn::HistoryLimits;
using quarn::HistoryStore;

namespace {
const QDateTime kStart(QDate(2026, 12, 8), QTime(14, 30, 12));

QStringList names(const QList<HistoryEntry>& entries)
{
    QStringList out;
    for (const HistoryEntry& e : entries)
        out << e.path.section(QLatin1Char('/'), -1);
    return out;
}

// Keeps `count` entries of `bytes` each, one second apart.
void keepMany(HistoryStore& store, int count, int bytes = 10)
{
    for (int i = 0; i < count; ++i) {
        const QString warning = store.keep(
            QStringLiteral("Quarn8k"), HistoryStore::KindTelephone, QStringLiteral("rq7k8k"),
            [bytes](const QString& path) {
                QFile f(path);
                return f.open(QIODevice::WriteOnly) && f.write(QByteArray(bytes, 'x')) == bytes;
            },
            kStart.addSecs(i));
        QVERIFY2(warning.isEmpty(), qPrintable(warning));
    }
}
} // namespace

class TestHistory : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void namesSayDateTimeModelKind()
    {
        QTemporaryDir dir;
        HistoryStore store(dir.path(), {});
        keepMany(store, 1);
        // Two reads in the same second keep both.
        QVERIFY(store
                    .keep(
                        QStringLiteral("Quarn8k"), HistoryStore::KindTelephone, QStringLiteral("rq7k8k"),
                        [](const QString& path) { return QFile(path).open(QIODevice::WriteOnly); }, kStart)
                    .isEmpty());
        // Files that are not the history's are neither listed nor removed.
        QFile(dir.filePath(QStringLiteral("notes.txt"))).open(QIODevice::WriteOnly);
        const QList<HistoryEntry> entries = store.entries();
        QCOMPARE(names(entries), (QStringList{QStringLiteral("2026-12-08_143012_Quarn8k-TI.rq7k8k"),
                                              QStringLiteral("2026-12-08_143012_Quarn8k-TI_2.rq7k8k")}));
        QCOMPARE(entries.first().when, kStart);
        QCOMPARE(entries.first().model, QStringLiteral("Quarn8k"));
        QCOMPARE(entries.first().kind, QStringLiteral("TI"));
    }

    void limitsRemoveTheOldestFirst_data()
    {
        QTest::addColumn<int>("maxEntries");
        QTest::addColumn<qint64>("maxBytes");
        QTest::addColumn<int>("kept");
        QTest::addColumn<int>("bytes");
        QTest::newRow("by count") << 3 << qint64(1 << 20) << 5 << 10;
        QTest::newRow("by size") << 500 << qint64(250) << 5 << 100;
        QTest::newRow("one larger than the limit stays") << 500 << qint64(50) << 2 << 100;
    }
    void limitsRemoveTheOldestFirst()
    {
        QFETCH(int, maxEntries);
        QFETCH(qint64, maxBytes);
        QFETCH(int, kept);
        QFETCH(int, bytes);
        QTemporaryDir dir;
        HistoryStore store(dir.path(), HistoryLimits{maxEntries, maxBytes});
        keepMany(store, kept, bytes);
        const QList<HistoryEntry> entries = store.entries();
        const int expected = qMax(1, qMin<int>(maxEntries, int(maxBytes / bytes)));
        QCOMPARE(entries.size(), qMin(kept, expected));
        // The newest survive.
        QCOMPARE(entries.last().when, kStart.addSecs(kept - 1));
        QCOMPARE(entries.first().when, kStart.addSecs(kept - entries.size()));
    }

    void limitsAreSettings_data()
    {
        QTest::addColumn<QVariant>("entries");
        QTest::addColumn<QVariant>("megabytes");
        QTest::addColumn<int>("maxEntries");
        QTest::addColumn<qint64>("maxBytes");
        QTest::newRow("nothing stored") << QVariant() << QVariant() << 500 << qint64(50) * 1024 * 1024;
        QTest::newRow("both stored") << QVariant(20) << QVariant(2) << 20 << qint64(2) * 1024 * 1024;
        QTest::newRow("unusable values")
            << QVariant("viele") << QVariant(-3) << 500 << qint64(50) * 1024 * 1024;
    }
    void limitsAreSettings()
    {
        QFETCH(QVariant, entries);
        QFETCH(QVariant, megabytes);
        QTemporaryDir dir;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
        {
            QSettings settings(QStringLiteral("Vom lokalen Anwendungs-Assistenten generierte Anwendungen"),
                               QStringLiteral("Quarn7k8k"));
            settings.clear();
            if (entries.isValid())
                settings.setValue(QStringLiteral("HistoryMaxEntries"), entries);
            if (megabytes.isValid())
                settings.setValue(QStringLiteral("HistoryMaxMegabytes"), megabytes);
        }
        const HistoryLimits limits = HistoryLimits::stored();
        QTEST(limits.maxEntries, "maxEntries");
        QTEST(limits.maxBytes, "maxBytes");
    }

    void unwritableHistoryWarnsAndNeverThrows()
    {
        QTemporaryDir dir;
        const QString blocker = dir.filePath(QStringLiteral("file"));
        QVERIFY(QFile(blocker).open(QIODevice::WriteOnly));
        // The root lies below a plain file: no folder can be made there.
        HistoryStore store(blocker + QStringLiteral("/history"), {});
        quarn::Register image;
        const QString warning = quarn::UnitHistory::keepImage(image, store);
        QVERIFY(warning.startsWith(QStringLiteral("Der Verlauf konnte nicht geschrieben werden: ")));
        QVERIFY(warning.contains(QStringLiteral("history")));
        // A writer that fails leaves no half file.
        HistoryStore ok(dir.path(), {});
        QVERIFY(!ok.keep(QStringLiteral("Quarn7k"), HistoryStore::KindBase, QStringLiteral("rq7k8k"),
                         [](const QString& path) {
                             QFile(path).open(QIODevice::WriteOnly);
                             return false;
                         })
                     .isEmpty());
        QVERIFY(ok.entries().isEmpty());
    }

    void everyKindInItsOwnFormat()
    {
        QTemporaryDir dir;
        HistoryStore store(dir.path(), {});
        quarn::Register image;
        image.model7k = false;
        image.telephoneInterface = true;
        for (int n : quarn::Register::numbers(true))
            image.registerText(n) = QStringLiteral("0000%1").arg(n, 4, 10, QLatin1Char('0'));
        QVERIFY(quarn::UnitHistory::keepImage(image, store).isEmpty());
        QVERIFY(
            quarn::UnitHistory::keepShortDial(QStringLiteral("WP300:4711............\r"), store).isEmpty());
        tekstor::Register texts;
        QVERIFY(quarn::TextHistory::keepTexts(tekstor::TextKind::Channels, texts, store).isEmpty());

        const QList<HistoryEntry> entries = store.entries();
        QCOMPARE(entries.size(), 3);
        QStringList kinds;
        for (const HistoryEntry& e : entries)
            kinds << e.model + QLatin1Char('-') + e.kind + QLatin1Char('.') +
                         e.path.section(QLatin1Char('.'), -1);
        kinds.sort();
        QCOMPARE(kinds,
                 (QStringList{QStringLiteral("Quarn-Kanaltexte.q8kc"), QStringLiteral("Quarn-Kurzwahl.txt"),
                              QStringLiteral("Quarn8k-TI.rq7k8k")}));
        // The settings entry loads back as the image read.
        for (const HistoryEntry& e : entries) {
            if (e.kind != HistoryStore::KindTelephone)
                continue;
            quarn::Register back;
            QCOMPARE(quarn::loadSettingsFile(back, e.path).outcome, quarn::LoadOutcome::Loaded);
            QVERIFY(back.telephoneInterface);
            QCOMPARE(back.registerText(799), image.registerText(799));
        }
    }
};

QTEST_GUILESS_MAIN(TestHistory)
#include "tst_history.moc"
