#include <QtTest>

#include "config/register/Register.h"

using namespace quarn;

class TestRegister : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void freshImage()
    {
        Register image;
        QCOMPARE(image.registerText(0), QStringLiteral("        "));
        QCOMPARE(image.registerText(799), QStringLiteral("        "));
        QCOMPARE(image.registerText(250), QStringLiteral("        "));
        QCOMPARE(image.digit(17, 3), 0);
        QVERIFY(image.model7k);
        QVERIFY(!image.telephoneInterface);
        QVERIFY(!image.unitKnown);
        QVERIFY(!image.modified);
        QVERIFY(image.filePath.isEmpty());
        QVERIFY(image.versionText.isEmpty());
    }

    void digitsAndShortTexts()
    {
        Register image;
        image.registerText(12) = QStringLiteral("0123ABCD");
        QCOMPARE(image.digit(12, 0), 0);
        QCOMPARE(image.digit(12, 3), 3);
        QCOMPARE(image.digit(12, 7), 13);
        image.setDigit(12, 7, 15);
        image.setDigit(12, 0, 16);
        QCOMPARE(image.registerText(12), QStringLiteral("F123ABCF"));
        image.setDigit(12, 8, 1);
        image.setDigit(12, -1, 1);
        QCOMPARE(image.registerText(12), QStringLiteral("F123ABCF"));

        // A register left empty by a file load reads 0 everywhere and takes no digit.
        image.registerText(40) = QString();
        QCOMPARE(image.digit(40, 0), 0);
        QCOMPARE(image.digit(40, 7), 0);
        image.setDigit(40, 0, 5);
        QVERIFY(image.registerText(40).isEmpty());
        image.registerText(41) = QStringLiteral("12");
        QCOMPARE(image.digit(41, 1), 2);
        QCOMPARE(image.digit(41, 2), 0);
        image.setDigit(41, 2, 5);
        QCOMPARE(image.registerText(41), QStringLiteral("12"));
        QCOMPARE(image.digit(900, 0), 0);
        QCOMPARE(image.digit(-1, 0), 0);
    }

    void resetKeepsUnitState()
    {
        Register image;
        image.registerText(5) = QStringLiteral("11111111");
        image.registerText(650) = QStringLiteral("22222222");
        image.filePath = QStringLiteral("/tmp/x.rq7k8k");
        image.markModified();
        QVERIFY(image.modified);
        image.model7k = false;
        image.telephoneInterface = true;
        image.unitKnown = true;
        image.versionText = QStringLiteral("Quarn 8k V3.20");
        image.resetImage();
        QCOMPARE(image.registerText(5), QStringLiteral("        "));
        QCOMPARE(image.registerText(650), QStringLiteral("        "));
        QVERIFY(image.filePath.isEmpty());
        QVERIFY(!image.modified);
        QVERIFY(!image.model7k);
        QVERIFY(image.telephoneInterface);
        QVERIFY(image.unitKnown);
        QCOMPARE(image.versionText, QStringLiteral("Quarn 8k V3.20"));
    }

    void registerNumbers()
    {
        const QList<int> base = Register::numbers(false);
        QCOMPARE(base.size(), 200);
        QCOMPARE(base.last(), 199);
        const QList<int> all = Register::numbers(true);
        QCOMPARE(all.size(), 600);
        QCOMPARE(all.at(200), 300);
        QCOMPARE(all.at(400), 600);
        QCOMPARE(all.last(), 799);
        for (int n : all)
            QVERIFY(Register::isValidNumber(n));
        QVERIFY(!Register::isValidNumber(200));
        QVERIFY(!Register::isValidNumber(599));
        QVERIFY(!Register::isValidNumber(800));
        QVERIFY(!Register::isValidNumber(-1));
        QVERIFY(Register::isTelephoneNumber(300));
        QVERIFY(!Register::isTelephoneNumber(199));
    }
};

QTEST_APPLESS_MAIN(TestRegister)
#include "tst_register.moc"
