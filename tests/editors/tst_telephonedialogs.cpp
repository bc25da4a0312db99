// The telephone interface's dialogs, driven through their widgets: the DTMF editors, the line
// signalling with the dial-tone table, and the telephone decoders.
#include "DTMFAllg.h"
#include "DTMFBegSchluss.h"
#include "DTMFDurch.h"
#include "DTMFga.h"
#include "EditorTestSupport.h"
#include "UserDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace editortest;

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

    // --- DTMF editors ---

    void controlKeys_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("entries"); // null: left as shown
        QTest::addColumn<QString>("expected");
        QTest::newRow("unchanged") << "EFEF1000" << QStringList{{}, {}, {}, {}} << "EFEF1000";
        QTest::newRow("lower case") << "EFEF1000" << QStringList{"a", "b", "c", "d"} << "ABCD1000";
        QTest::newRow("empty keeps the key") << "EFEF1000" << QStringList{"", "0", "", ""} << "E0EF1000";
    }
    void controlKeys()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, entries);
        QFETCH(QString, expected);
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(357) = stored;
        quarn::DTMFAllg dialog(&m_image);
        open(&dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("DTMF: Allgemein"));
        QCOMPARE(child<QLabel>(&dialog, "keyLabel0")->text(),
                 QStringLiteral("(0-F; E=*; F=#)\tLöschtaste vom Funk"));
        QCOMPARE(child<QLabel>(&dialog, "keyLabel3")->text(),
                 QStringLiteral("(0-F; E=*; F=#)\tEndetaste vom Tel"));
        for (int i = 0; i < 4; ++i) {
            const QByteArray name = "key" + QByteArray::number(i);
            QCOMPARE(child<QLineEdit>(&dialog, name)->text(), stored.mid(i, 1));
            if (!entries.at(i).isNull())
                setText(&dialog, name, entries.at(i));
        }
        click(&dialog, "okButton");
        QCOMPARE(boxes.texts(), QStringList());
        QCOMPARE(reg(357), expected);
        QVERIFY(m_image.modified);
    }

    void beginAndEndCall_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("entry"); // null: left as shown
        QTest::addColumn<bool>("confirm");  // the check box after opening (Beginnruf)
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("expected357");
        QTest::newRow("begin 123") << 0 << "2E100000"
                                   << "E1"
                                   << "123" << true << "31230000"
                                   << "EFEF1000";
        QTest::newRow("begin empty") << 0 << "2E100000"
                                     << "E1"
                                     << "" << true << "00000000"
                                     << "EFEF1000";
        // A count above 7 shows the seven keys the register holds, never more.
        QTest::newRow("begin count F") << 0 << "FFFFFFFF"
                                       << "FFFFFFF" << QString() << true << "7FFFFFFF"
                                       << "EFEF1000";
        QTest::newRow("begin count 9") << 0 << "91234567"
                                       << "1234567" << QString() << true << "71234567"
                                       << "EFEF1000";
        QTest::newRow("end *0") << 1 << "2E000000"
                                << "E0"
                                << "e0f" << false << "3E0F0000"
                                << "EFEF7000";
        QTest::newRow("end lower case") << 1 << "00000000"
                                        << ""
                                        << "abcdef" << false << "6ABCDEF0"
                                        << "EFEF7000";
    }
    void beginAndEndCall()
    {
        QFETCH(int, mode);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(QString, entry);
        QFETCH(bool, confirm);
        QFETCH(QString, expected);
        QFETCH(QString, expected357);
        platform::ScriptedUserDialogs boxes;
        const int n = 358 + mode;
        m_image.registerText(n) = stored;
        // The end call never rewrites the begin call's option digit (nor normalises it).
        m_image.registerText(357) = mode == 0 ? QStringLiteral("EFEF1000") : QStringLiteral("EFEF7000");
        quarn::DTMFBegSchluss dialog(&m_image, static_cast<quarn::DTMFBegSchluss::Mode>(mode));
        open(&dialog);
        const QString word = mode == 0 ? QStringLiteral("Beginnruf") : QStringLiteral("Schlussruf");
        QCOMPARE(dialog.windowTitle(), QStringLiteral("DTMF: ") + word);
        QCOMPARE(child<QLabel>(&dialog, "sequenceLabel")->text(),
                 word + QStringLiteral(" durch DTMF bei Auswertung folgender Töne:"));
        QCOMPARE(child<QLineEdit>(&dialog, "sequence")->text(), shown);
        auto* box = dialog.findChild<QCheckBox*>(QStringLiteral("confirmTone"));
        QCOMPARE(box != nullptr && box->isVisible(), mode == 0);
        if (box)
            QCOMPARE(box->isChecked(), confirm);
        if (!entry.isNull())
            setText(&dialog, "sequence", entry);
        click(&dialog, "okButton");
        QCOMPARE(boxes.texts(), QStringList());
        QCOMPARE(reg(n), expected);
        QCOMPARE(reg(357), expected357);
        QVERIFY(m_image.modified);
    }

    void confirmationToneOption()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(357) = QStringLiteral("EFEF7000"); // any non-zero digit is "on"
        quarn::DTMFBegSchluss dialog(&m_image, quarn::DTMFBegSchluss::Beginnruf);
        open(&dialog);
        QVERIFY(child<QCheckBox>(&dialog, "confirmTone")->isChecked());
        click(&dialog, "okButton");
        QCOMPARE(reg(357), QStringLiteral("EFEF1000"));

        quarn::DTMFBegSchluss again(&m_image, quarn::DTMFBegSchluss::Beginnruf);
        open(&again);
        tick(child<QCheckBox>(&again, "confirmTone"));
        click(&again, "okButton");
        QCOMPARE(reg(357), QStringLiteral("EFEF0000"));
    }

    void throughDiallingSequenceFollowsItsMode()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(361) = QStringLiteral("12345001");
        quarn::DTMFDurch dialog(&m_image);
        open(&dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("DTMF: Durchwahl (Tel -> Funk)"));
        auto* sequence = child<QLineEdit>(&dialog, "normalSequence");
        QCOMPARE(sequence->text(), QStringLiteral("12345"));
        QCOMPARE(sequence->maxLength(), 5);
        child<QComboBox>(&dialog, "normalMode")->setCurrentIndex(4); // "7-Tonfolge"
        QCOMPARE(sequence->text(), QStringLiteral("1234500"));
        QCOMPARE(sequence->maxLength(), 7);
        child<QComboBox>(&dialog, "normalMode")->setCurrentIndex(0);
        QCOMPARE(sequence->text(), QStringLiteral("12345"));
        child<QComboBox>(&dialog, "normalMode")->setCurrentIndex(3); // "6-Tonfolge"
        setText(&dialog, "normalSequence", QStringLiteral("9a"));    // short: completed with "0"
        setText(&dialog, "normalCoupling", QString());               // empty: a pause, "F"
        setText(&dialog, "nightCoupling", QStringLiteral("b"));
        click(&dialog, "okButton");
        QCOMPARE(boxes.texts(), QStringList());
        QCOMPARE(reg(361), QStringLiteral("9A000001"));
        QCOMPARE(reg(363), QStringLiteral("3F0B0000"));
        QCOMPARE(reg(362), QStringLiteral("FFFFF000"));
    }

    void throughDiallingOptions_data()
    {
        QTest::addColumn<QString>("stored362");
        QTest::addColumn<bool>("atStart");
        QTest::addColumn<bool>("keepState");
        QTest::addColumn<QString>("expected362");
        QTest::addColumn<bool>("startWithEndKey");
        QTest::addColumn<QChar>("expected361");
        QTest::newRow("both checked") << "FFFFF000" << true << true << "FFFFF001" << true << QChar('1');
        QTest::newRow("both unchecked") << "FFFFF001" << false << false << "FFFFF002" << false << QChar('0');
        QTest::newRow("other bits kept") << "FFFFF00C" << false << false << "FFFFF00E" << true << QChar('1');
        QTest::newRow("only at start") << "FFFFF002" << true << false << "FFFFF003" << true << QChar('1');
    }
    void throughDiallingOptions()
    {
        QFETCH(QString, stored362);
        QFETCH(bool, atStart);
        QFETCH(bool, keepState);
        QFETCH(QString, expected362);
        QFETCH(bool, startWithEndKey);
        QFETCH(QChar, expected361);
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(362) = stored362;
        m_image.registerText(361) = QStringLiteral("FFFFF005"); // any non-zero digit is "on"
        quarn::DTMFDurch dialog(&m_image);
        open(&dialog);
        QVERIFY(child<QCheckBox>(&dialog, "startWithEndKey")->isChecked());
        child<QCheckBox>(&dialog, "nightAtStart")->setChecked(atStart);
        child<QCheckBox>(&dialog, "keepNightState")->setChecked(keepState);
        child<QCheckBox>(&dialog, "startWithEndKey")->setChecked(startWithEndKey);
        click(&dialog, "okButton");
        QCOMPARE(reg(362), expected362);
        QCOMPARE(reg(361).at(7), expected361);
    }

    // A mode digit the list does not know keeps its digit; its sequence takes five tones.
    void throughDiallingUnknownModeIsKept()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(363) = QStringLiteral("9F3FABCD");
        m_image.registerText(362) = QStringLiteral("1234567F");
        quarn::DTMFDurch dialog(&m_image);
        open(&dialog);
        QCOMPARE(child<QComboBox>(&dialog, "normalMode")->currentIndex(), -1);
        QCOMPARE(child<QLineEdit>(&dialog, "normalSequence")->maxLength(), 5);
        QCOMPARE(child<QLineEdit>(&dialog, "nightSequence")->text(), QStringLiteral("123456")); // 6-tone
        click(&dialog, "okButton");
        QCOMPARE(reg(363), QStringLiteral("9F3FABCD"));
        QCOMPARE(reg(362), QStringLiteral("1234560F"));
    }

    void dtmfTimesAndLevels_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("reg");
        QTest::addColumn<QString>("expected"); // null: refused with the message below
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shownAgain");
        // Weights 5000, 500, 50, 5: 70 ms is "0014".
        QTest::newRow("tone 70") << QByteArray("toneDuration") << "70" << 600 << "00140014" << QString()
                                 << "70";
        QTest::newRow("tone 83325") << QByteArray("toneDuration") << "83325" << 600 << "FFFF0014" << QString()
                                    << "83325";
        QTest::newRow("tone 83326") << QByteArray("toneDuration") << "83326" << 600 << QString()
                                    << "Geben Sie eine ganze Zahl zwischen 0 und 83325 ein."
                                    << "";
        QTest::newRow("trail 102") << QByteArray("trailDuration") << "102" << 601 << "00400020" << QString()
                                   << "100";
        QTest::newRow("level 32767") << QByteArray("lowToPhone") << "32767" << 605 << "00032767" << QString()
                                     << "32767";
        QTest::newRow("level 32768") << QByteArray("highToRadio") << "32768" << 602 << QString()
                                     << "Geben Sie eine ganze Zahl zwischen 0 und 32767 ein."
                                     << "";
        // The "an" and "aus" times of both decoders are stored in 10 ms steps.
        QTest::newRow("radio on 45") << QByteArray("radioOnTime") << "45" << 606 << "64400500" << QString()
                                     << "40";
        QTest::newRow("phone off 150")
            << QByteArray("phoneOffTime") << "150" << 607 << "64F00500" << QString() << "150";
        QTest::newRow("phone off 151") << QByteArray("phoneOffTime") << "151" << 607 << QString()
                                       << "Geben Sie eine ganze Zahl zwischen 0 und 150 ein."
                                       << "";
        QTest::newRow("radio twist 16") << QByteArray("radioTwist") << "16" << 606 << QString()
                                        << "Geben Sie eine ganze Zahl zwischen 0 und 15 ein."
                                        << "";
    }
    void dtmfTimesAndLevels()
    {
        QFETCH(QByteArray, field);
        QFETCH(QString, entry);
        QFETCH(int, reg);
        QFETCH(QString, expected);
        QFETCH(QString, message);
        QFETCH(QString, shownAgain);
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(606) = QStringLiteral("6A400500");
        m_image.registerText(607) = QStringLiteral("64400500");
        const quarn::Register before = m_image;
        quarn::DTMFga dialog(&m_image);
        open(&dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("DTMF Geber/Auswerter"));
        setText(&dialog, field.constData(), entry);
        click(&dialog, "okButton");
        if (expected.isNull()) {
            QCOMPARE(boxes.texts(), QStringList({message}));
            QVERIFY(dialog.isVisible());
            QCOMPARE(m_image.registerText(reg), before.registerText(reg));
            QVERIFY(!m_image.modified);
            return;
        }
        QCOMPARE(boxes.texts(), QStringList());
        QCOMPARE(m_image.registerText(reg), expected);
        // Digits 0-2 of the level registers are not the encoder's.
        QCOMPARE(m_image.registerText(602).left(3), before.registerText(602).left(3));
        quarn::DTMFga again(&m_image);
        open(&again);
        QCOMPARE(child<QLineEdit>(&again, field.constData())->text(), shownAgain);
    }
};

QTEST_MAIN(TestTelephoneDialogs)
#include "tst_telephonedialogs.moc"
