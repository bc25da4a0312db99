// The telephone interface's dialogs, driven through their widgets: the DTMF editors, the line
// signalling with the dial-tone table, the telephone decoders, the telephone mode, the line
// chip and the audio levels.
#include "config/editors/EditorCatalog.h"
#include "config/editors/telephone/AMTSTONDECODERTAB.h"
#include "config/editors/telephone/AmtstonAusw.h"
#include "config/editors/telephone/TELDECODERKONFIG.h"
#include "config/editors/telephone/TELDecoder.h"
#include "platform/UserDialogs.h"
#include "tests/support/DialogScript.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

using namespace editortest;

namespace {

void selectType(QDialog* entry, int position)
{
    child<QComboBox>(entry, "lineType")->setCurrentIndex(position);
}

// A tree item of the telephone tree, or "AMTSTONDECODERTAB n" (entry n of the dial-tone table)
// and "TELDECODERKONFIG n" (telephone decoder n), which other dialogs open.
QDialog* openTelephoneDialog(const QString& name, quarn::Register& image)
{
    const int n = name.section(QLatin1Char(' '), -1).toInt();
    if (name.startsWith(QLatin1String("AMTSTONDECODERTAB ")))
        return new quarn::AMTSTONDECODERTAB(&image, n);
    if (name.startsWith(QLatin1String("TELDECODERKONFIG ")))
        return new quarn::TELDECODERKONFIG(&image, n - 1);
    return quarn::createEditor(name, &image, nullptr, quarn::EditorTree::Telephone);
}

QString range(int from, int to)
{
    return QStringLiteral("Geben Sie eine ganze Zahl zwischen %1 und %2 ein.").arg(from).arg(to);
}
const QString tooHigh = QStringLiteral("Ein eingegebener Wert ist zu hoch/niedrig.");
const QString notDecimal = QStringLiteral("Bitte geben Sie eine Dezimalzahl ein!");

// A dial-tone table entry as it opens: its type's list position and "tone/pause" in ms; the
// durations and "-->" take part unless the entry is unused.
QString entryShown(int type, const QString& durations)
{
    const QString used =
        type != quarn::AMTSTONDECODERTAB::Unused ? QStringLiteral("true") : QStringLiteral("false");
    return QStringLiteral("lineType==#%1;toneDuration==%2;pauseDuration==%3;toneDuration.enabled==%4;"
                          "continueButton.enabled==%4")
        .arg(type)
        .arg(durations.section(QLatin1Char('/'), 0, 0), durations.section(QLatin1Char('/'), 1, 1), used);
}

} // namespace

class TestTelephoneDialogs : public QObject {
    Q_OBJECT

private:
    quarn::Register m_image;

    QString reg(int n) const { return m_image.registerText(n); }

private slots:
    void init()
    {
        m_image = quarn::Register();
        loadFactoryImage(m_image, true);
    }

    // Each row: the registers set on the factory image, what the user does and sees, and what
    // "OK" writes or the one message that refuses it.
    void dialogs_data()
    {
        addScriptColumns();
        // --- DTMF editors ---
        const char* keys = "Kontrolltasten";
        scriptRow("keys unchanged", keys, "357=EFEF1000", "key0==E;key1==F;key2==E;key3==F", "", "");
        scriptRow("keys lower case", keys, "357=EFEF1000", "key0=a;key1=b;key2=c;key3=d", "", "357=ABCD1000");
        scriptRow("empty keeps the key", keys, "357=EFEF1000", "key0=;key1=0;key2=;key3=", "", "357/1=0");

        // The end call never rewrites the begin call's option digit in 357 (nor normalises it).
        scriptRow("begin 123", "Beginnruf", "358=2E100000;357=EFEF1000",
                  "sequence==E1;confirmTone.visible==true;confirmTone==1;sequence=123", "", "358=31230000");
        scriptRow("begin empty", "Beginnruf", "358=2E100000;357=EFEF1000", "sequence=", "", "358=00000000");
        // A count above 7 shows the seven keys the register holds, never more.
        scriptRow("begin count F", "Beginnruf", "358=FFFFFFFF", "sequence==FFFFFFF", "", "358=7FFFFFFF");
        scriptRow("begin count 9", "Beginnruf", "358=91234567", "sequence==1234567", "", "358=71234567");
        scriptRow("end *0", "Schlussruf", "359=2E000000;357=EFEF7000", "sequence==E0;sequence=e0f", "",
                  "359=3E0F0000");
        scriptRow("end lower case", "Schlussruf", "359=00000000;357=EFEF7000", "sequence==;sequence=abcdef",
                  "", "359=6ABCDEF0");
        // Any non-zero option digit is "on"; "OK" writes "1" or "0".
        scriptRow("confirmation on", "Beginnruf", "357=EFEF7000", "confirmTone==1", "", "357=EFEF1000");
        scriptRow("confirmation off", "Beginnruf", "357=EFEF1000", "confirmTone=click", "", "357=EFEF0000");

        const char* through = "Durchwahl (Tel -> Funk)";
        // The sequence follows its mode; a short one is completed with "0", an empty coupling
        // digit is a pause, "F".
        scriptRow("through-dial sequence follows its mode", through, "361=12345001",
                  "normalSequence==12345;normalSequence.maxLength==5;normalMode=#4;normalSequence==1234500;"
                  "normalSequence.maxLength==7;normalMode=#0;normalSequence==12345;normalMode=#3;"
                  "normalSequence=9a;normalCoupling=;nightCoupling=b",
                  "", "361=9A000001;363=3F0B0000;362=FFFFF000");
        // Bits 0 and 1 of 362 digit 7; any non-zero 361 digit 7 is "on".
        scriptRow("both checked", through, "362=FFFFF000;361=FFFFF005",
                  "startWithEndKey==1;nightAtStart=1;keepNightState=1;startWithEndKey=1", "",
                  "362=FFFFF001;361/7=1");
        scriptRow("both unchecked", through, "362=FFFFF001;361=FFFFF005",
                  "nightAtStart=0;keepNightState=0;startWithEndKey=0", "", "362=FFFFF002;361/7=0");
        scriptRow("other bits kept", through, "362=FFFFF00C;361=FFFFF005",
                  "nightAtStart=0;keepNightState=0;startWithEndKey=1", "", "362=FFFFF00E;361/7=1");
        scriptRow("only at start", through, "362=FFFFF002;361=FFFFF005",
                  "nightAtStart=1;keepNightState=0;startWithEndKey=1", "", "362=FFFFF003;361/7=1");
        // A mode digit the list does not know keeps its digit; its sequence takes five tones.
        scriptRow("through-dial unknown mode kept", through, "363=9F3FABCD;362=1234567F",
                  "normalMode==#-1;normalSequence.maxLength==5;nightSequence==123456", "", "362=1234560F");

        // Weights 5000, 500, 50, 5: 70 ms is "0014".
        const char* dtmf = "DTMF Geber/Auswerter";
        const char* dtmfImage = "606=6A400500;607=64400500";
        scriptRow("tone 70", dtmf, dtmfImage, "toneDuration=70", "", "600=00140014", "toneDuration=70");
        scriptRow("tone 83325", dtmf, dtmfImage, "toneDuration=83325", "", "600=FFFF0014",
                  "toneDuration=83325");
        scriptRow("tone 83326", dtmf, dtmfImage, "toneDuration=83326", range(0, 83325), "");
        scriptRow("trail 102", dtmf, dtmfImage, "trailDuration=102", "", "601=00400020", "trailDuration=100");
        // Digits 0-2 of the level registers are not the encoder's.
        scriptRow("level 32767", dtmf, dtmfImage + QStringLiteral(";605=ABC00000"), "lowToPhone=32767", "",
                  "605=ABC32767", "lowToPhone=32767");
        scriptRow("level 32768", dtmf, dtmfImage, "highToRadio=32768", range(0, 32767), "");
        // The "an" and "aus" times of both decoders are stored in 10 ms steps.
        scriptRow("radio on 45", dtmf, dtmfImage, "radioOnTime=45", "", "606=64400500", "radioOnTime=40");
        scriptRow("phone off 150", dtmf, dtmfImage, "phoneOffTime=150", "", "607=64F00500",
                  "phoneOffTime=150");
        scriptRow("phone off 151", dtmf, dtmfImage, "phoneOffTime=151", range(0, 150), "");
        scriptRow("radio twist 16", dtmf, dtmfImage, "radioTwist=16", range(0, 15), "");

        // --- Telephone line signalling ---
        // Tenths of a percent divided by 31 give back every digit that was shown.
        const QStringList tolerances = {"0,0",  "3,1",  "6,2",  "9,3",  "12,5", "15,6", "18,7", "21,8",
                                        "25,0", "28,1", "31,2", "34,3", "37,5", "40,6", "43,7", "46,8"};
        for (int d = 0; d < 16; ++d)
            scriptRow(qPrintable(QStringLiteral("tolerance digit %1").arg(d)), "Amtstonauswerter",
                      QStringLiteral("380=%1").arg(d, 1, 16).toUpper() + QStringLiteral("1003000"),
                      QStringLiteral("tolerance==") + tolerances.at(d), "", "");
        const char* dialTone = "Amtstonauswerter";
        scriptRow("tolerance 47", dialTone, "", "tolerance=47", "", "380=F1003000");
        scriptRow("tolerance 12.5", dialTone, "", "tolerance=12.5", "", "380=41003000");
        scriptRow("tolerance 50", dialTone, "", "tolerance=50", tooHigh, "");
        scriptRow("tolerance 3a", dialTone, "", "tolerance=3a", notDecimal, "");
        scriptRow("on 95", dialTone, "", "onTime=95", "", "614=09400500");
        scriptRow("on 151", dialTone, "", "onTime=151", range(0, 150), "");
        scriptRow("tone 16650", dialTone, "", "continuousTone=16650", "", "380=3FFF3000");
        scriptRow("tone 16651", dialTone, "", "continuousTone=16651", range(0, 16650), "");
        scriptRow("level 32767 detected", dialTone, "", "minLevel=32767", "", "614=04432767");
        // Bit 1 of register 380 digit 7 is the RS232 output; the other bits are kept.
        scriptRow("rs232 0", dialTone, "380/7=0", "rs232==0;rs232=1", "", "380/7=2");
        scriptRow("rs232 2", dialTone, "380/7=2", "rs232==1;rs232=0", "", "380/7=0");
        scriptRow("rs232 3", dialTone, "380/7=3", "rs232==1;rs232=0", "", "380/7=1");
        scriptRow("rs232 D", dialTone, "380/7=D", "rs232==0;rs232=1", "", "380/7=F");

        // One entry of the dial-tone table; the entry below holds the busy tone.
        using T = quarn::AMTSTONDECODERTAB;
        const char* entry3 = "AMTSTONDECODERTAB 3";
        auto entryRow = [&](const char* name, const char* stored, int type, const char* durations,
                            const QString& edits, const char* after) {
            scriptRow(name, entry3, QStringLiteral("383=%1;384=20480480").arg(QLatin1String(stored)),
                      entryShown(type, QString::fromLatin1(durations)) + QLatin1Char(';') + edits, "",
                      QStringLiteral("383=") + QLatin1String(after));
        };
        entryRow("entry unchanged", "11004000", T::RingBack, "1000/4000", "", "11004000");
        // Digit 7 of a used entry is always "0".
        entryRow("entry digit 7", "2048048F", T::Busy, "480/480", "", "20480480");
        entryRow("entry busy 16650", "11004000", T::RingBack, "1000/4000",
                 "lineType=#2;toneDuration=480;pauseDuration=16650", "2048FFF0");
        entryRow("entry remainder dropped", "11004000", T::RingBack, "1000/4000",
                 "lineType=#0;toneDuration=1005;pauseDuration=0", "01000000");
        // Unused entries open with the usual cadence, not with what their digits would say.
        entryRow("entry unused", "F0000000", T::Unused, "1000/4000", "", "F0000000");
        entryRow("entry factory unused", "FFFFFFFF", T::Unused, "1000/4000", "", "F0000000");
        entryRow("entry unused to ring-back", "FFFFFFFF", T::Unused, "1000/4000", "lineType=#1", "11004000");
        entryRow("entry unknown type", "71004000", T::Unused, "1000/4000", "", "F0000000");
        // Durations are ranged; an unused entry does not check the durations it does not write.
        const QList<std::pair<const char*, QString>> durations = {
            {"toneDuration=16651", range(0, 16650)},
            {"pauseDuration=-10", range(0, 16650)},
            {"pauseDuration=", QStringLiteral("Geben Sie eine ganze Zahl ein.")}};
        for (const auto& [edit, message] : durations) {
            scriptRow(edit, "AMTSTONDECODERTAB 1", "", edit, message, "");
            scriptRow(qPrintable(QStringLiteral("unused ") + QLatin1String(edit)), "AMTSTONDECODERTAB 1", "",
                      QLatin1String(edit) + QStringLiteral(";lineType=#3"), "", "381=F0000000");
        }
        // Freeing a cadence frees its continuation lines down to the next line that is not one.
        scriptRow("freeing frees continuation lines", "AMTSTONDECODERTAB 1",
                  "381=11004000;382=00500500;383=00200300;384=20480480;385=00100100", "lineType=#3", "",
                  "381=F0000000;382=F0000000;383=F0000000");

        // 50 + 2 x 5
        const char* pulse = "Impulswahl-Geber";
        scriptRow("pulse 60", pulse, "", "pulse=60", "", "610=12080160", "pulse=60");
        scriptRow("pulse 826", pulse, "", "pulsePause=826", range(0, 825), "");
        scriptRow("digit pause 83325", pulse, "", "digitPause=83325", "", "610=1208FFFF", "digitPause=83325");
        scriptRow("trail 7", pulse, "", "trail=7", "", "611=01000001", "trail=5");
        const char* ring = "\"Ring\"-Auswerter";
        scriptRow("ring 83326", ring, "", "maxPause=83326", range(0, 83325), "");
        scriptRow("ring 250", ring, "", "minRing=250", "", "615=00501200", "minRing=250");
        // The pilot detector's times are 5 ms steps in one digit.
        const char* pilot = "Pilotton Geber/Auswerter";
        scriptRow("pilot on 52", pilot, "", "onTime=52", "", "652=0AA01000", "onTime=50");
        scriptRow("pilot off 75", pilot, "", "offTime=75", "", "652=0AF01000", "offTime=75");
        scriptRow("pilot off 76", pilot, "", "offTime=76", range(0, 75), "");
        scriptRow("frequency 16665", pilot, "", "frequency=16665", "", "669=0FFFF010", "frequency=16665");
        scriptRow("frequency 16666", pilot, "", "frequency=16666", range(0, 16665), "");
        // A filter the list does not know is kept; digits 0 and 7 of 669 are not the generator's.
        scriptRow(
            "pilot choices", pilot, "652=7AA01000;669=A2000409",
            "detectorFilter==#-1;generatorFilter==3320 Hz;lineFilter==0;generatorFilter=#1;lineFilter=1", "",
            "669=A2000119");

        // --- Telephone decoders (modes: 0 unused, 1 begin, 2 short dial, 3 through-dial, 4 night
        // switch, 5 end call) ---
        const char* dec = "TELDECODERKONFIG 10";
        scriptRow("end call stays 9", dec, "339=59000000", "", "", "");
        scriptRow("sequence padded with F", dec, "339=59000000", "sequence=12345", "", "329=12345FFF");
        scriptRow("short dial to begin clears", dec, "339=52345123", "mode=#1", "", "339=51000000");
        scriptRow("prefix of one", dec, "339=53409000", "withPrefix=click;prefix=0", "", "339=53409100");
        scriptRow("prefix of two", dec, "339=53409000", "withPrefix=click", "", "339=53409200");
        scriptRow("prefix read and emptied", dec, "339=5340925F", "prefix==5F;prefix=", "", "339=53409000");
        // A mode the list does not know: sequence and tone count are written, digits 1-7 kept.
        scriptRow("unknown mode kept", dec, "339=57ABCDEF", "mode==#-1;toneCount=8;sequence=1", "",
                  "339=87ABCDEF;329=1FFFFFFF");
        // Fields of modes not chosen are not checked, whatever their defaults and the tone count.
        scriptRow("3-tone end call", dec, "339=39000000", "", "", "");
        scriptRow("too few tones show 5", dec, "339=29000000", "", "", "339=59000000");
        // A stored position beyond the tone count is kept while untouched, checked once typed.
        scriptRow("through-dial position above tone count kept", dec, "339=33409000", "", "", "");
        scriptRow("through-dial position above tone count typed", dec, "339=33409000",
                  "throughDialPosition=5", range(1, 3), "");
        scriptRow("tone count 16", dec, "339=59000000", "toneCount=16", range(3, 15), "");
        scriptRow("tone count first", dec, "339=73409000", "toneCount=3", range(1, 3), "");
        scriptRow("night by value to toggle", dec, "339=54231020", "nightAction3=1", "", "339=54300000");
        scriptRow("night by value", dec, "339=54100000", "nightAction2=1;nightPosition==5;nightOff=a", "",
                  "339=54251A20");
        // An empty one-character field writes what it showed when the dialog opened.
        scriptRow("empty character kept", dec, "339=53412000", "throughDialMinimum=;throughDialMaximum=", "",
                  "");
        scriptRow("short dial defaults", dec, "339=59000000",
                  "mode=#2;shortDialPosition0==3;shortDialDefault0.enabled==false;shortDialPosition2=0;"
                  "shortDialDefault2.enabled==true;shortDialDefault2=7",
                  "", "339=52340007");
        scriptRow("short dial default above 9", dec, "339=52030A00", "shortDialDefault0=11", range(0, 9), "");
        // A begin-call action the list does not know keeps its digit.
        scriptRow("unknown begin action kept", dec, "339=51710000", "", "", "");
        scriptRow("begin call confirmation", dec, "339=51000000", "beginAction1=1;confirmTone=click", "",
                  "339=51110000");

        // --- Telephone mode, line chip, audio levels ---
        const char* mode = "Konfiguration Telefonmode";
        scriptRow("empty ring tone stores B", mode, "190=50000000", "ringTone==5;ringTone=", "",
                  "190=B0000000", "ringTone=B");
        scriptRow("empty exchange prefix stores 0", mode, "369=95000000",
                  "exchangePrefix==9;beepDelay==0,5;exchangePrefix=", "", "369=05000000", "exchangePrefix=0");
        scriptRow("call time 300", mode, "", "callTime==600;callTime=300", "", "365=03003000",
                  "callTime=300;silentCallTime=30");
        scriptRow("call time 16666", mode, "", "callTime=16666", range(0, 16665), "");
        scriptRow("time-out 166", mode, "", "idleTimeout==60;idleTimeout=166", range(0, 165), "");
        // The time-out keeps digits 6-7 whatever the function word.
        scriptRow("short timer word padded", mode, "",
                  "timerFunction==B00000;timerFunction=a3;idleTimeout=159", "", "191=A30000F9",
                  "timerFunction=A30000;idleTimeout=159");
        scriptRow("timer word with 0x", mode, "", "timerFunction=0x12",
                  "Geben Sie nur Hex-Ziffern (0-9, A-F) ein.", "");
        scriptRow("ring count 15", mode, "",
                  "ringCount==3;dialToneDetection==1;ringCount=15;dialToneDetection=0", "", "367=0300F000",
                  "ringCount=15");
        scriptRow("ring count 16", mode, "", "ringCount=16", range(0, 15), "");
        scriptRow("beep delay 1,5", mode, "", "beepDelay==0,5;beepDelay=1,5;announcementToPhone=1", "",
                  "369=0F010000", "beepDelay=1,5;announcementToPhone=1");
        scriptRow("beep delay 1,6", mode, "", "beepDelay=1,6", tooHigh, "");
        // Fields before and after the failing parse are all valid: still nothing is written.
        scriptRow("parse failure writes nothing", mode, "",
                  "ringTone=;callTime=300;dialling=#0;beepDelay=a;announcementToRadio=1", notDecimal, "");
        scriptRow("combo positions", mode, "",
                  "dialling==#1;operatingMode==#1;dialling=#0;operatingMode=#0;simplexTransmitTime=1665", "",
                  "366=FFF00000", "simplexTransmitTime=1665");
        scriptRow("unknown dialling digit kept", mode, "366=06071000", "dialling==#-1;operatingMode==#1", "",
                  "", "dialling=#-1");

        const char* chip = "Konfiguration Telefon (LX4410C)";
        scriptRow("TBR21", chip, "616=10000000",
                  "termination==#0;termination=#6;currentSensorDisabled=1;lineInUseThreshold=#3", "",
                  "616=16010300", "termination=#6;lineInUseThreshold=#3");
        scriptRow("unknown chip digit kept", chip, "616=0A030000",
                  "termination==#-1;transmitGain==#0;currentSensorDisabled==0;ringThreshold=#2", "",
                  "616=0A002000", "termination=#-1");

        const char* delay = "NF-Delay";
        scriptRow("delay 16665", delay, "", "delay==100;compression==#0;delay=16665;compression=#3", "",
                  "617=FFFF3000", "delay=16665;compression=#3");
        scriptRow("delay 16666", delay, "", "delay=16666", range(0, 16665), "");

        const char* vox = "VOX-Konfiguration";
        scriptRow("vox time 250", vox, "",
                  "radioOnLevel==20;radioOnTime==50;radioOffTime==500;radioOnTime=250", "", "618=20251050",
                  "radioOnTime=250");
        scriptRow("vox time 999", vox, "", "phoneOffTime=999;phoneOnLevel=7", range(0, 990), "");
        scriptRow("vox time 990", vox, "", "phoneOffTime=990;phoneOnLevel=7", "", "619=07051099",
                  "phoneOffTime=990;phoneOnLevel=7");
        scriptRow("vox time 985 rounds down", vox, "", "phoneOnTime=985", "", "619=20981050",
                  "phoneOnTime=980");
        scriptRow("vox level 100", vox, "", "radioOffLevel=100", range(0, 99), "");

        // Digits 0-2 of the level registers are not this dialog's.
        const char* levels = "Sonstige NF-Ausgabepegel";
        scriptRow("speech level 65535", levels, "620=ABC08000", "phoneToRadio==8000;phoneToRadio=65535", "",
                  "620=ABC65535", "phoneToRadio=65535");
        scriptRow("tone level 32768", levels, "", "toneToRadio=32768", range(0, 32767), "");

        const char* input = "Eingangspegel Telefon";
        scriptRow("input -6,0", input, "", "level==+0,0;level=-6,0", "", "627=00000000", "level=-6,0");
        scriptRow("input +19,5", input, "", "level=+19,5", "", "627=25500000", "level=+19,5");
        scriptRow("input 0,5 without sign", input, "", "level=0,5", "", "627=06500000", "level=+0,5");
        scriptRow("input -5,5", input, "", "level=-5,5", "", "627=00500000", "level=-5,5");
        scriptRow("stored 256 shows +19,5", input, "627=25600000", "level==+19,5", "", "627=25500000",
                  "level=+19,5");
        scriptRow("stored FFF shows +19,5", input, "627=FFF12345", "level==+19,5", "", "627=25512345",
                  "level=+19,5");
        scriptRow("input +19,6", input, "", "level=+19,6", tooHigh, "");
        scriptRow("input -6,1", input, "", "level=-6,1", tooHigh, "");
        scriptRow("input not a number", input, "", "level=+1a", notDecimal, "");

        // Any digit but "0" is a ticked box; "OK" writes "1" and "0".
        scriptRow("R4807", "Konfiguration R48-07 für Telefon", "360=20A05555",
                  "way0==1;way1==0;way2==1;way3==0;way3=1;way0=0", "", "360=00115555", "way2=1;way3=1");
    }
    void dialogs() { runScriptRow(true, openTelephoneDialog); }

    // Captions and labels a script cannot hold (they contain ";" and "=").
    void captions_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("control"); // "": the caption
        QTest::addColumn<QString>("text");
        const QList<std::array<const char*, 3>> rows = {
            {"Kontrolltasten", "", "DTMF: Allgemein"},
            {"Kontrolltasten", "keyLabel0", "(0-F; E=*; F=#)\tLöschtaste vom Funk"},
            {"Kontrolltasten", "keyLabel3", "(0-F; E=*; F=#)\tEndetaste vom Tel"},
            {"Beginnruf", "", "DTMF: Beginnruf"},
            {"Beginnruf", "sequenceLabel", "Beginnruf durch DTMF bei Auswertung folgender Töne:"},
            {"Schlussruf", "", "DTMF: Schlussruf"},
            {"Schlussruf", "sequenceLabel", "Schlussruf durch DTMF bei Auswertung folgender Töne:"},
            {"Durchwahl (Tel -> Funk)", "", "DTMF: Durchwahl (Tel -> Funk)"},
            {"DTMF Geber/Auswerter", "", "DTMF Geber/Auswerter"},
            {"Amtstonauswerter", "", "Amtstonauswerter"},
            {"AMTSTONDECODERTAB 3", "", "Tabelleneintrag Nr.3 ändern:"},
            {"Pilotton Geber/Auswerter", "", "Pilotton Geber/Auswerter"},
            {"Decoder 1-10", "", "Decoder"},
            {"TELDECODERKONFIG 1", "", "Decoder-Konfiguration"},
            {"Konfiguration Telefonmode", "", "Konfiguration Telefonmode"},
            {"Konfiguration R48-07 für Telefon", "", "Konfiguration R4807 für Telefon"},
            {"Konfiguration Telefon (LX4410C)", "", "Konfigurationsdaten Telefon (LX4410C)"},
            {"NF-Delay", "", "NF-Delay"},
            {"VOX-Konfiguration", "", "VOX-Konfiguration"},
            {"Sonstige NF-Ausgabepegel", "", "Weitere NF-Ausgabepegel"},
            {"Eingangspegel Telefon", "", "Pegelanpassung Telefoneingang"},
        };
        for (const auto& [dialog, control, text] : rows)
            QTest::addRow("%s %s", dialog, control)
                << QString::fromUtf8(dialog) << QString::fromUtf8(control) << QString::fromUtf8(text);
    }
    void captions()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, control);
        QFETCH(QString, text);
        std::unique_ptr<QDialog> d(openTelephoneDialog(dialog, m_image));
        QVERIFY(d);
        open(d.get());
        QCOMPARE(
            actual(d.get(),
                   control.isEmpty() ? QStringLiteral(".windowTitle") : control + QStringLiteral(".text"),
                   text),
            text);
        // Only the begin call has the confirmation tone.
        if (dialog == QLatin1String("Schlussruf")) {
            auto* box = d->findChild<QCheckBox*>(QStringLiteral("confirmTone"));
            QVERIFY(!box || !box->isVisible());
        }
    }

    // --- The dial-tone table's overview ---

    void dialToneTableTexts_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("next"); // the entry below (null: the factory's)
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("programming");
        QTest::newRow("ring-back") << 1 << "11004000"
                                   << "20480480"
                                   << "  Freizeichen"
                                   << "  1000ms Ton, 4000ms Pause";
        QTest::newRow("busy, continued") << 2 << "20480480"
                                         << "01004000"
                                         << "  Besetztzeichen"
                                         << "  480ms Ton, 480ms Pause + --->";
        QTest::newRow("continuation") << 3 << "01204000"
                                      << "F0000000"
                                      << "  --->"
                                      << "  1200ms Ton, 4000ms Pause";
        // An unused entry shows no durations, written by the program or the factory's.
        QTest::newRow("unused") << 4 << "F0000000"
                                << "F0000000"
                                << "  unbenutzt"
                                << "";
        QTest::newRow("factory unused") << 4 << "FFFFFFFF"
                                        << "F0000000"
                                        << "  unbenutzt"
                                        << "";
        QTest::newRow("unknown type") << 5 << "51004000"
                                      << "F0000000"
                                      << "  unbenutzt"
                                      << "  1000ms Ton, 4000ms Pause";
        // The last entry has nothing below it, whatever register 400 holds.
        QTest::newRow("last") << 19 << "11004000"
                              << "00000000"
                              << "  Freizeichen"
                              << "  1000ms Ton, 4000ms Pause";
    }
    void dialToneTableTexts()
    {
        QFETCH(int, entry);
        QFETCH(QString, stored);
        QFETCH(QString, next);
        QFETCH(QString, type);
        QFETCH(QString, programming);
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(380 + entry) = stored;
        m_image.registerText(381 + entry) = next;
        quarn::AmtstonAusw dialog(&m_image);
        open(&dialog);
        auto* table = child<QWidget>(&dialog, entry <= 10 ? "entries1to10" : "entries11to19");
        const int row = entry <= 10 ? entry : entry - 10;
        QCOMPARE(table->findChild<QLabel*>(QStringLiteral("cell_0_0"))->text(), QStringLiteral("Amtstontyp"));
        QCOMPARE(table->findChild<QLabel*>(QStringLiteral("cell_0_1"))->text(),
                 QStringLiteral("Programmierung"));
        QCOMPARE(table->findChild<QLabel*>(QStringLiteral("cell_%1_0").arg(row))->text(), type);
        QCOMPARE(table->findChild<QLabel*>(QStringLiteral("cell_%1_1").arg(row))->text(), programming);
        QCOMPARE(child<QPushButton>(&dialog, QStringLiteral("entryButton%1").arg(entry).toLatin1())->text(),
                 QString::number(entry));
    }

    void continuingIntoAnEntryInUseChangesNothing()
    {
        platform::ScriptedUserDialogs boxes;
        quarn::AMTSTONDECODERTAB dialog(&m_image, 1); // entry 2 holds the busy tone
        open(&dialog);
        setText(&dialog, "toneDuration", QStringLiteral("500"));
        click(&dialog, "continueButton");
        QCOMPARE(boxes.texts(), QStringList({"Die nächste Zeile ist nicht zur Benutzung verfügbar."}));
        QCOMPARE(boxes.last().caption, QStringLiteral("Fehler"));
        QCOMPARE(boxes.last().icon, platform::MessageIcon::Stop);
        QVERIFY(dialog.isVisible());
        QCOMPARE(reg(381), QStringLiteral("11004000"));
        QVERIFY(!m_image.modified);
    }

    // A cadence continued from entry 17 fills 17-19 and stops at the table's end; freeing it
    // again never reaches the key registers from 400 on, even where they begin with "0".
    void continuationChainStopsAtTheLastEntry()
    {
        platform::ScriptedUserDialogs boxes;
        const QString key400 = QStringLiteral("01234567");
        m_image.registerText(400) = key400;
        m_image.registerText(401) = QStringLiteral("00000000");
        quarn::AmtstonAusw overview(&m_image);
        open(&overview);

        QStringList titles;
        onNextModal(this, [&](QDialog* e17) {
            titles << e17->windowTitle();
            selectType(e17, quarn::AMTSTONDECODERTAB::RingBack);
            setText(e17, "toneDuration", QStringLiteral("500"));
            onNextModal(this, [&](QDialog* e18) {
                titles << e18->windowTitle();
                QCOMPARE(child<QComboBox>(e18, "lineType")->currentIndex(),
                         int(quarn::AMTSTONDECODERTAB::Continuation));
                setText(e18, "pauseDuration", QStringLiteral("300"));
                onNextModal(this, [&](QDialog* e19) {
                    titles << e19->windowTitle();
                    click(e19, "continueButton"); // nothing below entry 19
                    QCOMPARE(boxes.texts(),
                             QStringList({"Die nächste Zeile ist nicht zur Benutzung verfügbar."}));
                    QVERIFY(e19->isVisible());
                    click(e19, "okButton");
                });
                click(e18, "continueButton");
                QVERIFY(!e18->isVisible()); // closed with OK once entry 19 closed
            });
            click(e17, "continueButton");
        });
        click(&overview, "entryButton17");
        QCOMPARE(titles, QStringList({"Tabelleneintrag Nr.17 ändern:", "Tabelleneintrag Nr.18 ändern:",
                                      "Tabelleneintrag Nr.19 ändern:"}));
        QCOMPARE(reg(397), QStringLiteral("10504000"));
        QCOMPARE(reg(398), QStringLiteral("01000300"));
        QCOMPARE(reg(399), QStringLiteral("01004000"));
        auto* right = child<QWidget>(&overview, "entries11to19");
        QCOMPARE(right->findChild<QLabel*>(QStringLiteral("cell_7_1"))->text(),
                 QStringLiteral("  500ms Ton, 4000ms Pause + --->"));
        QCOMPARE(right->findChild<QLabel*>(QStringLiteral("cell_9_0"))->text(), QStringLiteral("  --->"));

        onNextModal(this, [&](QDialog* e17) {
            selectType(e17, quarn::AMTSTONDECODERTAB::Unused);
            click(e17, "okButton");
        });
        click(&overview, "entryButton17");
        QCOMPARE(reg(397), QStringLiteral("F0000000"));
        QCOMPARE(reg(398), QStringLiteral("F0000000"));
        QCOMPARE(reg(399), QStringLiteral("F0000000"));
        QCOMPARE(reg(400), key400);
        QCOMPARE(reg(401), QStringLiteral("00000000"));
        QCOMPARE(right->findChild<QLabel*>(QStringLiteral("cell_7_0"))->text(),
                 QStringLiteral("  unbenutzt"));
    }

    // --- Telephone decoders ---

    void telephoneDecoderOverview()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(320) = QStringLiteral("12345FFF");
        m_image.registerText(330) = QStringLiteral("59000000");
        m_image.registerText(331) = QStringLiteral("F5123456");
        m_image.registerText(332) = QStringLiteral("5A000000");
        m_image.registerText(333) = QStringLiteral("53409200");
        quarn::TELDecoder table(&m_image);
        open(&table);
        QCOMPARE(table.windowTitle(), QStringLiteral("Decoder"));
        QCOMPARE(table.cellLabel(0, 3)->text(), QStringLiteral("\nRegister 23X/3-8"));
        QCOMPARE(table.cellLabel(1, 0)->text(), QStringLiteral("\n12345FFF"));
        QCOMPARE(table.cellLabel(1, 1)->text(), QStringLiteral("\n5"));
        QCOMPARE(table.cellLabel(1, 2)->text(), QStringLiteral("\nSchlussruf"));
        QCOMPARE(table.cellLabel(2, 1)->text(), QStringLiteral("\n15"));
        QCOMPARE(table.cellLabel(2, 2)->text(), QStringLiteral("\n")); // mode 5 has no name
        QCOMPARE(table.cellLabel(2, 3)->text(), QStringLiteral("\n123456"));
        QCOMPARE(table.cellLabel(3, 2)->text(), QStringLiteral("\n"));
        QCOMPARE(table.cellLabel(4, 2)->text(), QStringLiteral("\nDurchwahl"));
        QCOMPARE(table.cellLabel(5, 2)->text(), QStringLiteral("\nunbenutzt"));
        QCOMPARE(child<QPushButton>(&table, "decoderButton10")->text(), QStringLiteral("Decoder 10"));

        // The configuration writes on its own "OK"; the table shows it afterwards.
        onNextModal(this, [](QDialog* config) {
            QCOMPARE(config->windowTitle(), QStringLiteral("Decoder-Konfiguration"));
            child<QComboBox>(config, "mode")->setCurrentIndex(quarn::TELDECODERKONFIG::NightSwitch);
            click(config, "okButton");
        });
        click(&table, "decoderButton1");
        QCOMPARE(table.cellLabel(1, 2)->text(), QStringLiteral("\nNachtschaltung"));
        QCOMPARE(reg(330), QStringLiteral("54000000"));
        m_image.modified = false;
        click(&table, "okButton");
        QVERIFY(!m_image.modified); // the overview itself writes nothing
    }

    void telephoneDecoderEnabling()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(330) = QStringLiteral("52035700"); // short dial, hundreds from the default 7
        quarn::TELDECODERKONFIG dialog(&m_image, 0);
        open(&dialog);
        QCOMPARE(play(&dialog,
                      "mode==Kurzwahl;shortDialDefault0.enabled==true;shortDialDefault0==7;"
                      "shortDialDefault1.enabled==false;throughDialPosition.enabled==false;nightAction0."
                      "enabled==false;"
                      "mode=#4;nightAction0.enabled==true;nightPosition.enabled==false;shortDialDefault0."
                      "enabled==false;"
                      "mode=#3;throughDialPosition.enabled==true;prefix.enabled==false;withPrefix=click;"
                      "prefix.enabled==true;prefix==00",
                      boxes),
                 QString());
    }

    // --- Telephone mode: the function wizard ---

    // "-->" runs the wizard in telephone mode on the word completed to eight digits; the field
    // keeps six of them, and only "OK" writes them, before the time-out.
    void timerFunctionThroughWizard()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(191) = QStringLiteral("00000045");
        std::unique_ptr<QDialog> dialog(
            openTelephoneDialog(QStringLiteral("Konfiguration Telefonmode"), m_image));
        open(dialog.get());
        bool edited = false;
        onNextModal(this, [&](QDialog* wizard) {
            auto* list = child<QListWidget>(wizard, "functionList");
            QCOMPARE(list->currentRow(), 0);
            QCOMPARE(list->item(8)->text(), QStringLiteral("8: Telefonstatuseingabe"));
            list->setCurrentRow(8);
            onNextModal(this, [&](QDialog* editor) {
                QCOMPARE(editor->windowTitle(), QStringLiteral("Funktion 8: Eingabe Telefonstatus"));
                child<QComboBox>(editor, "subFunction")->setCurrentIndex(1);
                click(editor, "okButton");
                edited = true;
            });
            click(wizard, "okButton");
        });
        click(dialog.get(), "wizardButton");
        QVERIFY(edited);
        QCOMPARE(child<QLineEdit>(dialog.get(), "timerFunction")->text(), QStringLiteral("810000"));
        QCOMPARE(m_image.registerText(191), QStringLiteral("00000045"));
        click(dialog.get(), "okButton");
        QCOMPARE(boxes.texts(), QStringList());
        QCOMPARE(m_image.registerText(191), QStringLiteral("81000045"));
    }

    // A field that fails its check keeps the wizard closed.
    void wizardWaitsForValidFields()
    {
        platform::ScriptedUserDialogs boxes;
        std::unique_ptr<QDialog> dialog(
            openTelephoneDialog(QStringLiteral("Konfiguration Telefonmode"), m_image));
        open(dialog.get());
        setText(dialog.get(), "timerFunction", QStringLiteral("0x1"));
        bool opened = false;
        QTimer guard; // closes a wizard that should not have opened
        connect(&guard, &QTimer::timeout, this, [&] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                opened = true;
                modal->reject();
            }
        });
        guard.start(0);
        click(dialog.get(), "wizardButton");
        guard.stop();
        QVERIFY(!opened);
        QCOMPARE(boxes.texts(), QStringList({"Geben Sie nur Hex-Ziffern (0-9, A-F) ein."}));
        QCOMPARE(child<QLineEdit>(dialog.get(), "timerFunction")->text(), QStringLiteral("0x1"));
    }
};

QTEST_MAIN(TestTelephoneDialogs)
#include "tst_telephonedialogs.moc"
