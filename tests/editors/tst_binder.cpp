// The binding kinds of the dialog frame on small owners, table-driven: how each slot reads
// and writes its digits, and that nothing unchecked, disabled, hidden or unselected is written.
#include "config/editors/base/Rufgeber.h"
#include "config/editors/frame/Binder.h"
#include "config/editors/frame/CHexEdit.h"
#include "config/editors/frame/DigitSource.h"
#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/frame/ReactionSettings.h"
#include "config/editors/frame/ToneCounts.h"
#include "platform/UserDialogs.h"
#include "tests/support/EditorTestSupport.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

using namespace editortest;
using quarn::DigitSlot;

Q_DECLARE_METATYPE(DigitSlot)

class TestBinder : public QObject {
    Q_OBJECT

private slots:
    void slotReadAndWrite_data()
    {
        QTest::addColumn<DigitSlot>("slot");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("read");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("written");
        QTest::newRow("hex F") << DigitSlot::hex(0, 2) << "00F00000" << 15 << 3 << "00300000";
        QTest::newRow("hex negative gives F") << DigitSlot::hex(0, 0) << "10000000" << 1 << -1 << "F0000000";
        QTest::newRow("decimal char letter reads 0")
            << DigitSlot::decimalChar(0, 5) << "00000F00" << 0 << 7 << "00000700";
        QTest::newRow("flag only 1") << DigitSlot::flag(0, 1) << "03000000" << 0 << 1 << "01000000";
        QTest::newRow("odd flag") << DigitSlot::oddFlag(0, 1) << "03000000" << 1 << 0 << "00000000";
        QTest::newRow("non-zero flag") << DigitSlot::nonZeroFlag(0, 1) << "07000000" << 1 << 1 << "01000000";
        QTest::newRow("inverted flag") << DigitSlot::invertedFlag(0, 4) << "00000000" << 1 << 0 << "00001000";
        // A blank or non-hex flag digit (a never-read image) reads as "0" in every flag kind.
        QTest::newRow("blank non-zero flag")
            << DigitSlot::nonZeroFlag(0, 1) << "        " << 0 << 1 << " 1      ";
        QTest::newRow("letter non-zero flag")
            << DigitSlot::nonZeroFlag(0, 1) << "0X000000" << 0 << 0 << "00000000";
        QTest::newRow("blank inverted flag")
            << DigitSlot::invertedFlag(0, 4) << "        " << 1 << 1 << "    0   ";
        QTest::newRow("blank flag") << DigitSlot::flag(0, 0) << "        " << 0 << 1 << "1       ";
        QTest::newRow("blank odd flag") << DigitSlot::oddFlag(0, 0) << "        " << 0 << 0 << "0       ";
        QTest::newRow("bit kept others")
            << DigitSlot::bits(0, 4, 0b0010) << "0000D000" << 0 << 1 << "0000F000";
        QTest::newRow("bit cleared") << DigitSlot::bits(0, 4, 0b0001) << "0000F000" << 1 << 0 << "0000E000";
        QTest::newRow("two bits") << DigitSlot::bits(0, 0, 0b1100) << "90000000" << 2 << 3 << "D0000000";
        QTest::newRow("weighted max")
            << DigitSlot::weighted(0, 0, 4, 1) << "00000000" << 0 << 16665 << "FFFF0000";
        QTest::newRow("weighted 10000")
            << DigitSlot::weighted(0, 0, 4, 1) << "12340000" << 1234 << 10000 << "A0000000";
        QTest::newRow("weighted unit 10")
            << DigitSlot::weighted(0, 3, 2, 10) << "000FF000" << 1650 << 120 << "00012000";
        QTest::newRow("weighted unit 5")
            << DigitSlot::weighted(0, 0, 3, 5) << "01800000" << 90 << 8325 << "FFF00000";
        QTest::newRow("scaled rounds down")
            << DigitSlot::scaled(0, 5, 20) << "00000200" << 40 << 50 << "00000200";
        QTest::newRow("blank reads 0")
            << DigitSlot::weighted(0, 0, 3, 1) << "        " << 0 << 5 << "005     ";
    }
    void slotReadAndWrite()
    {
        QFETCH(DigitSlot, slot);
        QFETCH(QString, word);
        QFETCH(int, read);
        QFETCH(int, value);
        QFETCH(QString, written);
        quarn::WordDigits source(word);
        QCOMPARE(slot.read(source), read);
        slot.write(source, value);
        QCOMPARE(source.word(), written);
        QCOMPARE(source.word().size(), word.size());
    }

    // Controls that are disabled, hidden, or without a selection leave their digits alone,
    // whatever they hold.
    void inactiveAndUnselectedControlsWriteNothing()
    {
        platform::ScriptedUserDialogs boxes;
        QWidget owner;
        quarn::WordDigits source(QStringLiteral("9A7C5E3D"));
        quarn::Binder bind(source, &owner);
        quarn::IntegerEdit* disabled = bind.number(DigitSlot::hex(0, 0), 0, 7);
        quarn::IntegerEdit* hidden = bind.number(DigitSlot::hex(0, 1), 0, 7);
        QComboBox* unknown = bind.choice(DigitSlot::hex(0, 2), {"a", "b"}); // "7" is not in the list
        QWidget holder(&owner);
        auto* r1 = new QRadioButton(&holder);
        auto* r2 = new QRadioButton(&holder);
        QButtonGroup* radios = bind.radios(DigitSlot::hex(0, 3), {r1, r2}); // "C" is not either
        QCheckBox* flag = bind.flag(QStringLiteral("f"), DigitSlot::flag(0, 4));
        QCOMPARE(unknown->currentIndex(), -1);
        QCOMPARE(radios->checkedId(), -1);

        disabled->setText(QStringLiteral("abc"));
        disabled->setEnabled(false);
        hidden->setText(QStringLiteral("99"));
        hidden->hide();
        flag->setChecked(true);
        holder.setEnabled(false); // the radio buttons only through their parent
        r1->setChecked(true);
        QVERIFY(bind.commit());
        QVERIFY(boxes.messages().isEmpty());
        QCOMPARE(source.word(), QStringLiteral("9A7C1E3D"));

        holder.setEnabled(true);
        QVERIFY(bind.commit());
        QCOMPARE(source.word(), QStringLiteral("9A701E3D"));
    }

    void manyDigitsReadAsOnePosition()
    {
        QWidget owner;
        quarn::WordDigits source(QStringLiteral("60000000"));
        quarn::Binder bind(source, &owner);
        quarn::ChoiceMap map = quarn::ChoiceMap::of({4, 5, 2, 7});
        map.reading(6, 2);
        QComboBox* combo = bind.choice(DigitSlot::hex(0, 0), {"a", "b", "c", "d"}, map);
        QCOMPARE(combo->currentIndex(), 2);
        QVERIFY(bind.commit());
        QCOMPARE(source.word(), QStringLiteral("20000000")); // what position 2 writes
    }

    void failingCheckWritesNothing()
    {
        platform::ScriptedUserDialogs boxes;
        QWidget owner;
        quarn::WordDigits source(QStringLiteral("12345678"));
        quarn::Binder bind(source, &owner);
        QCheckBox* flag = bind.flag(QStringLiteral("f"), DigitSlot::flag(0, 0));
        quarn::IntegerEdit* number = bind.number(DigitSlot::hex(0, 1), 0, 9);
        bool ruleRan = false;
        bind.rule([&] {
            ruleRan = true;
            return true;
        });
        flag->setChecked(true);
        number->setText(QStringLiteral("10"));
        QVERIFY(!bind.commit());
        QCOMPARE(boxes.texts(), QStringList({"Geben Sie eine ganze Zahl zwischen 0 und 9 ein."}));
        QCOMPARE(boxes.last().caption, QStringLiteral("Quarn7k8k"));
        QVERIFY(!ruleRan); // the first failure ends the checks
        QCOMPARE(source.word(), QStringLiteral("12345678"));
    }

    void toneFields_data()
    {
        QTest::addColumn<int>("minLength");
        QTest::addColumn<int>("span");
        QTest::addColumn<QChar>("pad");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::addColumn<QString>("written");
        const QChar none;
        QTest::newRow("exact") << 5 << 5 << none << "abcde"
                               << ""
                               << "ABCDE678";
        QTest::newRow("exact too short") << 5 << 5 << none << "123"
                                         << "Geben Sie genau 5 Hex-Ziffern (0-9, A-F) ein."
                                         << "FFFFF678";
        QTest::newRow("prefix refused") << 5 << 5 << none << "0x123"
                                        << "Geben Sie nur Hex-Ziffern (0-9, A-F) ein."
                                        << "FFFFF678";
        QTest::newRow("padded") << 0 << 8 << QChar(u'F') << "12"
                                << ""
                                << "12FFFFFF";
        QTest::newRow("empty padded") << 0 << 2 << QChar(u'0') << ""
                                      << ""
                                      << "00FFF678";
        QTest::newRow("optional keeps") << 0 << 1 << none << ""
                                        << ""
                                        << "FFFFF678";
        QTest::newRow("too long") << 0 << 2 << QChar(u'0') << "123"
                                  << "Geben Sie nicht mehr als 2 Zeichen ein."
                                  << "FFFFF678";
    }
    void toneFields()
    {
        QFETCH(int, minLength);
        QFETCH(int, span);
        QFETCH(QChar, pad);
        QFETCH(QString, entry);
        QFETCH(QString, message);
        QFETCH(QString, written);
        platform::ScriptedUserDialogs boxes;
        QWidget owner;
        quarn::WordDigits source(QStringLiteral("FFFFF678"));
        quarn::Binder bind(source, &owner);
        quarn::CHexEdit* edit = bind.tones(quarn::ToneSlot{0, 0, span, minLength, span, pad, {}});
        edit->setMaxLength(10); // what a paste or program could put there
        edit->setText(entry);
        QCOMPARE(bind.commit(), message.isEmpty());
        QCOMPARE(boxes.texts(), message.isEmpty() ? QStringList() : QStringList({message}));
        QCOMPARE(source.word(), written);
    }

    // A number kept in tone digits ("7" -> "007") is padded on the left.
    void leftPaddedToneField_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("written");
        QTest::newRow("one digit") << "7"
                                   << "007F5678";
        QTest::newRow("full") << "a9b"
                              << "A9BF5678";
        QTest::newRow("empty") << ""
                               << "000F5678";
    }
    void leftPaddedToneField()
    {
        QFETCH(QString, entry);
        QFETCH(QString, written);
        QWidget owner;
        quarn::WordDigits source(QStringLiteral("FFFF5678"));
        quarn::Binder bind(source, &owner);
        quarn::CHexEdit* edit = bind.tones(quarn::ToneSlot::leftPadded(0, 0, 3, QLatin1Char('0')));
        QCOMPARE(edit->text(), QStringLiteral("FFF"));
        edit->setText(entry);
        QVERIFY(bind.commit());
        QCOMPARE(source.word(), written);
    }

    // An output number that shares its digit with a flag of the dialog keeps that bit.
    void reactionOutputInLowBits()
    {
        platform::ScriptedUserDialogs boxes;
        QWidget owner;
        quarn::WordDigits source(QStringLiteral("0B000000"));
        quarn::Binder bind(source, &owner);
        auto* reaction = new quarn::ReactionSettings(
            bind, 0, 0, quarn::ReactionSettings::SwitchOutput | quarn::ReactionSettings::OutputInLowBits, 5,
            &owner);
        auto* output = child<QLineEdit>(reaction, "outputNumber");
        QCOMPARE(output->text(), QStringLiteral("3"));
        output->setText(QStringLiteral("6"));
        QVERIFY(bind.commit());
        QCOMPARE(source.word(), QStringLiteral("0E000000"));
        output->setText(QStringLiteral("8"));
        QVERIFY(!bind.commit());
        QCOMPARE(boxes.texts(), QStringList({"Geben Sie eine ganze Zahl zwischen 0 und 7 ein."}));
    }

    void registerDigitFieldsTakeNoPrefix()
    {
        quarn::CHexEdit edit;
        edit.setRegisterDigits(true);
        edit.setFocus();
        QTest::keyClicks(&edit, QStringLiteral("0xa1"));
        QCOMPARE(edit.text(), QStringLiteral("0A1"));
        QVERIFY(!edit.admits(QStringLiteral("0x12")));
    }

    void convertShowsTheWholeResult()
    {
        quarn::CHexEdit edit;
        edit.setMaxLength(4);
        edit.setText(QStringLiteral("9999"));
        edit.convert();
        QCOMPARE(edit.text(), QStringLiteral("0x270F"));
    }

    void fractionWithClamp_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("written");
        QTest::newRow("4,995") << "4,995"
                               << "999";
        QTest::newRow("above the ceiling") << "5,000"
                                           << "950";
        QTest::newRow("point") << "0.95"
                               << "190";
    }
    void fractionWithClamp()
    {
        QFETCH(QString, entry);
        QFETCH(QString, written);
        QWidget owner;
        quarn::WordDigits source(QStringLiteral("00000000"));
        quarn::Binder bind(source, &owner);
        quarn::DecimalFormat volts{5, 1, 3, 5, 0, quarn::DecimalFormat::Range::ThreeDigits, 0, {}, {}};
        volts.clamp = [](int steps) { return steps >= 1000 ? 950 : steps; };
        quarn::DecimalFractionEdit* edit = bind.fraction(DigitSlot::weighted(0, 0, 3, 1), volts);
        QCOMPARE(edit->text(), QStringLiteral("0,000"));
        edit->setText(entry);
        QVERIFY(bind.commit());
        QCOMPARE(source.word().left(3), written);
        bind.reload(edit);
        QCOMPARE(edit->text().size(), 5);
    }

    void rulesFollowTheirControls()
    {
        QWidget owner;
        quarn::WordDigits source(QStringLiteral("10000000"));
        quarn::Binder bind(source, &owner);
        QCheckBox* on = bind.flag(QStringLiteral("on"), DigitSlot::flag(0, 0));
        quarn::IntegerEdit* field = bind.number(DigitSlot::hex(0, 1), 2, 9);
        QWidget other(&owner);
        bind.enableWhile({field}, [on] { return on->isChecked(); });
        bind.showWhile({&other}, [on] { return !on->isChecked(); });
        QVERIFY(field->isEnabled());
        QVERIFY(!other.isVisibleTo(&owner));
        on->setChecked(false);
        QVERIFY(!field->isEnabled());
        QVERIFY(other.isVisibleTo(&owner));
        QVERIFY(bind.commit()); // "0" is outside 2-9, but the field is disabled
        QCOMPARE(source.word(), QStringLiteral("00000000"));
    }

    void registerCopyIsWrittenBackWhole()
    {
        quarn::Register image;
        for (int n = 130; n < 180; ++n)
            image.registerText(n) = QStringLiteral("00000000");
        quarn::RegisterCopy copy(image, 130, 50);
        copy.setDigit(131, 2, 10);
        copy.setDigit(180, 0, 1); // outside the copy: ignored
        QCOMPARE(image.registerText(131), QStringLiteral("00000000"));
        copy.writeBack(image);
        QCOMPARE(image.registerText(131), QStringLiteral("00A00000"));
        QVERIFY(image.modified);
    }

    void clamps()
    {
        QCOMPARE(quarn::ToneCounts::xCount(9), 5);
        QCOMPARE(quarn::ToneCounts::xCount(3), 3);
        QCOMPARE(quarn::ToneCounts::evaluatorToneCount(12, 3), 6);
        QCOMPARE(quarn::ToneCounts::evaluatorToneCount(8, 7), 4);
        QCOMPARE(quarn::ToneCounts::sendingModeOfKeyDigit(7), 0);
        QCOMPARE(quarn::ToneCounts::sendingModeOfKeyDigit(9), 7);
        QCOMPARE(quarn::ToneCounts::sendingModeOfKeyDigit(10), quarn::ToneCounts::AllPositions);
        QCOMPARE(quarn::ToneCounts::acknowledgementLength(0), 5);
        QCOMPARE(quarn::ToneCounts::acknowledgementLength(12), 7);
    }

    // A disabled X-tone count is neither checked nor written, whatever it holds.
    void disabledXCountIsNotWritten_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::newRow("9") << "9";
        QTest::newRow("abc") << "abc";
    }
    void disabledXCountIsNotWritten()
    {
        QFETCH(QString, entry);
        platform::ScriptedUserDialogs boxes;
        quarn::Register image;
        loadFactoryImage(image);
        image.registerText(10) = QStringLiteral("12345000"); // 5-tone: the count is disabled
        image.registerText(81)[5] = QLatin1Char('4');
        quarn::Rufgeber call(&image);
        open(&call);
        auto* count = child<QLineEdit>(&call, "xCount");
        QVERIFY(!count->isEnabled());
        count->setText(entry);
        click(&call, "okButton");
        QCOMPARE(boxes.texts(), QStringList());
        QCOMPARE(image.registerText(81).at(5), QLatin1Char('4'));
    }

    // Enter right after typing a new count checks the lengths for that count.
    void enterAfterChangingTheXCountChecksTheNewLengths()
    {
        platform::ScriptedUserDialogs boxes;
        quarn::Register image;
        loadFactoryImage(image);
        image.registerText(10) = QStringLiteral("12345009"); // X-tone
        image.registerText(81)[5] = QLatin1Char('5');
        quarn::Rufgeber call(&image);
        open(&call);
        call.activateWindow();
        auto* count = child<QLineEdit>(&call, "xCount");
        count->setFocus();
        count->setText(QStringLiteral("7"));
        QTest::keyClick(count, Qt::Key_Return);
        QCOMPARE(boxes.messages().size(), 1);
        QVERIFY(call.isVisible());
        QCOMPARE(image.registerText(81).at(5), QLatin1Char('5'));
    }
};

QTEST_MAIN(TestBinder)
#include "tst_binder.moc"
