// `quarnctl texts` in-process against the simulated unit on virtual time: the round trips
// of all three kinds, the built-in languages, the exit codes and every file it refuses to send.
#include "cli/PortSetup.h"
#include "cli/Quarnctl.h"

#include "displaytexts/texts/Register.h"
#include "displaytexts/texts/TextFiles.h"
#include "displaytexts/texts/UnitCodes.h"

#include "sim/SimulatedPort.h"
#include "sim/UnitModel.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tekstor;

namespace {

struct Run {
    int code;
    QString out;
    QString err;
};

// quarnctl texts on a unit that lives across runs.
Run texts(sim::SimulatedPort* port, platform::VirtualClock& clock, QStringList args)
{
    QString out;
    QString err;
    QTextStream o(&out);
    QTextStream e(&err);
    if (args.value(0) != "texts")
        args.prepend("texts");
    const std::unique_ptr<cli::PortSetup> unit =
        port ? cli::PortSetup::borrowing(*port, clock, QStringLiteral("sim")) : nullptr;
    const int code = cli::Quarnctl(o, e, unit.get()).run(args);
    o.flush();
    e.flush();
    return {code, out, err};
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

} // namespace

class TstTextsCommand : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The messages checked here are the German ones, whatever the machine's locale.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }

    void idRoundTrip()
    {
        sim::UnitModel unit;
        platform::VirtualClock clock;
        sim::SimulatedPort port(unit, clock);
        unit.setIdText(123, "1Wache Nord \xE1\xEF\xF5\xE2 \xE3");
        QTemporaryDir dir;
        const QString path = dir.filePath("ids.q8kk");

        Run r = texts(&port, clock, {"texts", "read", "ids", "--ranges", "1", "-o", path});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.err, QString()); // no progress without a terminal
        QCOMPARE(fileLines(path).size(), 1000);
        const QByteArray expected =
            QByteArray("1Wache\x95Nord\x95\xE4\xF6\xFC\xDF\x95$").leftJustified(25, char(0x95));
        QCOMPARE(fileLines(path)[123], expected);
        QCOMPARE(fileLines(path)[124], "X" + QByteArray(24, char(0x95))); // read from the unit: blanks shown
        QCOMPARE(fileLines(path)[0], Register::defaultIdText());          // not read
        QVERIFY(!unit.inPcMode());                                        // "$PROGENDE" sent

        // Edit the file and program it back: only range 5 holds a text with a flag.
        Register edited;
        edited.setIdText(517, QByteArray("0Gr\xDC\xDF"
                                         "e\x95$")
                                  .leftJustified(25, char(0x95)));
        QCOMPARE(TextFiles::save(path, TextKind::Ids, edited), FileOutcome::Ok);
        unit.clearCommandLog();
        r = texts(&port, clock, {"write", "ids", path});
        QCOMPARE(r.code, 0);
        QCOMPARE(unit.idText(517), QByteArray("0Gr\xF5\xE2"
                                              "e \xE3")
                                       .leftJustified(25, ' '));
        int programmed = 0;
        for (const QByteArray& c : unit.commandsReceived())
            programmed += c.startsWith("$PK") && c.size() > 3;
        QCOMPARE(programmed, 100);
        QVERIFY(unit.commandsReceived().contains("$PK"));
    }

    void ownTextsInBuiltInLanguages()
    {
        sim::UnitModel unit;
        platform::VirtualClock clock;
        sim::SimulatedPort port(unit, clock);
        QTemporaryDir dir;
        const QString path = dir.filePath("own.q8kt");
        const int last = unit.lastOwnTextIndex();

        Run r = texts(&port, clock, {"read", "own", "--language", "1", "-o", path});
        QCOMPARE(r.code, 0);
        QList<QByteArray> lines = fileLines(path);
        QCOMPARE(lines.size(), last + 2);
        QCOMPARE(lines[0], QByteArray::number(last));
        for (int n = 0; n <= last; ++n)
            QCOMPARE(lines[n + 1], fromUnitCodes(unit.ownText('1', n)));

        // Programming always goes to the own texts ("F"), whatever language was read.
        QVERIFY(QFile::copy(path, dir.filePath("english.q8kt")));
        lines[3] = QByteArray("Eigener\x95Text\x95\xC4").leftJustified(24, char(0x95)) + "00000001";
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(lines.join("\r\n") + "\r\n");
        f.close();
        r = texts(&port, clock, {"write", "own", path});
        QCOMPARE(r.code, 0);
        QCOMPARE(unit.ownText('F', 2), QByteArray("Eigener Text \xE1").leftJustified(24, ' ') + "00000001");
        QCOMPARE(fromUnitCodes(unit.ownText('1', 2)),
                 fileLines(dir.filePath("english.q8kt")).value(3)); // built-in unchanged

        const QString back = dir.filePath("back.q8kt");
        r = texts(&port, clock, {"read", "own", "-o", back}); // default: the own texts
        QCOMPARE(r.code, 0);
        QCOMPARE(fileLines(back)[3], lines[3].left(24).replace('\xC4', '\xE4') + "00000001");
    }

    void channelRoundTrip()
    {
        sim::UnitModel unit;
        platform::VirtualClock clock;
        sim::SimulatedPort port(unit, clock);
        QTemporaryDir dir;
        const QString path = dir.filePath("ch.q8kc");
        Register texts100;
        texts100.resetChannelTexts();
        for (int c = 0; c < 100; ++c)
            texts100.setChannelText(
                c, ("1Kanal\x95" + QByteArray::number(c) + "\x95$$$").leftJustified(25, char(0x95)));
        QCOMPARE(TextFiles::save(path, TextKind::Channels, texts100), FileOutcome::Ok);
        QCOMPARE(texts(&port, clock, {"write", "channels", path}).code, 0);
        const QString back = dir.filePath("back.q8kc");
        QCOMPARE(texts(&port, clock, {"read", "channels", "-o", back}).code, 0);
        QCOMPARE(fileLines(back), fileLines(path));
    }

    void exitCodes()
    {
        sim::UnitModel unit;
        platform::VirtualClock clock;
        sim::SimulatedPort port(unit, clock);
        QTemporaryDir dir;
        QCOMPARE(texts(&port, clock, {"read", "ids"}).code, 2);
        QCOMPARE(texts(&port, clock, {"read", "ids", "--ranges", "10", "-o", "x"}).code, 2);
        QCOMPARE(texts(&port, clock, {"read", "channels", "--language", "1", "-o", "x"}).code, 2);
        QCOMPARE(texts(&port, clock, {"erase", "ids", "x"}).code, 2);
        QCOMPARE(texts(nullptr, clock, {"read", "ids", "-o", "x"}).code, 2); // no port
        QVERIFY(port.writes().isEmpty());

        // An unreadable file is refused before the unit is touched.
        const Run r = texts(&port, clock, {"write", "ids", dir.filePath("missing.q8kk")});
        QCOMPARE(r.code, 4);
        QVERIFY2(r.err.contains("Datei konnte nicht gelesen werden. (Datei nicht vorhanden)"),
                 qPrintable(r.err));
        QVERIFY(port.writes().isEmpty());

        // A file that cannot be written after a read.
        QCOMPARE(texts(&port, clock, {"read", "channels", "-o", dir.filePath("no/dir.q8kc")}).code, 4);

        port.setOpenFailure(platform::PortError::NotFound);
        QCOMPARE(texts(&port, clock, {"read", "channels", "-o", dir.filePath("c.q8kc")}).code, 3);
        port.setOpenFailure(platform::PortError::None);
    }

    void silentAndLossyUnits()
    {
        QTemporaryDir dir;
        {
            sim::UnitOptions options;
            options.fault = sim::Fault::Silent;
            sim::UnitModel unit(options);
            platform::VirtualClock clock;
            sim::SimulatedPort port(unit, clock);
            const Run r = texts(&port, clock, {"read", "channels", "-o", dir.filePath("c.q8kc")});
            QCOMPARE(r.code, 1);
            QVERIFY2(r.err.contains("Bitte überprüfen Sie ob das Gerät am gewählten Port angeschlossen ist"),
                     qPrintable(r.err));
            QVERIFY(!port.isOpen());
        }
        {
            // Every 10th reply dropped: the lines that came would be assigned in order, so
            // later texts would land on wrong numbers; the command says how many are unusable
            // and leaves the file of an earlier read alone.
            sim::UnitOptions options;
            options.fault = sim::Fault::Drop;
            options.faultParam = 10;
            sim::UnitModel unit(options);
            platform::VirtualClock clock;
            sim::SimulatedPort port(unit, clock);
            const QString path = dir.filePath("d.q8kc");
            QFile earlier(path);
            QVERIFY(earlier.open(QIODevice::WriteOnly));
            earlier.write("earlier\r\n");
            earlier.close();
            const Run r = texts(&port, clock, {"read", "channels", "-o", path});
            QCOMPARE(r.code, 1);
            QVERIFY2(r.err.contains("Die Antwort des Quarns war gestört: 10 von 100 Texten konnten nicht "
                                    "gelesen werden."),
                     qPrintable(r.err));
            QVERIFY(r.err.contains("Es wurde nichts gespeichert."));
            QCOMPARE(fileLines(path), QList<QByteArray>{"earlier"});
        }
    }

    void nothingToSend()
    {
        // An ID file without one defined text: nothing goes out, and it says so.
        sim::UnitModel unit;
        platform::VirtualClock clock;
        sim::SimulatedPort port(unit, clock);
        QTemporaryDir dir;
        const QString none = dir.filePath("none.q8kk");
        QCOMPARE(TextFiles::save(none, TextKind::Ids, Register()), FileOutcome::Ok);
        const Run r = texts(&port, clock, {"write", "ids", none});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains("Es wurden keine Texte gesendet."), qPrintable(r.out + r.err));
        QVERIFY(!unit.commandsReceived().contains("$PK"));
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
        QTemporaryDir dir;
        const QString path = dir.filePath("f");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        f.close();
        sim::UnitModel unit;
        platform::VirtualClock clock;
        sim::SimulatedPort port(unit, clock);
        const Run r = texts(&port, clock, {"write", kind, path});
        QCOMPARE(r.code, 4);
        QVERIFY2(r.err.contains(said), qPrintable(r.err));
        QVERIFY(r.err.contains("es wurde nichts gesendet"));
        QVERIFY(port.writes().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstTextsCommand)
#include "tst_textscommand.moc"
