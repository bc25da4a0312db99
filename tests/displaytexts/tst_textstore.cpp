// The text store, the unit's display codes, the Windows-1252 conversion and the text files.
#include "displaytexts/texts/Cp1252.h"
#include "displaytexts/texts/Messages.h"
#include "displaytexts/texts/Register.h"
#include "displaytexts/texts/TextFiles.h"
#include "displaytexts/texts/UnitCodes.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace tekstor;

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// An ID text with flag and 24 characters, some of them bullets and umlauts.
QByteArray sampleIdText(int id)
{
    QByteArray t = "1Wache\x95\xC4\xD6\xDC\xE4\xF6\xFC\xDF$";
    t += QByteArray::number(id).rightJustified(3, '0');
    return t.leftJustified(25, char(0x95));
}

} // namespace

class TstTextStore : public QObject {
    Q_OBJECT

private slots:
    void defaultsAndResets()
    {
        Register r;
        QCOMPARE(r.lastOwnIndex(), 100);
        QCOMPARE(r.idText(0), QByteArray("X") + QByteArray(24, ' '));
        QCOMPARE(r.idText(999), Register::defaultIdText());
        QCOMPARE(r.ownText(100), QByteArray(32, '0'));
        QVERIFY(r.ownText(101).isEmpty());   // only 0..100 get their default at start
        QVERIFY(r.channelText(0).isEmpty()); // empty until channel texts are read
        QVERIFY(r.idText(1000).isEmpty());
        QVERIFY(r.idText(-1).isEmpty());

        r.setOwnText(5, "abc");
        r.setOwnText(150, "beyond");
        r.resetOwnTexts();
        QCOMPARE(r.ownText(5), Register::defaultOwnText());
        QCOMPARE(r.ownText(150), QByteArray("beyond")); // beyond the last index: untouched

        r.resetChannelTexts();
        QCOMPARE(r.channelText(99), QByteArray("0") + QByteArray(24, ' '));

        r.setLastOwnIndex(5000);
        QCOMPARE(r.lastOwnIndex(), 999);
        r.setLastOwnIndex(-7);
        QCOMPARE(r.lastOwnIndex(), -1);
        QCOMPARE(r.ownTextCount(), 0);
    }

    void idRanges()
    {
        Register r;
        QVERIFY(r.idRangesWithTexts().isEmpty());
        r.setIdText(150, "0abc");
        r.setIdText(999, "1x");
        QCOMPARE(r.idRangesWithTexts(), (QList<int>{1, 9}));
        const QList<int> ids = Register::idsOfRanges({3, 1, 3, 12});
        QCOMPARE(ids.size(), 200);
        QCOMPARE(ids.first(), 100);
        QCOMPARE(ids[99], 199);
        QCOMPARE(ids[100], 300);
        QCOMPARE(ids.last(), 399);
    }

    void unitCodes()
    {
        // Capital Ü, a blank and a dollar sign: 0xF5 0x20 0xE3 for the unit; received back
        // as small ü, bullet and dollar sign.
        QCOMPARE(toUnitCodes("\xDC\x95$"), QByteArray("\xF5\x20\xE3"));
        QCOMPARE(fromUnitCodes("\xF5\x20\xE3"), QByteArray("\xFC\x95$"));

        QCOMPARE(toUnitCodes("\xE4\xC4\xDF\xF6\xD6\xFC\xDC"), QByteArray("\xE1\xE1\xE2\xEF\xEF\xF5\xF5"));
        QCOMPARE(fromUnitCodes("\xE1\xE2\xEF\xF5"), QByteArray("\xE4\xDF\xF6\xFC"));

        // Everything else passes unchanged in both directions, including a real blank on
        // the way out and the configuration digits and letters of own texts.
        const QByteArray sendMapped("\xE4\xC4\xDF$\xF6\xD6\xFC\xDC\x95");
        const QByteArray receiveMapped("\xE1\xE2\xE3\xEF\xF5 ");
        for (int b = 0; b < 256; ++b) {
            const QByteArray one(1, char(b));
            if (!sendMapped.contains(char(b)))
                QCOMPARE(toUnitCodes(one), one);
            if (!receiveMapped.contains(char(b)))
                QCOMPARE(fromUnitCodes(one), one);
        }
    }

    void windows1252()
    {
        QCOMPARE(cp1252ToString("\x95"), QString(QChar(0x2022)));
        QCOMPARE(cp1252ToString("\xE4\xF6\xFC\xC4\xD6\xDC\xDF"), QStringLiteral("äöüÄÖÜß"));
        QCOMPARE(cp1252ToString("\x80"), QString(QChar(0x20AC)));
        QCOMPARE(stringToCp1252(QStringLiteral("Grüße•€")), QByteArray("Gr\xFC\xDF"
                                                                       "e\x95\x80"));

        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        bool ok = false;
        QCOMPARE(stringToCp1252(cp1252ToString(all), &ok), all);
        QVERIFY(ok);

        QCOMPARE(stringToCp1252(QStringLiteral("a\u4E2Db"), &ok), QByteArray("a?b"));
        QVERIFY(!ok);
        QVERIFY(!isCp1252Encodable(QStringLiteral("\u4E2D")));
        QVERIFY(isCp1252Encodable(QStringLiteral("ÄÖÜ•")));
    }

    void untouchedTablesSaved()
    {
        QTemporaryDir dir;
        Register r;
        const QString ids = dir.filePath("a.q8kk");
        QCOMPARE(TextFiles::save(ids, TextKind::Ids, r), FileOutcome::Ok);
        QByteArray expected;
        for (int i = 0; i < 1000; ++i)
            expected += "X" + QByteArray(24, ' ') + "\r\n";
        QCOMPARE(fileBytes(ids), expected);

        const QString own = dir.filePath("a.q8kt");
        QCOMPARE(TextFiles::save(own, TextKind::Own, r), FileOutcome::Ok);
        expected = "100\r\n";
        for (int i = 0; i < 101; ++i)
            expected += QByteArray(32, '0') + "\r\n";
        QCOMPARE(fileBytes(own), expected);

        QCOMPARE(TextFiles::save(dir.filePath("no/such/dir.q8kc"), TextKind::Channels, r),
                 FileOutcome::CannotOpen);
        // A device that takes no byte: the save fails, never reports success.
        if (QFileInfo::exists(QStringLiteral("/dev/full")))
            QCOMPARE(TextFiles::save(QStringLiteral("/dev/full"), TextKind::Ids, r),
                     FileOutcome::WriteFailed);
    }

    void saveLoadRoundTrip()
    {
        QTemporaryDir dir;
        Register a;
        for (int id = 0; id < 1000; id += 7)
            a.setIdText(id, sampleIdText(id));
        a.setLastOwnIndex(130);
        for (int i = 0; i <= 130; ++i)
            a.setOwnText(i, QByteArray("\x95\xDF\xC4n").leftJustified(24, char(0x95)) + "1:0000D2");
        a.resetChannelTexts();
        a.setChannelText(42, QByteArray("0Kanal\x95$$\xFC").leftJustified(25, ' '));

        Register b;
        for (TextKind kind : {TextKind::Ids, TextKind::Own, TextKind::Channels}) {
            const QString path = dir.filePath("t." + TextFiles::extension(kind));
            QCOMPARE(TextFiles::save(path, kind, a), FileOutcome::Ok);
            QCOMPARE(TextFiles::load(path, kind, b), FileOutcome::Ok);
        }
        QCOMPARE(b.lastOwnIndex(), 130);
        for (int i = 0; i < 1000; ++i)
            QCOMPARE(b.idText(i), a.idText(i));
        for (int i = 0; i <= 130; ++i)
            QCOMPARE(b.ownText(i), a.ownText(i));
        for (int i = 0; i < 100; ++i)
            QCOMPARE(b.channelText(i), a.channelText(i));
    }

    void loadAcceptsLfAndFillsMissingLinesWithDefaults()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("short.q8kc");
        QVERIFY(writeFile(path, "1first\n0second\r\n1third")); // last line without line end
        Register r;
        r.resetChannelTexts();
        r.setChannelText(50, "0keep?");
        QCOMPARE(TextFiles::load(path, TextKind::Channels, r), FileOutcome::Ok);
        QCOMPARE(r.channelText(0), QByteArray("1first"));
        QCOMPARE(r.channelText(1), QByteArray("0second"));
        QCOMPARE(r.channelText(2), QByteArray("1third"));
        QCOMPARE(r.channelText(3), Register::defaultChannelText());
        QCOMPARE(r.channelText(50), Register::defaultChannelText()); // not empty, not kept
    }

    void longLineIsCutAndReadingGoesOn()
    {
        // A 40-character line at line 10: ID 9 gets its first 33 characters and the later
        // lines are still read (they used to become empty).
        QTemporaryDir dir;
        const QString path = dir.filePath("long.q8kk");
        QByteArray data;
        for (int i = 0; i < 1000; ++i) {
            if (i == 9)
                data += QByteArray("1") + QByteArray(39, 'L') + "\r\n";
            else
                data += sampleIdText(i) + "\r\n";
        }
        QVERIFY(writeFile(path, data));
        Register r;
        QCOMPARE(TextFiles::load(path, TextKind::Ids, r), FileOutcome::Ok);
        QCOMPARE(r.idText(9), QByteArray("1") + QByteArray(32, 'L'));
        QCOMPARE(r.idText(8), sampleIdText(8));
        QCOMPARE(r.idText(10), sampleIdText(10));
        QCOMPARE(r.idText(999), sampleIdText(999));
    }

    void unreadableFileChangesNothing()
    {
        QTemporaryDir dir;
        Register r;
        r.setIdText(3, "1mine");
        QCOMPARE(TextFiles::load(dir.filePath("missing.q8kk"), TextKind::Ids, r), FileOutcome::CannotOpen);
        QCOMPARE(r.idText(3), QByteArray("1mine"));
        QCOMPARE(TextFiles::load(dir.path(), TextKind::Own, r), FileOutcome::CannotOpen); // a directory
        QCOMPARE(r.lastOwnIndex(), 100);
        QCOMPARE(msg::fileNotRead(Language::German), QStringLiteral("Datei konnte nicht gelesen werden."));
        QCOMPARE(msg::fileNotRead(Language::English), QStringLiteral("File could not be read."));
    }

    void ownTextCountIsClamped_data()
    {
        QTest::addColumn<QByteArray>("firstLine");
        QTest::addColumn<int>("lastIndex");
        QTest::addColumn<int>("textsRead");
        QTest::newRow("negative") << QByteArray("-3") << -1 << 0;
        QTest::newRow("not a number") << QByteArray("abc") << 0 << 1;
        QTest::newRow("leading digits") << QByteArray("2xyz") << 2 << 3;
        QTest::newRow("1000") << QByteArray("1000") << 999 << 1000;
        QTest::newRow("huge") << QByteArray("99999999999999999999") << 999 << 1000;
    }
    void ownTextCountIsClamped()
    {
        QFETCH(QByteArray, firstLine);
        QFETCH(int, lastIndex);
        QFETCH(int, textsRead);
        QTemporaryDir dir;
        const QString path = dir.filePath("own.q8kt");
        QByteArray data = firstLine + "\r\n";
        for (int i = 0; i < 1200; ++i)
            data += "own" + QByteArray::number(i) + "\r\n";
        QVERIFY(writeFile(path, data));

        Register r;
        r.setOwnText(0, "untouched");
        QCOMPARE(TextFiles::load(path, TextKind::Own, r), FileOutcome::Ok);
        QCOMPARE(r.lastOwnIndex(), lastIndex);
        if (textsRead == 0)
            QCOMPARE(r.ownText(0), QByteArray("untouched"));
        else
            QCOMPARE(r.ownText(textsRead - 1), "own" + QByteArray::number(textsRead - 1));
    }
};

QTEST_GUILESS_MAIN(TstTextStore)
#include "tst_textstore.moc"
