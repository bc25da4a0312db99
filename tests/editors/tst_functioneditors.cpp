// The thirteen function editors, found through the registry as the wizard finds them and
// driven through their widgets: every editor keeps a word it understands, "Abbrechen" returns
// the word it was given, and the edits worth having turn into the right digits.
#include "config/editors/keys/FunctionEditor.h"
#include "config/editors/keys/FunctionEditors.h"
#include "config/register/RegisterCodecs.h"
#include "platform/UserDialogs.h"
#include "tests/support/DialogScript.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

#include <memory>

using namespace editortest;
using quarn::FunctionEditors;
using quarn::FunctionMode;

Q_DECLARE_METATYPE(FunctionMode)

namespace {

quarn::FunctionEditor* editorOf(int code, FunctionMode mode, QString& word)
{
    return static_cast<quarn::FunctionEditor*>(FunctionEditors::create(code, mode, nullptr, word));
}

// Sets the controls in order as a script does; each must be enabled when its turn comes.
void playEnabled(QWidget* editor, const QString& script)
{
    for (const auto& [name, value] : steps(script)) {
        QVERIFY2(control(editor, name)->isEnabled(), qPrintable(name));
        set(editor, name, value);
    }
}

struct Words {
    int code;
    FunctionMode mode;
    QStringList words; // each one a word the editor reads and writes back unchanged
};

// Typical words of each code, and words with digits no list knows (kept as they are) or in
// positions the chosen sub-function does not use.
const QList<Words>& wordsOfEveryEditor()
{
    using M = FunctionMode;
    static const QList<Words> all = {
        {1, M::Normal, {"15200000", "10FA0ABC", "1F001234"}},
        {2,
         M::Normal,
         {"20701ABC", "22F9FDEF", "22393000", "23E10000", "23B00000", "24C1E000", "25100000", "26500000",
          "27123456"}},
        {3, M::Normal, {"35440A00", "38E50000", "387A0000", "3F123456", "30000000"}},
        {4, M::Normal, {"41A09000", "40100000", "41529000", "41F00000", "47123456"}},
        {5, M::Normal, {"50700000", "5FE00000", "5FF00000", "5E31ABCD", "5EFE0000", "59900000"}},
        {6, M::Normal, {"60000000", "62000000", "63A10000", "631E0000"}},
        {7, M::Normal, {"70020000", "70031000", "71E00000", "72312300", "72512345", "79ABCDEF"}},
        {8, M::Normal, {"80000000", "81420000", "81FF0000", "8512345F"}},
        {9, M::Normal, {"90120000", "90050000", "90130000", "91110000", "9A000000"}},
        {11, M::Normal, {"B0110000", "B1020000", "B11E0000", "BFE11000", "B3000000"}},
        {6, M::Telephone, {"60123000", "61100000", "62000000", "6F000000"}},
        {7, M::Telephone, {"70100000", "71F00000", "72500000", "73ABCDEF"}},
        {8, M::Telephone, {"80300000", "81200000", "82ABCDEF"}},
    };
    return all;
}

} // namespace

class TestFunctionEditors : public QObject {
    Q_OBJECT

private slots:
    void everyEditorKeepsAWordItUnderstands_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<FunctionMode>("mode");
        QTest::addColumn<QString>("word");
        for (const Words& w : wordsOfEveryEditor()) {
            for (const QString& word : w.words)
                QTest::addRow("%s%s", qPrintable(word), w.mode == FunctionMode::Telephone ? " tel" : "")
                    << w.code << w.mode << word;
        }
    }
    void everyEditorKeepsAWordItUnderstands()
    {
        QFETCH(int, code);
        QFETCH(FunctionMode, mode);
        QFETCH(QString, word);
        platform::ScriptedUserDialogs boxes;
        QString edited = word;
        std::unique_ptr<quarn::FunctionEditor> editor(editorOf(code, mode, edited));
        QVERIFY(editor);
        open(editor.get());
        click(editor.get(), "okButton");
        QCOMPARE(boxes.texts(), QStringList());
        QVERIFY(!editor->isVisible());
        QCOMPARE(edited, word);
    }

    // Every editor on every word of every code: "Abbrechen" returns the word as given; "OK" on
    // a word of another function writes the editor's code and touches no digit it does not own.
    void cancelReturnsTheWordAndOkTheCode_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<FunctionMode>("mode");
        for (const Words& w : wordsOfEveryEditor())
            QTest::addRow("%X%s", w.code, w.mode == FunctionMode::Telephone ? " tel" : "")
                << w.code << w.mode;
    }
    void cancelReturnsTheWordAndOkTheCode()
    {
        QFETCH(int, code);
        QFETCH(FunctionMode, mode);
        platform::ScriptedUserDialogs boxes;
        for (const Words& other : wordsOfEveryEditor()) {
            for (const QString& word : other.words) {
                QString edited = word;
                std::unique_ptr<quarn::FunctionEditor> cancelled(editorOf(code, mode, edited));
                open(cancelled.get());
                click(cancelled.get(), "cancelButton");
                QCOMPARE(edited, word);

                std::unique_ptr<quarn::FunctionEditor> confirmed(editorOf(code, mode, edited));
                open(confirmed.get());
                click(confirmed.get(), "okButton");
                QCOMPARE(boxes.texts(), QStringList());
                QCOMPARE(edited.size(), 8);
                QVERIFY(quarn::isHexText(edited));
                QCOMPARE(quarn::hexValueOfCharacter(edited.at(0)), code);
                if (other.code == code && other.mode == mode)
                    QCOMPARE(edited, word);
            }
        }
    }

    void edits_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<FunctionMode>("mode");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("steps"); // a script: name=value
        QTest::addColumn<QString>("expected");
        const auto N = FunctionMode::Normal;
        const auto T = FunctionMode::Telephone;
        auto row = [](const char* name, int code, FunctionMode mode, const char* word, const char* steps,
                      const char* expected) {
            QTest::newRow(name) << code << mode << QString::fromLatin1(word) << QString::fromLatin1(steps)
                                << QString::fromLatin1(expected);
        };
        row("tone 1000 Hz 0,5 s", 1, N, "00000000", "whileHeld=click;frequency=1000;duration=0,5",
            "15200000");
        row("tone while held", 1, N, "15200000", "whileHeld=click", "10200000");
        row("tone 8000 Hz", 1, N, "10000000", "frequency=8000", "10FA0000");
        row("tone 1,5 s", 1, N, "10000000", "whileHeld=click;duration=1.5", "1F000000");
        row("target call entered", 2, N, "00000000", "kind=#2;enterTarget=click", "22F01000");
        row("target call 7", 2, N, "22F01000", "enterTarget=click;targetNumber=7", "22701000");
        row("X-tone stored 9", 2, N, "20001000", "idMode=#8", "20091000");
        row("4-tone stored 8", 2, N, "20001000", "idMode=#7", "20081000");
        row("stored 7 opens as pager", 2, N, "20071000", "", "20061000");
        row("intercom toggles E", 2, N, "20571000", "kind=#3;intercomAction=#2;intercomCall=click",
            "23E10000");
        row("intercom 2 kept", 2, N, "23210000", "intercomCall=click", "23200000");
        row("external target keeps empty digit", 2, N, "24C1E000", "externalTarget=", "24C1E000");
        row("alarm query zeroes options", 2, N, "20591000", "kind=#6", "26500000");
        row("PTT from input, headset", 3, N, "00000000", "subFunction=#1;microphone=#1", "35000000");
        row("PTT ID at start and end", 3, N, "30000000", "idAtStart=click;idAtEnd=click;idTarget=E",
            "3044E000");
        row("microphone switching toggles", 3, N, "30000000", "subFunction=#2;micSwitching=#3;hintTime=1,2",
            "38EC0000");
        row("PTT switching 5 kept", 3, N, "38530000", "hintTime=0,4", "38540000");
        row("volume one step louder", 4, N, "41509000", "change1=click", "41A09000");
        row("volume fixed 7", 4, N, "41F09000", "change0=click;fixedValue=7", "41709000");
        row("speaker toggle with scanner", 4, N, "00000000", "startScanner=click", "40100000");
        row("channel 7", 5, N, "00000000", "channel=7", "50700000");
        row("working channel", 5, N, "50700000", "channelKind1=click", "5FE00000");
        row("output 3 toggled", 5, N, "50700000", "subFunction=#1;output=3;state2=click", "5E3E0000");
        row("decoder 10 toggled", 6, N, "60000000", "subFunction=#1;decoder=10;decoderAction2=click",
            "63AE0000");
        row("ID memory next", 6, N, "63A10000", "subFunction=#0;memory1=click", "61A10000");
        row("3 input digits, call 12", 7, N, "00000000", "subFunction=#2;inputDigits=3;call=12", "72312000");
        row("input digits 0 clamped", 7, N, "72012345", "", "72212000");
        row("input digits F clamped", 7, N, "72F12345", "", "72212000");
        row("call +1 scrolls to text", 7, N, "70000000", "delete2=click;scroll1=click", "70021000");
        row("last entry clears scroll", 7, N, "70021000", "delete1=click", "70010000");
        row("status 42", 8, N, "81FF0000", "statusKind0=click;status=42", "81420000");
        row("status by user", 8, N, "81420000", "statusKind1=click", "81FF0000");
        row("AF muting on", 9, N, "90000000", "speakerMuting=#4", "90050000");
        row("TX LED blinks", 9, N, "90000000", "subFunction=#1;txLed=#1;muting1=click", "91110000");
        row("standby toggled", 11, N, "00000000", "subFunction=#2;standby=#2", "BFE00000");
        row("standby from 7", 11, N, "B7000000", "", "BF000000");
        row("short-dial memory 999", 6, T, "00000000", "memory=999", "60999000");
        row("dial digit #", 7, T, "00000000", "subFunction=#1;dialDigit=#15", "71F00000");
        row("hang up keeps speaker digit", 8, T, "80300000", "subFunction=#2", "82300000");
    }
    void edits()
    {
        QFETCH(int, code);
        QFETCH(FunctionMode, mode);
        QFETCH(QString, word);
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        platform::ScriptedUserDialogs boxes;
        QString edited = word;
        std::unique_ptr<quarn::FunctionEditor> editor(editorOf(code, mode, edited));
        open(editor.get());
        playEnabled(editor.get(), steps);
        click(editor.get(), "okButton");
        QCOMPARE(boxes.texts(), QStringList());
        QCOMPARE(edited, expected);

        // Opened again, the editor reads what it wrote.
        QString again = edited;
        std::unique_ptr<quarn::FunctionEditor> reopened(editorOf(code, mode, again));
        open(reopened.get());
        click(reopened.get(), "okButton");
        QCOMPARE(again, expected);
    }

    void reopenedEditorsShowWhatWasStored()
    {
        QString word = QStringLiteral("22F01000");
        std::unique_ptr<quarn::FunctionEditor> ruf(editorOf(2, FunctionMode::Normal, word));
        QVERIFY(child<QCheckBox>(ruf.get(), "enterTarget")->isChecked());
        QVERIFY(!child<QLineEdit>(ruf.get(), "targetNumber")->isEnabled());
        word = QStringLiteral("90050000");
        std::unique_ptr<quarn::FunctionEditor> ext(editorOf(9, FunctionMode::Normal, word));
        QCOMPARE(child<QComboBox>(ext.get(), "speakerMuting")->currentText(), QStringLiteral("NF-Muting an"));
        word = QStringLiteral("23E00000");
        std::unique_ptr<quarn::FunctionEditor> intercom(editorOf(2, FunctionMode::Normal, word));
        QCOMPARE(child<QComboBox>(intercom.get(), "intercomAction")->currentIndex(), 2);
        // A channel word shows the switching output's defaults.
        word = QStringLiteral("50000000");
        std::unique_ptr<quarn::FunctionEditor> channel(editorOf(5, FunctionMode::Normal, word));
        QVERIFY(child<QRadioButton>(channel.get(), "outputKind0")->isChecked());
        QCOMPARE(child<QLineEdit>(channel.get(), "output")->text(), QStringLiteral("1"));
        QVERIFY(child<QRadioButton>(channel.get(), "state0")->isChecked());
        // A foreign word opens on the defaults.
        word = QStringLiteral("5FE00000");
        std::unique_ptr<quarn::FunctionEditor> tone(editorOf(1, FunctionMode::Normal, word));
        QVERIFY(child<QCheckBox>(tone.get(), "whileHeld")->isChecked());
        QCOMPARE(child<QLineEdit>(tone.get(), "duration")->text(), QStringLiteral("0,5"));
        QCOMPARE(child<QLineEdit>(tone.get(), "frequency")->text(), QStringLiteral("0"));
    }

    // A refused check keeps the editor open with the caller's word untouched, and "Abbrechen"
    // afterwards returns it unchanged (nothing half-written reaches the caller).
    void refusedOkThenCancelLeavesTheWord_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<FunctionMode>("mode");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("steps"); // a script: name=value
        QTest::addColumn<QString>("message");
        const auto N = FunctionMode::Normal;
        const QString tooHigh = QStringLiteral("Ein eingegebener Wert ist zu hoch/niedrig.");
        auto row = [](const char* name, int code, FunctionMode mode, const char* word, const char* steps,
                      const QString& message) {
            QTest::newRow(name) << code << mode << QString::fromLatin1(word) << QString::fromLatin1(steps)
                                << message;
        };
        row("timed tone 0,0 s", 1, N, "35440A00", "whileHeld=click;duration=0,0", tooHigh);
        row("duration 1,6 s", 1, N, "15200000", "duration=1,6", tooHigh);
        row("duration not a number", 1, N, "15200000", "duration=a", "Bitte geben Sie eine Dezimalzahl ein!");
        row("frequency 8001", 1, N, "15200000", "frequency=8001",
            "Geben Sie eine ganze Zahl zwischen 0 und 8000 ein.");
        row("hint time not a number", 3, N, "30000000", "subFunction=#2;hintTime=x",
            "Bitte geben Sie eine Dezimalzahl ein!");
        row("decoder 11", 6, N, "63100000", "decoder=11", "Geben Sie eine ganze Zahl zwischen 1 und 10 ein.");
        row("decoder 0", 6, N, "63100000", "decoder=0", "Geben Sie eine ganze Zahl zwischen 1 und 10 ein.");
        row("short-dial memory 1000", 6, FunctionMode::Telephone, "60123000", "memory=1000",
            "Geben Sie eine ganze Zahl zwischen 0 und 999 ein.");
        row("channel 100", 5, N, "50700000", "channel=100",
            "Geben Sie eine ganze Zahl zwischen 0 und 99 ein.");
        row("output 8", 5, N, "5E31ABCD", "output=8", "Geben Sie eine ganze Zahl zwischen 1 und 7 ein.");
        row("volume 10", 4, N, "41529000", "maximumVolume=10",
            "Geben Sie eine ganze Zahl zwischen 0 und 9 ein.");
        row("status 100", 8, N, "81420000", "status=100", "Geben Sie eine ganze Zahl zwischen 0 und 99 ein.");
    }
    void refusedOkThenCancelLeavesTheWord()
    {
        QFETCH(int, code);
        QFETCH(FunctionMode, mode);
        QFETCH(QString, word);
        QFETCH(QString, steps);
        QFETCH(QString, message);
        platform::ScriptedUserDialogs boxes;
        QString edited = word;
        std::unique_ptr<quarn::FunctionEditor> editor(editorOf(code, mode, edited));
        open(editor.get());
        playEnabled(editor.get(), steps);
        click(editor.get(), "okButton");
        QCOMPARE(boxes.texts(), QStringList{message});
        QVERIFY(editor->isVisible());
        QCOMPARE(edited, word);
        click(editor.get(), "cancelButton");
        QVERIFY(!editor->isVisible());
        QCOMPARE(edited, word);
    }
};

QTEST_MAIN(TestFunctionEditors)
#include "tst_functioneditors.moc"
