// The frame every settings dialog shares, seen through real dialogs.
#include "config/editors/base/DECODERKONFIG.h"
#include "config/editors/base/InOutputs.h"
#include "config/editors/base/Rufgeber.h"
#include "config/editors/frame/DecimalFractionEdit.h"
#include "config/editors/frame/IdModeList.h"
#include "config/editors/frame/IntegerEdit.h"
#include "platform/UserDialogs.h"
#include "tests/support/EditorTestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QSlider>

using namespace editortest;
using platform::MessageButtons;
using platform::MessageIcon;

class TestEditorFrame : public QObject {
    Q_OBJECT

private slots:
    void cancelWritesNothing()
    {
        platform::ScriptedUserDialogs boxes;
        quarn::Register image;
        loadFactoryImage(image);
        const QStringList before = snapshot(image);

        quarn::InOutputs io(&image);
        open(&io);
        for (int row = 0; row < 8; ++row)
            io.findChild<QComboBox*>(QStringLiteral("pin%1").arg(row))->setCurrentIndex(5);
        click(&io, "cancelButton");
        QVERIFY(!io.isVisible());

        quarn::DECODERKONFIG decoder(&image, 3);
        open(&decoder);
        child<QCheckBox>(&decoder, "active")->setChecked(true);
        child<QComboBox>(&decoder, "idMode")->setCurrentIndex(8);
        setText(&decoder, "sequence", QStringLiteral("1234"));
        setText(&decoder, "alarmDuration", QStringLiteral("9,9"));
        child<QSlider>(&decoder, "callVolumeSlider")->setValue(7);
        click(&decoder, "cancelButton");

        QCOMPARE(snapshot(image), before);
        QVERIFY(!image.modified);
        QVERIFY(boxes.messages().isEmpty());
    }

    void okWithoutChangeMarksModified()
    {
        platform::ScriptedUserDialogs boxes;
        quarn::Register image;
        loadFactoryImage(image);
        const QStringList before = snapshot(image);
        quarn::InOutputs io(&image);
        open(&io);
        click(&io, "okButton");
        QVERIFY(!io.isVisible());
        QCOMPARE(io.result(), int(QDialog::Accepted));
        QVERIFY(image.modified);
        QCOMPARE(snapshot(image), before);
    }

    void blankImageReadsAsZero()
    {
        platform::ScriptedUserDialogs boxes;
        quarn::Register image; // never loaded: eight blanks everywhere
        quarn::Rufgeber call(&image);
        open(&call);
        QCOMPARE(child<QLineEdit>(&call, "firstTone")->text(), QStringLiteral("0"));
        QCOMPARE(child<QLineEdit>(&call, "xCount")->text(), QStringLiteral("0"));
        QCOMPARE(child<QComboBox>(&call, "idMode")->currentIndex(), 0);
        QCOMPARE(child<QLineEdit>(&call, "sequence")->text(), QStringLiteral("     "));

        quarn::InOutputs io(&image);
        open(&io);
        QCOMPARE(child<QComboBox>(&io, "pin4")->currentIndex(), 0);
        click(&io, "okButton");
        // What it shows is written; the digits it does not own stay blank.
        QCOMPARE(image.registerText(95), QStringLiteral("00000   "));
        QCOMPARE(image.registerText(96), QStringLiteral("000     "));
        QVERIFY(boxes.messages().isEmpty());
    }

    void integerFieldMessagesKeepTheDialogOpen()
    {
        platform::ScriptedUserDialogs boxes;
        quarn::Register image;
        loadFactoryImage(image);
        const QStringList before = snapshot(image);
        quarn::Rufgeber call(&image);
        open(&call);
        call.activateWindow();
        auto* firstTone = child<QLineEdit>(&call, "firstTone");

        setText(&call, "firstTone", QStringLiteral("7a"));
        click(&call, "okButton");
        QCOMPARE(boxes.texts(), QStringList({"Geben Sie eine ganze Zahl ein."}));
        QCOMPARE(boxes.last().icon, MessageIcon::Exclamation);
        QVERIFY(call.isVisible());
        QCOMPARE(QApplication::focusWidget(), firstTone);

        boxes.clear();
        setText(&call, "firstTone", QStringLiteral("1651"));
        click(&call, "okButton");
        QCOMPARE(boxes.texts(), QStringList({"Geben Sie eine ganze Zahl zwischen 0 und 1650 ein."}));
        QVERIFY(call.isVisible());

        boxes.clear();
        setText(&call, "furtherTones", QStringLiteral("151"));
        setText(&call, "firstTone", QStringLiteral("1650"));
        click(&call, "okButton");
        QCOMPARE(boxes.texts(), QStringList({"Geben Sie eine ganze Zahl zwischen 0 und 150 ein."}));
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(&call, "furtherTones"));
        QCOMPARE(snapshot(image), before);
        QVERIFY(!image.modified);

        boxes.clear();
        setText(&call, "furtherTones", QStringLiteral("150"));
        click(&call, "okButton");
        QVERIFY(boxes.messages().isEmpty());
        QCOMPARE(image.registerText(82).left(3), QStringLiteral("FFF")); // 1650 ms and 150 ms
    }

    void lengthMessage()
    {
        platform::ScriptedUserDialogs boxes;
        quarn::DecimalFractionEdit edit(quarn::DecimalFormat::tenths(2));
        edit.setMaxLength(10); // a text longer than its limit reaches the check only this way
        edit.setText(QStringLiteral("1,234"));
        QVERIFY(!edit.checkInput());
        QCOMPARE(boxes.texts(), QStringList({"Geben Sie nicht mehr als 3 Zeichen ein."}));
        edit.setText(QStringLiteral("1,2"));
        QVERIFY(edit.checkInput());
    }

    void decimalFractionDisplayAndParse()
    {
        platform::ScriptedUserDialogs boxes;
        quarn::DecimalFractionEdit edit(quarn::DecimalFormat::tenths(2));
        edit.setSteps(7);
        QCOMPARE(edit.text(), QStringLiteral("1,4"));
        edit.setSteps(15);
        QCOMPARE(edit.text(), QStringLiteral("3,0"));
        edit.setText(QStringLiteral("1.5"));
        QCOMPARE(edit.parseSteps(), std::optional<int>(7));
        edit.setText(QStringLiteral("a"));
        QCOMPARE(edit.parseSteps(), std::nullopt);
        QCOMPARE(boxes.last().caption, QStringLiteral("Fehler"));
        QCOMPARE(boxes.last().text, QStringLiteral("Bitte geben Sie eine Dezimalzahl ein!"));
        edit.setText(QStringLiteral("99x")); // the range check comes first
        QCOMPARE(edit.parseSteps(), std::nullopt);
        QCOMPARE(boxes.last().text, QStringLiteral("Ein eingegebener Wert ist zu hoch/niedrig."));
    }

    void warningBeforeUncheckingANormallyCheckedBox()
    {
        platform::ScriptedUserDialogs boxes;
        quarn::Register image;
        loadFactoryImage(image);
        quarn::Rufgeber call(&image);
        open(&call);
        auto* box = child<QCheckBox>(&call, "sendByCallKey");
        QVERIFY(box->isChecked());

        boxes.setNextAnswer(platform::Answer::No);
        tick(box);
        QVERIFY(box->isChecked());
        QCOMPARE(boxes.messages().size(), 1);
        QCOMPARE(boxes.last().caption, QStringLiteral("Warnhinweis!"));
        QCOMPARE(boxes.last().buttons, MessageButtons::YesNo);
        QCOMPARE(boxes.last().icon, MessageIcon::Exclamation);
        QCOMPARE(
            boxes.last().text,
            QStringLiteral("Dieses Häkchen muss NUR DANN entfernt werden, wenn eine andere Taste als die "
                           "Ruftaste zum Tonfolgesenden verwendet werden soll!!\nWollen Sie das Häkchen "
                           "wirklich entfernen?"));

        boxes.setNextAnswer(platform::Answer::Yes);
        tick(box);
        QVERIFY(!box->isChecked());
        // Checking it again asks nothing.
        tick(box);
        QVERIFY(box->isChecked());
        QCOMPARE(boxes.messages().size(), 2);
    }

    void idModeLists()
    {
        const quarn::IdModeList& sending = quarn::IdModeList::sending();
        QCOMPARE(sending.size(), 9);
        QCOMPARE(sending.texts().at(6), QStringLiteral("4-Tonfolge"));
        QCOMPARE(sending.digitOfPosition(6), 8);
        QCOMPARE(sending.digitOfPosition(7), 9);
        QCOMPARE(sending.digitOfPosition(8), 15);
        QCOMPARE(sending.digitOfPosition(-1), 15);
        QCOMPARE(sending.positionOfDigit(6), -1);
        QCOMPARE(sending.positionOfDigit(15), 8);
        const quarn::IdModeList& decoders = quarn::IdModeList::decoders();
        QCOMPARE(decoders.size(), 14);
        QCOMPARE(decoders.texts().last(), QStringLiteral("Notruf 2x5-Tonfolge (Forstfunk)"));
        QCOMPARE(decoders.positionOfDigit(13), 13);
        QCOMPARE(decoders.positionOfDigit(14), -1);
        QCOMPARE(quarn::IdModeList::ffskEmergency().texts(),
                 QStringList({"nur Ruf(5-Tonfolge)", "Doppelsequenz Ruf, Kennung"}));
    }
};

QTEST_MAIN(TestEditorFrame)
#include "tst_editorframe.moc"
