// `quarnctl texts` in-process against the simulated unit on virtual time: what it reads
// and writes, and every file it refuses to send.
#include "cli/Quarnctl.h"

#include "displaytexts/texts/Register.h"
#include "displaytexts/texts/TextFiles.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

using namespace tekstor;

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

Run quarnctl(const QStringList& args)
{
    Run r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code = cli::Quarnctl(out, err).run(args);
    out.flush();
    err.flush();
    return r;
}

QList<QByteArray> fileLines(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QList<QByteArray> lines = f.readAll().split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray& l : lines)
        l.chop(1); // CR
    return lines;
}

// What a trace file shows going out ("TX" lines).
int sentLines(const QString& trace)
{
    QFile f(trace);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    return int(f.readAll().count(" TX "));
}

} // namespace

class TstTextsCommand : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        // The messages checked here are the German ones, whatever the machine's locale.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }

    void readAndWriteBack()
    {
        const QString ids = m_dir.filePath("ids.q8kk");
        Run r = quarnctl({"--simulate=8k", "--quiet", "texts", "read", "ids", "--ranges", "1", "-o", ids});
        QCOMPARE(r.code, 0);
        QCOMPARE(fileLines(ids).size(), 1000);
        QCOMPARE(fileLines(ids)[0], Register::defaultIdText()); // not read
        QVERIFY(TextFiles::check(ids, TextKind::Ids).ok());

        const QString channels = m_dir.filePath("k.q8kc");
        r = quarnctl({"--simulate=8k", "--quiet", "texts", "read", "channels", "-o", channels});
        QCOMPARE(r.code, 0);
        QVERIFY(TextFiles::check(channels, TextKind::Channels).ok());
        r = quarnctl({"--simulate=8k", "--quiet", "texts", "write", "channels", channels});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains("100 channel texts programmed"), qPrintable(r.out + r.err));

        // An ID file without one defined text: nothing to send, and it says so.
        const QString none = m_dir.filePath("none.q8kk");
        QCOMPARE(TextFiles::save(none, TextKind::Ids, Register()), FileOutcome::Ok);
        const QString trace = m_dir.filePath("none.trace");
        r = quarnctl({"--simulate=8k", "--quiet", "--trace", trace, "texts", "write", "ids", none});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains("Es wurden keine Texte gesendet."), qPrintable(r.out + r.err));
    }

    void writeRefusesWhatIsNoCompleteTextFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("said");
        const QByteArray channel = "0" + QByteArray(24, 'k') + "\r\n";
        const QByteArray own = QByteArray(24, 'o') + "00000001\r\n";
        QTest::newRow("two lines of words") << "ids" << QByteArray("hello world\r\nsecond line\r\n")
                                            << "Zeile 1: ein Text muss 25 Zeichen lang sein";
        QTest::newRow("empty file") << "channels" << QByteArray()
                                    << "Zeile 1: die Datei muss genau 100 Texte enthalten";
        QTest::newRow("one text short")
            << "channels" << channel.repeated(99) << "Zeile 100: die Datei muss genau 100 Texte enthalten";
        QTest::newRow("one text too many")
            << "channels" << channel.repeated(101) << "Zeile 101: die Datei muss genau 100 Texte enthalten";
        QTest::newRow("a character lost")
            << "channels" << channel.repeated(2) + "0" + QByteArray(23, 'k') + "\r\n"
            << "Zeile 3: ein Text muss 25 Zeichen lang sein";
        QTest::newRow("a flag shifted in") << "channels" << channel + ":" + QByteArray(24, 'k') + "\r\n"
                                           << "Zeile 2: die Kennzeichnung muss X, 0 oder 1 sein";
        QTest::newRow("own count missing")
            << "own" << own.repeated(3) << "Zeile 1: keine Nummer des letzten eigenen Textes";
        QTest::newRow("own type unknown") << "own"
                                          << "1\r\n" + own + QByteArray(24, 'o') + "70000001\r\n"
                                          << "Zeile 3: die Textart muss 0, 1, 2, 3 oder D sein";
        QTest::newRow("own texts fewer than counted")
            << "own"
            << "2\r\n" + own + own << "Zeile 4: die Datei muss genau die gezählten Texte enthalten";
    }

    void writeRefusesWhatIsNoCompleteTextFile()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, content);
        QFETCH(QString, said);
        const QString path = m_dir.filePath("f");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        f.close();
        const QString trace = m_dir.filePath("refused.trace");
        const Run r = quarnctl({"--simulate=8k", "--quiet", "--trace", trace, "texts", "write", kind, path});
        QCOMPARE(r.code, 4);
        QVERIFY2(r.err.contains(said), qPrintable(r.err));
        QVERIFY(r.err.contains("es wurde nichts gesendet"));
        QCOMPARE(sentLines(trace), 0);
    }
};

QTEST_GUILESS_MAIN(TstTextsCommand)
#include "tst_textscommand.moc"
