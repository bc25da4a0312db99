// The single-register editor, the call encoder, the decoders and the inputs and outputs,
// driven through their widgets.
#include "config/editors/base/DECODERKONFIG.h"
#include "config/editors/base/Decoder.h"
#include "config/editors/base/EinzelnesRegister.h"
#include "config/editors/base/InOutputs.h"
#include "config/editors/base/Rufgeber.h"
#include "platform/UserDialogs.h"
#include "tests/support/EditorTestSupport.h"

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

    static void focusOut(QWidget* w)
    {
        QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(w, &event);
    }

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

    // --- Rufgeber ---

    void sixToneCallWithOwnId()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(15) = QStringLiteral("ABCD1238");
        quarn::Rufgeber dialog(&m_image);
        open(&dialog);
        child<QComboBox>(&dialog, "idMode")->setCurrentIndex(3); // "6-Tonfolge"
        setText(&dialog, "sequence", QStringLiteral("12345"));
        QVERIFY(child<QLineEdit>(&dialog, "ownId")->isEnabled());
        QCOMPARE(child<QLineEdit>(&dialog, "ownId")->maxLength(), 1);
        setText(&dialog, "ownId", QStringLiteral("7"));
        click(&dialog, "okButton");
        QVERIFY(boxes.messages().isEmpty());
        QCOMPARE(m_image.registerText(10), QStringLiteral("12345003"));
        QCOMPARE(m_image.registerText(15), QStringLiteral("ABCD7008"));
        QVERIFY(m_image.modified);
    }

    void xToneSequenceOfThree()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(15) = QStringLiteral("ABCDEF12");
        quarn::Rufgeber dialog(&m_image);
        open(&dialog);
        child<QComboBox>(&dialog, "idMode")->setCurrentIndex(7); // "X-Tonfolge"
        QVERIFY(child<QLineEdit>(&dialog, "xCount")->isEnabled());
        setText(&dialog, "xCount", QStringLiteral("3"));
        focusOut(child<QLineEdit>(&dialog, "xCount"));
        QVERIFY(!child<QLineEdit>(&dialog, "ownId")->isEnabled());
        QCOMPARE(child<QLineEdit>(&dialog, "sequence")->maxLength(), 3);

        setText(&dialog, "sequence", QStringLiteral("12"));
        click(&dialog, "okButton");
        QCOMPARE(boxes.texts(),
                 QStringList({"Ihre Eingaben in den Feldern \"Tonfolge\" und/oder \"Kennung\" "
                              "enthalten weniger Ziffern als aufgrund Ihrer Auswahl nötig sind."}));
        QCOMPARE(boxes.last().caption, QStringLiteral("Fehler"));
        QCOMPARE(m_image.registerText(10), QStringLiteral("12345000"));
        QVERIFY(dialog.isVisible());

        setText(&dialog, "sequence", QStringLiteral("9F1"));
        click(&dialog, "okButton");
        QCOMPARE(m_image.registerText(10), QStringLiteral("9F100009"));
        QCOMPARE(m_image.registerText(15), QStringLiteral("ABCDEF12")); // disabled: not written
        QCOMPARE(m_image.registerText(81).at(5), QLatin1Char('3'));
        QVERIFY(!dialog.isVisible());
    }

    void programmedByKeyNeedsAllSevenDigits()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(15) = QStringLiteral("00000009");
        quarn::Rufgeber dialog(&m_image);
        open(&dialog);
        child<QComboBox>(&dialog, "idMode")->setCurrentIndex(8); // "wie bei Taste programmiert"
        boxes.setNextAnswer(platform::Answer::Yes);
        tick(child<QCheckBox>(&dialog, "sendByCallKey"));
        QCOMPARE(child<QLineEdit>(&dialog, "sequence")->maxLength(), 7);
        QCOMPARE(child<QLineEdit>(&dialog, "ownId")->maxLength(), 7);

        setText(&dialog, "sequence", QStringLiteral("123456"));
        setText(&dialog, "ownId", QStringLiteral("7654321"));
        boxes.clear();
        click(&dialog, "okButton");
        QCOMPARE(boxes.messages().size(), 1);
        setText(&dialog, "sequence", QStringLiteral("1234567"));
        click(&dialog, "okButton");
        QCOMPARE(m_image.registerText(10), QStringLiteral("1234567F"));
        QCOMPARE(m_image.registerText(15), QStringLiteral("76543219"));
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

    void modeChangeDiscardsTypedDigits()
    {
        platform::ScriptedUserDialogs boxes;
        quarn::Rufgeber dialog(&m_image);
        open(&dialog);
        setText(&dialog, "sequence", QStringLiteral("99999"));
        child<QComboBox>(&dialog, "idMode")->setCurrentIndex(4);
        QCOMPARE(child<QLineEdit>(&dialog, "sequence")->text(), QStringLiteral("12345"));
    }

    void toneLengthsInTensOfMilliseconds()
    {
        platform::ScriptedUserDialogs boxes;
        quarn::Rufgeber dialog(&m_image);
        open(&dialog);
        QCOMPARE(child<QLineEdit>(&dialog, "firstTone")->text(), QStringLiteral("70"));
        setText(&dialog, "firstTone", QStringLiteral("75"));
        setText(&dialog, "furtherTones", QStringLiteral("150"));
        setText(&dialog, "pause", QStringLiteral("1000"));
        tick(child<QCheckBox>(&dialog, "autoSend"));
        click(&dialog, "okButton");
        QVERIFY(boxes.messages().isEmpty());
        QCOMPARE(m_image.registerText(82), QStringLiteral("07FA0100"));
    }

    // --- Decoder and DECODERKONFIG ---

    void decoderUsesFiveWhenTheXCountIsInvalid()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(81) = QStringLiteral("01810900");
        m_image.registerText(41) = QStringLiteral("10000000"); // decoder 2: double sequence
        m_image.registerText(21) = QStringLiteral("1234567F");
        quarn::DECODERKONFIG dialog(&m_image, 1);
        open(&dialog);
        QCOMPARE(dialog.sequenceLength(), 5);
        QCOMPARE(child<QLineEdit>(&dialog, "sequence")->text(), QStringLiteral("12345"));
        QVERIFY(child<QCheckBox>(&dialog, "active")->isChecked()); // "F" is odd
        click(&dialog, "okButton");
        QVERIFY(boxes.messages().isEmpty());
        QCOMPARE(m_image.registerText(21), QStringLiteral("12345FF1"));
    }

    void decoderSequenceAndReactions()
    {
        platform::ScriptedUserDialogs boxes;
        const QString before = m_image.registerText(20);
        quarn::DECODERKONFIG dialog(&m_image, 0);
        open(&dialog);
        child<QCheckBox>(&dialog, "active")->setChecked(true);
        child<QComboBox>(&dialog, "idMode")->setCurrentIndex(5); // "8-Tonfolge"
        setText(&dialog, "sequence", QStringLiteral("1234"));
        click(&dialog, "okButton");
        QCOMPARE(boxes.texts(), QStringList({"Ihre Eingabe im Feld \"Tonfolge\" enthält weniger Ziffern als "
                                             "aufgrund Ihrer Auswahl nötig sind."}));
        QCOMPARE(m_image.registerText(20), before); // refused: nothing written

        boxes.clear();
        setText(&dialog, "sequence", QStringLiteral("12345"));
        child<QComboBox>(&dialog, "alarmType")->setCurrentIndex(3);
        setText(&dialog, "alarmDuration", QStringLiteral("3,0"));
        tick(child<QRadioButton>(&dialog, "alarmVolumeAbsolute"));
        child<QSlider>(&dialog, "alarmVolumeSlider")->setValue(9);
        setText(&dialog, "callDuration", QStringLiteral("12"));
        tick(child<QRadioButton>(&dialog, "callVolumeOffset"));
        QCOMPARE(child<QSlider>(&dialog, "callVolumeSlider")->maximum(), 5);
        child<QSlider>(&dialog, "callVolumeSlider")->setValue(5);
        setText(&dialog, "outputNumber", QStringLiteral("3"));
        QVERIFY(!child<QLineEdit>(&dialog, "switchSeconds")->isEnabled());
        tick(child<QRadioButton>(&dialog, "switchFor"));
        QVERIFY(child<QLineEdit>(&dialog, "switchSeconds")->isEnabled());
        setText(&dialog, "switchSeconds", QStringLiteral("13"));
        child<QComboBox>(&dialog, "acknowledgement")->setCurrentIndex(5);
        child<QComboBox>(&dialog, "speakerLed")->setCurrentIndex(3);
        tick(child<QRadioButton>(&dialog, "xCallEmergency"));
        setText(&dialog, "xCallDigits", QStringLiteral("4"));
        click(&dialog, "okButton");
        QVERIFY(boxes.messages().isEmpty());
        QCOMPARE(m_image.registerText(20), QStringLiteral("12345FF1"));
        QCOMPARE(m_image.registerText(30), QStringLiteral("3F9CF000"));
        QCOMPARE(m_image.registerText(40), QStringLiteral("53D53400"));
        QVERIFY(m_image.modified);

        // Reopened, every control shows what was stored.
        quarn::DECODERKONFIG again(&m_image, 0);
        open(&again);
        QCOMPARE(child<QComboBox>(&again, "idMode")->currentIndex(), 5);
        QCOMPARE(child<QLineEdit>(&again, "alarmDuration")->text(), QStringLiteral("3,0"));
        QVERIFY(child<QRadioButton>(&again, "callVolumeOffset")->isChecked());
        QCOMPARE(child<QSlider>(&again, "callVolumeSlider")->value(), 5);
        QVERIFY(child<QRadioButton>(&again, "switchFor")->isChecked());
        QCOMPARE(child<QLineEdit>(&again, "switchSeconds")->text(), QStringLiteral("13"));
        QCOMPARE(child<QLineEdit>(&again, "xCallDigits")->text(), QStringLiteral("4"));
    }

    void alarmDurationSteps()
    {
        platform::ScriptedUserDialogs boxes;
        {
            quarn::DECODERKONFIG dialog(&m_image, 2);
            open(&dialog);
            setText(&dialog, "alarmDuration", QStringLiteral("1,5"));
            click(&dialog, "okButton");
            QCOMPARE(m_image.registerText(32).at(1), QLatin1Char('7'));
        }
        quarn::DECODERKONFIG dialog(&m_image, 2);
        open(&dialog);
        QCOMPARE(child<QLineEdit>(&dialog, "alarmDuration")->text(), QStringLiteral("1,4"));
    }

    void refusedDurationWritesNothing()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(32) = QStringLiteral("15000ABC");
        const QString before22 = m_image.registerText(22), before42 = m_image.registerText(42);
        quarn::DECODERKONFIG dialog(&m_image, 2);
        open(&dialog);
        child<QCheckBox>(&dialog, "active")->setChecked(true);
        child<QComboBox>(&dialog, "alarmType")->setCurrentIndex(2);
        setText(&dialog, "alarmDuration", QStringLiteral("3,2"));
        setText(&dialog, "callDuration", QStringLiteral("9"));
        setText(&dialog, "outputNumber", QStringLiteral("6"));
        tick(child<QRadioButton>(&dialog, "switchOn"));
        click(&dialog, "okButton");
        QCOMPARE(boxes.texts(), QStringList({"Ein eingegebener Wert ist zu hoch/niedrig."}));
        QCOMPARE(boxes.last().caption, QStringLiteral("Fehler"));
        QVERIFY(dialog.isVisible());
        QVERIFY(!m_image.modified);
        // Every check comes before any write.
        QCOMPARE(m_image.registerText(22), before22);
        QCOMPARE(m_image.registerText(32), QStringLiteral("15000ABC"));
        QCOMPARE(m_image.registerText(42), before42);
        click(&dialog, "cancelButton");
        QCOMPARE(m_image.registerText(32), QStringLiteral("15000ABC"));
        QVERIFY(!m_image.modified);
    }

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
        QTimer::singleShot(0, this, [&] {
            auto* config = qobject_cast<quarn::DECODERKONFIG*>(QApplication::activeModalWidget());
            QVERIFY(config);
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

    // --- InOutputs ---

    void inputsAndOutputs()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(95) = QStringLiteral("01248ABC");
        m_image.registerText(96) = QStringLiteral("930DEF01");
        quarn::InOutputs dialog(&m_image);
        open(&dialog);
        const QStringList expected = {"keine Funktion",       "Ausgang",
                                      "Eingang, low aktiv",   "Eingang, high aktiv",
                                      "Ausgang Fremdtastung", "Ausgang invertiert"};
        for (int row = 0; row < 6; ++row)
            QCOMPARE(child<QComboBox>(&dialog, QStringLiteral("pin%1").arg(row).toLatin1())->currentText(),
                     expected.at(row == 5 ? 5 : row));
        QCOMPARE(child<QComboBox>(&dialog, "pin6")->currentIndex(), -1); // digit "3"
        QCOMPARE(child<QComboBox>(&dialog, "pin7")->currentIndex(), 0);
        QCOMPARE(dialog.findChildren<QLabel*>().first()->text(), QStringLiteral("Ein-/Ausgang 1"));
        child<QComboBox>(&dialog, "pin7")->setCurrentIndex(5);
        click(&dialog, "okButton");
        QCOMPARE(m_image.registerText(95), QStringLiteral("01248ABC"));
        // A function the list does not know survives OK unchanged.
        QCOMPARE(m_image.registerText(96), QStringLiteral("939DEF01"));
    }
};

QTEST_MAIN(TestBaseDialogs)
#include "tst_basedialogs.moc"
