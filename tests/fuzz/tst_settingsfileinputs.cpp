#include <QtTest>

#include "config/register/Register.h"
#include "config/register/SettingsFile.h"
#include "tests/fuzz/SettingsFileProbe.h"

#include <sys/stat.h>

using namespace quarn;

namespace {

QByteArray validArchive(bool withTelephone)
{
    Register image;
    for (int n = 0; n < Register::TableSize; ++n)
        image.registerText(n) = QStringLiteral("%1").arg(n, 8, 10, QLatin1Char('0'));
    image.telephoneInterface = withTelephone;
    return settingsFileContent(image);
}

} // namespace

// The same checks as the fuzz target, on inputs generated from fixed seeds, plus files on
// disk that are too large or never end.
class TestSettingsFileInputs : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private Q_SLOTS:
    void shortAndSpecialInputs()
    {
        for (int b = 0; b < 256; ++b) {
            const QByteArray one(1, char(b));
            QCOMPARE(probeSettingsBytes(one), QString());
            QCOMPARE(probeSettingsBytes(one + "\r\n"), QString());
        }
        for (const char* text : {"", "N", "W", "N\r", "W\r\r\n", "\n", "\r\n", "N\nR000 0000000", "W\n\n\n"})
            QCOMPARE(probeSettingsBytes(QByteArray(text)), QString());
        QByteArray nulLines = "NoTI\r\n";
        for (int i = 0; i < 200; ++i)
            nulLines += QByteArray(13, '\0') + "\r\n";
        QCOMPARE(probeSettingsBytes(nulLines), QString());
    }

    void randomBytes()
    {
        QRandomGenerator rng(20261207);
        for (int i = 0; i < 1500; ++i) {
            QByteArray data(rng.bounded(0, 5000), Qt::Uninitialized);
            for (char& c : data)
                c = char(rng.bounded(256));
            if (i % 3 == 0 && !data.isEmpty())
                data[0] = i % 2 ? 'W' : 'N';
            const QString problem = probeSettingsBytes(data);
            if (!problem.isEmpty())
                QFAIL(qPrintable(QStringLiteral("case %1: %2").arg(i).arg(problem)));
        }
    }

    void mutatedArchives()
    {
        QRandomGenerator rng(7);
        const QByteArray bases[] = {validArchive(false), validArchive(true)};
        const char alphabet[] = {'\r', '\n', '\0', ' ', 'G', 'a', 'F', '0', char(0xFF)};
        for (int i = 0; i < 1500; ++i) {
            QByteArray data = bases[i % 2];
            const int edits = rng.bounded(1, 12);
            for (int e = 0; e < edits && !data.isEmpty(); ++e) {
                const int at = rng.bounded(int(data.size()));
                switch (rng.bounded(4)) {
                case 0:
                    data[at] = alphabet[rng.bounded(int(sizeof alphabet))];
                    break;
                case 1:
                    data.remove(at, rng.bounded(1, 40));
                    break;
                case 2:
                    data.insert(at, alphabet[rng.bounded(int(sizeof alphabet))]);
                    break;
                default:
                    data.truncate(at);
                    break;
                }
            }
            const QString problem = probeSettingsBytes(data);
            if (!problem.isEmpty())
                QFAIL(qPrintable(QStringLiteral("case %1: %2").arg(i).arg(problem)));
        }
    }

    void hugeFilesAreBounded_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QByteArray>("block");
        QTest::addColumn<int>("blocks");
        QTest::addColumn<int>("outcome");
        const QByteArray mib(1024 * 1024, 'W');
        QTest::newRow("one endless line")
            << QByteArray("W") << mib << 16 << int(LoadOutcome::LoadedIncomplete);
        QTest::newRow("empty lines") << QByteArray("NoTI\n") << QByteArray(1024 * 1024, '\n') << 8
                                     << int(LoadOutcome::LoadedIncomplete);
        QTest::newRow("binary") << QByteArray("X") << QByteArray(1024 * 1024, '\xA5') << 8
                                << int(LoadOutcome::Unreadable);
        QByteArray longRegisterLine = "R000 ABCDEF01" + QByteArray(1024 * 1024, ' ');
        QTest::newRow("register lines of a megabyte") << QByteArray("NoTI\r\n") << (longRegisterLine + "\r\n")
                                                      << 8 << int(LoadOutcome::LoadedIncomplete);
    }

    void hugeFilesAreBounded()
    {
        QFETCH(QByteArray, head);
        QFETCH(QByteArray, block);
        QFETCH(int, blocks);
        QFETCH(int, outcome);
        const QString path = m_dir.filePath(QStringLiteral("huge.rq7k8k"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(head);
            for (int i = 0; i < blocks; ++i)
                QCOMPARE(f.write(block), block.size());
        }
        Register image;
        QElapsedTimer timer;
        timer.start();
        const LoadResult r = loadSettingsFile(image, path);
        QCOMPARE(int(r.outcome), outcome);
        // Generous: the point is that the whole file is not read.
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        if (QTest::currentDataTag() == QByteArray("register lines of a megabyte")) {
            // The first lines still count, the rest lie beyond the read budget.
            QCOMPARE(image.registerText(0), QStringLiteral("ABCDEF01"));
            QVERIFY(image.registerText(199).isEmpty());
        }
    }

    void fifoDoesNotBlock()
    {
        const QString path = m_dir.filePath(QStringLiteral("pipe.rq7k8k"));
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        Register image;
        QCOMPARE(loadSettingsFile(image, path).outcome, LoadOutcome::Unreadable);
    }
};

QTEST_GUILESS_MAIN(TestSettingsFileInputs)
#include "tst_settingsfileinputs.moc"
