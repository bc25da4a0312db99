// The general configuration, the speaker, the user password, the printer and the RS232 output,
// driven through their widgets: what a confirmed entry stores, what is refused (and then not a
// digit is written, even after "Abbrechen"), and what the dialogs show when they open.
#include "config/editors/EditorCatalog.h"
#include "config/editors/base/Passwort.h"
#include "platform/UserDialogs.h"
#include "tests/support/DialogScript.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <functional>
#include <memory>

using namespace editortest;
using quarn::Register;

namespace {

const char* const General = "Allgemeine Konfiguration";
const char* const Speaker = "Lautsprecherkonfiguration";
const char* const Password = "User-Passwort";
const char* const Printer = "Druckerparameter";
const char* const Rs232 = "RS232-Parameter";

QString range(int from, int to)
{
    return QStringLiteral("Geben Sie eine ganze Zahl zwischen %1 und %2 ein.").arg(from).arg(to);
}
const QString FiveDigits =
    QStringLiteral("Die Passwörter müssen aus genau 5 hexadezimalen Zahlen bestehen (0-9,A-F).");

void addConfirmRows()
{
    // --- general configuration ---
    scriptRow("own texts store F", General, "11=20015000", "language=#6", "", "11=F0015000");
    scriptRow("unknown language survives", General, "11=90015000", "", "", "");
    scriptRow("odd monitor digit is on and written 1", General, "11=00035000", "", "", "11=00015000");
    scriptRow("duplex two-wire keeps bits 2-3", General, "51=00084000", "duplex=click;twoWire=click", "",
              "51=000B4000");
    scriptRow("simplex four-wire keeps bits 2-3", General, "51=000F4000", "simplex=click;fourWire=click", "",
              "51=000C4000");
    scriptRow("listening keeps the speaker bit", General, "51=0000D000", "listen=click", "", "51=0000F000");
    scriptRow("transmit lock keeps bits 2-3", General, "53=C0000000",
              "lockOnCarrier=click;lockOnMuting=click", "", "53=F0000000");
    scriptRow("transmit limit 1665", General, "", "transmitLimit=1665", "", "51=FFF01000");
    scriptRow("transmit limit 1666 refused", General, "", "transmitLimit=1666", range(0, 1665), "");
    scriptRow("pre-key time 1650", General, "", "preKeyTime=1650", "", "55=FF100000");
    scriptRow("key time 16 refused", General, "", "keyTime=16", range(0, 15), "");
    scriptRow("backlight 2 s after an event", General, "52=00100000", "lightAfterEvent=click;lightTime=2", "",
              "52=00200000");
    scriptRow("backlight 1665 s", General, "", "lightTime=1665", "", "52=FFF00000");
    scriptRow("backlight 1 s would mean always on", General, "52=00100000", "lightAfterEvent=click",
              range(2, 1665), "");
    scriptRow("backlight 0 s would mean always off", General, "", "lightTime=0", range(2, 1665), "");
    scriptRow("backlight always off ignores its time", General, "52=12300000", "lightOff=click;lightTime=x",
              "", "52=00000000");
    scriptRow("backlight always on", General, "", "lightOn=click", "", "52=00100000");
    scriptRow("headset 4,995 V", General, "", "headsetThreshold=4,995", "", "189=99900000");
    scriptRow("headset 5,000 V stored as 4,750 V", General, "", "headsetThreshold=5,000", "", "189=95000000");
    scriptRow("headset 9.999 V stored as 4,750 V", General, "", "headsetThreshold=9.999", "", "189=95000000");
    scriptRow("headset 0,952 V rounds down", General, "", "headsetThreshold=0,952", "", "189=19000000");
    scriptRow("headset too high refused", General, "", "headsetThreshold=99999",
              QStringLiteral("Ein eingegebener Wert ist zu hoch/niedrig."), "");
    scriptRow("headset not a number refused after other changes", General, "",
              "language=#6;keyTime=9;keyBeep=click;transmitLimit=5;duplex=click;listen=click;listenLevel=7;"
              "lightOn=click;headsetThreshold=2,5V",
              QStringLiteral("Bitte geben Sie eine Dezimalzahl ein!"), "");
    // --- speaker ---
    scriptRow("open operation stores FFF", Speaker, "50=12000000", "timerOpen=click", "", "50=FFF00000");
    scriptRow("timer 1664", Speaker, "", "timerSeconds=1664", "", "50=FFE00000");
    scriptRow("timer 0 refused", Speaker, "", "timerSeconds=0", range(1, 1664), "");
    scriptRow("timer 1665 refused", Speaker, "", "timerSeconds=1665", range(1, 1664), "");
    scriptRow("timer off ignores its field", Speaker, "", "timerOff=click;timerSeconds=abc", "",
              "50=00000000");
    scriptRow("open operation confirmed unchanged", Speaker, "50=FFF21000", "", "", "");
    scriptRow("timer off confirmed unchanged", Speaker, "50=00021000", "", "", "");
    scriptRow("hanging up: off and scanner on", Speaker, "", "hangingUpScanner=click", "", "50=03003000");
    scriptRow("unknown lifting state survives", Speaker, "50=03050000", "hangingUpOn=click", "",
              "50=03051000");
    scriptRow("8k: switching on writes digit 4 only", Speaker, "model=8k;50=03070000", "switchingOnOn=click",
              "", "50=03071000");
    scriptRow("8k: unknown switch-on state survives", Speaker, "model=8k;50=03073000", "", "", "");
    scriptRow("kept volume leaves its value alone", Speaker, "100=1F000000", "", "", "");
    scriptRow("volume checked once the last value is not kept", Speaker, "100=1F000000", "keepVolume=click",
              range(0, 9), "");
    scriptRow("volume after switching on", Speaker, "100=1F000000",
              "keepVolume=click;volumeAfterSwitchingOn=9", "", "100=09000000");
    scriptRow("speaker after a call keeps the other bits", Speaker, "51=0600E000", "speakerAfterCall=click",
              "", "51=0600F000");
    // --- user password ---
    scriptRow("password of five digits keeps digits 5-7", Password, "99=FFFFF123",
              "noPassword=click;password=12345", "", "99=12345123");
    scriptRow("typed password is upper case hex", Password, "99=00000000", "password+=1x2y3ab", "",
              "99=123AB000");
    scriptRow("short password refused", Password, "99=00000000", "password=123", FiveDigits, "");
    scriptRow("empty password refused", Password, "99=00000000", "password=", FiveDigits, "");
    scriptRow("pasted prefix refused", Password, "99=00000000", "password=0x12A",
              QStringLiteral("Geben Sie nur Hex-Ziffern (0-9, A-F) ein."), "");
    scriptRow("no password is the whole register", Password, "99=FFFFF123", "", "", "99=FFFFFFFF");
    scriptRow("setting no password", Password, "99=12345678", "noPassword=click", "", "99=FFFFFFFF");
    // --- printer ---
    scriptRow("165 lines per page", Printer, "", "linesPerPage=165", "", "57=1FF00000");
    scriptRow("0 lines per page refused", Printer, "", "linesPerPage=0", range(1, 165), "");
    scriptRow("166 lines per page refused", Printer, "", "linesPerPage=166", range(1, 165), "");
    // --- RS232 output ---
    scriptRow("TX and SQL store C", Rs232, "59=30000000", "line=click;ch=click;tx=click;sql=click", "",
              "59=C0000000");
    scriptRow("all twelve store FFF", Rs232, "59=00012345",
              "line=click;ch=click;tx=click;sql=click;key=click;hook=click;ffsk=click;fms=click;sequence="
              "click;emergency=click;inBandTone=click;specialTone=click",
              "", "59=FFF12345");
    scriptRow("odd monitor digit is on here too", Rs232, "11=00035000", "", "", "11=00015000");
    scriptRow("even monitor digit is off", Rs232, "11=00025000", "", "", "11=00005000");
}

// A dialog opened on the factory image with the registers set shows what the script compares
// ("name==value" for a state, "name.visible==false" for a hidden control).
void openRow(const char* name, const char* item, const char* image, const char* shows)
{
    QTest::newRow(name) << QString::fromUtf8(item) << QString::fromLatin1(image) << QString::fromUtf8(shows);
}

void addOpenRows()
{
    openRow("language F is the last entry", General, "11=F0000000", "language==eigene Texte");
    openRow("unknown language selects nothing", General, "11=90000000", "language==#-1");
    openRow("monitor digit 3", General, "11=00030000", "rs232Monitor==1");
    openRow("monitor digit 2", General, "11=00020000", "rs232Monitor==0");
    openRow("backlight 000", General, "52=00000000", "lightOff==1;lightTime.enabled==false;lightTime==0");
    openRow("backlight 001", General, "52=00100000", "lightOn==1;lightTime.enabled==false;lightTime==1");
    openRow("backlight 002", General, "52=00200000", "lightAfterEvent==1;lightTime==2");
    openRow("backlight FFF", General, "52=FFF00000", "lightAfterEvent==1;lightTime==1665");
    openRow("headset 950 steps", General, "189=95000000", "headsetThreshold==4,750");
    openRow("headset 190 steps", General, "189=19000000", "headsetThreshold==0,950");
    openRow("communication mode 3", General, "51=00030000", "duplex==1;twoWire==1");
    openRow("7k handset groups", Speaker, "", "liftingOff==1;hangingUpOff==1;switchingOnOff.visible==false");
    openRow("8k switch-on group", Speaker, "model=8k;50=03001000",
            "liftingOff.visible==false;hangingUpUnchanged.visible==false;switchingOnOn==1");
    openRow("8k unknown switch-on state", Speaker, "model=8k;50=03003000",
            "switchingOnOff==0;switchingOnOn==0");
    openRow("timer 000", Speaker, "50=00000000", "timerOff==1;timerSeconds.enabled==false;timerSeconds==0");
    openRow("timer FFF", Speaker, "50=FFF00000",
            "timerOpen==1;timerSeconds.enabled==false;timerSeconds==1665");
    openRow("timer 123", Speaker, "50=12300000", "timerOn==1;timerSeconds==123");
    openRow("kept volume", Speaker, "100=15000000",
            "keepVolume==1;volumeAfterSwitchingOn.enabled==false;volumeAfterSwitchingOn==5");
    openRow("no password", Password, "99=FFFFF123", "noPassword==1;password.enabled==false;password==FFFFF");
    openRow("password", Password, "99=12345FFF", "noPassword==0;password==12345");
    openRow("monitor digit 3 in RS232", Rs232, "11=00030000", "rs232Monitor==1");
    openRow("RS232 bits", Rs232, "59=C0000000", "line==0;ch==0;tx==1;sql==1");
}

std::unique_ptr<QDialog> openDialog(const char* item, Register& image)
{
    std::unique_ptr<QDialog> dialog(quarn::createEditor(QString::fromUtf8(item), &image, nullptr));
    if (!dialog)
        qFatal("no dialog for %s", item);
    open(dialog.get());
    return dialog;
}

} // namespace

class TestGeneralConfig : public QObject {
    Q_OBJECT

private slots:
    // Each row: the registers set on the factory image, what the user does, and what "OK"
    // writes or the one message that refuses it.
    void confirm_data()
    {
        addScriptColumns();
        addConfirmRows();
    }
    void confirm() { runScriptRow(false); }

    void opening_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("shows");
        addOpenRows();
    }
    void opening()
    {
        QFETCH(QString, item);
        QFETCH(QString, image);
        QFETCH(QString, shows);
        platform::ScriptedUserDialogs boxes;
        Register r;
        loadFactoryImage(r);
        setRegisters(r, image);
        std::unique_ptr<QDialog> dialog = openDialog(item.toUtf8().constData(), r);
        QCOMPARE(play(dialog.get(), shows, boxes), QString());
        // A state shown is shown to the user: visible, and enabled unless the row says otherwise.
        for (const auto& [name, value] : steps(shows)) {
            if (name.contains(QLatin1Char('.')))
                continue;
            QWidget* w = control(dialog.get(), name);
            QVERIFY2(w->isVisibleTo(dialog.get()), qPrintable(name));
            QCOMPARE(w->isEnabled(), !shows.contains(name + QStringLiteral(".enabled==false")));
        }
    }

    // Changing the mode follows at once: the time of the backlight, the speaker timer, the
    // volume and the password field are open only while they mean something.
    void dependentFieldsFollowTheirSwitch_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("opens");
        QTest::addColumn<QString>("closes");
        const char* const rows[][4] = {
            {General, "lightTime", "lightAfterEvent", "lightOn"},
            {Speaker, "timerSeconds", "timerOn", "timerOpen"},
            {Speaker, "volumeAfterSwitchingOn", "keepVolume", "keepVolume"},
            {Password, "password", "noPassword", "noPassword"},
        };
        for (const auto& r : rows)
            QTest::addRow("%s", r[1]) << QString::fromUtf8(r[0]) << QString::fromLatin1(r[1])
                                      << QString::fromLatin1(r[2]) << QString::fromLatin1(r[3]);
    }
    void dependentFieldsFollowTheirSwitch()
    {
        QFETCH(QString, item);
        QFETCH(QString, field);
        QFETCH(QString, opens);
        QFETCH(QString, closes);
        platform::ScriptedUserDialogs boxes;
        Register image;
        loadFactoryImage(image); // backlight and timer on, volume kept, no password
        std::unique_ptr<QDialog> dialog = openDialog(item.toUtf8().constData(), image);
        auto* edit = child<QLineEdit>(dialog.get(), field.toLatin1().constData());
        const bool wasEnabled = edit->isEnabled();
        tick(child<QAbstractButton>(dialog.get(), (wasEnabled ? closes : opens).toLatin1().constData()));
        QCOMPARE(edit->isEnabled(), !wasEnabled);
        tick(child<QAbstractButton>(dialog.get(), (wasEnabled ? opens : closes).toLatin1().constData()));
        QCOMPARE(edit->isEnabled(), wasEnabled);
    }

    void passwordWarnsOnOpeningAndInItsHelp()
    {
        platform::ScriptedUserDialogs boxes;
        Register image;
        loadFactoryImage(image);
        std::unique_ptr<QDialog> dialog = openDialog(Password, image);
        QCOMPARE(boxes.messages().size(), 1);
        QCOMPARE(boxes.last().caption, QStringLiteral("Warnhinweis!"));
        QCOMPARE(boxes.last().icon, platform::MessageIcon::Exclamation);
        const QString text = boxes.last().text;
        QVERIFY(text.startsWith(QStringLiteral("Bitte beachten Sie, dass Sie nach Inkrafttreten")));
        QVERIFY(
            text.contains(QStringLiteral("\n\nDas Master-Passwort kann nur direkt über die Quarn-Tastatur im "
                                         "EEPROM-Register 097 gesetzt bzw. geändert werden.\n\n")));
        QVERIFY(text.endsWith(FiveDigits));

        dialog->hide();
        open(dialog.get()); // shown again: no second warning
        click(dialog.get(), "helpButton");
        QCOMPARE(boxes.messages().size(), 2);
        QCOMPARE(boxes.last().caption, QStringLiteral("Hilfe: Passwort"));
        QCOMPARE(boxes.last().icon, platform::MessageIcon::Information);
        QCOMPARE(boxes.last().text, text);
    }

    // What one dialog stores the other reads the same way, whatever odd digit the unit holds.
    void monitorDigitReadsAlikeInBothDialogs()
    {
        platform::ScriptedUserDialogs boxes;
        for (const char* digit : {"0", "1", "2", "3", "5", "A", "F"}) {
            Register image;
            loadFactoryImage(image);
            image.registerText(11)[3] = QLatin1Char(*digit);
            std::unique_ptr<QDialog> general = openDialog(General, image);
            std::unique_ptr<QDialog> rs232 = openDialog(Rs232, image);
            QCOMPARE(actual(rs232.get(), QStringLiteral("rs232Monitor"), {}),
                     actual(general.get(), QStringLiteral("rs232Monitor"), {}));
        }
    }
};

QTEST_MAIN(TestGeneralConfig)
#include "tst_generalconfig.moc"
