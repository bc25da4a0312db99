// The simulated unit's protocol: what each program sends and what it relies on in return.
#include "sim/BuiltInTexts.h"
#include "sim/FactoryTable.h"
#include "sim/UnitDisplayCodes.h"
#include "sim/UnitModel.h"

#include <QtTest>

using sim::Fault;
using sim::Model;
using sim::UnitModel;
using sim::UnitOptions;

namespace {

const QByteArray kFiller = QByteArray("\r") + QByteArray(30, ' ');

UnitOptions makeOptions(Model model, bool telephone, Fault fault = Fault::None, int param = 0)
{
    UnitOptions o;
    o.model = model;
    o.telephone = telephone;
    o.fault = fault;
    o.faultParam = param;
    return o;
}

// Sends bytes at time t and returns everything the unit has sent by t + 10 s.
QByteArray exchange(UnitModel& unit, const QByteArray& bytes, qint64 t = 0)
{
    unit.receive(bytes, t);
    return unit.takeOutput(t + 10000);
}

QByteArray connectPc(UnitModel& unit)
{
    return exchange(unit, "$PROGSTART\r");
}

// The configuration program's reading of the connect reply: model name and "$R300" only
// count after the first character; the version runs from the first "Quarn" to the first CR
// at or after position 14, and only for a text longer than 28 characters.
struct ConnectView {
    QString model;
    bool telephone = false;
    QString version;
};

ConnectView readConnect(const QByteArray& reply)
{
    const QString text = QString::fromLatin1(reply.left(70));
    ConnectView view;
    for (const char* name : {"Quarn 7k", "Quarn 8k", "Q7k", "Q8k"}) {
        if (text.indexOf(QLatin1String(name), 1) > 0) {
            view.model = QLatin1String(name);
            break;
        }
    }
    view.telephone = text.indexOf(QLatin1String("$R300"), 1) > 0;
    const int start = text.indexOf(QLatin1String("Quarn"));
    const int end = text.size() > 28 ? text.indexOf(QLatin1Char('\r'), 14) : -1;
    if (start >= 0 && end > start)
        view.version = text.mid(start, end - start);
    return view;
}

} // namespace

class TestUnitModel : public QObject {
    Q_OBJECT

private slots:
    void connectReplySatisfiesTheConfigurationProgram_data();
    void connectReplySatisfiesTheConfigurationProgram();
    void connectReplySatisfiesTheTextEditor();
    void registersReadAndWrite();
    void telephoneRegistersOnlyWithTelephoneInterface();
    void writeWithInvalidDigitsKeepsTheRegister();
    void monitorOutputOutsidePcMode();
    void monitorFaultNeverEntersPcMode();
    void silentFaultAnswersNothing();
    void factoryResets();
    void factoryTableIsValid();
    void dropAndCorruptFaults();
    void slowAndNoiseFaults();
    void babbleAndHangUpFaults();
    void baudTimingPacesBothDirections();
    void displayTextReads();
    void displayTextProgramming();
    void builtInLanguages();
    void ownTextCountFollowsProgrammedTexts();
    void shortDialMemory();
    void shortDialNeedsTheWokenInterface();
    void shortDialDefaultListing();
    void commandLogSkipsFillerBlanks();
    void lineGarbageNeitherCrashesNorWedges();
};

void TestUnitModel::connectReplySatisfiesTheConfigurationProgram_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<bool>("telephone");
    QTest::addColumn<QString>("name");
    QTest::newRow("7k") << int(Model::Q7k) << false << "Quarn 7k";
    QTest::newRow("7k-ti") << int(Model::Q7k) << true << "Quarn 7k";
    QTest::newRow("8k") << int(Model::Q8k) << false << "Quarn 8k";
    QTest::newRow("8k-ti") << int(Model::Q8k) << true << "Quarn 8k";
}

void TestUnitModel::connectReplySatisfiesTheConfigurationProgram()
{
    QFETCH(int, model);
    QFETCH(bool, telephone);
    QFETCH(QString, name);
    UnitModel unit(makeOptions(Model(model), telephone));
    const QByteArray reply = exchange(unit, "$PROGSTART\r$R300\r");
    QVERIFY(unit.inPcMode());
    const ConnectView view = readConnect(reply);
    QCOMPARE(view.model, name);
    QCOMPARE(view.telephone, telephone);
    QCOMPARE(view.version, name + QLatin1String(" V3.20"));
    QVERIFY(!reply.contains("----------------"));
    QVERIFY(!reply.contains("TX ="));
}

void TestUnitModel::connectReplySatisfiesTheTextEditor()
{
    for (const bool telephone : {false, true}) {
        UnitModel unit(makeOptions(Model::Q8k, telephone));
        const QByteArray first = connectPc(unit);
        // The editor reads 39 bytes; whatever is left would shift its second reply.
        QCOMPARE(first.size(), 39);
        const int k = first.indexOf("$START");
        QVERIFY(k >= 0);
        const QByteArray second = exchange(unit, "$RT9999" + kFiller);
        QVERIFY(second.size() >= k + 41);
        QCOMPARE(second.mid(k + 36, 3), QByteArray("127"));
    }
}

void TestUnitModel::registersReadAndWrite()
{
    UnitModel unit(makeOptions(Model::Q8k, false));
    connectPc(unit);
    QCOMPARE(exchange(unit, "$R082\r"), QByteArray("$R08207707000\r\n"));
    QCOMPARE(exchange(unit, "$P0070123ABCD\r"), QByteArray("$R0070123ABCD\r\n"));
    QCOMPARE(unit.registerText(7), QStringLiteral("0123ABCD"));
    QCOMPARE(exchange(unit, "$R007\r"), QByteArray("$R0070123ABCD\r\n"));
    // Requests sent back to back are answered in order.
    QCOMPARE(exchange(unit, "$R010\r$R199\r"), QByteArray("$R01012345000\r\n$R19900000000\r\n"));
    // Registers 200-299 do not exist on any unit.
    QCOMPARE(exchange(unit, "$R250\r"), QByteArray());
}

void TestUnitModel::telephoneRegistersOnlyWithTelephoneInterface()
{
    UnitModel base(makeOptions(Model::Q8k, false));
    connectPc(base);
    QCOMPARE(exchange(base, "$R300\r$R499\r$R600\r$R799\r$P600FFFFFFFF\r"), QByteArray());
    QCOMPARE(base.registerText(600), QStringLiteral("00140014"));

    UnitModel ti(makeOptions(Model::Q8k, true));
    connectPc(ti);
    QCOMPARE(exchange(ti, "$R600\r"), QByteArray("$R60000140014\r\n"));
    QCOMPARE(exchange(ti, "$R499\r$R550\r$R799\r"), QByteArray("$R49900000000\r\n$R79900000000\r\n"));
}

void TestUnitModel::writeWithInvalidDigitsKeepsTheRegister()
{
    UnitModel unit(makeOptions(Model::Q8k, false));
    connectPc(unit);
    // Blanks, lower case and short texts never reach the EEPROM; the echo shows what is stored.
    QCOMPARE(exchange(unit, "$P082        \r"), QByteArray("$R08207707000\r\n"));
    QCOMPARE(exchange(unit, "$P082abcdef01\r"), QByteArray("$R08207707000\r\n"));
    QCOMPARE(exchange(unit, "$P08212\r"), QByteArray("$R08207707000\r\n"));
    QCOMPARE(unit.registerText(82), QStringLiteral("07707000"));
}

void TestUnitModel::monitorOutputOutsidePcMode()
{
    UnitModel unit(makeOptions(Model::Q8k, true));
    const QByteArray before = exchange(unit, "$R005\r");
    QVERIFY(before.contains("Online-Monitor"));
    QVERIFY(before.indexOf("----------------") > 0);
    QVERIFY(before.contains("TX ="));
    QVERIFY(!before.contains("$R005"));

    connectPc(unit);
    QCOMPARE(exchange(unit, "$R005\r").left(5), QByteArray("$R005"));
    QCOMPARE(exchange(unit, "$PROGENDE\r"), QByteArray());
    QVERIFY(!unit.inPcMode());
    QVERIFY(exchange(unit, "$R005\r").contains("Online-Monitor"));
}

void TestUnitModel::monitorFaultNeverEntersPcMode()
{
    UnitModel unit(makeOptions(Model::Q8k, true, Fault::Monitor));
    const QByteArray reply = exchange(unit, "$PROGSTART\r$R300\r");
    QVERIFY(!unit.inPcMode());
    QVERIFY(!reply.contains("$START"));
    // The configuration program's monitor check looks at its 70 bytes.
    const QByteArray seen = reply.left(70);
    QVERIFY(seen.indexOf("----------------") > 0 || seen.indexOf("TX =") > 0);
}

void TestUnitModel::silentFaultAnswersNothing()
{
    UnitModel unit(makeOptions(Model::Q8k, true, Fault::Silent));
    QCOMPARE(exchange(unit, "$PROGSTART\r$R300\r$R005\rWL000-009\r"), QByteArray());
    QVERIFY(!unit.nextOutputAt());
    QCOMPARE(unit.commandsReceived().size(), 4); // heard, just not answered
}

void TestUnitModel::factoryResets()
{
    UnitModel unit(makeOptions(Model::Q8k, true));
    connectPc(unit);
    exchange(unit, "$P08200000000\r$P600FFFFFFFF\r");
    exchange(unit, "$PROGENDE\r");
    unit.setShortDialEntry(5, "0815");

    exchange(unit, "\rP222\r");
    QCOMPARE(unit.registerText(82), QStringLiteral("07707000"));
    QCOMPARE(unit.registerText(600), QStringLiteral("FFFFFFFF"));
    QCOMPARE(unit.shortDialEntry(5), QByteArray("0815"));

    exchange(unit, "\rP522\r");
    exchange(unit, "\r");
    QCOMPARE(unit.registerText(600), QStringLiteral("00140014"));
    QVERIFY(unit.shortDialEntry(5).isEmpty());
    QVERIFY(!unit.inPcMode());
}

void TestUnitModel::factoryTableIsValid()
{
    const QRegularExpression hex8(QStringLiteral("^[0-9A-F]{8}$"));
    for (int n = 0; n < UnitModel::kRegisterCount; ++n)
        QVERIFY2(hex8.match(QString::fromLatin1(sim::FactoryTable::value(n))).hasMatch(),
                 qPrintable(QString::number(n)));
    // Tone lengths and pause 70 ms; evaluation references 90/90/50 ms, 0.1 s, ZVEI.
    QCOMPARE(sim::FactoryTable::value(82).left(5), QByteArray("07707"));
    QCOMPARE(sim::FactoryTable::value(80), QByteArray("01810000"));
    QCOMPARE(sim::FactoryTable::value(81).left(5), QByteArray("01810"));
}

void TestUnitModel::dropAndCorruptFaults()
{
    UnitModel dropping(makeOptions(Model::Q8k, false, Fault::Drop, 3));
    connectPc(dropping);
    const QByteArray replies = exchange(dropping, "$R001\r$R002\r$R003\r$R004\r$R005\r$R006\r");
    QCOMPARE(replies, QByteArray("$R00100000000\r\n$R00200000000\r\n$R00400000000\r\n$R00500000000\r\n"));

    UnitModel corrupting(makeOptions(Model::Q8k, false, Fault::Corrupt, 2));
    connectPc(corrupting);
    QCOMPARE(exchange(corrupting, "$P00711111111\r"), QByteArray("$R00711111111\r\n"));
    const QByteArray second = exchange(corrupting, "$P00722222222\r");
    QCOMPARE(second.left(5), QByteArray("$R007"));
    QVERIFY(second.mid(5, 8) != "22222222");
    QCOMPARE(corrupting.registerText(7), QStringLiteral("22222222")); // stored right, echoed wrong
}

void TestUnitModel::slowAndNoiseFaults()
{
    UnitModel slow(makeOptions(Model::Q8k, false, Fault::Slow, 250));
    slow.receive("$PROGSTART\r", 1000);
    QCOMPARE(slow.nextOutputAt(), std::optional<qint64>(1250));
    QVERIFY(slow.takeOutput(1249).isEmpty());
    QCOMPARE(slow.takeOutput(1250).left(6), QByteArray("$START"));

    UnitModel noisy(makeOptions(Model::Q8k, false, Fault::Noise));
    connectPc(noisy);
    const QByteArray reply = exchange(noisy, "$R082\r");
    const int at = reply.indexOf("$R08207707000");
    QVERIFY(at >= 1 && at <= 2);
    QVERIFY(!reply.left(at).contains('$'));
}

void TestUnitModel::babbleAndHangUpFaults()
{
    // Babble: quiet until the PC sends, then noise for ever, never an answer.
    UnitModel babbling(makeOptions(Model::Q8k, false, Fault::Babble));
    QVERIFY(!babbling.nextOutputAt());
    babbling.receive("$PROGSTART\r", 100);
    QByteArray heard;
    for (qint64 t = 100; t <= 60100; t += 1000)
        heard += babbling.takeOutput(t);
    QVERIFY2(heard.size() >= 60 * 100, qPrintable(QString::number(heard.size())));
    QVERIFY(babbling.nextOutputAt().has_value());
    QVERIFY(!heard.contains('$') && !heard.contains('\r') && !heard.contains("Quarn"));

    // babble=1: the connect is answered, everything after it drowns in noise.
    UnitModel afterConnect(makeOptions(Model::Q8k, false, Fault::Babble, 1));
    QVERIFY(exchange(afterConnect, "$PROGSTART\r").startsWith("$START"));
    const QByteArray noise = exchange(afterConnect, "$R001\r", 20000);
    QVERIFY(noise.size() > 100 && !noise.contains("$R001"));

    // Hang-up after 3 commands: the third is heard but not answered, the line is gone.
    UnitModel hanging(makeOptions(Model::Q8k, false, Fault::HangUp, 3));
    QVERIFY(exchange(hanging, "$PROGSTART\r").startsWith("$START"));
    QCOMPARE(exchange(hanging, "$R001\r"), QByteArray("$R00100000000\r\n"));
    QVERIFY(!hanging.lineDropped());
    QCOMPARE(exchange(hanging, "$R002\r"), QByteArray());
    QVERIFY(hanging.lineDropped());
    QCOMPARE(exchange(hanging, "$R003\r$PROGSTART\r"), QByteArray());
    QCOMPARE(hanging.commandsReceived().size(), 3);

    UnitOptions parsed;
    QVERIFY(sim::parseFault(QStringLiteral("hangup=40"), parsed));
    QCOMPARE(parsed.fault, Fault::HangUp);
    QCOMPARE(parsed.faultParam, 40);
    QVERIFY(sim::parseFault(QStringLiteral("babble"), parsed));
    QCOMPARE(parsed.fault, Fault::Babble);
    QCOMPARE(parsed.faultParam, 0);
    QVERIFY(sim::parseFault(QStringLiteral("babble=2"), parsed));
    QCOMPARE(parsed.faultParam, 2);
    QVERIFY(!sim::parseFault(QStringLiteral("hangup=0"), parsed));
    QCOMPARE(parsed.fault, Fault::Babble);
}

void TestUnitModel::baudTimingPacesBothDirections()
{
    UnitOptions options = makeOptions(Model::Q8k, false);
    options.baudTiming = true;
    UnitModel unit(options);
    unit.receive("$PROGSTART\r", 0);
    // 11 bytes in (11.46 ms), then 39 bytes out: the last one complete at 52.08 ms.
    QCOMPARE(unit.nextOutputAt(), std::optional<qint64>(13));
    QCOMPARE(unit.takeOutput(52).size(), 38);
    QCOMPARE(unit.takeOutput(53).size(), 1);

    // A write reaches the unit byte by byte: the second command waits for the first on the line.
    unit.receive("$R082\r$R083\r", 100);
    QCOMPARE(unit.commandLog().at(1).atMs, 106); // 6.25 ms
    QCOMPARE(unit.commandLog().at(2).atMs, 112); // 12.5 ms
    // The replies queue on the outgoing line: 30 bytes from 106.25 ms, done at 137.5 ms.
    QCOMPARE(unit.takeOutput(137).size(), 29);
    QCOMPARE(unit.takeOutput(138).size(), 1);
}

void TestUnitModel::displayTextReads()
{
    UnitModel unit(makeOptions(Model::Q8k, false));
    connectPc(unit);
    const QByteArray id = exchange(unit, "$RK007" + kFiller);
    QCOMPARE(id.size(), 6 + 25 + 1);
    QCOMPARE(id.mid(6), QByteArray("X") + QByteArray(24, ' ') + "\n");

    const QByteArray channel = exchange(unit, "$RC099" + kFiller);
    QCOMPARE(channel.size(), 6 + 25 + 1);
    QCOMPARE(channel.at(6), '0');

    const QByteArray own = exchange(unit, "$RT0000" + kFiller);
    QCOMPARE(own.size(), 6 + 32 + 1);
    QCOMPARE(sim::UnitDisplayCodes::toText(own.mid(6, 24)).trimmed(), QStringLiteral("Hauptmenü"));
    QCOMPARE(own.mid(30, 8), QByteArray("00000001"));

    // Reads sent back to back, each with its filler, give one line each, in order.
    const QByteArray lines = exchange(unit, "$RK000" + kFiller + "$RK001" + kFiller + "$RK002" + kFiller);
    QCOMPARE(lines.count('\n'), 3);
    QVERIFY(lines.startsWith("$K000:"));
    // Out of range and unknown languages are not answered.
    QCOMPARE(exchange(unit, "$RC100" + kFiller + "$RT9000" + kFiller), QByteArray());
}

void TestUnitModel::displayTextProgramming()
{
    UnitModel unit(makeOptions(Model::Q8k, false));
    connectPc(unit);
    const QByteArray idText =
        QByteArray("1") +
        sim::UnitDisplayCodes::fromText(QStringLiteral("Wache Süd $1")).leftJustified(24, ' ');
    QCOMPARE(exchange(unit, "$PK123" + idText + "\r"), QByteArray());
    QCOMPARE(exchange(unit, "$PK\r"), QByteArray());
    QCOMPARE(unit.idText(123), idText);
    QCOMPARE(exchange(unit, "$RK123" + kFiller), "$K123:" + idText + "\n");
    // The text keeps its blanks, including a leading one in an own text.
    const QByteArray ownText = QByteArray("  Eigener Text           00000002").left(32);
    exchange(unit, "$PT005" + ownText + "\r$PT\r");
    QCOMPARE(exchange(unit, "$RTF005" + kFiller).mid(6, 32), ownText);
    exchange(unit, "$PC042" + QByteArray("0Kanal 42$$$").leftJustified(25, ' ') + "\r$PC\r");
    QCOMPARE(unit.channelText(42), QByteArray("0Kanal 42$$$").leftJustified(25, ' '));
}

void TestUnitModel::builtInLanguages()
{
    UnitModel unit(makeOptions(Model::Q8k, false));
    connectPc(unit);
    QSet<QByteArray> firstTexts;
    for (char language = '0'; language <= '5'; ++language) {
        for (int n : {0, 60, 127}) {
            const QByteArray line =
                exchange(unit, "$RT" + QByteArray(1, language) +
                                   QByteArray::number(n).rightJustified(3, '0') + kFiller);
            QCOMPARE(line.size(), 39);
            QVERIFY(line.mid(6, 24).trimmed().size() > 0);
            if (n == 0)
                firstTexts.insert(line.mid(6, 24));
        }
    }
    QCOMPARE(firstTexts.size(), 6);
    // Every built-in text fits: 24 display characters and 8 configuration characters.
    for (int language = 0; language < 6; ++language) {
        for (int n = 0; n < sim::BuiltInTexts::kCount; ++n)
            QCOMPARE(sim::BuiltInTexts::ownText(language, n).size(), 32);
    }
}

void TestUnitModel::ownTextCountFollowsProgrammedTexts()
{
    UnitModel unit(makeOptions(Model::Q8k, false));
    connectPc(unit);
    exchange(unit, "$PT200" + QByteArray(24, 'A') + "00000001\r$PT\r");
    const QByteArray reply = exchange(unit, "$RT9999" + kFiller);
    QCOMPARE(reply.mid(36, 3), QByteArray("200"));
}

void TestUnitModel::shortDialMemory()
{
    UnitModel unit(makeOptions(Model::Q8k, true));
    exchange(unit, "$PROGENDE\r");
    exchange(unit, "\r");
    QCOMPARE(exchange(unit, "WP001:081512345.......\rWP002:#12*......\r"), QByteArray());
    QCOMPARE(unit.shortDialEntry(1), QByteArray("081512345"));
    const QByteArray list = exchange(unit, "WL000-002\r");
    QCOMPARE(
        list,
        QByteArray("WL000-002\rWP000:................\rWP001:081512345.......\rWP002:#12*............\r"));
    // Without the telephone interface the commands are unknown: monitor output.
    UnitModel base(makeOptions(Model::Q8k, false));
    QVERIFY(exchange(base, "WL000-099\r").contains("Online-Monitor"));
}

void TestUnitModel::shortDialNeedsTheWokenInterface()
{
    UnitModel unit(makeOptions(Model::Q8k, true));
    connectPc(unit);
    QCOMPARE(exchange(unit, "WL000-009\r"), QByteArray()); // in PC mode: ignored
    QVERIFY(exchange(unit, "$PROGENDE\rWL000-009\r").contains("Online-Monitor"));
    QVERIFY(exchange(unit, "\rWL000-009\r").startsWith("WL000-009\rWP000:"));
    QVERIFY(exchange(unit, "q\rWL000-009\r").contains("Online-Monitor"));
    QVERIFY(exchange(unit, "\rWP001:1\r$PROGSTART\rWP002:2\r").startsWith("$START"));
    QCOMPARE(unit.shortDialEntry(1), QByteArray("1"));
    QVERIFY(unit.shortDialEntry(2) != "2");
}

void TestUnitModel::shortDialDefaultListing()
{
    UnitModel unit(makeOptions(Model::Q8k, true));
    exchange(unit, "$PROGENDE\r\r");
    const QByteArray list = exchange(unit, "WL000-099\r");
    QVERIFY(list.startsWith("WL000-099\rWP000:................\r"));
    // 100 lines of 23 bytes, a stray '#' after lines 007, 039 and 071.
    QCOMPARE(list.size(), 10 + 100 * 23 + 3);
    for (int n : {7, 39, 71}) {
        const QByteArray line = "WP" + QByteArray::number(n).rightJustified(3, '0') + ":";
        QCOMPARE(list.at(list.indexOf(line) + 23), '#');
    }
    int withHash = 0;
    for (int n = 0; n < UnitModel::kShortDialCount; ++n) {
        const QByteArray entry = unit.shortDialEntry(n);
        QVERIFY(entry.size() <= 16);
        QVERIFY(!entry.contains('.'));
        QCOMPARE(entry.isEmpty(), n % 10 == 0);
        withHash += entry.contains('#') ? 1 : 0;
    }
    QVERIFY(withHash > 100);
    // Listing at 9600 baud: each byte 10 bits on the line.
    UnitOptions paced = makeOptions(Model::Q8k, true);
    paced.baudTiming = true;
    UnitModel slow(paced);
    slow.receive("$PROGENDE\r\rWL900-999\r", 0);
    const QByteArray early = slow.takeOutput(1000);
    QVERIFY2(early.size() > 900 && early.size() < 960, QByteArray::number(early.size()));
    QCOMPARE(early.size() + slow.takeOutput(4000).size(), 10 + 100 * 23 + 4); // '#' after 903, 935, 967, 999
}

void TestUnitModel::commandLogSkipsFillerBlanks()
{
    UnitModel unit(makeOptions(Model::Q8k, false));
    unit.receive("$PROGSTART\r", 500);
    unit.receive("$RK000" + kFiller, 620);
    unit.receive("$RK001" + kFiller + "$PROGENDE\r", 640);
    const QList<UnitModel::Command> log = unit.commandLog();
    QCOMPARE(log.size(), 4);
    QCOMPARE(log[1].text, QByteArray("$RK000"));
    QCOMPARE(log[1].atMs, 620);
    QCOMPARE(log[3].text, QByteArray("$PROGENDE"));
}

void TestUnitModel::lineGarbageNeitherCrashesNorWedges()
{
    UnitModel unit(makeOptions(Model::Q8k, true));
    connectPc(unit);
    // Truncated and malformed commands of every kind, then random bytes.
    exchange(unit, "$R\r$R1\r$RT\r$RT9\r$RTF\r$RK12\r$P\r$P12\r$PK\r$PT99\r$PC1\r$RC\r");
    exchange(unit, "$PROGENDE\rWL\rWL000\rWL000-\rWL999-000\rWP\rWP12\rWP123\rWP999:\r");
    QRandomGenerator random(4711);
    QByteArray garbage(200000, '\0');
    for (char& c : garbage)
        c = char(random.bounded(256));
    unit.receive(garbage, 20000);
    unit.takeOutput(40000);
    // A long run without CR is dropped, so the next command is understood.
    unit.receive(QByteArray(1000, 'A') + "\r", 50000);
    unit.takeOutput(60000);
    QCOMPARE(exchange(unit, "$PROGSTART\r", 70000).left(6), QByteArray("$START"));
    QCOMPARE(exchange(unit, "$R082\r", 70000), QByteArray("$R08207707000\r\n"));
}

QTEST_APPLESS_MAIN(TestUnitModel)
#include "tst_unitmodel.moc"
