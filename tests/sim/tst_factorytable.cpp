// The factory image holds what the settings dialogs would write back: every weighted field in
// its range and in the dialogs' own encoding, every list digit within its list, unused
// positions as the dialogs fill them, and the values that the help texts name.
#include "config/register/RegisterCodecs.h"
#include "sim/FactoryTable.h"

#include <QtTest>

namespace {

QString reg(int n)
{
    return QString::fromLatin1(sim::FactoryTable::value(n));
}

int digit(int n, int k)
{
    return quarn::hexValueOfCharacter(reg(n).at(k));
}

int weighted(int n, int first, int digits, int unit)
{
    return static_cast<int>(quarn::readDecimalFromDigits(reg(n), first, digits, unit));
}

struct Weighted {
    int reg, first, n, unit, min, max;
};

// Weighted fields of the base and telephone settings (range as the dialogs check it).
const QList<Weighted>& weightedFields()
{
    static const QList<Weighted> all = {
        {102, 0, 4, 1, 0, 16665},  {82, 0, 2, 10, 0, 1650},   {82, 2, 1, 10, 0, 150},
        {82, 3, 2, 10, 0, 1650},   {51, 0, 3, 1, 0, 1665},    {55, 0, 2, 10, 0, 1650},
        {101, 0, 3, 1, 0, 1665},   {52, 0, 3, 1, 0, 1665},    {189, 0, 3, 1, 0, 999},
        {50, 0, 3, 1, 1, 1664},    {64, 1, 2, 1, 0, 99},      {65, 0, 2, 1, 0, 99},
        {65, 2, 2, 1, 0, 99},      {68, 1, 2, 1, 1, 165},     {56, 2, 2, 10, 0, 1650},
        {69, 1, 4, 1, 0, 16665},   {87, 0, 4, 1, 0, 16665},   {87, 4, 2, 10, 0, 1650},
        {57, 1, 2, 1, 1, 165},     {80, 0, 3, 5, 0, 8325},    {81, 0, 3, 5, 0, 8325},
        {80, 3, 2, 5, 0, 825},     {78, 1, 2, 5, 0, 825},     {78, 3, 2, 5, 0, 825},
        {79, 0, 3, 5, 0, 8325},    {79, 3, 2, 5, 0, 825},     {600, 0, 4, 5, 0, 83325},
        {600, 4, 4, 5, 0, 83325},  {601, 0, 4, 5, 0, 83325},  {601, 4, 4, 5, 0, 83325},
        {602, 3, 5, 1, 0, 32767},  {603, 3, 5, 1, 0, 32767},  {604, 3, 5, 1, 0, 32767},
        {605, 3, 5, 1, 0, 32767},  {606, 3, 5, 1, 0, 32767},  {607, 3, 5, 1, 0, 32767},
        {380, 1, 3, 10, 0, 16650}, {380, 4, 3, 10, 0, 16650}, {614, 3, 5, 1, 0, 32767},
        {610, 0, 2, 5, 0, 825},    {610, 2, 2, 5, 0, 825},    {610, 4, 4, 5, 0, 83325},
        {611, 0, 4, 5, 0, 83325},  {611, 4, 4, 5, 0, 83325},  {615, 0, 4, 5, 0, 83325},
        {615, 4, 4, 5, 0, 83325},  {652, 3, 5, 1, 0, 32767},  {669, 1, 4, 1, 0, 16665},
        {191, 6, 2, 1, 0, 165},    {310, 0, 3, 1, 0, 1665},   {365, 0, 4, 1, 0, 16665},
        {365, 4, 2, 1, 0, 165},    {366, 0, 3, 1, 0, 1665},   {367, 0, 3, 1, 0, 1665},
        {368, 0, 3, 1, 0, 1665},   {617, 0, 4, 1, 0, 16665},  {618, 0, 2, 1, 0, 99},
        {618, 2, 2, 10, 0, 990},   {618, 4, 2, 1, 0, 99},     {618, 6, 2, 10, 0, 990},
        {619, 0, 2, 1, 0, 99},     {619, 2, 2, 10, 0, 990},   {619, 4, 2, 1, 0, 99},
        {619, 6, 2, 10, 0, 990},   {620, 3, 5, 1, 0, 65535},  {621, 3, 5, 1, 0, 65535},
        {622, 3, 5, 1, 0, 32767},  {623, 3, 5, 1, 0, 32767},  {624, 3, 5, 1, 0, 32767},
        {625, 3, 5, 1, 0, 32767},  {627, 0, 3, 1, 0, 255},
    };
    return all;
}

struct ListDigit {
    int reg, k;
    QList<int> allowed;
};

// Digits that a dialog reads as a list position, radio group or flag and writes back.
const QList<ListDigit>& listDigits()
{
    static const QList<ListDigit> all = {
        {10, 7, {0, 1, 2, 3, 4, 5, 8, 9, 15}},
        {11, 0, {0, 1, 2, 3, 4, 5, 15}},
        {11, 3, {0, 1}},
        {51, 3, {0, 1, 2, 3}},
        {54, 0, {0, 1, 2}},
        {56, 0, {0, 1, 2, 3, 4, 5, 7}},
        {56, 4, {0, 1}},
        {66, 0, {0, 1, 2, 5, 6}},
        {66, 1, {0, 1, 2, 3, 4, 5, 6, 7}},
        {66, 3, {0, 1, 2, 3, 4, 5, 6, 7}},
        {69, 0, {0, 1, 2}},
        {75, 4, {5, 6, 7}},
        {77, 4, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
        {81, 4, {0, 1, 2, 3, 4}},
        {83, 0, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
        {83, 3, {0, 1, 2, 3, 4, 5, 6, 7}},
        {84, 0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
        {90, 3, {0, 1}},
        {91, 0, {0, 1, 2}},
        {93, 0, {0, 1}},
        {95, 0, {0, 1, 2, 4, 8, 9}},
        {96, 2, {0, 1, 2, 4, 8, 9}},
        {100, 1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {363, 0, {0, 1, 2, 3, 4}},
        {363, 2, {0, 1, 2, 3, 4}},
        {366, 3, {0, 1}},
        {366, 4, {0, 1}},
        {616, 0, {0, 1, 2, 3}},
        {616, 1, {0, 1, 2, 3, 4, 5, 6, 7}},
        {616, 4, {0, 1, 2, 3}},
        {617, 4, {0, 1, 2, 3}},
        {652, 0, {0, 1, 2, 3, 4}},
        {669, 5, {0, 1, 2, 3, 4}},
    };
    return all;
}

} // namespace

class TestFactoryTable : public QObject {
    Q_OBJECT

private slots:
    void weightedFieldsAreInRangeAndEncodedAsTheDialogsWriteThem()
    {
        for (const Weighted& w : weightedFields()) {
            const QString text = reg(w.reg);
            const qint64 value = quarn::readDecimalFromDigits(text, w.first, w.n, w.unit);
            const QByteArray where = QByteArray::number(w.reg) + " digit " + QByteArray::number(w.first);
            QVERIFY2(value >= w.min && value <= w.max, where.constData());
            QString rewritten = text;
            QVERIFY2(quarn::writeDecimalIntoDigits(rewritten, w.first, value, w.n, w.unit),
                     where.constData());
            QVERIFY2(rewritten == text, where.constData());
        }
    }

    void listDigitsAreWithinTheirLists()
    {
        for (const ListDigit& l : listDigits())
            QVERIFY2(l.allowed.contains(digit(l.reg, l.k)),
                     qPrintable(QStringLiteral("%1 digit %2").arg(l.reg).arg(l.k)));
    }

    void helpTextValues()
    {
        // Call encoder: every tone and the pause 70 ms.
        QCOMPARE(weighted(82, 0, 2, 10), 70);
        QCOMPARE(weighted(82, 2, 1, 10), 70);
        QCOMPARE(weighted(82, 3, 2, 10), 70);
        // The "Standards..." box of the tone evaluation.
        QCOMPARE(weighted(80, 0, 3, 5), 90);
        QCOMPARE(weighted(81, 0, 3, 5), 90);
        QCOMPARE(weighted(80, 3, 2, 5), 50);
        QCOMPARE(digit(81, 3), 1);
        QCOMPARE(digit(81, 4), 0);
        QCOMPARE(digit(78, 0), 3);
        QCOMPARE(weighted(78, 1, 2, 5), 50);
        QCOMPARE(weighted(78, 3, 2, 5), 150);
        QCOMPARE(weighted(79, 0, 3, 5), 1200);
        QCOMPARE(weighted(79, 3, 2, 5), 50);
        // X-tone count 3-7.
        QVERIFY(reg(81).at(5) >= QLatin1Char('3') && reg(81).at(5) <= QLatin1Char('7'));
    }

    void toneSequencesAsTheDialogsFillThem()
    {
        for (int i = 0; i < 10; ++i) {
            // Decoders: a 5-tone sequence (the factory ID mode) with positions 5-6 "F".
            QCOMPARE(digit(40 + i, 0), 0);
            QCOMPARE(reg(20 + i).mid(5, 2), QStringLiteral("FF"));
            // Telephone decoders: 3-15 tones, a mode of the list.
            QVERIFY(digit(330 + i, 0) >= 3);
            QVERIFY(QList<int>({0, 1, 2, 3, 4, 9}).contains(digit(330 + i, 1)));
            // Target calls in 5-tone mode: digits beyond the call "0".
            QCOMPARE(digit(i, 7), 0);
            QCOMPARE(reg(i).mid(5, 2), QStringLiteral("00"));
        }
        // Standard acknowledgement: the count in digit 7 matches the digits, the rest "0".
        const int count = digit(17, 7);
        QVERIFY(count >= 1 && count <= 7);
        QCOMPARE(reg(17).mid(count, 7 - count), QString(7 - count, QLatin1Char('0')));
        // Beginnruf and Schlussruf: the count, the keys, then "0".
        for (int n : {358, 359}) {
            const int keys = digit(n, 0);
            QVERIFY(keys <= 7);
            QCOMPARE(reg(n).mid(1 + keys), QString(7 - keys, QLatin1Char('0')));
        }
        // Dial-tone table: used lines or "F0000000"; the channel list ends with "FF".
        for (int n = 381; n <= 399; ++n)
            QVERIFY(reg(n) == QStringLiteral("F0000000") || QList<int>({0, 1, 2}).contains(digit(n, 0)));
        QCOMPARE(reg(70).left(2), QStringLiteral("FF"));
    }

    void keyWordsUseOfferedFunctionCodes()
    {
        QList<int> words;
        for (int n = 108; n <= 179; ++n)
            words << n;
        for (int n = 430; n <= 479; ++n)
            words << n;
        for (int n : words) {
            const int code = digit(n, 0);
            QVERIFY2(code <= 9 || code == 11, qPrintable(QString::number(n)));
        }
        // The call key's and Z key's ID modes decide "wie bei Taste programmiert".
        QCOMPARE(reg(172).left(2), QStringLiteral("20"));
        QCOMPARE(reg(174).left(2), QStringLiteral("22"));
    }
};

QTEST_MAIN(TestFactoryTable)
#include "tst_factorytable.moc"
