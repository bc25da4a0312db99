#include <QtTest>

#include "config/register/Messages.h"
#include "config/register/Register.h"
#include "config/register/RegisterCodecs.h"

using namespace quarn;

class TestRegisterCodecs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hexCharacters()
    {
        QCOMPARE(hexValueOfCharacter(QLatin1Char('a')), 0);
        QCOMPARE(hexValueOfCharacter(QLatin1Char(' ')), 0);
        QCOMPARE(hexValueOfCharacter(QLatin1Char('G')), 0);
        QCOMPARE(hexValueOfCharacter(QLatin1Char('9')), 9);
        QCOMPARE(hexValueOfCharacter(QLatin1Char('A')), 10);
        QCOMPARE(hexValueOfCharacter(QLatin1Char('F')), 15);
        QCOMPARE(hexCharacterOfValue(9), QLatin1Char('9'));
        QCOMPARE(hexCharacterOfValue(14), QLatin1Char('E'));
        QCOMPARE(hexCharacterOfValue(15), QLatin1Char('F'));
        QCOMPARE(hexCharacterOfValue(16), QLatin1Char('F'));
        QCOMPARE(hexCharacterOfValue(-1), QLatin1Char('F'));
        for (int v = 0; v < 16; ++v)
            QCOMPARE(hexValueOfCharacter(hexCharacterOfValue(v)), v);

        QVERIFY(isHexText(QString()));
        QVERIFY(isHexText(QStringLiteral("0123456789ABCDEF")));
        QVERIFY(!isHexText(QStringLiteral("0123abcd")));
        QVERIFY(!isHexText(QStringLiteral("        ")));
        QVERIFY(!isHexText(QStringLiteral("1234567G")));
    }

    void padding()
    {
        QCOMPARE(zeroPadLeft(QStringLiteral("7 "), 4), QStringLiteral("007 "));
        QCOMPARE(zeroPadLeft(QStringLiteral("350 "), 4), QStringLiteral("350 "));
        QCOMPARE(zeroPadLeft(QStringLiteral("12345"), 3), QStringLiteral("12345"));
        QCOMPARE(zeroPadRight(QStringLiteral("12"), 8), QStringLiteral("12000000"));
        QCOMPARE(zeroPadRight(QString(), 2), QStringLiteral("00"));
        QCOMPARE(zeroPadRight(QStringLiteral("123456789"), 8), QStringLiteral("123456789"));
    }

    void weightedDigitsBoundaries()
    {
        QString t = QStringLiteral("00000000");
        QVERIFY(writeDecimalIntoDigits(t, 0, 165, 2, 1));
        QCOMPARE(t.left(2), QStringLiteral("FF"));
        QString u = QStringLiteral("12345678");
        QVERIFY(!writeDecimalIntoDigits(u, 0, 166, 2, 1));
        QCOMPARE(u, QStringLiteral("12345678"));
        QVERIFY(writeDecimalIntoDigits(u, 0, 99, 2, 1));
        QCOMPARE(u, QStringLiteral("99345678"));
        QVERIFY(writeDecimalIntoDigits(u, 0, 100, 2, 1));
        QCOMPARE(u, QStringLiteral("A0345678"));
        QVERIFY(writeDecimalIntoDigits(t, 2, 8325, 3, 5));
        QCOMPARE(t.mid(2, 3), QStringLiteral("FFF"));
        QCOMPARE(readDecimalFromDigits(t, 2, 3, 5), 8325);
        QVERIFY(!writeDecimalIntoDigits(t, 2, 8330, 3, 5));
        QCOMPARE(t.mid(2, 3), QStringLiteral("FFF"));
        // Leading digits above 9 carry the weight of ten: "F00" is 1500.
        QVERIFY(writeDecimalIntoDigits(t, 5, 1500, 3, 1));
        QCOMPARE(t.mid(5, 3), QStringLiteral("F00"));
        QCOMPARE(readDecimalFromDigits(t, 5, 3, 1), 1500);
        // A value between multiples of the unit is cut to the lower one.
        QVERIFY(writeDecimalIntoDigits(t, 0, 37, 2, 5));
        QCOMPARE(t.left(2), QStringLiteral("07"));
    }

    void weightedDigitsFaults()
    {
        QString t = QStringLiteral("00000000");
        // A negative value whose quotients are negative writes "F" throughout; -1 only
        // reaches the last digit (integer division rounds toward zero).
        QVERIFY(writeDecimalIntoDigits(t, 4, -1000, 4, 1));
        QCOMPARE(t, QStringLiteral("0000FFFF"));
        QVERIFY(writeDecimalIntoDigits(t, 0, -1, 4, 1));
        QCOMPARE(t, QStringLiteral("000FFFFF"));
        // A caller's position beyond the end never grows the text.
        QString s = QStringLiteral("0000");
        QVERIFY(writeDecimalIntoDigits(s, 2, 123, 3, 1));
        QCOMPARE(s, QStringLiteral("0012"));
        QVERIFY(!writeDecimalIntoDigits(s, 0, 0, 2, 0));
        QCOMPARE(s, QStringLiteral("0012"));
    }

    void bitStrings()
    {
        QCOMPARE(bitStringOfDigit(QLatin1Char('6')), QStringLiteral("0110"));
        QCOMPARE(bitStringOfDigit(QLatin1Char('1')), QStringLiteral("1000"));
        QCOMPARE(bitStringOfDigit(QLatin1Char('8')), QStringLiteral("0001"));
        QCOMPARE(bitStringOfDigit(QLatin1Char('A')), QStringLiteral("0101"));
        QCOMPARE(bitStringOfDigit(QLatin1Char('x')), QStringLiteral("0000"));
        QCOMPARE(digitOfBitString(QStringLiteral("0110")), QLatin1Char('6'));
        QCOMPARE(digitOfBitString(QStringLiteral("1111")), QLatin1Char('F'));
        for (int v = 0; v < 16; ++v) {
            const QChar c = hexCharacterOfValue(v);
            QVERIFY(isBitString(bitStringOfDigit(c)));
            QCOMPARE(digitOfBitString(bitStringOfDigit(c)), c);
        }
        QVERIFY(!isBitString(QStringLiteral("011")));
        QVERIFY(!isBitString(QStringLiteral("0120")));
        QCOMPARE(digitOfBitString(QStringLiteral("11")), QLatin1Char('3'));
    }

    void parseOneDigit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("f");
        QTest::addColumn<int>("q");
        QTest::addColumn<int>("z");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("error");
        const int ok = int(ParseError::None);
        const int range = int(ParseError::OutOfRange);
        const int dec = int(ParseError::NotDecimal);
        QTest::newRow("1,5") << "1,5" << 1 << 1 << 1 << 0 << 15 << ok;
        QTest::newRow("1") << "1" << 1 << 1 << 1 << 0 << 10 << ok;
        QTest::newRow("1,57 cut") << "1,57" << 1 << 1 << 1 << 0 << 15 << ok;
        QTest::newRow("1.5") << "1.5" << 1 << 1 << 1 << 0 << 15 << ok;
        QTest::newRow(",5") << ",5" << 1 << 1 << 1 << 0 << 5 << ok;
        QTest::newRow("15") << "15" << 2 << 0 << 1 << 0 << 15 << ok;
        QTest::newRow("16 range") << "16" << 2 << 0 << 1 << 0 << -1 << range;
        QTest::newRow("abc is 0") << "abc" << 1 << 0 << 1 << 0 << -1 << dec;
        QTest::newRow("99x range first") << "99x" << 2 << 0 << 1 << 0 << -1 << range;
        QTest::newRow("1x") << "1x" << 1 << 0 << 1 << 0 << -1 << dec;
        QTest::newRow("negative") << "-1" << 1 << 0 << 1 << 0 << -1 << range;
        QTest::newRow("minus after pad") << "-1" << 3 << 0 << 1 << 0 << -1 << dec;
        QTest::newRow("divisor") << "1,5" << 1 << 1 << 2 << 0 << 7 << ok;
        QTest::newRow("extra zero") << "1" << 1 << 0 << 1 << 1 << 10 << ok;
        QTest::newRow("empty") << "" << 1 << 0 << 1 << 0 << 0 << ok;
        QTest::newRow("blank") << " 1" << 1 << 0 << 1 << 0 << -1 << dec;
        QTest::newRow("divisor 0") << "5" << 1 << 0 << 0 << 0 << 5 << ok;
        QTest::newRow("overflow") << QString(60, QLatin1Char('9')) << 1 << 0 << 1 << 0 << -1 << range;
    }

    void parseOneDigit()
    {
        QFETCH(QString, text);
        QFETCH(int, a);
        QFETCH(int, f);
        QFETCH(int, q);
        QFETCH(int, z);
        QFETCH(int, value);
        QFETCH(int, error);
        const ParseResult r = parseDecimalInputOneDigit(text, a, f, q, z);
        QCOMPARE(int(r.error), error);
        QCOMPARE(r.value, value);
        QCOMPARE(r.ok(), error == int(ParseError::None));
    }

    void parseTwoAndThreeDigits()
    {
        ParseResult r = parseDecimalInputTwoDigits(QStringLiteral("-3"), 2, 0, 1, 0, 10);
        QVERIFY(r.ok());
        QCOMPARE(r.value, 7);
        r = parseDecimalInputTwoDigits(QStringLiteral("-3"), 2, 0, 1, 0, 0);
        QCOMPARE(r.error, ParseError::OutOfRange);
        QCOMPARE(r.value, -1);
        r = parseDecimalInputTwoDigits(QStringLiteral("+3"), 2, 0, 1, 0, 10);
        QCOMPARE(r.value, 13);
        r = parseDecimalInputTwoDigits(QStringLiteral("+3"), 2, 0, 1, 0, 0);
        QCOMPARE(r.error, ParseError::NotDecimal);
        // Sign, fraction and divisor together: -1,5 dB in half steps around 20.
        r = parseDecimalInputTwoDigits(QStringLiteral("-1,5"), 2, 1, 5, 0, 20);
        QCOMPARE(r.value, 17);
        r = parseDecimalInputTwoDigits(QStringLiteral("-11"), 2, 0, 1, 0, 10);
        QCOMPARE(r.error, ParseError::OutOfRange);
        r = parseDecimalInputTwoDigits(QStringLiteral("245"), 3, 0, 1, 0, 10);
        QCOMPARE(r.value, 255);
        r = parseDecimalInputTwoDigits(QStringLiteral("246"), 3, 0, 1, 0, 10);
        QCOMPARE(r.error, ParseError::OutOfRange);
        r = parseDecimalInputTwoDigits(QStringLiteral("2,35"), 1, 1, 1, 0, 0);
        QCOMPARE(r.value, 23);
        r = parseDecimalInputTwoDigits(QStringLiteral("2.3"), 1, 1, 1, 0, 0);
        QCOMPARE(r.value, 23);

        r = parseDecimalInputThreeDigits(QStringLiteral("4095"), 4, 0, 1, 0);
        QCOMPARE(r.value, 4095);
        r = parseDecimalInputThreeDigits(QStringLiteral("4096"), 4, 0, 1, 0);
        QCOMPARE(r.error, ParseError::OutOfRange);
        r = parseDecimalInputThreeDigits(QStringLiteral("40,95"), 2, 2, 1, 0);
        QCOMPARE(r.value, 4095);
        r = parseDecimalInputThreeDigits(QStringLiteral("12a"), 3, 0, 1, 0);
        QCOMPARE(r.error, ParseError::NotDecimal);
        r = parseDecimalInputThreeDigits(QStringLiteral("1,2,3"), 1, 3, 1, 0);
        QVERIFY(r.ok()); // a second separator passes the character check
        QCOMPARE(r.value, 12);
    }

    void messageTexts()
    {
        QCOMPARE(msg::parseErrorText(ParseError::OutOfRange),
                 QStringLiteral("Ein eingegebener Wert ist zu hoch/niedrig."));
        QCOMPARE(msg::parseErrorText(ParseError::NotDecimal),
                 QStringLiteral("Bitte geben Sie eine Dezimalzahl ein!"));
        QVERIFY(msg::parseErrorText(ParseError::None).isEmpty());
        QCOMPARE(msg::bitStringValueTooLarge(), QStringLiteral("Errechneter Reg-Wert zu gro\u00df!"));
    }
};

QTEST_APPLESS_MAIN(TestRegisterCodecs)
#include "tst_registercodecs.moc"
