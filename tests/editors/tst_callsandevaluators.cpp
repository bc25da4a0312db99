// Target calls, intercom, FFSK, channel switching, the scanner and the group-call and alarm
// evaluators, driven through their widgets: the layouts that follow other controls, what each
// dialog refuses (before anything is written), and stored values the dialogs do not know.
#include "config/editors/base/Zielrufe.h"
#include "platform/UserDialogs.h"
#include "tests/support/DialogScript.h"

#include <QCheckBox>

using namespace editortest;

namespace {

const QString tooFewDigits = QStringLiteral(
    "Ihre Eingabe im Feld \"Tonfolge\" enthält weniger Ziffern als aufgrund Ihrer Auswahl nötig sind.");
const QString tooFewTones =
    QStringLiteral("Mindestens eine Tonfolge enthält weniger Ziffern als aufgrund Ihrer Auswahl nötig sind.");
const QString tooHigh = QStringLiteral("Ein eingegebener Wert ist zu hoch/niedrig.");
const QString noInteger = QStringLiteral("Geben Sie eine ganze Zahl ein.");

QString flag(bool on)
{
    return on ? QStringLiteral("true") : QStringLiteral("false");
}

// A target call's field by its mode digit, the X-tone count, the Z key's mode and the Z-key box.
struct TargetCall {
    const char* name;
    int call;
    char mode;     // register digit 7 of the call
    char xCount;   // register 81 digit 5
    char zKeyMode; // register 174 digit 3
    bool byZKey;
    int length;
    int position; // of the mode's combo box
};

const TargetCall targetCalls[] = {
    {"7-tone", 3, '4', '5', '0', true, 5, 4},
    {"double sequence X=6", 0, '1', '6', '0', true, 6, 1},
    {"X-tone X=3", 9, '9', '3', '0', true, 3, 7},
    {"4-tone", 1, '8', '5', '0', true, 4, 6},
    // The X-tone count outside 3-7 is 5, whatever the digit holds.
    {"X digit 9", 0, '2', '9', '0', true, 5, 2},
    {"X digit F", 0, '2', 'F', '0', true, 5, 2},
    {"X blank", 0, '2', ' ', '0', true, 5, 2},
    // "wie bei Taste programmiert" follows the Z key's mode for calls 0-9.
    {"key 4-tone", 2, 'F', '5', '8', true, 4, 8},
    {"key X-tone", 2, 'F', '4', '9', true, 4, 8},
    {"key without ID", 2, 'F', '5', '7', true, 5, 8},
    {"key mode A", 2, 'F', '5', 'A', true, 7, 8},
    {"key mode F", 2, 'F', '5', 'F', true, 7, 8},
    {"not by Z key", 2, 'F', '5', '8', false, 7, 8},
    {"external always 7", 11, 'F', '5', '8', true, 7, 8},
    {"external 5-tone", 14, '0', '5', '8', true, 5, 0},
    // A mode the list does not know opens without selection and keeps all seven digits.
    {"unknown mode 6", 5, '6', '5', '0', true, 7, -1},
    {"unknown mode C", 12, 'C', '5', '0', true, 7, -1},
};

// One group-call choice: a tone of the table or "Ruf 1"/"Ruf 2", with an output.
struct GroupCall {
    const char* name;
    bool active;
    const char* choice;
    const char* tone;
    const char* output;
    const char* stored; // register 84 digits 0-1
};

const GroupCall groupCalls[] = {
    {"Ruf 2, output 3", true, "call2", "", "3", "2B"},
    {"Ruf 1, output 0", true, "call1", "", "0", "18"},
    {"tone A, output 0", true, "toneFromTable", "a", "0", "A0"},
    {"tone 1, output 7", true, "toneFromTable", "1", "7", "17"},
    {"inactive", false, "toneFromTable", "", "5", "F5"},
};

} // namespace

class TestCallsAndEvaluators : public QObject {
    Q_OBJECT

private:
    quarn::Register m_image;

private slots:
    void init()
    {
        m_image = quarn::Register();
        loadFactoryImage(m_image);
    }

    // Each row: the registers set on the factory image, what the user does and sees, and what
    // "OK" writes or the one message that refuses it.
    void dialogs_data()
    {
        addScriptColumns();
        // --- Zielrufe ---
        // Confirmed as shown, a call keeps its digits and its mode; the rest up to digit 6 is "0".
        for (const TargetCall& t : targetCalls) {
            const int reg = t.call < 10 ? t.call : 93 + t.call;
            const QString digits = QStringLiteral("1234567").left(t.length);
            scriptRow(t.name, "Zielrufe",
                      QStringLiteral("%1=1234567%2;81/5=%3;174/3=%4")
                          .arg(reg)
                          .arg(QLatin1Char(t.mode))
                          .arg(QLatin1Char(t.xCount))
                          .arg(QLatin1Char(t.zKeyMode)),
                      QStringLiteral("%1mode%2==#%3;call%2.maxLength==%4;call%2==%5")
                          .arg(t.byZKey ? QString() : QStringLiteral("answer=Yes;zKey=click;"))
                          .arg(t.call)
                          .arg(t.position)
                          .arg(t.length)
                          .arg(digits),
                      "",
                      QStringLiteral("%1=%2%3%4")
                          .arg(reg)
                          .arg(digits, QString(7 - t.length, u'0'))
                          .arg(QLatin1Char(t.mode)));
        }
        scriptRow("external call short", "Zielrufe", "",
                  "mode3=#4;call3=12345;mode11=#8;call11=123456;repeatTime=30", tooFewTones, "");
        scriptRow("calls stored", "Zielrufe", "",
                  "mode3=#4;call3=12345;mode11=#8;call11=abcdef1;repeatTime=16665", "",
                  "3=12345004;104=ABCDEF1F;102=FFFF0000");
        // A short call refuses the whole dialog before the repeat time is written.
        scriptRow("short call writes nothing", "Zielrufe", "", "repeatTime=99;call0=12345;call7=12",
                  tooFewTones, "");

        // --- Intercomtonfolge ---
        scriptRow("intercom short", "Intercomtonfolge", "14=12345678",
                  "intercomSequence==1234;intercomSequence=ab", tooFewDigits, "");
        scriptRow("intercom", "Intercomtonfolge", "14=12345678", "intercomSequence=abcd", "", "14=ABCD5678");

        // --- FFSK ---
        const char* ffsk = "FFSK-Modus (+ FMS)";
        // The start status field follows its choice and is refilled from the image.
        scriptRow(
            "start status length", ffsk, "54=1AB55678",
            "status1==1;startStatus==B;status2=click;startStatus==AB;startStatus.maxLength==2;"
            "startStatus=3;status1=click;startStatus==B;status2=click;startStatus=3;limitNumber=7",
            "Die Zeichenzahl des angegebenen Startstatus stimmt nicht mit der darüber befindlichen Auswahl "
            "überein! Bitte ändern Sie die Eingaben entsprechend.",
            "");
        // A disabled field keeps its register as it was.
        scriptRow("identifiers and status", ffsk, "54=1AB55678",
                  "limitNumber=7;ffskMode=click;hashId=c;status2=click;startStatus=42;emergencyBak=click;"
                  "emergencyTones.enabled==false",
                  "", "90=0071C000;54=24255678;91/0=1;94=FFFFF000");
        // Fixed-width fields refuse short entries; every refusal comes before any write.
        const QList<std::pair<const char*, QString>> ffskRefusals = {
            {"hashId=", QStringLiteral("Geben Sie genau eine Hex-Ziffer (0-9, A-F) ein.")},
            {"bak=", QStringLiteral("Geben Sie genau eine Hex-Ziffer (0-9, A-F) ein.")},
            {"emergencyTones=1234", QStringLiteral("Geben Sie genau 5 Hex-Ziffern (0-9, A-F) ein.")},
            {"alarmDuration=3,2", tooHigh},
            {"status5Time=16", QStringLiteral("Geben Sie eine ganze Zahl zwischen 0 und 15 ein.")}};
        for (const auto& [edit, message] : ffskRefusals)
            scriptRow(
                edit, ffsk, "",
                QStringLiteral(
                    "emergencyDefined=click;status1=click;startStatus=5;limitNumber=123;alarmType=#4;") +
                    QLatin1String(edit),
                message, "");
        // Digits the lists do not know open without selection and survive "OK"; a disabled
        // "ein für" field is offered as 1 and blocks nothing.
        scriptRow("ffsk keeps unknown digits", ffsk, "91=70000000;93=50F00000;54=9AB55000",
                  "emergencyOff==0;emergencyBak==0;emergencyDefined==0;statusNone==0;status1==0;status2==0;"
                  "startStatus.enabled==false;emergencyIdMode==#-1;switchOn==1;switchSeconds==1",
                  "", "");

        // --- KanFernKonfig ---
        const char* channels = "Konfiguration";
        const QList<std::pair<char, int>> entryDigits = {{'0', 0},  {'2', 2},  {'5', 3}, {'6', 4},
                                                         {'3', -1}, {'4', -1}, {'9', -1}};
        for (const auto& [digit, position] : entryDigits)
            scriptRow(qPrintable(QStringLiteral("channel entry %1").arg(QLatin1Char(digit))), channels,
                      QStringLiteral("66/0=%1").arg(QLatin1Char(digit)),
                      QStringLiteral("channelEntry==#%1").arg(position), "", "");
        // Channel bits only for the decimal and BCD modes, fixed digits only for remote switching;
        // each is written only where enabled.
        const QList<std::tuple<const char*, int, bool, bool>> modes = {{"TRC", 0, false, false},
                                                                       {"dezimal", 1, true, false},
                                                                       {"2xBCD", 4, true, false},
                                                                       {"KFS mit Pilotton", 5, false, true},
                                                                       {"KFS ohne TX", 7, false, true}};
        for (const auto& [name, mode, bits, remote] : modes)
            scriptRow(
                name, channels, "66=20191000",
                QStringLiteral("channelEntry=#4;switchingMode=#%1;channelBits.enabled==%2;"
                               "outputInverted.enabled==%2;fixedDigits.enabled==%3;ackQuarn9.enabled==%3;"
                               "fixedDigits=a;channelBits=6;startChannel=42")
                    .arg(mode)
                    .arg(flag(bits), flag(remote)),
                "",
                QStringLiteral("66=6%1%2;63=%3;64=04200000")
                    .arg(mode)
                    .arg(bits ? QStringLiteral("161000") : QStringLiteral("191000"),
                         remote ? QStringLiteral("A0000000") : QStringLiteral("BCD00000")));
        scriptRow("highest channel 100", channels, "", "highestChannel=100",
                  "Geben Sie eine ganze Zahl zwischen 0 und 99 ein.", "");

        // --- Scanner ---
        const char* scanner = "Scannerfunktion";
        // Two channels, then the end mark; "OK" packs the list and closes its gaps.
        const QList<std::tuple<const char*, QStringList, QString>> lists = {
            {"gaps closed", {"3", "", "12"}, "0312FF99999999999999"},
            {"none", {}, "FF06FF99999999999999"},
            {"ten, no end mark",
             {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"},
             "01020304050607080910"}};
        for (const auto& [name, entered, list] : lists) {
            QString play =
                QStringLiteral("channel1==06;channel2==;channel3==;channel0.enabled==false;listMode=click;"
                               "rangeFrom.enabled==false");
            for (int k = 0; k < 10; ++k)
                play += QStringLiteral(";channel%1=%2").arg(k).arg(entered.value(k));
            QString after = QStringLiteral("67=EE085000");
            for (int r = 70; r <= 74; ++r)
                after +=
                    QStringLiteral(";%1=%2").arg(r).arg(list.mid(4 * (r - 70), 4) + QStringLiteral("9999"));
            scriptRow(name, scanner,
                      "67=01085000;70=05069999;71=FF999999;72=99999999;73=99999999;74=99999999", play, "",
                      after);
        }
        // List mode can be left: the range fields open empty rather than with "EE" and must be given.
        scriptRow("range from empty", scanner, "67=EE085000",
                  "listMode==1;rangeFrom==;rangeTo==08;listMode=click;rangeFrom.enabled==true;"
                  "channel0.enabled==false",
                  noInteger, "");
        scriptRow("range from EE", scanner, "67=EE085000", "listMode=click;rangeFrom=EE", noInteger, "");
        scriptRow("range is decimal", scanner, "67=EE085000", "listMode=click;rangeFrom=5;rangeTo=12", "",
                  "67=05125000");
        // Factory: off, 01-08, stop on carrier, 2,0 s.
        const QList<std::tuple<const char*, const char*, const char*, QString, const char*>> times = {
            {"dwell 35", "35", "2,0", QString(), "67=01081000;68=12000000"},
            {"dwell 300", "300", "0,1", QString(), "67=0108F000;68=10100000"},
            {"wait clamped", "100", "16,9", QString(), "67=01085000;68=1FF00000"},
            {"wait 5", "100", "5", QString(), "67=01085000;68=15000000"},
            {"dwell 310", "310", "2,0", QStringLiteral("Geben Sie eine ganze Zahl zwischen 20 und 300 ein."),
             ""},
            {"wait too high", "100", "26,0", tooHigh, ""},
            {"wait not decimal", "100", "2s", QStringLiteral("Bitte geben Sie eine Dezimalzahl ein!"), ""}};
        for (const auto& [name, dwell, wait, message, after] : times)
            scriptRow(
                name, scanner, "",
                QStringLiteral("dwellTime.visible==false;waitTime==2,0;scannerActive=click;dwellTime==100;"
                               "rangeFrom.visible==true;dwellTime=%1;waitTime=%2")
                    .arg(QLatin1String(dwell), QLatin1String(wait)),
                message, after);
        // Switched off, only the off digit is written, whatever the hidden fields hold.
        scriptRow("scanner off writes only its digit", scanner, "67=1A2B3000;68=1ZZ00000",
                  "scannerActive==1;scannerActive=click;rangeFrom.visible==false", "", "67=1A2B0000");

        // --- Sammelrufauswerter ---
        // Reopened, it shows what was stored; inactive opens on the table with an empty field.
        for (const GroupCall& c : groupCalls) {
            const bool table = c.choice == QLatin1String("toneFromTable");
            QString play = QStringLiteral("tone==7;");
            if (!c.active)
                play += QStringLiteral("active=click;");
            play += QStringLiteral("%1=click;tone.enabled==%2;")
                        .arg(QLatin1String(c.choice), flag(c.active && table));
            if (*c.tone)
                play += QStringLiteral("tone=%1;").arg(QLatin1String(c.tone));
            play += QStringLiteral("outputNumber=%1").arg(QLatin1String(c.output));
            scriptRow(c.name, "Sammelrufauswerter", "84=7F012345", play, "",
                      QStringLiteral("84=%1").arg(QLatin1String(c.stored) + QStringLiteral("012345")),
                      QStringLiteral("active=%1;%2=1;outputNumber=%3;tone=%4")
                          .arg(c.active ? QLatin1Char('1') : QLatin1Char('0'))
                          .arg(c.active ? QLatin1String(c.choice) : QLatin1String("toneFromTable"),
                               QLatin1String(c.output),
                               c.active ? QString::fromLatin1(c.tone).toUpper() : QString()));
        }
        // "F" would switch the evaluator off and an empty field holds no tone: both are refused
        // while it is active; so is a rejected alarm duration, before anything is written.
        const QString toneMessage = QStringLiteral(
            "Bitte geben Sie im Feld \"Ton aus Tontabelle (0-E):\" einen Ton von 0 bis E ein.");
        const QList<std::tuple<const char*, const char*, const char*, QString>> groupRefusals = {
            {"tone F", "84=30000000", "tone=F;alarmDuration=1,0", toneMessage},
            {"tone empty", "84=30000000", "tone=;alarmDuration=1,0", toneMessage},
            {"activated without tone", "84=F0000000",
             "active==0;toneFromTable==1;active=click;tone.enabled==true;alarmDuration=1,0", toneMessage},
            {"group call duration", "84=30000000", "tone=4;alarmDuration=3,2", tooHigh}};
        for (const auto& [name, image, play, message] : groupRefusals)
            scriptRow(name, "Sammelrufauswerter", image,
                      QLatin1String(play) + QStringLiteral(";outputNumber=6"), message, "");

        // --- KR517bD ---
        const char* alarm = "KR517bD Alarmauswerter";
        const char* alarmImage = "75=12349ABC;77=00010DEF";
        // "9" opens as the last keying entry; disabled fields show their defaults.
        scriptRow(
            "alarm sequence short", alarm, alarmImage,
            "helpButton.visible==false;alarmToneBox.title==Weckton bei Alarm;keying==#2;confirmByHashKey==1;"
            "displayTime.enabled==false;displayTime==5;switchSeconds.enabled==false;switchSeconds==1;"
            "alarmSequence=987",
            "Geben Sie genau 4 Hex-Ziffern (0-9, A-F) ein.", "");
        scriptRow("alarm duration", alarm, alarmImage, "alarmSequence=9876;alarmDuration=9", tooHigh, "");
        scriptRow("alarm evaluator", alarm, alarmImage,
                  "alarmSequence=9876;keying=#1;queryAtSwitchOn=click;outputNumber=4;switchFor=click;"
                  "switchSeconds=12;confirmByHashKey=click;displayTime=15",
                  "", "75=98766ABC;77=14C1FDEF");
        scriptRow("alarm confirmation off", alarm, "75=98766ABC;77=14C1FDEF", "confirmByHashKey=click", "",
                  "77/4=0");
    }
    void dialogs() { runScriptRow(false); }

    void uncheckingTheZKeyAsksFirst_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<int>("length");
        QTest::newRow("no") << int(platform::Answer::No) << true << 5;
        QTest::newRow("yes") << int(platform::Answer::Yes) << false << 7;
    }
    void uncheckingTheZKeyAsksFirst()
    {
        QFETCH(int, answer);
        QFETCH(bool, checked);
        QFETCH(int, length);
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(4) = QStringLiteral("9876543F"); // key mode of 174 is 5-tone
        quarn::Zielrufe dialog(&m_image);
        open(&dialog);
        setText(&dialog, "call4", QStringLiteral("1"));
        boxes.setNextAnswer(static_cast<platform::Answer>(answer));
        tick(child<QCheckBox>(&dialog, "zKey"));
        QCOMPARE(boxes.texts(), QStringList({"Dieses Häkchen muss NUR DANN entfernt werden, wenn nicht alle "
                                             "Zielrufe 0-9 mit der Z-Taste verschickt werden sollen!!\n"
                                             "Wollen Sie das Häkchen wirklich entfernen?"}));
        QCOMPARE(boxes.last().caption, QStringLiteral("Warnhinweis!"));
        QCOMPARE(boxes.last().buttons, platform::MessageButtons::YesNo);
        QCOMPARE(child<QCheckBox>(&dialog, "zKey")->isChecked(), checked);
        // Laid out again: the typed digit is gone.
        QCOMPARE(child<QLineEdit>(&dialog, "call4")->text(), QStringLiteral("9876543").left(length));
    }
};

QTEST_MAIN(TestCallsAndEvaluators)
#include "tst_callsandevaluators.moc"
