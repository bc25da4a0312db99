// The ID evaluation, standard acknowledgement, muting/printer key tones and reference timing
// dialogs, driven through their widgets.
#include "tests/support/DialogScript.h"

using namespace editortest;

namespace {
const QString ids = QStringLiteral("Kennungsauswertung");
const QString ack = QStringLiteral("Standardquittung");
const QString keys = QStringLiteral("Schlüsseltöne für Muting / Druckerausgabe");
const QString ref = QStringLiteral("Referenzwerte für Tonfolgeauswertung");
} // namespace

class TestToneEvaluation : public QObject {
    Q_OBJECT

private slots:
    void confirmed_data()
    {
        addScriptColumns();
        scriptRow("key tones 12 leave the other positions F", ids, "16=FFFFFFFF",
                  "keyTones==FFFFFFFF;keyTones=12", "", "16=12FFFFFF", "keyTones=12FFFFFF");
        scriptRow("no key tones at all", ids, "16=12345678", "keyTones=", "", "16=FFFFFFFF",
                  "keyTones=FFFFFFFF");
        scriptRow("muting tones are upper case", keys, "18=12345678", "muting==12;muting=ee", "",
                  "18=EE345678", "muting=EE");
        scriptRow("printer tones leave digit 7", keys, "19=00000003", "printer==0000000;printer=12", "",
                  "19=12FFFFF3", "printer=12FFFFF");
        // Digit 7 counts the tones; a count that is not 1-7 must not read past digit 6.
        scriptRow("three tones", ack, "17=20001005", "sequence==20001;sequence=123", "", "17=12300003",
                  "sequence=123");
        scriptRow("count 0 means five tones", ack, "17=12345670", "sequence==12345", "", "17=12345005",
                  "sequence=12345");
        scriptRow("count above 7 reads seven tones", ack, "17=123456AB", "sequence==123456A", "",
                  "17=123456A7", "sequence=123456A");
        scriptRow("seven tones", ack, "17=20001005", "sequence=abcdef0", "", "17=ABCDEF07",
                  "sequence=ABCDEF0");
        // Register 81 digit 5 ("9" here) is the call encoder's and never changes.
        scriptRow("90 ms as 5 ms steps", ref, "80=00000000", "firstToneMax==0;firstToneMax=90", "",
                  "80=01800000", "firstToneMax=90");
        scriptRow("8325 ms fills the digits", ref, "81=01810900", "furtherTonesMax==90;furtherTonesMax=8325",
                  "", "81=FFF10900", "furtherTonesMax=8325");
        scriptRow("blocking time with a point", ref, "81=01800900", "blockingTime==0,0;blockingTime=0.1", "",
                  "81=01810900", "blockingTime=0,1");
        scriptRow("blocking time with a comma", ref, "81=01800900", "blockingTime=0,1", "", "81=01810900",
                  "blockingTime=0,1");
        scriptRow("longest blocking time", ref, "81=01800900", "blockingTime=1,5", "", "81=018F0900",
                  "blockingTime=1,5");
        scriptRow("tone series CCIR", ref, "81=01810900", "toneSeries==ZVEI;toneSeries=CCIR", "",
                  "81=01811900", "toneSeries=CCIR");
        scriptRow("an unknown tone series stays", ref, "81=0181F900", "toneSeries==", "", "81=0181F900",
                  "toneSeries=");
    }
    void confirmed() { runScriptRow(false); }

    void refused_data()
    {
        addScriptColumns();
        // A short muting entry would mute every sequence beginning with it and "0"; "EE" is off.
        const QString twoDigits = QStringLiteral("Geben Sie genau 2 Hex-Ziffern (0-9, A-F) ein.");
        scriptRow("one muting tone", keys, "18=EE000000", "printer=1;muting=E",
                  twoDigits + QStringLiteral("@muting"), "");
        scriptRow("no muting tone", keys, "18=EE000000", "muting=", twoDigits + QStringLiteral("@muting"),
                  "");
        // An empty acknowledgement would read back as the five tones "00000".
        scriptRow("no acknowledgement tone", ack, "17=20001005", "sequence=",
                  QStringLiteral("Geben Sie mindestens eine Hex-Ziffer (0-9, A-F) ein.") +
                      QStringLiteral("@sequence"),
                  "");
        // The blocking time is checked before anything is written.
        scriptRow("blocking time too long after other changes", ref, "80=01810000",
                  "firstToneMax=100;toneSeries=CCIR;blockingTime=1,6",
                  QStringLiteral("Ein eingegebener Wert ist zu hoch/niedrig.") +
                      QStringLiteral("@blockingTime"),
                  "");
        scriptRow("blocking time not a number", ref, "80=01810000", "blockingTime=a",
                  QStringLiteral("Bitte geben Sie eine Dezimalzahl ein!") + QStringLiteral("@blockingTime"),
                  "");
        scriptRow("only the first failing field speaks", ref, "80=01810000", "bursts=16;blockingTime=1,6",
                  QStringLiteral("Ein eingegebener Wert ist zu hoch/niedrig.") +
                      QStringLiteral("@blockingTime"),
                  "");
        scriptRow("too many bursts", ref, "78=31030000", "bursts=16",
                  QStringLiteral("Geben Sie eine ganze Zahl zwischen 0 und 15 ein.") +
                      QStringLiteral("@bursts"),
                  "");
        scriptRow("burst longer than the digits", ref, "78=31030000", "burstMax=830",
                  QStringLiteral("Geben Sie eine ganze Zahl zwischen 0 und 825 ein.") +
                      QStringLiteral("@burstMax"),
                  "");
    }
    void refused() { runScriptRow(false); }

    // The factory values are the ones the "Standards..." box lists.
    void factoryValuesAreTheStandards()
    {
        platform::ScriptedUserDialogs boxes;
        quarn::Register image;
        loadFactoryImage(image);
        const QStringList before = snapshot(image);
        std::unique_ptr<QDialog> dialog = openItem(ref, image);
        QCOMPARE(
            mismatch(dialog.get(), QStringLiteral("firstToneMax=90;furtherTonesMax=90;allTonesMin=50;"
                                                  "blockingTime=0,1;toneSeries=ZVEI;bursts=3;burstMax=150;"
                                                  "burstMin=50;sixthToneMax=1200;sixthToneMin=50")),
            QString());
        click(dialog.get(), "standardsButton");
        QCOMPARE(boxes.messages().size(), 1);
        QCOMPARE(boxes.last().caption, QStringLiteral("Standardwerte für Tonfolgeauswertung"));
        QCOMPARE(boxes.last().icon, platform::MessageIcon::Information);
        QVERIFY(
            boxes.last().text.contains(QStringLiteral("Auswertersperrzeit nach Tonfolgesenden:\t0,1 s\n")));
        QVERIFY(boxes.last().text.endsWith(QStringLiteral("minimale Tonlänge:\t50 ms")));
        QVERIFY(dialog->isVisible());
        QCOMPARE(snapshot(image), before);
        QVERIFY(!image.modified);
    }
};

QTEST_MAIN(TestToneEvaluation)
#include "tst_toneevaluation.moc"
