// Key, input and LED programming and the function wizard, driven through their widgets: the
// paths from a key button through the wizard and an editor to the register, in both modes,
// the stores on a selection change, and the pin-configuration question.
#include "config/editors/base/InOutputs.h"
#include "config/editors/keys/EingProg.h"
#include "config/editors/keys/FktAuswahl.h"
#include "config/editors/keys/LEDProg.h"
#include "config/editors/keys/TastenProg.h"
#include "config/register/RegisterCodecs.h"
#include "platform/UserDialogs.h"
#include "tests/support/DialogScript.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <functional>

using namespace editortest;
using quarn::FunctionMode;
using quarn::Register;

class TestKeyProgramming : public QObject {
    Q_OBJECT

private:
    Register m_image;

private slots:
    void init()
    {
        m_image = Register();
        loadFactoryImage(m_image, true);
    }

    // --- FktAuswahl ---

    void wizardOpensOnTheWordsCode_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("position");
        QTest::newRow("5") << "50700000" << 5;
        QTest::newRow("9") << "90000000" << 9;
        QTest::newRow("B") << "B0110000" << 10;
        QTest::newRow("A") << "A1234567" << 0;
        QTest::newRow("C") << "C0000000" << 0;
        QTest::newRow("F") << "FFFFFFFF" << 0;
        QTest::newRow("empty") << "" << 0;
    }
    void wizardOpensOnTheWordsCode()
    {
        QFETCH(QString, word);
        QFETCH(int, position);
        quarn::FktAuswahl wizard(nullptr, word, FunctionMode::Normal);
        QCOMPARE(wizard.list()->currentRow(), position);
    }

    void wizardListsTheFunctionsOfItsMode()
    {
        QString word = QStringLiteral("00000000");
        quarn::FktAuswahl normal(nullptr, word, FunctionMode::Normal);
        quarn::FktAuswahl telephone(nullptr, word, FunctionMode::Telephone);
        QCOMPARE(normal.list()->count(), 11);
        QCOMPARE(telephone.list()->count(), 11);
        QCOMPARE(normal.list()->item(6)->text(), QStringLiteral("6: Kennungsspeicher / Decoder"));
        QCOMPARE(telephone.list()->item(6)->text(), QStringLiteral("6: Kurzwahlspeicher"));
        QCOMPARE(telephone.list()->item(7)->text(), QStringLiteral("7: Rufnummerneingabe"));
        QCOMPARE(telephone.list()->item(8)->text(), QStringLiteral("8: Telefonstatuseingabe"));
        QCOMPARE(telephone.list()->item(9)->text(), normal.list()->item(9)->text());
        QCOMPARE(normal.list()->item(10)->text(), QStringLiteral("B: Modefunktionen"));
    }

    void noFunctionClearsTheWord()
    {
        QString word = QStringLiteral("35440A00");
        quarn::FktAuswahl wizard(nullptr, word, FunctionMode::Normal);
        open(&wizard);
        wizard.list()->setCurrentRow(0);
        click(&wizard, "okButton");
        QCOMPARE(wizard.result(), int(QDialog::Accepted));
        QCOMPARE(word, QStringLiteral("00000000"));
    }

    void cancellingTheWizardKeepsTheWord()
    {
        QString word = QStringLiteral("35440A00");
        quarn::FktAuswahl wizard(nullptr, word, FunctionMode::Normal);
        open(&wizard);
        wizard.list()->setCurrentRow(0);
        click(&wizard, "cancelButton");
        QCOMPARE(word, QStringLiteral("35440A00"));
    }

    // The wizard closes with OK whatever the editor did; a cancelled editor leaves the word.
    void editorCancelledInsideTheWizardKeepsTheWord()
    {
        platform::ScriptedUserDialogs boxes;
        QString word = QStringLiteral("35440A00");
        quarn::FktAuswahl wizard(nullptr, word, FunctionMode::Normal);
        open(&wizard);
        wizard.list()->setCurrentRow(1);
        bool seen = false;
        onNextModal(this, [&](QDialog* editor) {
            QCOMPARE(editor->windowTitle(), QStringLiteral("Funktion 1: Einton senden"));
            // A refused duration first, then "Abbrechen".
            child<QAbstractButton>(editor, "whileHeld")->setChecked(false);
            setText(editor, "duration", QStringLiteral("0,0"));
            click(editor, "okButton");
            QVERIFY(editor->isVisible());
            click(editor, "cancelButton");
            seen = true;
        });
        click(&wizard, "okButton");
        QVERIFY(seen);
        QCOMPARE(boxes.texts(), QStringList{QStringLiteral("Ein eingegebener Wert ist zu hoch/niedrig.")});
        QCOMPARE(wizard.result(), int(QDialog::Accepted));
        QCOMPARE(word, QStringLiteral("35440A00"));
    }

    // --- TastenProg ---

    void keypadFollowsTheModel_data()
    {
        QTest::addColumn<bool>("model7k");
        QTest::addColumn<QList<int>>("absent");
        QTest::addColumn<QString>("label");
        QTest::newRow("7k") << true << QList<int>{24} << "Taste F1 kurz:";
        QTest::newRow("8k") << false << QList<int>{0, 1, 2, 3, 4, 8, 12, 16} << "Taste 1 kurz:";
    }
    void keypadFollowsTheModel()
    {
        QFETCH(bool, model7k);
        QFETCH(QList<int>, absent);
        QFETCH(QString, label);
        m_image.model7k = model7k;
        quarn::TastenProg dialog(0, nullptr, &m_image);
        open(&dialog);
        for (int key = 0; key < quarn::TastenProg::KeyCount; ++key) {
            const bool there = dialog.findChild<QPushButton*>(QStringLiteral("key%1").arg(key)) != nullptr;
            QCOMPARE(there, !absent.contains(key));
        }
        QCOMPARE(child<QLabel>(&dialog, "keyLabel")->text(), label);
        QCOMPARE(child<QLineEdit>(&dialog, "functionWord")->text(),
                 m_image.registerText(model7k ? 162 : 132));
    }

    // A short word is completed to eight digits; each mode touches its own 50 registers only,
    // and only on "OK".
    void keysWriteTheirModesRegistersOnOk_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("normal") << 0;
        QTest::newRow("telephone") << 1;
    }
    void keysWriteTheirModesRegistersOnOk()
    {
        QFETCH(int, mode);
        platform::ScriptedUserDialogs boxes;
        const QStringList before = snapshot(m_image);
        const int offset = mode ? 300 : 0;
        quarn::TastenProg dialog(mode, nullptr, &m_image);
        open(&dialog);
        setText(&dialog, "functionWord", QStringLiteral("1"));
        click(&dialog, "key18"); // "0": stores F1 short
        QCOMPARE(child<QLabel>(&dialog, "keyLabel")->text(), QStringLiteral("Taste 0 kurz:"));
        click(&dialog, "longPress");
        QCOMPARE(child<QLabel>(&dialog, "keyLabel")->text(), QStringLiteral("Taste 0 lang:"));
        setText(&dialog, "functionWord", QStringLiteral("b0"));
        click(&dialog, "key21"); // "RUF", long press
        setText(&dialog, "functionWord", QStringLiteral("3F"));
        QCOMPARE(snapshot(m_image), before); // nothing before "OK"
        QVERIFY(!m_image.modified);
        click(&dialog, "okButton");
        QVERIFY(boxes.messages().isEmpty());

        QStringList expected = before;
        expected[162 + offset] = QStringLiteral("10000000");
        expected[131 + offset] = QStringLiteral("B0000000");
        expected[173 + offset] = QStringLiteral("3F000000");
        QCOMPARE(snapshot(m_image), expected);
        QVERIFY(m_image.modified);
    }

    void cancelledKeysWriteNothing()
    {
        const QStringList before = snapshot(m_image);
        quarn::TastenProg dialog(0, nullptr, &m_image);
        open(&dialog);
        setText(&dialog, "functionWord", QStringLiteral("12345678"));
        click(&dialog, "key5");
        setText(&dialog, "functionWord", QStringLiteral("9"));
        click(&dialog, "cancelButton");
        QCOMPARE(snapshot(m_image), before);
        QVERIFY(!m_image.modified);
    }

    void refusedWordKeepsTheKey()
    {
        platform::ScriptedUserDialogs boxes;
        quarn::TastenProg dialog(0, nullptr, &m_image);
        open(&dialog);
        setText(&dialog, "functionWord", QStringLiteral("0x12"));
        click(&dialog, "key5");
        QCOMPARE(boxes.messages().size(), 1);
        QCOMPARE(dialog.shownKey(), 0);
        click(&dialog, "longPress");
        QCOMPARE(boxes.messages().size(), 2);
        QCOMPARE(dialog.shownPress(), 0);
        QVERIFY(child<QAbstractButton>(&dialog, "shortPress")->isChecked());
        // The press already shown, clicked again: key, press and radio stay as they are.
        click(&dialog, "shortPress");
        QCOMPARE(boxes.messages().size(), 3);
        QCOMPARE(dialog.shownPress(), 0);
        QVERIFY(child<QAbstractButton>(&dialog, "shortPress")->isChecked());
        QVERIFY(!child<QAbstractButton>(&dialog, "longPress")->isChecked());
    }

    // From a key button through the wizard and the mode's editor into the register.
    void keyThroughWizardAndEditorToRegister_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("steps"); // a script: name=value
        QTest::addColumn<QString>("expected");
        QTest::newRow("normal") << 0 << "Funktion 7: Ruftoneingabe"
                                << "subFunction=#1;tone=E"
                                << "71E00000";
        QTest::newRow("telephone") << 1 << "Funktion 7: Rufnummerneingabe"
                                   << "subFunction=#1;dialDigit=#15"
                                   << "71F00000";
    }
    void keyThroughWizardAndEditorToRegister()
    {
        QFETCH(int, mode);
        QFETCH(QString, title);
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        platform::ScriptedUserDialogs boxes;
        const int reg = 172 + (mode ? 300 : 0);
        m_image.registerText(reg) = QStringLiteral("00000000");
        quarn::TastenProg dialog(mode, nullptr, &m_image);
        open(&dialog);
        click(&dialog, "key21"); // "RUF"
        QCOMPARE(child<QLineEdit>(&dialog, "functionWord")->text(), QStringLiteral("00000000"));

        bool edited = false;
        onNextModal(this, [&](QDialog* wizard) {
            auto* list = child<QListWidget>(wizard, "functionList");
            QCOMPARE(list->currentRow(), 0);
            list->setCurrentRow(7);
            onNextModal(this, [&](QDialog* editor) {
                QCOMPARE(editor->windowTitle(), title);
                QCOMPARE(play(editor, steps, boxes), QString());
                click(editor, "okButton");
                edited = true;
            });
            click(wizard, "okButton");
        });
        click(&dialog, "wizardButton");
        QVERIFY(edited);
        QCOMPARE(child<QLineEdit>(&dialog, "functionWord")->text(), expected);
        QCOMPARE(m_image.registerText(reg), QStringLiteral("00000000")); // not before "OK"
        click(&dialog, "okButton");
        QVERIFY(boxes.messages().isEmpty());
        QCOMPARE(m_image.registerText(reg), expected);
    }

    // A word typed short reaches the wizard and its editor completed to eight digits.
    void shortWordIsCompletedBeforeTheWizard()
    {
        quarn::TastenProg dialog(0, nullptr, &m_image);
        open(&dialog);
        setText(&dialog, "functionWord", QStringLiteral("3"));
        bool seen = false;
        onNextModal(this, [&](QDialog* wizard) {
            auto* list = child<QListWidget>(wizard, "functionList");
            QCOMPARE(list->currentRow(), 3);
            onNextModal(this, [&](QDialog* editor) {
                QCOMPARE(child<QComboBox>(editor, "subFunction")->currentIndex(), 0);
                QCOMPARE(child<QLineEdit>(editor, "idTarget")->text(), QStringLiteral("0"));
                click(editor, "cancelButton");
                seen = true;
            });
            click(wizard, "okButton");
        });
        click(&dialog, "wizardButton");
        QVERIFY(seen);
        QCOMPARE(child<QLineEdit>(&dialog, "functionWord")->text(), QStringLiteral("30000000"));
    }

    // --- EingProg ---

    void inputWordsAreStoredOnSelectionChange()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(95) = QStringLiteral("22222000");
        m_image.registerText(110) = QStringLiteral("12345678");
        quarn::EingProg dialog(&m_image);
        open(&dialog);
        QCOMPARE(dialog.findChild<QGroupBox*>()->title(), QStringLiteral("Eingang 1"));
        QCOMPARE(child<QLineEdit>(&dialog, "risingWord")->text(), QStringLiteral("12345678"));
        setText(&dialog, "risingWord", QStringLiteral("5"));
        setText(&dialog, "fallingWord", QString());
        child<QComboBox>(&dialog, "input")->setCurrentIndex(2);
        QCOMPARE(dialog.findChild<QGroupBox*>()->title(), QStringLiteral("Eingang 2"));
        QCOMPARE(m_image.registerText(110), QStringLiteral("50000000"));
        QCOMPARE(m_image.registerText(111), QStringLiteral("00000000"));
        QVERIFY(m_image.modified);
        // Stores made by a selection change stay when the dialog is cancelled.
        setText(&dialog, "risingWord", QStringLiteral("7"));
        click(&dialog, "cancelButton");
        QCOMPARE(m_image.registerText(110), QStringLiteral("50000000"));
        QCOMPARE(m_image.registerText(112), QString::fromLatin1(sim::FactoryTable::value(112)));
        QVERIFY(boxes.messages().isEmpty());
    }

    void refusedInputWordKeepsTheInput()
    {
        platform::ScriptedUserDialogs boxes;
        const QStringList before = snapshot(m_image);
        quarn::EingProg dialog(&m_image);
        open(&dialog);
        setText(&dialog, "fallingWord", QStringLiteral("x"));
        child<QComboBox>(&dialog, "input")->setCurrentIndex(4);
        QCOMPARE(boxes.messages().size(), 1);
        QCOMPARE(child<QComboBox>(&dialog, "input")->currentIndex(), 1);
        QCOMPARE(dialog.shownInput(), 1);
        QCOMPARE(snapshot(m_image), before);
    }

    void pinConfigurationQuestion_data()
    {
        QTest::addColumn<int>("input");
        QTest::addColumn<int>("pinRegister");
        QTest::addColumn<int>("pinDigit");
        QTest::addColumn<int>("pinValue");
        QTest::addColumn<QString>("rising");
        QTest::addColumn<QString>("falling");
        QTest::addColumn<bool>("asked");
        QTest::newRow("input 1 unused") << 1 << 95 << 0 << 0 << "1"
                                        << "0" << true;
        QTest::newRow("input 1 output") << 1 << 95 << 0 << 1 << "0"
                                        << "3" << true;
        QTest::newRow("input 1 low active") << 1 << 95 << 0 << 2 << "1"
                                            << "1" << false;
        QTest::newRow("digit 3 counts as input") << 1 << 95 << 0 << 3 << "1"
                                                 << "1" << false;
        QTest::newRow("read-back output") << 1 << 95 << 0 << 8 << "1"
                                          << "1" << false;
        QTest::newRow("inverted output") << 1 << 95 << 0 << 9 << "1"
                                         << "1" << true;
        QTest::newRow("both words without function") << 1 << 95 << 0 << 0 << "0"
                                                     << "00000000" << false;
        QTest::newRow("input 5") << 5 << 95 << 4 << 1 << "1"
                                 << "0" << true;
        QTest::newRow("input 6 in register 96") << 6 << 96 << 0 << 0 << "1"
                                                << "0" << true;
        QTest::newRow("TX") << 8 << 96 << 2 << 9 << "1"
                            << "0" << true;
        QTest::newRow("PTT2 is no pin") << 0 << 95 << 0 << 0 << "1"
                                        << "0" << false;
        QTest::newRow("DC is no pin") << 10 << 95 << 0 << 0 << "1"
                                      << "0" << false;
    }
    void pinConfigurationQuestion()
    {
        QFETCH(int, input);
        QFETCH(int, pinRegister);
        QFETCH(int, pinDigit);
        QFETCH(int, pinValue);
        QFETCH(QString, rising);
        QFETCH(QString, falling);
        QFETCH(bool, asked);
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(95) = QStringLiteral("22222000");
        m_image.registerText(96) = QStringLiteral("22200000");
        m_image.setDigit(pinRegister, pinDigit, pinValue);
        quarn::EingProg dialog(&m_image);
        open(&dialog);
        child<QComboBox>(&dialog, "input")->setCurrentIndex(input);
        setText(&dialog, "risingWord", rising);
        setText(&dialog, "fallingWord", falling);
        boxes.setNextAnswer(platform::Answer::No);
        click(&dialog, "okButton");
        QVERIFY(!dialog.isVisible());
        if (!asked) {
            QVERIFY(boxes.messages().isEmpty());
            return;
        }
        QCOMPARE(boxes.messages().size(), 1);
        QCOMPARE(boxes.last().caption, QStringLiteral("Eingangskonfiguration"));
        QCOMPARE(
            boxes.last().text,
            QStringLiteral("Sie haben einem Eingang eine Funktion zugewiesen, der noch nicht als Eingang "
                           "konfiguriert ist und folglich nicht als solcher funktionieren wird.\n\n"
                           "Möchten Sie die Konfiguration jetzt durchführen?"));
        QCOMPARE(boxes.last().buttons, platform::MessageButtons::YesNo);
        // "Nein" keeps the stored words.
        QCOMPARE(m_image.registerText(quarn::EingProg::registerOf(input, 0)), quarn::zeroPadRight(rising, 8));
    }

    void yesOpensTheInputConfiguration()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(95) = QStringLiteral("00000000");
        quarn::EingProg dialog(&m_image);
        open(&dialog);
        setText(&dialog, "risingWord", QStringLiteral("35000000"));
        boxes.setNextAnswer(platform::Answer::Yes);
        bool configured = false;
        onNextModal(this, [&](QDialog* modal) {
            QVERIFY(qobject_cast<quarn::InOutputs*>(modal));
            child<QComboBox>(modal, "pin0")->setCurrentIndex(2);
            click(modal, "okButton");
            configured = true;
        });
        child<QComboBox>(&dialog, "input")->setCurrentIndex(3); // the store step asks for input 1
        QVERIFY(configured);
        QCOMPARE(m_image.registerText(95), QStringLiteral("20000000"));
        QCOMPARE(m_image.registerText(110), QStringLiteral("35000000"));
        QCOMPARE(dialog.shownInput(), 3);
    }

    // --- LEDProg ---

    void ledChannelAndDecoder()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(180) = QStringLiteral("00012345");
        m_image.registerText(181) = QStringLiteral("4A1ABCDE");
        quarn::LEDProg dialog(&m_image);
        open(&dialog);
        QCOMPARE(
            play(&dialog, "function=#2;channel.enabled==true;decoder.enabled==false;channel=7;led=#1", boxes),
            QString());
        QCOMPARE(m_image.registerText(180), QStringLiteral("20712345"));
        QVERIFY(m_image.modified);
        QCOMPARE(
            play(&dialog, "function==#4;decoder==10;decoderActive==1;decoderOff=1;okButton=click", boxes),
            QString());
        QCOMPARE(m_image.registerText(181), QStringLiteral("4A0ABCDE"));
        QVERIFY(boxes.messages().isEmpty());
    }

    // The store of a selection change is made and marked at once; "Abbrechen" keeps it.
    void ledStoreSurvivesCancel()
    {
        m_image.registerText(183) = QStringLiteral("00000000");
        quarn::LEDProg dialog(&m_image);
        open(&dialog);
        platform::ScriptedUserDialogs boxes;
        QCOMPARE(play(&dialog, "led=#3;function=#1;output=6;activeHigh=1;led=#0;cancelButton=click", boxes),
                 QString());
        QCOMPARE(m_image.registerText(183), QStringLiteral("16100000"));
        QVERIFY(m_image.modified);
    }

    void unknownLedFunctionIsKept()
    {
        m_image.registerText(182) = QStringLiteral("7ABCDEF0");
        quarn::LEDProg dialog(&m_image);
        open(&dialog);
        platform::ScriptedUserDialogs boxes;
        QCOMPARE(play(&dialog, "led=#2;function==#-1;output.enabled==false;okButton=click", boxes),
                 QString());
        QCOMPARE(m_image.registerText(182), QStringLiteral("7ABCDEF0"));
    }

    // "OK" with a value out of range keeps the dialog open; a selection change drops the edit
    // with its own message and shows the newly selected LED.
    void invalidLedValues()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(180) = QStringLiteral("13000000");
        m_image.registerText(181) = QStringLiteral("21200000");
        const QStringList before = snapshot(m_image);
        quarn::LEDProg dialog(&m_image);
        open(&dialog);
        setText(&dialog, "output", QStringLiteral("8"));
        click(&dialog, "okButton");
        QCOMPARE(boxes.texts(),
                 QStringList{QStringLiteral("Geben Sie eine ganze Zahl zwischen 1 und 7 ein.")});
        QVERIFY(dialog.isVisible());
        QCOMPARE(snapshot(m_image), before);

        boxes.clear();
        child<QComboBox>(&dialog, "led")->setCurrentIndex(1);
        QCOMPARE(boxes.texts(),
                 QStringList({QStringLiteral("Geben Sie eine ganze Zahl zwischen 1 und 7 ein."),
                              QStringLiteral("Einstellungen wurden nicht übernommen!")}));
        QCOMPARE(boxes.last().caption, QStringLiteral("Fehler"));
        QCOMPARE(boxes.last().icon, platform::MessageIcon::Stop);
        QCOMPARE(snapshot(m_image), before);
        QVERIFY(!m_image.modified);
        QCOMPARE(dialog.shownLed(), 1);
        QCOMPARE(child<QLineEdit>(&dialog, "channel")->text(), QStringLiteral("12"));
        click(&dialog, "cancelButton");
        QCOMPARE(snapshot(m_image), before);
    }
};

QTEST_MAIN(TestKeyProgramming)
#include "tst_keyprogramming.moc"
