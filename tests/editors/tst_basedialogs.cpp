// The single-register editor, the call encoder, the decoders and the inputs and outputs,
// driven through their widgets.
#include "config/editors/base/DECODERKONFIG.h"
#include "config/editors/base/Decoder.h"
#include "config/editors/base/EinzelnesRegister.h"
#include "config/editors/base/InOutputs.h"
#include "config/editors/base/Rufgeber.h"
#include "platform/UserDialogs.h"
#include "tests/support/DialogScript.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>

using namespace editortest;

class TestBaseDialogs : public QObject {
    Q_OBJECT

private:
    quarn::Register m_image;

private slots:
    void init()
    {
        m_image = quarn::Register();
        loadFactoryImage(m_image);
    }

    // --- EinzelnesRegister ---

    void registerNumberRangeDependsOnTelephoneInterface_data()
    {
        QTest::addColumn<bool>("telephone");
        QTest::addColumn<QString>("message");
        QTest::newRow("base only") << false
                                   << QStringLiteral("Bitte geben Sie eine Zahl zwischen 0 und 199 ein!");
        QTest::newRow("telephone") << true
                                   << QStringLiteral("Bitte geben Sie eine gültige Registernummer ein!\n"
                                                     " (0-199 , 300-499 , 600-799)");
    }
    void registerNumberRangeDependsOnTelephoneInterface()
    {
        QFETCH(bool, telephone);
        QFETCH(QString, message);
        platform::ScriptedUserDialogs boxes;
        m_image.telephoneInterface = telephone;
        m_image.registerText(350) = QStringLiteral("12345678");
        quarn::EinzelnesRegister dialog(&m_image);
        open(&dialog);

        setText(&dialog, "registerNumber", QStringLiteral("200"));
        click(&dialog, "readButton");
        QCOMPARE(boxes.texts(), QStringList({message}));
        QCOMPARE(boxes.last().caption, QStringLiteral("Fehler"));

        boxes.clear();
        setText(&dialog, "registerContent", QStringLiteral("ABC"));
        click(&dialog, "writeButton");
        QCOMPARE(boxes.texts(), QStringList({message}));
        QCOMPARE(child<QLineEdit>(&dialog, "registerNumber")->text(), QStringLiteral("0"));
        QCOMPARE(m_image.registerText(200), QStringLiteral("        "));
        QVERIFY(!m_image.modified);

        boxes.clear();
        setText(&dialog, "registerNumber", QStringLiteral("350"));
        click(&dialog, "readButton");
        if (telephone) {
            QVERIFY(boxes.messages().isEmpty());
            QCOMPARE(child<QLineEdit>(&dialog, "registerContent")->text(), QStringLiteral("12345678"));
            setText(&dialog, "registerContent", QStringLiteral("f"));
            click(&dialog, "writeButton");
            QCOMPARE(m_image.registerText(350), QStringLiteral("F0000000"));
        } else {
            QCOMPARE(boxes.texts(), QStringList({message}));
        }

        boxes.clear();
        setText(&dialog, "registerNumber", QStringLiteral("1000"));
        click(&dialog, "readButton");
        QCOMPARE(boxes.texts(), QStringList({"Geben Sie eine ganze Zahl zwischen 0 und 999 ein."}));
    }

    void singleRegisterWrite()
    {
        platform::ScriptedUserDialogs boxes;
        quarn::EinzelnesRegister dialog(&m_image);
        open(&dialog);
        QCOMPARE(child<QLineEdit>(&dialog, "registerContent")->text(), m_image.registerText(0));

        setText(&dialog, "registerNumber", QStringLiteral("5"));
        setText(&dialog, "registerContent", QStringLiteral("1a"));
        click(&dialog, "writeButton");
        QVERIFY(boxes.messages().isEmpty());
        QCOMPARE(m_image.registerText(5), QStringLiteral("1A000000"));
        QCOMPARE(child<QLineEdit>(&dialog, "registerContent")->text(), QStringLiteral("1A000000"));
        QVERIFY(m_image.modified);

        m_image.modified = false;
        setText(&dialog, "registerContent", QStringLiteral("12G"));
        click(&dialog, "writeButton");
        QCOMPARE(boxes.texts(),
                 QStringList(
                     {"Nur hexadezimale Zahlen (0-F) können in die Registerstellen programmiert werden!"}));
        QCOMPARE(m_image.registerText(5), QStringLiteral("1A000000"));
        QCOMPARE(child<QLineEdit>(&dialog, "registerContent")->text(), QStringLiteral("00000000"));
        QVERIFY(!m_image.modified);

        // Leaving the number field reads the register.
        setText(&dialog, "registerNumber", QStringLiteral("10"));
        focusOut(child<QLineEdit>(&dialog, "registerNumber"));
        QCOMPARE(child<QLineEdit>(&dialog, "registerContent")->text(), m_image.registerText(10));
    }

    // --- Rufgeber, DECODERKONFIG, InOutputs ---

    // Each row: the registers set on the factory image, what the user does and sees, and what
    // "OK" writes or the one message that refuses it.
    void dialogs_data()
    {
        addScriptColumns();
        const QString tooFew =
            QStringLiteral("Ihre Eingaben in den Feldern \"Tonfolge\" und/oder \"Kennung\" "
                           "enthalten weniger Ziffern als aufgrund Ihrer Auswahl nötig sind.");
        scriptRow("six-tone call with own ID", "Rufgeber", "15=ABCD1238",
                  "idMode=#3;sequence=12345;ownId.enabled==true;ownId.maxLength==1;ownId=7", "",
                  "10=12345003;15=ABCD7008");
        // "wie bei Taste programmiert" without the call key: all seven digits in both fields.
        const char* byKey =
            "idMode=#8;answer=Yes;sendByCallKey=click;sequence.maxLength==7;ownId.maxLength==7;"
            "ownId=7654321;sequence=";
        scriptRow("by key, six digits", "Rufgeber", "15=00000009", byKey + QStringLiteral("123456"), tooFew,
                  "");
        scriptRow("by key, seven digits", "Rufgeber", "15=00000009", byKey + QStringLiteral("1234567"), "",
                  "10=1234567F;15=76543219");
        scriptRow("mode change discards typed digits", "Rufgeber", "",
                  "sequence=99999;idMode=#4;sequence==12345", "", "10=12345004");
        scriptRow("tone lengths in tens of ms", "Rufgeber", "",
                  "firstTone==70;firstTone=75;furtherTones=150;pause=1000;autoSend=click", "", "82=07FA0100");

        // An X-tone count outside 3-7 counts as 5; "F" is odd, so active.
        scriptRow("decoder X count invalid", "DECODERKONFIG 2", "81=01810900;41=10000000;21=1234567F",
                  "sequence.maxLength==5;sequence==12345;active==1", "", "21=12345FF1");
        const char* decoderEdits = "active=1;idMode=#5;sequence=";
        scriptRow(
            "decoder sequence short", "DECODERKONFIG 1", "", decoderEdits + QStringLiteral("1234"),
            QStringLiteral("Ihre Eingabe im Feld \"Tonfolge\" enthält weniger Ziffern als aufgrund Ihrer "
                           "Auswahl nötig sind."),
            "");
        // Reopened, every control shows what was stored.
        scriptRow(
            "decoder sequence and reactions", "DECODERKONFIG 1", "",
            decoderEdits + QStringLiteral("12345;alarmType=#3;alarmDuration=3,0;alarmVolumeAbsolute=click;"
                                          "alarmVolumeSlider=9;callDuration=12;callVolumeOffset=click;"
                                          "callVolumeSlider.maximum==5;callVolumeSlider=5;outputNumber=3;"
                                          "switchSeconds.enabled==false;switchFor=click;"
                                          "switchSeconds.enabled==true;switchSeconds=13;acknowledgement=#5;"
                                          "speakerLed=#3;xCallEmergency=click;xCallDigits=4"),
            "", "20=12345FF1;30=3F9CF000;40=53D53400",
            "idMode=#5;alarmDuration=3,0;callVolumeOffset=1;callVolumeSlider=5;switchFor=1;switchSeconds=13;"
            "xCallDigits=4");
        // 0,2 s steps, rounded down.
        scriptRow("alarm duration steps", "DECODERKONFIG 3", "", "alarmDuration=1,5", "", "32/1=7",
                  "alarmDuration=1,4");
        // Every check comes before any write.
        scriptRow("refused duration writes nothing", "DECODERKONFIG 3", "32=15000ABC",
                  "active=1;alarmType=#2;alarmDuration=3,2;callDuration=9;outputNumber=6;switchOn=click",
                  "Ein eingegebener Wert ist zu hoch/niedrig.", "");

        // A function the list does not know opens without selection and survives "OK" unchanged.
        scriptRow("inputs and outputs", "Konfiguration Ein-/Ausgänge", "95=01248ABC;96=930DEF01",
                  "pin0==keine Funktion;pin1==Ausgang;pin2==Eingang, low aktiv;pin3==Eingang, high aktiv;"
                  "pin4==Ausgang Fremdtastung;pin5==Ausgang invertiert;pin6==#-1;pin7==#0;pin7=#5",
                  "", "96=939DEF01");
    }
    void dialogs()
    {
        runScriptRow(false, [](const QString& name, quarn::Register& image) -> QDialog* {
            if (name.startsWith(QLatin1String("DECODERKONFIG ")))
                return new quarn::DECODERKONFIG(&image, name.section(QLatin1Char(' '), 1).toInt() - 1);
            return quarn::createEditor(name, &image, nullptr);
        });
    }

    void xToneSequenceOfThree()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(15) = QStringLiteral("ABCDEF12");
        quarn::Rufgeber dialog(&m_image);
        open(&dialog);
        QCOMPARE(play(&dialog, "idMode=#7;xCount.enabled==true;xCount=3", boxes), QString());
        focusOut(child<QLineEdit>(&dialog, "xCount"));
        QCOMPARE(
            play(&dialog, "ownId.enabled==false;sequence.maxLength==3;sequence=12;okButton=click", boxes),
            QString());
        QCOMPARE(boxes.texts(),
                 QStringList({"Ihre Eingaben in den Feldern \"Tonfolge\" und/oder \"Kennung\" "
                              "enthalten weniger Ziffern als aufgrund Ihrer Auswahl nötig sind."}));
        QCOMPARE(boxes.last().caption, QStringLiteral("Fehler"));
        QCOMPARE(m_image.registerText(10), QStringLiteral("12345000"));
        QVERIFY(dialog.isVisible());

        QCOMPARE(play(&dialog, "sequence=9F1;okButton=click", boxes), QString());
        QCOMPARE(m_image.registerText(10), QStringLiteral("9F100009"));
        QCOMPARE(m_image.registerText(15), QStringLiteral("ABCDEF12")); // disabled: not written
        QCOMPARE(m_image.registerText(81).at(5), QLatin1Char('3'));
        QVERIFY(!dialog.isVisible());
    }

    void programmedByCallKeyFollowsTheKeysMode()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(172) = QStringLiteral("00080000"); // call key sends 4-tone
        quarn::Rufgeber dialog(&m_image);
        open(&dialog);
        child<QComboBox>(&dialog, "idMode")->setCurrentIndex(8);
        QCOMPARE(child<QLineEdit>(&dialog, "sequence")->maxLength(), 4);
        QCOMPARE(quarn::Rufgeber::effectiveMode(8, true, 7), 0);
        QCOMPARE(quarn::Rufgeber::effectiveMode(8, true, 9), 7);
        QCOMPARE(quarn::Rufgeber::effectiveMode(8, false, 3), quarn::Rufgeber::AllPositions);
    }

    // --- Decoder table ---

    void decoderTableTexts()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(15) = QStringLiteral("98765000");
        m_image.registerText(20) = QStringLiteral("12345FF1");
        m_image.registerText(30) = QStringLiteral("3F9CF000");
        m_image.registerText(40) = QStringLiteral("53D53400");
        m_image.registerText(23) = QStringLiteral("1234FFF3"); // odd, but not "1": the table says "nein"
        m_image.registerText(33) = QStringLiteral("B5A00000");
        m_image.registerText(43) = QStringLiteral("D2F00000");
        quarn::Decoder table(&m_image);
        open(&table);
        auto cell = [&](int row, int column) { return table.cellLabel(row, column)->text(); };
        QCOMPARE(cell(0, 0), QStringLiteral("\naktiv"));
        QCOMPARE(cell(0, 7), QStringLiteral("\nX-Tonfolge"));
        QCOMPARE(cell(1, 0), QStringLiteral("\nja"));
        QCOMPARE(cell(1, 1), QStringLiteral("\n12345/765"));
        QCOMPARE(cell(1, 2), QStringLiteral("\n1000/1125Hz\n3.0s ; LS=9"));
        QCOMPARE(cell(1, 3), QStringLiteral("\n12s ; LS+5"));
        QCOMPARE(cell(1, 4), QStringLiteral("\n\nschaltet Nr. 3\nfür 13 Sekunden ein"));
        QCOMPARE(cell(1, 5), QStringLiteral("\nzus. 5-Tonfolge\n(FFSK-Auswertung)"));
        QCOMPARE(cell(1, 6), QStringLiteral("\nLS ein\nLED blinkt"));
        QCOMPARE(cell(1, 7), QStringLiteral("\nNotruf: 4 Stellen\nvon rechts anzeigen"));
        QCOMPARE(cell(4, 0), QStringLiteral("\nnein"));
        QCOMPARE(cell(4, 1), QStringLiteral("\n1234F/98765\nNotruf"));
        QCOMPARE(cell(4, 2), QStringLiteral("\n600/675Hz (10x)\n1.0s ; LS+0"));
        QCOMPARE(cell(4, 4), QStringLiteral("\n\nschaltet Nr. 2\nein"));
        QCOMPARE(cell(2, 2), QStringLiteral("\naus"));
        QCOMPARE(cell(2, 4), QStringLiteral("\nkeiner"));
        QCOMPARE(cell(2, 7), QStringLiteral("\nnormaler Ruf"));
        QCOMPARE(child<QPushButton>(&table, "decoderButton10")->text(), QStringLiteral("Decoder 10"));
    }

    void tableIsRebuiltAfterCancel()
    {
        platform::ScriptedUserDialogs boxes;
        quarn::Decoder table(&m_image);
        open(&table);
        QCOMPARE(table.cellLabel(1, 0)->text(), QStringLiteral("\nnein"));
        m_image.registerText(20) = QStringLiteral("00000001"); // changed behind the table's back
        bool cancelled = false;
        onNextModal(this, [&](QDialog* config) {
            QVERIFY(qobject_cast<quarn::DECODERKONFIG*>(config));
            QCOMPARE(config->windowTitle(), QStringLiteral("Decoder-Konfiguration"));
            click(config, "cancelButton");
            cancelled = true;
        });
        click(&table, "decoderButton1");
        QVERIFY(cancelled);
        QCOMPARE(table.cellLabel(1, 0)->text(), QStringLiteral("\nja"));
        click(&table, "okButton");
        QVERIFY(!m_image.modified); // the overview itself writes nothing
    }

    void inOutputLabels()
    {
        quarn::InOutputs dialog(&m_image);
        open(&dialog);
        QCOMPARE(dialog.findChildren<QLabel*>().first()->text(), QStringLiteral("Ein-/Ausgang 1"));
    }
};

QTEST_MAIN(TestBaseDialogs)
#include "tst_basedialogs.moc"
