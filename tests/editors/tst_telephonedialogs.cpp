// The telephone interface's dialogs, driven through their widgets: the DTMF editors, the line
// signalling with the dial-tone table, the telephone decoders, the telephone mode, the line
// chip and the audio levels.
#include "config/editors/EditorCatalog.h"
#include "config/editors/telephone/AMTSTONDECODERTAB.h"
#include "config/editors/telephone/AmtstonAusw.h"
#include "config/editors/telephone/DTMFAllg.h"
#include "config/editors/telephone/DTMFBegSchluss.h"
#include "config/editors/telephone/DTMFDurch.h"
#include "config/editors/telephone/DTMFga.h"
#include "config/editors/telephone/ImpulsG.h"
#include "config/editors/telephone/PilotGA.h"
#include "config/editors/telephone/RingA.h"
#include "config/editors/telephone/TELDECODERKONFIG.h"
#include "config/editors/telephone/TELDecoder.h"
#include "platform/UserDialogs.h"
#include "tests/support/EditorTestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <functional>
#include <memory>

using namespace editortest;

namespace {

// Runs what once the next modal dialog (opened by the click that follows) is up.
void onNextModal(QObject* context, std::function<void(QDialog*)> what)
{
    QTimer::singleShot(0, context, [what] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        what(dialog);
    });
}

void selectType(QDialog* entry, int position)
{
    child<QComboBox>(entry, "lineType")->setCurrentIndex(position);
}

// One case of the telephone decoder's configuration: what is stored, what the user does, what
// "OK" leaves in the decoder's two registers (or the one message that refuses it).
struct TelDecoderCase {
    const char* name;
    const char* config;
    std::function<void(QDialog*)> act;
    const char* expectedConfig;
    const char* expectedSequence = "FFFFFFFF";
    const char* message = nullptr;
};

void selectMode(QDialog* d, int position)
{
    child<QComboBox>(d, "mode")->setCurrentIndex(position);
}

const QList<TelDecoderCase>& telDecoderCases()
{
    using K = quarn::TELDECODERKONFIG;
    static const QList<TelDecoderCase> cases = {
        {"end call stays 9", "59000000", [](QDialog*) {}, "59000000"},
        {"sequence padded with F", "59000000", [](QDialog* d) { setText(d, "sequence", "12345"); },
         "59000000", "12345FFF"},
        {"short dial to begin clears", "52345123", [](QDialog* d) { selectMode(d, K::Begin); }, "51000000"},
        {"prefix of one", "53409000",
         [](QDialog* d) {
             tick(child<QCheckBox>(d, "withPrefix"));
             setText(d, "prefix", "0");
         },
         "53409100"},
        {"prefix of two", "53409000", [](QDialog* d) { tick(child<QCheckBox>(d, "withPrefix")); },
         "53409200"},
        {"prefix read and emptied", "5340925F",
         [](QDialog* d) {
             QCOMPARE(child<QLineEdit>(d, "prefix")->text(), QStringLiteral("5F"));
             setText(d, "prefix", "");
         },
         "53409000"},
        // A mode the list does not know: sequence and tone count are written, digits 1-7 kept.
        {"unknown mode kept", "57ABCDEF",
         [](QDialog* d) {
             QCOMPARE(child<QComboBox>(d, "mode")->currentIndex(), -1);
             setText(d, "toneCount", "8");
             setText(d, "sequence", "1");
         },
         "87ABCDEF", "1FFFFFFF"},
        // Fields of modes not chosen are not checked, whatever their defaults and the tone count.
        {"3-tone end call", "39000000", [](QDialog*) {}, "39000000"},
        {"too few tones show 5", "29000000", [](QDialog*) {}, "59000000"},
        // A stored position beyond the tone count is kept while untouched, checked once typed.
        {"through-dial position above tone count kept", "33409000", [](QDialog*) {}, "33409000"},
        {"through-dial position above tone count typed", "33409000",
         [](QDialog* d) { setText(d, "throughDialPosition", "5"); }, "33409000", "FFFFFFFF",
         "Geben Sie eine ganze Zahl zwischen 1 und 3 ein."},
        {"tone count 16", "59000000", [](QDialog* d) { setText(d, "toneCount", "16"); }, "59000000",
         "FFFFFFFF", "Geben Sie eine ganze Zahl zwischen 3 und 15 ein."},
        {"tone count first", "73409000", [](QDialog* d) { setText(d, "toneCount", "3"); }, "73409000",
         "FFFFFFFF", "Geben Sie eine ganze Zahl zwischen 1 und 3 ein."},
        {"night by value to toggle", "54231020",
         [](QDialog* d) { child<QRadioButton>(d, "nightAction3")->setChecked(true); }, "54300000"},
        {"night by value", "54100000",
         [](QDialog* d) {
             child<QRadioButton>(d, "nightAction2")->setChecked(true);
             QCOMPARE(child<QLineEdit>(d, "nightPosition")->text(), QStringLiteral("5"));
             setText(d, "nightOff", "a");
         },
         "54251A20"},
        // An empty one-character field writes what it showed when the dialog opened.
        {"empty character kept", "53412000",
         [](QDialog* d) {
             setText(d, "throughDialMinimum", "");
             setText(d, "throughDialMaximum", "");
         },
         "53412000"},
        {"short dial defaults", "59000000",
         [](QDialog* d) {
             selectMode(d, K::ShortDial);
             QCOMPARE(child<QLineEdit>(d, "shortDialPosition0")->text(), QStringLiteral("3"));
             QVERIFY(!child<QLineEdit>(d, "shortDialDefault0")->isEnabled());
             setText(d, "shortDialPosition2", "0");
             QVERIFY(child<QLineEdit>(d, "shortDialDefault2")->isEnabled());
             setText(d, "shortDialDefault2", "7");
         },
         "52340007"},
        {"short dial default above 9", "52030A00", [](QDialog* d) { setText(d, "shortDialDefault0", "11"); },
         "52030A00", "FFFFFFFF", "Geben Sie eine ganze Zahl zwischen 0 und 9 ein."},
        // A begin-call action the list does not know keeps its digit.
        {"unknown begin action kept", "51710000", [](QDialog*) {}, "51710000"},
        {"begin call confirmation", "51000000",
         [](QDialog* d) {
             child<QRadioButton>(d, "beginAction1")->setChecked(true);
             tick(child<QCheckBox>(d, "confirmTone"));
         },
         "51110000"},
    };
    return cases;
}

// "field=value": a combo box takes the position, a check box "1" or "0", an edit field the text.
void enter(QWidget* dialog, const QString& edit)
{
    const QByteArray name = edit.section(QLatin1Char('='), 0, 0).toLatin1();
    const QString value = edit.section(QLatin1Char('='), 1);
    QWidget* w = child(dialog, name.constData());
    if (auto* combo = qobject_cast<QComboBox*>(w))
        combo->setCurrentIndex(value.toInt());
    else if (auto* box = qobject_cast<QAbstractButton*>(w))
        box->setChecked(value == QLatin1String("1"));
    else
        setText(dialog, name.constData(), value);
}

// "field=text" as the dialog shows it: a combo box its position, a check box "1" or "0".
QString shown(QWidget* dialog, const QString& expectation)
{
    const QByteArray name = expectation.section(QLatin1Char('='), 0, 0).toLatin1();
    QWidget* w = child(dialog, name.constData());
    QString value;
    if (auto* combo = qobject_cast<QComboBox*>(w))
        value = QString::number(combo->currentIndex());
    else if (auto* box = qobject_cast<QAbstractButton*>(w))
        value = box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    else
        value = child<QLineEdit>(dialog, name.constData())->text();
    return QString::fromLatin1(name) + QLatin1Char('=') + value;
}

QDialog* telephoneEditor(const QString& item, quarn::Register* image)
{
    return quarn::createEditor(item, image, nullptr, quarn::EditorTree::Telephone);
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
    // --- Telephone line signalling ---

    // Tenths of a percent divided by 31 give back every digit that was shown.
    void toleranceRoundTrip()
    {
        platform::ScriptedUserDialogs boxes;
        const QStringList shown = {"0,0",  "3,1",  "6,2",  "9,3",  "12,5", "15,6", "18,7", "21,8",
                                   "25,0", "28,1", "31,2", "34,3", "37,5", "40,6", "43,7", "46,8"};
        for (int d = 0; d < 16; ++d) {
            m_image.registerText(380) = QStringLiteral("01003000");
            m_image.setDigit(380, 0, d);
            quarn::AmtstonAusw dialog(&m_image);
            open(&dialog);
            QCOMPARE(child<QLineEdit>(&dialog, "tolerance")->text(), shown.at(d));
            click(&dialog, "okButton");
            QCOMPARE(boxes.texts(), QStringList());
            QCOMPARE(m_image.digit(380, 0), d);
        }
    }

    void dialToneDecoderFields_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("expected380");
        QTest::addColumn<QString>("expected614"); // both null: refused with the message
        QTest::addColumn<QString>("message");
        QTest::newRow("tolerance 47") << QByteArray("tolerance") << "47"
                                      << "F1003000"
                                      << "04400500" << QString();
        QTest::newRow("tolerance 12.5") << QByteArray("tolerance") << "12.5"
                                        << "41003000"
                                        << "04400500" << QString();
        QTest::newRow("tolerance 50") << QByteArray("tolerance") << "50" << QString() << QString()
                                      << "Ein eingegebener Wert ist zu hoch/niedrig.";
        QTest::newRow("tolerance 3a") << QByteArray("tolerance") << "3a" << QString() << QString()
                                      << "Bitte geben Sie eine Dezimalzahl ein!";
        QTest::newRow("on 95") << QByteArray("onTime") << "95"
                               << "31003000"
                               << "09400500" << QString();
        QTest::newRow("on 151") << QByteArray("onTime") << "151" << QString() << QString()
                                << "Geben Sie eine ganze Zahl zwischen 0 und 150 ein.";
        QTest::newRow("tone 16650") << QByteArray("continuousTone") << "16650"
                                    << "3FFF3000"
                                    << "04400500" << QString();
        QTest::newRow("tone 16651") << QByteArray("continuousTone") << "16651" << QString() << QString()
                                    << "Geben Sie eine ganze Zahl zwischen 0 und 16650 ein.";
        QTest::newRow("level 32767") << QByteArray("minLevel") << "32767"
                                     << "31003000"
                                     << "04432767" << QString();
    }
    void dialToneDecoderFields()
    {
        QFETCH(QByteArray, field);
        QFETCH(QString, entry);
        QFETCH(QString, expected380);
        QFETCH(QString, expected614);
        QFETCH(QString, message);
        platform::ScriptedUserDialogs boxes;
        quarn::AmtstonAusw dialog(&m_image);
        open(&dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Amtstonauswerter"));
        setText(&dialog, field.constData(), entry);
        click(&dialog, "okButton");
        if (expected380.isNull()) {
            QCOMPARE(boxes.texts(), QStringList({message}));
            QVERIFY(dialog.isVisible());
            QCOMPARE(reg(380), QStringLiteral("31003000"));
            QVERIFY(!m_image.modified);
            return;
        }
        QCOMPARE(boxes.texts(), QStringList());
        QCOMPARE(reg(380), expected380);
        QCOMPARE(reg(614), expected614);
    }

    // Bit 1 of register 380 digit 7 is the RS232 output; the other bits are kept.
    void rs232Output_data()
    {
        QTest::addColumn<QChar>("stored");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QChar>("toggled");
        QTest::newRow("0") << QChar('0') << false << QChar('2');
        QTest::newRow("2") << QChar('2') << true << QChar('0');
        QTest::newRow("3") << QChar('3') << true << QChar('1');
        QTest::newRow("D") << QChar('D') << false << QChar('F');
    }
    void rs232Output()
    {
        QFETCH(QChar, stored);
        QFETCH(bool, checked);
        QFETCH(QChar, toggled);
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(380)[7] = stored;
        quarn::AmtstonAusw dialog(&m_image);
        open(&dialog);
        auto* box = child<QCheckBox>(&dialog, "rs232");
        QCOMPARE(box->isChecked(), checked);
        box->setChecked(!checked);
        click(&dialog, "okButton");
        QCOMPARE(reg(380).at(7), toggled);
    }

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

    void tableEntry_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("type"); // shown
        QTest::addColumn<QString>("durations");
        QTest::addColumn<int>("newType");     // -1: unchanged
        QTest::addColumn<QString>("entries"); // "tone/pause", null: unchanged
        QTest::addColumn<QString>("expected");
        QTest::newRow("unchanged") << "11004000" << 1 << "1000/4000" << -1 << QString() << "11004000";
        // Digit 7 of a used entry is always "0".
        QTest::newRow("digit 7") << "2048048F" << 2 << "480/480" << -1 << QString() << "20480480";
        QTest::newRow("busy 16650") << "11004000" << 1 << "1000/4000" << 2 << "480/16650"
                                    << "2048FFF0";
        QTest::newRow("remainder dropped") << "11004000" << 1 << "1000/4000" << 0 << "1005/0"
                                           << "01000000";
        // Unused entries open with the usual cadence, not with what their digits would say.
        QTest::newRow("unused") << "F0000000" << 3 << "1000/4000" << -1 << QString() << "F0000000";
        QTest::newRow("factory unused") << "FFFFFFFF" << 3 << "1000/4000" << -1 << QString() << "F0000000";
        QTest::newRow("unused to ring-back")
            << "FFFFFFFF" << 3 << "1000/4000" << 1 << QString() << "11004000";
        QTest::newRow("unknown type") << "71004000" << 3 << "1000/4000" << -1 << QString() << "F0000000";
    }
    void tableEntry()
    {
        QFETCH(QString, stored);
        QFETCH(int, type);
        QFETCH(QString, durations);
        QFETCH(int, newType);
        QFETCH(QString, entries);
        QFETCH(QString, expected);
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(383) = stored;
        m_image.registerText(384) = QStringLiteral("20480480");
        quarn::AMTSTONDECODERTAB dialog(&m_image, 3);
        open(&dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Tabelleneintrag Nr.3 ändern:"));
        QCOMPARE(child<QComboBox>(&dialog, "lineType")->currentIndex(), type);
        QCOMPARE(child<QLineEdit>(&dialog, "toneDuration")->text() + QLatin1Char('/') +
                     child<QLineEdit>(&dialog, "pauseDuration")->text(),
                 durations);
        QCOMPARE(child<QLineEdit>(&dialog, "toneDuration")->isEnabled(), type != 3);
        QCOMPARE(child<QPushButton>(&dialog, "continueButton")->isEnabled(), type != 3);
        if (newType >= 0)
            selectType(&dialog, newType);
        if (!entries.isNull()) {
            setText(&dialog, "toneDuration", entries.section(QLatin1Char('/'), 0, 0));
            setText(&dialog, "pauseDuration", entries.section(QLatin1Char('/'), 1, 1));
        }
        click(&dialog, "okButton");
        QCOMPARE(boxes.texts(), QStringList());
        QCOMPARE(reg(383), expected);
        QCOMPARE(reg(384), QStringLiteral("20480480"));
        QVERIFY(m_image.modified);
    }

    void tableEntryDurationsAreRanged_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("message");
        QTest::newRow("tone 16651") << QByteArray("toneDuration") << "16651"
                                    << "Geben Sie eine ganze Zahl zwischen 0 und 16650 ein.";
        QTest::newRow("pause -10") << QByteArray("pauseDuration") << "-10"
                                   << "Geben Sie eine ganze Zahl zwischen 0 und 16650 ein.";
        QTest::newRow("pause empty") << QByteArray("pauseDuration") << ""
                                     << "Geben Sie eine ganze Zahl ein.";
    }
    void tableEntryDurationsAreRanged()
    {
        QFETCH(QByteArray, field);
        QFETCH(QString, entry);
        QFETCH(QString, message);
        platform::ScriptedUserDialogs boxes;
        quarn::AMTSTONDECODERTAB dialog(&m_image, 1);
        open(&dialog);
        setText(&dialog, field.constData(), entry);
        click(&dialog, "okButton");
        QCOMPARE(boxes.texts(), QStringList({message}));
        QVERIFY(dialog.isVisible());
        QCOMPARE(reg(381), QStringLiteral("11004000"));
        QVERIFY(!m_image.modified);
        // An unused entry does not check the durations it does not write.
        selectType(&dialog, quarn::AMTSTONDECODERTAB::Unused);
        boxes.clear();
        click(&dialog, "okButton");
        QCOMPARE(boxes.texts(), QStringList());
        QCOMPARE(reg(381), QStringLiteral("F0000000"));
    }

    // Freeing a cadence frees its continuation lines down to the next line that is not one.
    void freeingACadenceFreesItsContinuationLines()
    {
        platform::ScriptedUserDialogs boxes;
        const QStringList table = {"11004000", "00500500", "00200300", "20480480", "00100100"};
        for (int i = 0; i < table.size(); ++i)
            m_image.registerText(381 + i) = table.at(i);
        quarn::AMTSTONDECODERTAB dialog(&m_image, 1);
        open(&dialog);
        selectType(&dialog, quarn::AMTSTONDECODERTAB::Unused);
        click(&dialog, "okButton");
        QCOMPARE(reg(381), QStringLiteral("F0000000"));
        QCOMPARE(reg(382), QStringLiteral("F0000000"));
        QCOMPARE(reg(383), QStringLiteral("F0000000"));
        QCOMPARE(reg(384), QStringLiteral("20480480"));
        QCOMPARE(reg(385), QStringLiteral("00100100"));
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

    void lineSignallingTimes_data()
    {
        QTest::addColumn<int>("dialog"); // 0 ImpulsG, 1 RingA, 2 PilotGA
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("reg");
        QTest::addColumn<QString>("expected"); // null: refused with the message
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shownAgain");
        // 50 + 2 x 5
        QTest::newRow("pulse 60") << 0 << QByteArray("pulse") << "60" << 610 << "12080160" << QString()
                                  << "60";
        QTest::newRow("pulse 826") << 0 << QByteArray("pulsePause") << "826" << 610 << QString()
                                   << "Geben Sie eine ganze Zahl zwischen 0 und 825 ein."
                                   << "";
        QTest::newRow("digit pause 83325")
            << 0 << QByteArray("digitPause") << "83325" << 610 << "1208FFFF" << QString() << "83325";
        QTest::newRow("trail 7") << 0 << QByteArray("trail") << "7" << 611 << "01000001" << QString() << "5";
        QTest::newRow("ring 83326") << 1 << QByteArray("maxPause") << "83326" << 615 << QString()
                                    << "Geben Sie eine ganze Zahl zwischen 0 und 83325 ein."
                                    << "";
        QTest::newRow("ring 250") << 1 << QByteArray("minRing") << "250" << 615 << "00501200" << QString()
                                  << "250";
        // The pilot detector's times are 5 ms steps in one digit.
        QTest::newRow("pilot on 52") << 2 << QByteArray("onTime") << "52" << 652 << "0AA01000" << QString()
                                     << "50";
        QTest::newRow("pilot off 75")
            << 2 << QByteArray("offTime") << "75" << 652 << "0AF01000" << QString() << "75";
        QTest::newRow("pilot off 76") << 2 << QByteArray("offTime") << "76" << 652 << QString()
                                      << "Geben Sie eine ganze Zahl zwischen 0 und 75 ein."
                                      << "";
        QTest::newRow("frequency 16665")
            << 2 << QByteArray("frequency") << "16665" << 669 << "0FFFF010" << QString() << "16665";
        QTest::newRow("frequency 16666") << 2 << QByteArray("frequency") << "16666" << 669 << QString()
                                         << "Geben Sie eine ganze Zahl zwischen 0 und 16665 ein."
                                         << "";
    }
    void lineSignallingTimes()
    {
        QFETCH(int, dialog);
        QFETCH(QByteArray, field);
        QFETCH(QString, entry);
        QFETCH(int, reg);
        QFETCH(QString, expected);
        QFETCH(QString, message);
        QFETCH(QString, shownAgain);
        platform::ScriptedUserDialogs boxes;
        const QString before = m_image.registerText(reg);
        auto make = [&]() -> QDialog* {
            switch (dialog) {
            case 0:
                return new quarn::ImpulsG(&m_image);
            case 1:
                return new quarn::RingA(&m_image);
            default:
                return new quarn::PilotGA(&m_image);
            }
        };
        std::unique_ptr<QDialog> d(make());
        open(d.get());
        setText(d.get(), field.constData(), entry);
        click(d.get(), "okButton");
        if (expected.isNull()) {
            QCOMPARE(boxes.texts(), QStringList({message}));
            QVERIFY(d->isVisible());
            QCOMPARE(m_image.registerText(reg), before);
            QVERIFY(!m_image.modified);
            return;
        }
        QCOMPARE(boxes.texts(), QStringList());
        QCOMPARE(m_image.registerText(reg), expected);
        std::unique_ptr<QDialog> again(make());
        open(again.get());
        QCOMPARE(child<QLineEdit>(again.get(), field.constData())->text(), shownAgain);
    }

    void pilotToneChoices()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(652) = QStringLiteral("7AA01000"); // a filter the list does not know
        m_image.registerText(669) = QStringLiteral("A2000409");
        quarn::PilotGA dialog(&m_image);
        open(&dialog);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Pilotton Geber/Auswerter"));
        QCOMPARE(child<QComboBox>(&dialog, "detectorFilter")->currentIndex(), -1);
        QCOMPARE(child<QComboBox>(&dialog, "generatorFilter")->currentText(), QStringLiteral("3320 Hz"));
        QVERIFY(!child<QCheckBox>(&dialog, "lineFilter")->isChecked());
        child<QComboBox>(&dialog, "generatorFilter")->setCurrentIndex(1);
        child<QCheckBox>(&dialog, "lineFilter")->setChecked(true);
        click(&dialog, "okButton");
        QCOMPARE(reg(652), QStringLiteral("7AA01000"));
        QCOMPARE(reg(669), QStringLiteral("A2000119")); // digits 0 and 7 are not the generator's
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
            selectMode(config, quarn::TELDECODERKONFIG::NightSwitch);
            click(config, "okButton");
        });
        click(&table, "decoderButton1");
        QCOMPARE(table.cellLabel(1, 2)->text(), QStringLiteral("\nNachtschaltung"));
        QCOMPARE(reg(330), QStringLiteral("54000000"));
        m_image.modified = false;
        click(&table, "okButton");
        QVERIFY(!m_image.modified); // the overview itself writes nothing
    }

    void telephoneDecoderConfiguration_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < telDecoderCases().size(); ++i)
            QTest::newRow(telDecoderCases().at(i).name) << i;
    }
    void telephoneDecoderConfiguration()
    {
        QFETCH(int, index);
        const TelDecoderCase& c = telDecoderCases().at(index);
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(339) = QString::fromLatin1(c.config);
        quarn::TELDECODERKONFIG dialog(&m_image, 9);
        open(&dialog);
        c.act(&dialog);
        click(&dialog, "okButton");
        if (c.message) {
            QCOMPARE(boxes.texts(), QStringList({QString::fromUtf8(c.message)}));
            QVERIFY(dialog.isVisible());
            QVERIFY(!m_image.modified);
        } else {
            QCOMPARE(boxes.texts(), QStringList());
            QVERIFY(!dialog.isVisible());
            QVERIFY(m_image.modified);
        }
        QCOMPARE(reg(339), QString::fromLatin1(c.expectedConfig));
        QCOMPARE(reg(329), QString::fromLatin1(c.expectedSequence));
    }

    void telephoneDecoderEnabling()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(330) = QStringLiteral("52035700"); // short dial, hundreds from the default 7
        quarn::TELDECODERKONFIG dialog(&m_image, 0);
        open(&dialog);
        QCOMPARE(child<QComboBox>(&dialog, "mode")->currentText(), QStringLiteral("Kurzwahl"));
        QVERIFY(child<QLineEdit>(&dialog, "shortDialDefault0")->isEnabled());
        QCOMPARE(child<QLineEdit>(&dialog, "shortDialDefault0")->text(), QStringLiteral("7"));
        QVERIFY(!child<QLineEdit>(&dialog, "shortDialDefault1")->isEnabled());
        QVERIFY(!child<QLineEdit>(&dialog, "throughDialPosition")->isEnabled());
        QVERIFY(!child<QRadioButton>(&dialog, "nightAction0")->isEnabled());
        selectMode(&dialog, quarn::TELDECODERKONFIG::NightSwitch);
        QVERIFY(child<QRadioButton>(&dialog, "nightAction0")->isEnabled());
        QVERIFY(!child<QLineEdit>(&dialog, "nightPosition")->isEnabled());
        QVERIFY(!child<QLineEdit>(&dialog, "shortDialDefault0")->isEnabled());
        selectMode(&dialog, quarn::TELDECODERKONFIG::ThroughDial);
        QVERIFY(child<QLineEdit>(&dialog, "throughDialPosition")->isEnabled());
        QVERIFY(!child<QLineEdit>(&dialog, "prefix")->isEnabled());
        tick(child<QCheckBox>(&dialog, "withPrefix"));
        QVERIFY(child<QLineEdit>(&dialog, "prefix")->isEnabled());
        QCOMPARE(child<QLineEdit>(&dialog, "prefix")->text(), QStringLiteral("00"));
    }

    // --- Telephone mode, line chip, audio levels ---

    void modeChipAndLevels_data()
    {
        QTest::addColumn<QString>("item"); // the tree item that opens the dialog
        QTest::addColumn<int>("reg");
        QTest::addColumn<QString>("stored");     // null: the factory value
        QTest::addColumn<QStringList>("opened"); // "field=text" as the dialog opens
        QTest::addColumn<QStringList>("edits");
        QTest::addColumn<QString>("expected"); // null: refused with the message, nothing written
        QTest::addColumn<QString>("message");
        QTest::addColumn<QStringList>("reopened"); // "field=text" when opened again

        const QString mode = QStringLiteral("Konfiguration Telefonmode");
        const QString tooHigh = QStringLiteral("Ein eingegebener Wert ist zu hoch/niedrig.");
        QTest::newRow("empty ring tone stores B")
            << mode << 190 << "50000000" << QStringList{"ringTone=5"} << QStringList{"ringTone="}
            << "B0000000" << QString() << QStringList{"ringTone=B"};
        QTest::newRow("empty exchange prefix stores 0")
            << mode << 369 << "95000000" << QStringList{"exchangePrefix=9", "beepDelay=0,5"}
            << QStringList{"exchangePrefix="} << "05000000" << QString() << QStringList{"exchangePrefix=0"};
        QTest::newRow("call time 300")
            << mode << 365 << QString() << QStringList{"callTime=600"} << QStringList{"callTime=300"}
            << "03003000" << QString() << QStringList{"callTime=300", "silentCallTime=30"};
        QTest::newRow("call time 16666")
            << mode << 365 << QString() << QStringList{} << QStringList{"callTime=16666"} << QString()
            << "Geben Sie eine ganze Zahl zwischen 0 und 16665 ein." << QStringList{};
        QTest::newRow("time-out 166")
            << mode << 191 << QString() << QStringList{"idleTimeout=60"} << QStringList{"idleTimeout=166"}
            << QString() << "Geben Sie eine ganze Zahl zwischen 0 und 165 ein." << QStringList{};
        // The time-out keeps digits 6-7 whatever the function word.
        QTest::newRow("short timer word padded")
            << mode << 191 << QString() << QStringList{"timerFunction=B00000"}
            << QStringList{"timerFunction=a3", "idleTimeout=159"} << "A30000F9" << QString()
            << QStringList{"timerFunction=A30000", "idleTimeout=159"};
        QTest::newRow("timer word with 0x")
            << mode << 191 << QString() << QStringList{} << QStringList{"timerFunction=0x12"} << QString()
            << "Geben Sie nur Hex-Ziffern (0-9, A-F) ein." << QStringList{};
        QTest::newRow("ring count 15")
            << mode << 367 << QString() << QStringList{"ringCount=3", "dialToneDetection=1"}
            << QStringList{"ringCount=15", "dialToneDetection=0"} << "0300F000" << QString()
            << QStringList{"ringCount=15"};
        QTest::newRow("ring count 16")
            << mode << 367 << QString() << QStringList{} << QStringList{"ringCount=16"} << QString()
            << "Geben Sie eine ganze Zahl zwischen 0 und 15 ein." << QStringList{};
        QTest::newRow("beep delay 1,5") << mode << 369 << QString() << QStringList{"beepDelay=0,5"}
                                        << QStringList{"beepDelay=1,5", "announcementToPhone=1"} << "0F010000"
                                        << QString() << QStringList{"beepDelay=1,5", "announcementToPhone=1"};
        QTest::newRow("beep delay 1,6")
            << mode << 369 << QString() << QStringList{} << QStringList{"beepDelay=1,6"} << QString()
            << tooHigh << QStringList{};
        // Fields before and after the failing parse are all valid: still nothing is written.
        QTest::newRow("parse failure writes nothing")
            << mode << 365 << QString() << QStringList{}
            << QStringList{"ringTone=", "callTime=300", "dialling=0", "beepDelay=a", "announcementToRadio=1"}
            << QString() << "Bitte geben Sie eine Dezimalzahl ein!" << QStringList{};
        QTest::newRow("combo positions")
            << mode << 366 << QString() << QStringList{"dialling=1", "operatingMode=1"}
            << QStringList{"dialling=0", "operatingMode=0", "simplexTransmitTime=1665"} << "FFF00000"
            << QString() << QStringList{"simplexTransmitTime=1665"};
        QTest::newRow("unknown dialling digit kept")
            << mode << 366 << "06071000" << QStringList{"dialling=-1", "operatingMode=1"} << QStringList{}
            << "06071000" << QString() << QStringList{"dialling=-1"};

        const QString chip = QStringLiteral("Konfiguration Telefon (LX4410C)");
        QTest::newRow("TBR21") << chip << 616 << "10000000" << QStringList{"termination=0"}
                               << QStringList{"termination=6", "currentSensorDisabled=1",
                                              "lineInUseThreshold=3"}
                               << "16010300" << QString()
                               << QStringList{"termination=6", "lineInUseThreshold=3"};
        QTest::newRow("unknown chip digit kept")
            << chip << 616 << "0A030000"
            << QStringList{"termination=-1", "transmitGain=0", "currentSensorDisabled=0"}
            << QStringList{"ringThreshold=2"} << "0A002000" << QString() << QStringList{"termination=-1"};

        const QString delay = QStringLiteral("NF-Delay");
        QTest::newRow("delay 16665") << delay << 617 << QString() << QStringList{"delay=100", "compression=0"}
                                     << QStringList{"delay=16665", "compression=3"} << "FFFF3000" << QString()
                                     << QStringList{"delay=16665", "compression=3"};
        QTest::newRow("delay 16666") << delay << 617 << QString() << QStringList{}
                                     << QStringList{"delay=16666"} << QString()
                                     << "Geben Sie eine ganze Zahl zwischen 0 und 16665 ein."
                                     << QStringList{};

        const QString vox = QStringLiteral("VOX-Konfiguration");
        QTest::newRow("vox time 250")
            << vox << 618 << QString() << QStringList{"radioOnLevel=20", "radioOnTime=50", "radioOffTime=500"}
            << QStringList{"radioOnTime=250"} << "20251050" << QString() << QStringList{"radioOnTime=250"};
        QTest::newRow("vox time 999")
            << vox << 619 << QString() << QStringList{} << QStringList{"phoneOffTime=999", "phoneOnLevel=7"}
            << QString() << "Geben Sie eine ganze Zahl zwischen 0 und 990 ein." << QStringList{};
        QTest::newRow("vox time 990")
            << vox << 619 << QString() << QStringList{} << QStringList{"phoneOffTime=990", "phoneOnLevel=7"}
            << "07051099" << QString() << QStringList{"phoneOffTime=990", "phoneOnLevel=7"};
        QTest::newRow("vox time 985 rounds down")
            << vox << 619 << QString() << QStringList{} << QStringList{"phoneOnTime=985"} << "20981050"
            << QString() << QStringList{"phoneOnTime=980"};
        QTest::newRow("vox level 100")
            << vox << 618 << QString() << QStringList{} << QStringList{"radioOffLevel=100"} << QString()
            << "Geben Sie eine ganze Zahl zwischen 0 und 99 ein." << QStringList{};

        // Digits 0-2 of the level registers are not this dialog's.
        const QString levels = QStringLiteral("Sonstige NF-Ausgabepegel");
        QTest::newRow("speech level 65535") << levels << 620 << "ABC08000" << QStringList{"phoneToRadio=8000"}
                                            << QStringList{"phoneToRadio=65535"} << "ABC65535" << QString()
                                            << QStringList{"phoneToRadio=65535"};
        QTest::newRow("tone level 32768")
            << levels << 622 << QString() << QStringList{} << QStringList{"toneToRadio=32768"} << QString()
            << "Geben Sie eine ganze Zahl zwischen 0 und 32767 ein." << QStringList{};

        const QString input = QStringLiteral("Eingangspegel Telefon");
        QTest::newRow("input -6,0") << input << 627 << QString() << QStringList{"level=+0,0"}
                                    << QStringList{"level=-6,0"} << "00000000" << QString()
                                    << QStringList{"level=-6,0"};
        QTest::newRow("input +19,5") << input << 627 << QString() << QStringList{}
                                     << QStringList{"level=+19,5"} << "25500000" << QString()
                                     << QStringList{"level=+19,5"};
        QTest::newRow("input 0,5 without sign")
            << input << 627 << QString() << QStringList{} << QStringList{"level=0,5"} << "06500000"
            << QString() << QStringList{"level=+0,5"};
        QTest::newRow("input -5,5") << input << 627 << QString() << QStringList{} << QStringList{"level=-5,5"}
                                    << "00500000" << QString() << QStringList{"level=-5,5"};
        QTest::newRow("stored 256 shows +19,5")
            << input << 627 << "25600000" << QStringList{"level=+19,5"} << QStringList{} << "25500000"
            << QString() << QStringList{"level=+19,5"};
        QTest::newRow("stored FFF shows +19,5")
            << input << 627 << "FFF12345" << QStringList{"level=+19,5"} << QStringList{} << "25512345"
            << QString() << QStringList{"level=+19,5"};
        QTest::newRow("input +19,6") << input << 627 << QString() << QStringList{}
                                     << QStringList{"level=+19,6"} << QString() << tooHigh << QStringList{};
        QTest::newRow("input -6,1") << input << 627 << QString() << QStringList{} << QStringList{"level=-6,1"}
                                    << QString() << tooHigh << QStringList{};
        QTest::newRow("input not a number")
            << input << 627 << QString() << QStringList{} << QStringList{"level=+1a"} << QString()
            << "Bitte geben Sie eine Dezimalzahl ein!" << QStringList{};

        // Any digit but "0" is a ticked box; "OK" writes "1" and "0".
        const QString r4807 = QStringLiteral("Konfiguration R48-07 für Telefon");
        QTest::newRow("R4807") << r4807 << 360 << "20A05555"
                               << QStringList{"way0=1", "way1=0", "way2=1", "way3=0"}
                               << QStringList{"way3=1", "way0=0"} << "00115555" << QString()
                               << QStringList{"way2=1", "way3=1"};
    }
    void modeChipAndLevels()
    {
        QFETCH(QString, item);
        QFETCH(int, reg);
        QFETCH(QString, stored);
        QFETCH(QStringList, opened);
        QFETCH(QStringList, edits);
        QFETCH(QString, expected);
        QFETCH(QString, message);
        QFETCH(QStringList, reopened);
        platform::ScriptedUserDialogs boxes;
        if (!stored.isNull())
            m_image.registerText(reg) = stored;
        const quarn::Register before = m_image;
        std::unique_ptr<QDialog> dialog(telephoneEditor(item, &m_image));
        QVERIFY(dialog);
        open(dialog.get());
        for (const QString& o : opened)
            QCOMPARE(shown(dialog.get(), o), o);
        for (const QString& e : edits)
            enter(dialog.get(), e);
        click(dialog.get(), "okButton");
        if (expected.isNull()) {
            QCOMPARE(boxes.texts(), QStringList({message}));
            QVERIFY(dialog->isVisible());
            for (int n : quarn::Register::numbers(true))
                QCOMPARE(m_image.registerText(n), before.registerText(n));
            QVERIFY(!m_image.modified);
            return;
        }
        QCOMPARE(boxes.texts(), QStringList());
        QVERIFY(!dialog->isVisible());
        QCOMPARE(m_image.registerText(reg), expected);
        QVERIFY(m_image.modified);
        std::unique_ptr<QDialog> again(telephoneEditor(item, &m_image));
        open(again.get());
        for (const QString& r : reopened)
            QCOMPARE(shown(again.get(), r), r);
    }

    void telephoneModeTitles()
    {
        const QList<QPair<const char*, const char*>> titles = {
            {"Konfiguration Telefonmode", "Konfiguration Telefonmode"},
            {"Konfiguration R48-07 für Telefon", "Konfiguration R4807 für Telefon"},
            {"Konfiguration Telefon (LX4410C)", "Konfigurationsdaten Telefon (LX4410C)"},
            {"NF-Delay", "NF-Delay"},
            {"VOX-Konfiguration", "VOX-Konfiguration"},
            {"Sonstige NF-Ausgabepegel", "Weitere NF-Ausgabepegel"},
            {"Eingangspegel Telefon", "Pegelanpassung Telefoneingang"},
        };
        for (const auto& [item, title] : titles) {
            std::unique_ptr<QDialog> dialog(telephoneEditor(QString::fromUtf8(item), &m_image));
            QVERIFY2(dialog, item);
            QCOMPARE(dialog->windowTitle(), QString::fromUtf8(title));
        }
    }

    // "-->" runs the wizard in telephone mode on the word completed to eight digits; the field
    // keeps six of them, and only "OK" writes them, before the time-out.
    void timerFunctionThroughWizard()
    {
        platform::ScriptedUserDialogs boxes;
        m_image.registerText(191) = QStringLiteral("00000045");
        std::unique_ptr<QDialog> dialog(
            telephoneEditor(QStringLiteral("Konfiguration Telefonmode"), &m_image));
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
            telephoneEditor(QStringLiteral("Konfiguration Telefonmode"), &m_image));
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
