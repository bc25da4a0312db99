// Target calls, intercom, FFSK, channel switching, the scanner and the group-call and alarm
// evaluators, driven through their widgets: the layouts that follow other controls, what each
// dialog refuses (before anything is written), and stored values the dialogs do not know.
#include "config/editors/base/Ffsk.h"
#include "config/editors/base/Intercomtonfolge.h"
#include "config/editors/base/KR517bD.h"
#include "config/editors/base/KanFernKonfig.h"
#include "config/editors/base/Sammelrufauswerter.h"
#include "config/editors/base/Scanner.h"
#include "config/editors/base/Zielrufe.h"
#include "platform/UserDialogs.h"
#include "tests/support/EditorTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include <functional>

using namespace editortest;

namespace {

const QString tooFewDigits = QStringLiteral(
    "Ihre Eingabe im Feld \"Tonfolge\" enthält weniger Ziffern als aufgrund Ihrer Auswahl nötig sind.");

} // namespace

class TestCallsAndEvaluators : public QObject {
    Q_OBJECT

private:
    quarn::Register m_image;

    // Confirms with one refusal expected: exactly that message, the dialog open, nothing
    // written and nothing marked; "Abbrechen" afterwards changes nothing either.
    void expectRefusal(QDialog* dialog, platform::ScriptedUserDialogs& boxes, const QString& message)
    {
        const QStringList before = snapshot(m_image);
        boxes.clear();
        click(dialog, "okButton");
        QCOMPARE(boxes.texts(), QStringList({message}));
        QVERIFY(dialog->isVisible());
        QCOMPARE(snapshot(m_image), before);
        QVERIFY(!m_image.modified);
        click(dialog, "cancelButton");
        QCOMPARE(snapshot(m_image), before);
        QVERIFY(!m_image.modified);
        boxes.clear();
    }

private slots:
    void init()
    {
        m_image = quarn::Register();
        loadFactoryImage(m_image);
    }

    // --- Zielrufe ---

    void targetCallLength_data()
    {
        QTest::addColumn<int>("call");
        QTest::addColumn<QChar>("mode");     // register digit 7 of the call
        QTest::addColumn<QChar>("xCount");   // register 81 digit 5
        QTest::addColumn<QChar>("zKeyMode"); // register 174 digit 3
        QTest::addColumn<bool>("byZKey");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("position");
        QTest::newRow("7-tone") << 3 << QChar('4') << QChar('5') << QChar('0') << true << 5 << 4;
        QTest::newRow("double sequence X=6") << 0 << QChar('1') << QChar('6') << QChar('0') << true << 6 << 1;
        QTest::newRow("X-tone X=3") << 9 << QChar('9') << QChar('3') << QChar('0') << true << 3 << 7;
        QTest::newRow("4-tone") << 1 << QChar('8') << QChar('5') << QChar('0') << true << 4 << 6;
        // The X-tone count outside 3-7 is 5, whatever the digit holds.
        QTest::newRow("X digit 9") << 0 << QChar('2') << QChar('9') << QChar('0') << true << 5 << 2;
        QTest::newRow("X digit F") << 0 << QChar('2') << QChar('F') << QChar('0') << true << 5 << 2;
        QTest::newRow("X blank") << 0 << QChar('2') << QChar(' ') << QChar('0') << true << 5 << 2;
        // "wie bei Taste programmiert" follows the Z key's mode for calls 0-9.
        QTest::newRow("key 4-tone") << 2 << QChar('F') << QChar('5') << QChar('8') << true << 4 << 8;
        QTest::newRow("key X-tone") << 2 << QChar('F') << QChar('4') << QChar('9') << true << 4 << 8;
        QTest::newRow("key without ID") << 2 << QChar('F') << QChar('5') << QChar('7') << true << 5 << 8;
        QTest::newRow("key mode A") << 2 << QChar('F') << QChar('5') << QChar('A') << true << 7 << 8;
        QTest::newRow("key mode F") << 2 << QChar('F') << QChar('5') << QChar('F') << true << 7 << 8;
        QTest::newRow("not by Z key") << 2 << QChar('F') << QChar('5') << QChar('8') << false << 7 << 8;
        QTest::newRow("external always 7") << 11 << QChar('F') << QChar('5') << QChar('8') << true << 7 << 8;
        QTest::newRow("external 5-tone") << 14 << QChar('0') << QChar('5') << QChar('8') << true << 5 << 0;
        // A mode the list does not know opens without selection and keeps all seven digits.
        QTest::newRow("unknown mode 6") << 5 << QChar('6') << QChar('5') << QChar('0') << true << 7 << -1;
        QTest::newRow("unknown mode C") << 12 << QChar('C') << QChar('5') << QChar('0') << true << 7 << -1;
    }
    void targetCallLength()
    {
        QFETCH(int, call);
        QFETCH(QChar, mode);
        QFETCH(QChar, xCount);
        QFETCH(QChar, zKeyMode);
        QFETCH(bool, byZKey);
        QFETCH(int, length);
        QFETCH(int, position);
        platform::ScriptedUserDialogs boxes;
        const int reg = quarn::Zielrufe::registerOf(call);
        m_image.registerText(reg) = QStringLiteral("1234567") + mode;
        m_image.registerText(81)[5] = xCount;
        m_image.registerText(174)[3] = zKeyMode;
        quarn::Zielrufe dialog(&m_image);
        open(&dialog);
        if (!byZKey) {
            boxes.setNextAnswer(platform::Answer::Yes);
            tick(child<QCheckBox>(&dialog, "zKey"));
        }
        const QByteArray name = QStringLiteral("call%1").arg(call).toLatin1();
        auto* field = child<QLineEdit>(&dialog, name.constData());
        QCOMPARE(child<QComboBox>(&dialog, QStringLiteral("mode%1").arg(call).toLatin1())->currentIndex(),
                 position);
        QCOMPARE(field->maxLength(), length);
        QCOMPARE(field->text(), QStringLiteral("1234567").left(length));

        // Confirmed as shown: the call keeps its digits and its mode; the rest up to digit 6 is "0".
        click(&dialog, "okButton");
        QCOMPARE(boxes.texts().size(), byZKey ? 0 : 1);
        QCOMPARE(m_image.registerText(reg),
                 QStringLiteral("1234567").left(length) + QString(7 - length, u'0') + mode);
    }

    void targetCallsAreStored()
    {
        platform::ScriptedUserDialogs boxes;
        quarn::Zielrufe dialog(&m_image);
        open(&dialog);
        child<QComboBox>(&dialog, "mode3")->setCurrentIndex(4); // "7-Tonfolge"
        setText(&dialog, "call3", QStringLiteral("12345"));
        child<QComboBox>(&dialog, "mode11")->setCurrentIndex(8); // B: "wie bei Taste programmiert"
        setText(&dialog, "call11", QStringLiteral("123456"));
        setText(&dialog, "repeatTime", QStringLiteral("30"));
        click(&dialog, "okButton");
        QCOMPARE(boxes.texts(), QStringList({"Mindestens eine Tonfolge enthält weniger Ziffern als aufgrund "
                                             "Ihrer Auswahl nötig sind."}));
        QCOMPARE(boxes.last().caption, QStringLiteral("Fehler"));
        setText(&dialog, "call11", QStringLiteral("abcdef1"));
        setText(&dialog, "repeatTime", QStringLiteral("16665"));
        click(&dialog, "okButton");
        QCOMPARE(m_image.registerText(3), QStringLiteral("12345004"));
        QCOMPARE(m_image.registerText(104), QStringLiteral("ABCDEF1F"));
        QCOMPARE(m_image.registerText(102), QStringLiteral("FFFF0000"));
        QVERIFY(m_image.modified);
    }

    // A short call refuses the whole dialog before the repeat time is written.
    void shortTargetCallWritesNothing()
    {
        platform::ScriptedUserDialogs boxes;
        quarn::Zielrufe dialog(&m_image);
        open(&dialog);
        setText(&dialog, "repeatTime", QStringLiteral("99"));
        setText(&dialog, "call0", QStringLiteral("12345"));
        setText(&dialog, "call7", QStringLiteral("12"));
        expectRefusal(
            &dialog, boxes,
            QStringLiteral("Mindestens eine Tonfolge enthält weniger Ziffern als aufgrund Ihrer Auswahl "
                           "nötig sind."));
    }

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

    // --- Intercomtonfolge ---

    void intercomSequence()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(14) = QStringLiteral("12345678");
        quarn::Intercomtonfolge dialog(&m_image);
        open(&dialog);
        QCOMPARE(child<QLineEdit>(&dialog, "intercomSequence")->text(), QStringLiteral("1234"));
        setText(&dialog, "intercomSequence", QStringLiteral("ab"));
        expectRefusal(&dialog, boxes, tooFewDigits);

        quarn::Intercomtonfolge again(&m_image);
        open(&again);
        setText(&again, "intercomSequence", QStringLiteral("abcd"));
        click(&again, "okButton");
        QCOMPARE(m_image.registerText(14), QStringLiteral("ABCD5678"));
        QVERIFY(m_image.modified);
    }

    // --- Ffsk ---

    void ffskIdentifiersAndStatus()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(54) = QStringLiteral("1AB55678");
        quarn::Ffsk dialog(&m_image);
        open(&dialog);
        QVERIFY(child<QRadioButton>(&dialog, "status1")->isChecked());
        QCOMPARE(child<QLineEdit>(&dialog, "startStatus")->text(), QStringLiteral("B"));
        tick(child<QRadioButton>(&dialog, "status2"));
        QCOMPARE(child<QLineEdit>(&dialog, "startStatus")->text(), QStringLiteral("AB"));
        QCOMPARE(child<QLineEdit>(&dialog, "startStatus")->maxLength(), 2);
        setText(&dialog, "startStatus", QStringLiteral("3"));
        tick(child<QRadioButton>(&dialog, "status1"));
        QCOMPARE(child<QLineEdit>(&dialog, "startStatus")->text(), QStringLiteral("B")); // refilled
        tick(child<QRadioButton>(&dialog, "status2"));
        setText(&dialog, "startStatus", QStringLiteral("3"));
        setText(&dialog, "limitNumber", QStringLiteral("7"));
        expectRefusal(
            &dialog, boxes,
            QStringLiteral("Die Zeichenzahl des angegebenen Startstatus stimmt nicht mit der darüber "
                           "befindlichen Auswahl überein! Bitte ändern Sie die Eingaben entsprechend."));

        quarn::Ffsk again(&m_image);
        open(&again);
        setText(&again, "limitNumber", QStringLiteral("7"));
        tick(child<QRadioButton>(&again, "ffskMode"));
        setText(&again, "hashId", QStringLiteral("c"));
        tick(child<QRadioButton>(&again, "status2"));
        setText(&again, "startStatus", QStringLiteral("42"));
        tick(child<QRadioButton>(&again, "emergencyBak"));
        QVERIFY(!child<QLineEdit>(&again, "emergencyTones")->isEnabled());
        click(&again, "okButton");
        QCOMPARE(boxes.texts(), QStringList());
        QCOMPARE(m_image.registerText(90), QStringLiteral("0071C000"));
        QCOMPARE(m_image.registerText(54), QStringLiteral("24255678"));
        QCOMPARE(m_image.registerText(91).at(0), QLatin1Char('1'));
        QCOMPARE(m_image.registerText(94), QStringLiteral("FFFFF000")); // disabled: as it was
    }

    // Fixed-width fields refuse short entries; every refusal comes before any write.
    void ffskRefusals_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty #") << "hashId"
                                 << ""
                                 << "Geben Sie genau eine Hex-Ziffer (0-9, A-F) ein.";
        QTest::newRow("empty BAK") << "bak"
                                   << ""
                                   << "Geben Sie genau eine Hex-Ziffer (0-9, A-F) ein.";
        QTest::newRow("short emergency") << "emergencyTones"
                                         << "1234"
                                         << "Geben Sie genau 5 Hex-Ziffern (0-9, A-F) ein.";
        QTest::newRow("duration") << "alarmDuration"
                                  << "3,2"
                                  << "Ein eingegebener Wert ist zu hoch/niedrig.";
        QTest::newRow("status time") << "status5Time"
                                     << "16"
                                     << "Geben Sie eine ganze Zahl zwischen 0 und 15 ein.";
    }
    void ffskRefusals()
    {
        QFETCH(QString, field);
        QFETCH(QString, entry);
        QFETCH(QString, message);
        platform::ScriptedUserDialogs boxes;
        quarn::Ffsk dialog(&m_image);
        open(&dialog);
        tick(child<QRadioButton>(&dialog, "emergencyDefined"));
        tick(child<QRadioButton>(&dialog, "status1"));
        setText(&dialog, "startStatus", QStringLiteral("5"));
        setText(&dialog, "limitNumber", QStringLiteral("123"));
        child<QComboBox>(&dialog, "alarmType")->setCurrentIndex(4);
        setText(&dialog, field.toLatin1().constData(), entry);
        expectRefusal(&dialog, boxes, message);
    }

    // Digits the lists do not know open without selection and survive "OK"; a disabled
    // "ein für" field is offered as 1 and blocks nothing.
    void ffskKeepsUnknownDigits()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(91) = QStringLiteral("70000000");
        m_image.registerText(93) = QStringLiteral("50F00000");
        m_image.registerText(54) = QStringLiteral("9AB55000");
        quarn::Ffsk dialog(&m_image);
        open(&dialog);
        for (const char* name :
             {"emergencyOff", "emergencyBak", "emergencyDefined", "statusNone", "status1", "status2"})
            QVERIFY2(!child<QRadioButton>(&dialog, name)->isChecked(), name);
        QVERIFY(!child<QLineEdit>(&dialog, "startStatus")->isEnabled());
        QCOMPARE(child<QComboBox>(&dialog, "emergencyIdMode")->currentIndex(), -1);
        QVERIFY(child<QRadioButton>(&dialog, "switchOn")->isChecked());
        QCOMPARE(child<QLineEdit>(&dialog, "switchSeconds")->text(), QStringLiteral("1"));
        click(&dialog, "okButton");
        QCOMPARE(boxes.texts(), QStringList());
        QCOMPARE(m_image.registerText(91), QStringLiteral("70000000"));
        QCOMPARE(m_image.registerText(93), QStringLiteral("50F00000"));
        QCOMPARE(m_image.registerText(54), QStringLiteral("9AB55000"));
    }

    // --- KanFernKonfig ---

    void channelEntryDigits_data()
    {
        QTest::addColumn<QChar>("digit");
        QTest::addColumn<int>("position");
        QTest::newRow("0") << QChar('0') << 0;
        QTest::newRow("2") << QChar('2') << 2;
        QTest::newRow("5") << QChar('5') << 3;
        QTest::newRow("6") << QChar('6') << 4;
        QTest::newRow("3 unknown") << QChar('3') << -1;
        QTest::newRow("4 unknown") << QChar('4') << -1;
        QTest::newRow("9 unknown") << QChar('9') << -1;
    }
    void channelEntryDigits()
    {
        QFETCH(QChar, digit);
        QFETCH(int, position);
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(66)[0] = digit;
        const QString before = m_image.registerText(66);
        quarn::KanFernKonfig dialog(&m_image);
        open(&dialog);
        QCOMPARE(child<QComboBox>(&dialog, "channelEntry")->currentIndex(), position);
        click(&dialog, "okButton");
        QCOMPARE(m_image.registerText(66), before);
    }

    void channelSwitchingModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("bits");
        QTest::addColumn<bool>("remote");
        QTest::newRow("TRC") << 0 << false << false;
        QTest::newRow("dezimal") << 1 << true << false;
        QTest::newRow("2xBCD") << 4 << true << false;
        QTest::newRow("KFS mit Pilotton") << 5 << false << true;
        QTest::newRow("KFS ohne TX") << 7 << false << true;
    }
    void channelSwitchingModes()
    {
        QFETCH(int, mode);
        QFETCH(bool, bits);
        QFETCH(bool, remote);
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(66) = QStringLiteral("20191000");
        quarn::KanFernKonfig dialog(&m_image);
        open(&dialog);
        child<QComboBox>(&dialog, "channelEntry")->setCurrentIndex(4);
        child<QComboBox>(&dialog, "switchingMode")->setCurrentIndex(mode);
        QCOMPARE(child<QLineEdit>(&dialog, "channelBits")->isEnabled(), bits);
        QCOMPARE(child<QRadioButton>(&dialog, "outputInverted")->isEnabled(), bits);
        QCOMPARE(child<QLineEdit>(&dialog, "fixedDigits")->isEnabled(), remote);
        QCOMPARE(child<QRadioButton>(&dialog, "ackQuarn9")->isEnabled(), remote);
        setText(&dialog, "fixedDigits", QStringLiteral("a"));
        setText(&dialog, "channelBits", QStringLiteral("6")); // written only where enabled
        setText(&dialog, "startChannel", QStringLiteral("42"));
        click(&dialog, "okButton");
        QCOMPARE(boxes.texts(), QStringList());
        QCOMPARE(m_image.registerText(66),
                 QStringLiteral("6%1%2").arg(mode).arg(bits ? "16" : "19") + QStringLiteral("1000"));
        QCOMPARE(m_image.registerText(63), remote ? QStringLiteral("A0000000") : QStringLiteral("BCD00000"));
        QCOMPARE(m_image.registerText(64), QStringLiteral("04200000"));
    }

    void channelNumbersAreChecked()
    {
        platform::ScriptedUserDialogs boxes;
        quarn::KanFernKonfig dialog(&m_image);
        open(&dialog);
        setText(&dialog, "highestChannel", QStringLiteral("100"));
        expectRefusal(&dialog, boxes, QStringLiteral("Geben Sie eine ganze Zahl zwischen 0 und 99 ein."));
    }

    // --- Scanner ---

    void scannerChannelList_data()
    {
        QTest::addColumn<QStringList>("channels");
        QTest::addColumn<QString>("list"); // registers 70-74, digits 0-3 each
        QTest::newRow("gaps closed") << QStringList({"3", "", "12"}) << "0312FF99999999999999";
        QTest::newRow("none") << QStringList() << "FF06FF99999999999999";
        QTest::newRow("ten, no end mark")
            << QStringList({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}) << "01020304050607080910";
    }
    void scannerChannelList()
    {
        QFETCH(QStringList, channels);
        QFETCH(QString, list);
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(67) = QStringLiteral("01085000");
        for (int r = 70; r <= 74; ++r)
            m_image.registerText(r) = QStringLiteral("99999999");
        m_image.registerText(70) = QStringLiteral("05069999"); // two channels, then the end mark
        m_image.registerText(71) = QStringLiteral("FF999999");
        quarn::Scanner dialog(&m_image);
        open(&dialog);
        QCOMPARE(child<QLineEdit>(&dialog, "channel1")->text(), QStringLiteral("06"));
        QCOMPARE(child<QLineEdit>(&dialog, "channel2")->text(), QString());
        QCOMPARE(child<QLineEdit>(&dialog, "channel3")->text(), QString());
        QVERIFY(!child<QLineEdit>(&dialog, "channel0")->isEnabled());
        tick(child<QCheckBox>(&dialog, "listMode"));
        QVERIFY(!child<QLineEdit>(&dialog, "rangeFrom")->isEnabled());
        for (int k = 0; k < 10; ++k)
            setText(&dialog, QStringLiteral("channel%1").arg(k).toLatin1().constData(), channels.value(k));
        click(&dialog, "okButton");
        QCOMPARE(boxes.texts(), QStringList());
        QCOMPARE(m_image.registerText(67), QStringLiteral("EE085000"));
        QString stored;
        for (int r = 70; r <= 74; ++r) {
            stored += m_image.registerText(r).left(4);
            QCOMPARE(m_image.registerText(r).mid(4), QStringLiteral("9999"));
        }
        QCOMPARE(stored, list);
    }

    // List mode can be left: the range fields open empty rather than with "EE" and must be given.
    void scannerRangeIsDecimal()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(67) = QStringLiteral("EE085000");
        quarn::Scanner dialog(&m_image);
        open(&dialog);
        QVERIFY(child<QCheckBox>(&dialog, "listMode")->isChecked());
        QCOMPARE(child<QLineEdit>(&dialog, "rangeFrom")->text(), QString());
        QCOMPARE(child<QLineEdit>(&dialog, "rangeTo")->text(), QStringLiteral("08"));
        tick(child<QCheckBox>(&dialog, "listMode"));
        QVERIFY(child<QLineEdit>(&dialog, "rangeFrom")->isEnabled());
        QVERIFY(!child<QLineEdit>(&dialog, "channel0")->isEnabled());
        click(&dialog, "okButton");
        QCOMPARE(boxes.texts(), QStringList({"Geben Sie eine ganze Zahl ein."}));
        setText(&dialog, "rangeFrom", QStringLiteral("EE"));
        boxes.clear();
        click(&dialog, "okButton");
        QCOMPARE(boxes.texts(), QStringList({"Geben Sie eine ganze Zahl ein."}));
        QCOMPARE(m_image.registerText(67), QStringLiteral("EE085000"));
        setText(&dialog, "rangeFrom", QStringLiteral("5"));
        setText(&dialog, "rangeTo", QStringLiteral("12"));
        click(&dialog, "okButton");
        QCOMPARE(m_image.registerText(67), QStringLiteral("05125000"));
    }

    void scannerTimes_data()
    {
        QTest::addColumn<QString>("dwell");
        QTest::addColumn<QString>("wait");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::addColumn<QString>("r67");
        QTest::addColumn<QString>("r68");
        QTest::newRow("dwell 35") << "35"
                                  << "2,0"
                                  << ""
                                  << "01081000"
                                  << "12000000";
        QTest::newRow("dwell 300") << "300"
                                   << "0,1"
                                   << ""
                                   << "0108F000"
                                   << "10100000";
        QTest::newRow("wait clamped") << "100"
                                      << "16,9"
                                      << ""
                                      << "01085000"
                                      << "1FF00000";
        QTest::newRow("wait 5") << "100"
                                << "5"
                                << ""
                                << "01085000"
                                << "15000000";
        QTest::newRow("dwell 310") << "310"
                                   << "2,0"
                                   << "Geben Sie eine ganze Zahl zwischen 20 und 300 ein."
                                   << ""
                                   << "";
        QTest::newRow("wait too high") << "100"
                                       << "26,0"
                                       << "Ein eingegebener Wert ist zu hoch/niedrig."
                                       << ""
                                       << "";
        QTest::newRow("wait not decimal") << "100"
                                          << "2s"
                                          << "Bitte geben Sie eine Dezimalzahl ein!"
                                          << ""
                                          << "";
    }
    void scannerTimes()
    {
        QFETCH(QString, dwell);
        QFETCH(QString, wait);
        QFETCH(QString, message);
        QFETCH(QString, r67);
        QFETCH(QString, r68);
        platform::ScriptedUserDialogs boxes;
        quarn::Scanner dialog(&m_image); // factory: off, 01-08, stop on carrier, 2,0 s
        open(&dialog);
        QVERIFY(!child<QLineEdit>(&dialog, "dwellTime")->isVisible());
        QCOMPARE(child<QLineEdit>(&dialog, "waitTime")->text(), QStringLiteral("2,0"));
        tick(child<QCheckBox>(&dialog, "scannerActive"));
        QCOMPARE(child<QLineEdit>(&dialog, "dwellTime")->text(), QStringLiteral("100"));
        QVERIFY(child<QLineEdit>(&dialog, "rangeFrom")->isVisible());
        setText(&dialog, "dwellTime", dwell);
        setText(&dialog, "waitTime", wait);
        if (!message.isEmpty()) {
            expectRefusal(&dialog, boxes, message);
            return;
        }
        click(&dialog, "okButton");
        QCOMPARE(boxes.texts(), QStringList());
        QCOMPARE(m_image.registerText(67), r67);
        QCOMPARE(m_image.registerText(68), r68);
    }

    // Switched off, only the off digit is written, whatever the hidden fields hold.
    void scannerOffWritesOnlyItsDigit()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(67) = QStringLiteral("1A2B3000");
        m_image.registerText(68) = QStringLiteral("1ZZ00000");
        const QStringList before = snapshot(m_image);
        quarn::Scanner dialog(&m_image);
        open(&dialog);
        QVERIFY(child<QCheckBox>(&dialog, "scannerActive")->isChecked());
        tick(child<QCheckBox>(&dialog, "scannerActive"));
        QVERIFY(!child<QLineEdit>(&dialog, "rangeFrom")->isVisible());
        click(&dialog, "okButton");
        QCOMPARE(boxes.texts(), QStringList());
        QStringList expected = before;
        expected[67] = QStringLiteral("1A2B0000");
        QCOMPARE(snapshot(m_image), expected);
    }

    // --- Sammelrufauswerter ---

    void groupCallTone_data()
    {
        QTest::addColumn<bool>("active");
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QString>("tone");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("stored"); // register 84 digits 0-1
        QTest::newRow("Ruf 2, output 3") << true << "call2"
                                         << ""
                                         << "3"
                                         << "2B";
        QTest::newRow("Ruf 1, output 0") << true << "call1"
                                         << ""
                                         << "0"
                                         << "18";
        QTest::newRow("tone A, output 0") << true << "toneFromTable"
                                          << "a"
                                          << "0"
                                          << "A0";
        QTest::newRow("tone 1, output 7") << true << "toneFromTable"
                                          << "1"
                                          << "7"
                                          << "17";
        QTest::newRow("inactive") << false << "toneFromTable"
                                  << ""
                                  << "5"
                                  << "F5";
    }
    void groupCallTone()
    {
        QFETCH(bool, active);
        QFETCH(QString, choice);
        QFETCH(QString, tone);
        QFETCH(QString, output);
        QFETCH(QString, stored);
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(84) = QStringLiteral("7F012345");
        {
            quarn::Sammelrufauswerter dialog(&m_image);
            open(&dialog);
            QCOMPARE(child<QLineEdit>(&dialog, "tone")->text(), QStringLiteral("7"));
            if (!active)
                tick(child<QCheckBox>(&dialog, "active"));
            tick(child<QRadioButton>(&dialog, choice.toLatin1().constData()));
            QCOMPARE(child<QLineEdit>(&dialog, "tone")->isEnabled(), active && choice == "toneFromTable");
            if (!tone.isEmpty())
                setText(&dialog, "tone", tone);
            setText(&dialog, "outputNumber", output);
            click(&dialog, "okButton");
            QCOMPARE(boxes.texts(), QStringList());
            QCOMPARE(m_image.registerText(84), stored + QStringLiteral("012345"));
        }
        // Reopened, it shows what was stored; inactive opens on the table with an empty field.
        quarn::Sammelrufauswerter again(&m_image);
        open(&again);
        QCOMPARE(child<QCheckBox>(&again, "active")->isChecked(), active);
        QVERIFY(child<QRadioButton>(&again, (active ? choice : QStringLiteral("toneFromTable")).toLatin1())
                    ->isChecked());
        QCOMPARE(child<QLineEdit>(&again, "outputNumber")->text(), output);
        QCOMPARE(child<QLineEdit>(&again, "tone")->text(), active ? tone.toUpper() : QString());
    }

    // "F" would switch the evaluator off and an empty field holds no tone: both are refused
    // while it is active; so is a rejected alarm duration, before anything is written.
    void groupCallRefusals_data()
    {
        QTest::addColumn<QString>("register84");
        QTest::addColumn<QString>("tone");
        QTest::addColumn<QString>("duration");
        QTest::addColumn<QString>("message");
        const QString toneMessage = QStringLiteral(
            "Bitte geben Sie im Feld \"Ton aus Tontabelle (0-E):\" einen Ton von 0 bis E ein.");
        QTest::newRow("tone F") << "30000000"
                                << "F"
                                << "1,0" << toneMessage;
        QTest::newRow("tone empty") << "30000000"
                                    << ""
                                    << "1,0" << toneMessage;
        QTest::newRow("activated without tone") << "F0000000"
                                                << "-"
                                                << "1,0" << toneMessage;
        QTest::newRow("duration") << "30000000"
                                  << "4"
                                  << "3,2"
                                  << "Ein eingegebener Wert ist zu hoch/niedrig.";
    }
    void groupCallRefusals()
    {
        QFETCH(QString, register84);
        QFETCH(QString, tone);
        QFETCH(QString, duration);
        QFETCH(QString, message);
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(84) = register84;
        quarn::Sammelrufauswerter dialog(&m_image);
        open(&dialog);
        if (tone == QLatin1String("-")) {
            QVERIFY(!child<QCheckBox>(&dialog, "active")->isChecked());
            QVERIFY(child<QRadioButton>(&dialog, "toneFromTable")->isChecked());
            tick(child<QCheckBox>(&dialog, "active"));
            QVERIFY(child<QLineEdit>(&dialog, "tone")->isEnabled());
        } else {
            setText(&dialog, "tone", tone);
        }
        setText(&dialog, "outputNumber", QStringLiteral("6"));
        setText(&dialog, "alarmDuration", duration);
        expectRefusal(&dialog, boxes, message);
    }

    // --- KR517bD ---

    void alarmEvaluator()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(75) = QStringLiteral("12349ABC");
        m_image.registerText(77) = QStringLiteral("00010DEF");
        quarn::KR517bD dialog(&m_image);
        open(&dialog);
        QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("helpButton"))->isVisible());
        QCOMPARE(child<QGroupBox>(&dialog, "alarmToneBox")->title(), QStringLiteral("Weckton bei Alarm"));
        QCOMPARE(child<QComboBox>(&dialog, "keying")->currentIndex(), 2); // "9" opens as the last entry
        QVERIFY(child<QCheckBox>(&dialog, "confirmByHashKey")->isChecked());
        QVERIFY(!child<QLineEdit>(&dialog, "displayTime")->isEnabled());
        QCOMPARE(child<QLineEdit>(&dialog, "displayTime")->text(), QStringLiteral("5"));
        QVERIFY(!child<QLineEdit>(&dialog, "switchSeconds")->isEnabled());
        QCOMPARE(child<QLineEdit>(&dialog, "switchSeconds")->text(), QStringLiteral("1"));

        setText(&dialog, "alarmSequence", QStringLiteral("987"));
        click(&dialog, "okButton");
        QCOMPARE(boxes.texts(), QStringList({"Geben Sie genau 4 Hex-Ziffern (0-9, A-F) ein."}));
        setText(&dialog, "alarmSequence", QStringLiteral("9876"));
        setText(&dialog, "alarmDuration", QStringLiteral("9"));
        expectRefusal(&dialog, boxes, QStringLiteral("Ein eingegebener Wert ist zu hoch/niedrig."));

        quarn::KR517bD again(&m_image);
        open(&again);
        setText(&again, "alarmSequence", QStringLiteral("9876"));
        child<QComboBox>(&again, "keying")->setCurrentIndex(1); // "ohne Pilotton"
        tick(child<QCheckBox>(&again, "queryAtSwitchOn"));
        setText(&again, "outputNumber", QStringLiteral("4"));
        tick(child<QRadioButton>(&again, "switchFor"));
        setText(&again, "switchSeconds", QStringLiteral("12"));
        tick(child<QCheckBox>(&again, "confirmByHashKey"));
        setText(&again, "displayTime", QStringLiteral("15"));
        click(&again, "okButton");
        QCOMPARE(boxes.texts(), QStringList());
        QCOMPARE(m_image.registerText(75), QStringLiteral("98766ABC"));
        QCOMPARE(m_image.registerText(77), QStringLiteral("14C1FDEF"));

        quarn::KR517bD third(&m_image);
        open(&third);
        tick(child<QCheckBox>(&third, "confirmByHashKey"));
        click(&third, "okButton");
        QCOMPARE(m_image.registerText(77).at(4), QLatin1Char('0'));
    }
};

QTEST_MAIN(TestCallsAndEvaluators)
#include "tst_callsandevaluators.moc"
