#include <QtTest>

#include "Register.h"
#include "RegisterCodecs.h"

using namespace quarn;

class TestRegisterCodecs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void weightedDigitsBoundaries()
    {
        QString t = QStringLiteral("00000000");
        QVERIFY(writeDecimalIntoDigits(t, 0, 165, 2, 1));
        QCOMPARE(t.left(2), QStringLiteral("FF"));
        QString u = QStringLiteral("12345678");
        QVERIFY(!writeDecimalIntoDigits(u, 0, 166, 2, 1));
        QCOMPARE(u, QStringLiteral("12345678"));
        QVERIFY(writeDecimalIntoDigits(t, 2, 8325, 3, 5));
        QCOMPARE(t.mid(2, 3), QStringLiteral("FFF"));
        QCOMPARE(readDecimalFromDigits(t, 2, 3, 5), 8325);
        QVERIFY(!writeDecimalIntoDigits(t, 2, 8330, 3, 5));
    }
};

QTEST_APPLESS_MAIN(TestRegisterCodecs)
#include "tst_registercodecs.moc"
