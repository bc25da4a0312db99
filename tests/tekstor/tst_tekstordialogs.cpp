// The edit dialogs of Tekstor: range edits with number insertion, the 24-character rule,
// the bullet for blanks, the counter and the own-text configuration.
#include "displaytexts/app/CExtEdit.h"
#include "displaytexts/app/KanaeleBearbeiten.h"
#include "displaytexts/app/Kennung.h"
#include "displaytexts/app/TexteBearbeiten.h"
#include "displaytexts/texts/Cp1252.h"
#include "platform/UserDialogs.h"

#include "tests/support/WidgetHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace tekstor;

namespace {
const QByteArray Bullet("\x95");

QList<int> range(int first, int last)
{
    QList<int> numbers;
    for (int n = first; n <= last; ++n)
        numbers.append(n);
    return numbers;
}

// Types into the text field as a user would; a bullet is typed as the blank that makes it.
void type(QWidget* dialog, QString text)
{
    auto* edit = child<CExtEdit>(dialog, "textEdit");
    edit->setFocus();
    QTest::keyClicks(edit, text.replace(BulletChar, QLatin1Char(' ')));
}

void setText(QWidget* dialog, const QString& text)
{
    auto* edit = child<CExtEdit>(dialog, "textEdit");
    edit->clear();
    type(dialog, text);
}

void clickOk(QWidget* dialog)
{
    QTest::mouseClick(child<QPushButton>(dialog, "okButton"), Qt::LeftButton);
}
} // namespace

class TekstorDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void idRangeInsertsEachNumber();
    void oneDigitAtDefaultStartKeepsLastCharacter();
    void channelDigitsAtStart();
    void wrongLengthIsRefusedEverywhere();
    void startPositionOutOfRange();
    void typedBlankBecomesBulletAndCounterFollowsCursor();
    void openingShowsFirstTextAndFlag();
    void noNumbersSaysSo();
    void englishCaptionsAndHelp();
    void printerTextConfiguration();
    void shortOwnTextOpensWithZeros();
    void ownTextTypeEnablesItsControls();
};

void TekstorDialogsTest::idRangeInsertsEachNumber()
{
    platform::ScriptedUserDialogs dialogs;
    Register store;
    Kennung dialog(nullptr, Language::German, store, range(100, 199));
    setText(&dialog, QStringLiteral("ABCDE") + QString(19, BulletChar));
    child<QComboBox>(&dialog, "digitsToRetain")->setCurrentIndex(3);
    QCOMPARE(child<QLineEdit>(&dialog, "startPosition")->text(), QStringLiteral("21"));
    QVERIFY(child<QLineEdit>(&dialog, "startPosition")->isEnabled());
    clickOk(&dialog);

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialogs.messages().isEmpty());
    QCOMPARE(store.idText(142), QByteArray("1ABCDE") + Bullet.repeated(16) + "142");
    QCOMPARE(store.idText(100), QByteArray("1ABCDE") + Bullet.repeated(16) + "100");
    QCOMPARE(store.idText(199), QByteArray("1ABCDE") + Bullet.repeated(16) + "199");
    QCOMPARE(store.idText(99), Register::defaultIdText());
    QCOMPARE(store.idText(200), Register::defaultIdText());
}

void TekstorDialogsTest::oneDigitAtDefaultStartKeepsLastCharacter()
{
    platform::ScriptedUserDialogs dialogs;
    Register store;
    Kennung dialog(nullptr, Language::German, store, {7, 45});
    setText(&dialog, QStringLiteral("Wache") + QString(18, BulletChar) + QStringLiteral("Z"));
    auto* digits = child<QComboBox>(&dialog, "digitsToRetain");
    digits->setCurrentIndex(1);
    QCOMPARE(child<QLineEdit>(&dialog, "startPosition")->text(), QStringLiteral("22"));
    clickOk(&dialog);
    QCOMPARE(store.idText(45), QByteArray("1Wache") + Bullet.repeated(17) + "5Z");
    QCOMPARE(store.idText(7), QByteArray("1Wache") + Bullet.repeated(17) + "7Z");

    // Back to none: the start field is off and every ID gets the same text.
    Kennung same(nullptr, Language::German, store, {1, 2});
    child<QComboBox>(&same, "digitsToRetain")->setCurrentIndex(2);
    child<QComboBox>(&same, "digitsToRetain")->setCurrentIndex(0);
    QVERIFY(!child<QLineEdit>(&same, "startPosition")->isEnabled());
    setText(&same, QString(24, QLatin1Char('Q')));
    clickOk(&same);
    QCOMPARE(store.idText(1), QByteArray("1") + QByteArray(24, 'Q'));
    QCOMPARE(store.idText(2), store.idText(1));
}

void TekstorDialogsTest::channelDigitsAtStart()
{
    platform::ScriptedUserDialogs dialogs;
    Register store;
    store.resetChannelTexts();
    KanaeleBearbeiten dialog(nullptr, Language::German, store, {7});
    setText(&dialog, QStringLiteral("xxKanal") + QString(17, QLatin1Char('$')));
    child<QComboBox>(&dialog, "digitsToRetain")->setCurrentIndex(2);
    // Channels keep the start position that was there.
    QCOMPARE(child<QLineEdit>(&dialog, "startPosition")->text(), QStringLiteral("0"));
    clickOk(&dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(store.channelText(7), QByteArray("107Kanal") + QByteArray(17, '$'));
}

void TekstorDialogsTest::wrongLengthIsRefusedEverywhere()
{
    platform::ScriptedUserDialogs dialogs;
    Register store;
    store.resetChannelTexts();
    const QString short23(23, QLatin1Char('A'));

    Kennung id(nullptr, Language::German, store, {3});
    setText(&id, short23);
    clickOk(&id);
    QCOMPARE(dialogs.last().text, QStringLiteral("Sie müssen genau 24 Zeichen Eingeben!"));
    QVERIFY(dialogs.last().caption.isEmpty());
    QCOMPARE(id.result(), int(QDialog::Rejected));
    QCOMPARE(store.idText(3), Register::defaultIdText());

    KanaeleBearbeiten channel(nullptr, Language::English, store, {3});
    setText(&channel, short23);
    clickOk(&channel);
    QCOMPARE(dialogs.last().text, QStringLiteral("Your input must be exactly 24 characters!"));
    QCOMPARE(store.channelText(3), Register::defaultChannelText());

    const QByteArray before = store.ownText(3);
    TexteBearbeiten own(nullptr, Language::German, store, 3);
    setText(&own, short23);
    clickOk(&own);
    QCOMPARE(dialogs.last().text, QStringLiteral("Sie müssen genau 24 Zeichen Eingeben!"));
    QCOMPARE(store.ownText(3), before);
    QCOMPARE(dialogs.messages().size(), 3);

    // The entered text stays for a correction.
    QCOMPARE(child<CExtEdit>(&own, "textEdit")->text(), short23);
}

void TekstorDialogsTest::startPositionOutOfRange()
{
    platform::ScriptedUserDialogs dialogs;
    Register store;
    Kennung dialog(nullptr, Language::German, store, {5});
    setText(&dialog, QString(24, QLatin1Char('A')));
    child<QComboBox>(&dialog, "digitsToRetain")->setCurrentIndex(3);
    auto* start = child<QLineEdit>(&dialog, "startPosition");
    start->setText(QStringLiteral("22"));
    dialogs.clear();
    clickOk(&dialog);
    QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("Please enter an integer between 0 and 21.")});
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(store.idText(5), Register::defaultIdText());

    // Taking the dialog data after a text change reports it as well.
    type(&dialog, QStringLiteral("x"));
    QCOMPARE(dialogs.messages().size(), 1); // a full field takes no character: no change
    child<CExtEdit>(&dialog, "textEdit")->backspace();
    QTest::keyClick(child<CExtEdit>(&dialog, "textEdit"), Qt::Key_B);
    QVERIFY(dialogs.messages().size() >= 2);
    QCOMPARE(dialogs.last().text, QStringLiteral("Please enter an integer between 0 and 21."));

    start->setText(QStringLiteral("21"));
    clickOk(&dialog);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(store.idText(5).right(3), QByteArray("005"));
}

void TekstorDialogsTest::typedBlankBecomesBulletAndCounterFollowsCursor()
{
    platform::ScriptedUserDialogs dialogs;
    Register store;
    Kennung dialog(nullptr, Language::German, store, {1});
    auto* edit = child<CExtEdit>(&dialog, "textEdit");
    auto* counter = child<QLabel>(&dialog, "counter");
    auto* shown = child<QCheckBox>(&dialog, "shown");
    shown->setChecked(false);
    edit->clear();
    type(&dialog, QStringLiteral("A B"));
    QCOMPARE(edit->text(), QStringLiteral("A") + BulletChar + QStringLiteral("B"));
    QCOMPARE(counter->text(), QStringLiteral("3/3"));
    QVERIFY(shown->isChecked()); // editing the text shows it

    QTest::keyClick(edit, Qt::Key_Home);
    QCOMPARE(counter->text(), QStringLiteral("0/3"));
    QTest::keyClick(edit, Qt::Key_Right);
    QCOMPARE(counter->text(), QStringLiteral("1/3"));

    // Pasted blanks become bullets too, the cursor stays where it was.
    edit->setCursorPosition(1);
    edit->insert(QStringLiteral("  "));
    QCOMPARE(edit->text(), QStringLiteral("A") + QString(3, BulletChar) + QStringLiteral("B"));
    QTest::keyClick(edit, Qt::Key_End);
    QCOMPARE(counter->text(), QStringLiteral("5/5"));

    type(&dialog, QString(19, QLatin1Char('c')));
    QCOMPARE(counter->text(), QStringLiteral("24/24"));
    clickOk(&dialog);
    QCOMPARE(store.idText(1), QByteArray("1A") + Bullet.repeated(3) + "B" + QByteArray(19, 'c'));
    QVERIFY(dialogs.messages().isEmpty());
}

void TekstorDialogsTest::openingShowsFirstTextAndFlag()
{
    platform::ScriptedUserDialogs dialogs;
    Register store;
    store.setIdText(10, QByteArray("0Gr\xfc\xdf"
                                   "e") +
                            Bullet.repeated(19));
    store.setIdText(11, QByteArray("1") + QByteArray(24, 'Z'));
    Kennung dialog(nullptr, Language::German, store, {10, 11});
    QCOMPARE(child<CExtEdit>(&dialog, "textEdit")->text(), QStringLiteral("Grüße") + QString(19, BulletChar));
    QVERIFY(!child<QCheckBox>(&dialog, "shown")->isChecked());
    QCOMPARE(child<QLabel>(&dialog, "counter")->text(), QStringLiteral("0/24"));

    // OK without a change writes the first text to both, keeping "not shown".
    clickOk(&dialog);
    QCOMPARE(store.idText(11), store.idText(10));
    QCOMPARE(store.idText(10).left(1), QByteArray("0"));

    // A flag read from the unit other than "0" counts as shown.
    store.setChannelText(4, QByteArray("7") + QByteArray(24, 'k'));
    KanaeleBearbeiten channel(nullptr, Language::German, store, {4});
    QVERIFY(child<QCheckBox>(&channel, "shown")->isChecked());
}

void TekstorDialogsTest::noNumbersSaysSo()
{
    platform::ScriptedUserDialogs dialogs;
    Register store;
    KanaeleBearbeiten dialog(nullptr, Language::German, store, {});
    dialog.show();
    QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("Nichts ausgewählt!")});
    QVERIFY(dialogs.last().caption.isEmpty());
    QVERIFY(dialog.isVisible());
    QVERIFY(child<CExtEdit>(&dialog, "textEdit")->text().isEmpty());

    Kennung english(nullptr, Language::English, store, {});
    english.show();
    QCOMPARE(dialogs.last().text, QStringLiteral("No choice has been made!"));
}

void TekstorDialogsTest::englishCaptionsAndHelp()
{
    platform::ScriptedUserDialogs dialogs;
    Register store;
    Kennung id(nullptr, Language::English, store, {1});
    QCOMPARE(id.windowTitle(), QStringLiteral("Edit ID texts"));
    QCOMPARE(child<QCheckBox>(&id, "shown")->text(), QStringLiteral("display it"));
    QCOMPARE(child<QPushButton>(&id, "cancelButton")->text(), QStringLiteral("Cancel"));
    QCOMPARE(child<QPushButton>(&id, "helpButton")->text(), QStringLiteral("Help..."));
    QVERIFY(id.findChild<QLabel*>() != nullptr);
    QStringList labels;
    for (auto* label : id.findChildren<QLabel*>())
        labels << label->text();
    QVERIFY(labels.contains(QStringLiteral("ID text:")));
    QVERIFY(labels.contains(QStringLiteral("Digits to retain:")));
    QVERIFY(labels.contains(QStringLiteral("Starting at digit:")));
    QTest::mouseClick(child<QPushButton>(&id, "helpButton"), Qt::LeftButton);
    QCOMPARE(dialogs.last().caption, QStringLiteral("Help: ID texts"));
    QVERIFY(
        dialogs.last().text.startsWith(QStringLiteral("Here the texts for each ID-code can be customized.")));
    QVERIFY(dialogs.last().text.contains(QStringLiteral("depicted as \"\u2022\"")));

    KanaeleBearbeiten channel(nullptr, Language::German, store, {1});
    QCOMPARE(channel.windowTitle(), QStringLiteral("Kanaltexte bearbeiten"));
    QTest::mouseClick(child<QPushButton>(&channel, "helpButton"), Qt::LeftButton);
    QCOMPARE(dialogs.last().caption, QStringLiteral("Hilfe: Kanaltexte bearbeiten"));
    QVERIFY(dialogs.last().text.contains(QStringLiteral("Leerzeichen als '\u2022' dargestellt")));

    TexteBearbeiten own(nullptr, Language::English, store, 0);
    QCOMPARE(own.windowTitle(), QStringLiteral("Edit texts"));
    QCOMPARE(child<QCheckBox>(&own, "billFeed")->text(), QStringLiteral("bill feed before text"));
    QTest::mouseClick(child<QPushButton>(&own, "helpButton"), Qt::LeftButton);
    QVERIFY(dialogs.last().text.endsWith(QStringLiteral("CRLF = carriage return / line feed\n")));
}

void TekstorDialogsTest::printerTextConfiguration()
{
    platform::ScriptedUserDialogs dialogs;
    Register store;
    store.setOwnText(12, QByteArray("Druck") + Bullet.repeated(19) + "D5000000");
    TexteBearbeiten dialog(nullptr, Language::German, store, 12);
    QCOMPARE(child<QLabel>(&dialog, "textType")->text(), QStringLiteral("Druckertext"));
    QCOMPARE(child<QComboBox>(&dialog, "digitsToPrint")->currentText(), QStringLiteral("5"));
    child<QComboBox>(&dialog, "crlfCount")->setCurrentIndex(3);
    QCOMPARE(child<QComboBox>(&dialog, "crlfCount")->currentText(), QStringLiteral("3xCRLF"));
    child<QComboBox>(&dialog, "digitsToPrint")->setCurrentIndex(11); // 12 digits -> "<"
    child<QCheckBox>(&dialog, "billFeed")->setChecked(true);
    clickOk(&dialog);
    const QByteArray stored = store.ownText(12);
    QCOMPARE(stored.size(), 32);
    QCOMPARE(stored.left(24), QByteArray("Druck") + Bullet.repeated(19));
    QCOMPARE(stored.mid(24), QByteArray("D<100003"));
    QCOMPARE(stored.at(26), '1'); // position 27: bill feed
    QCOMPARE(stored.at(31), '3'); // position 32: CR LF count
}

void TekstorDialogsTest::shortOwnTextOpensWithZeros()
{
    platform::ScriptedUserDialogs dialogs;
    Register store;
    store.setOwnText(4, QByteArray("Kurz"));
    TexteBearbeiten dialog(nullptr, Language::German, store, 4);
    QCOMPARE(child<CExtEdit>(&dialog, "textEdit")->text(), QStringLiteral("Kurz"));
    QCOMPARE(child<QLabel>(&dialog, "textType")->text(), QStringLiteral("nur Text"));
    // Position 32 is "0", which no display line stands for: nothing is chosen.
    QCOMPARE(child<QComboBox>(&dialog, "displayLine")->currentIndex(), -1);
    setText(&dialog, QString(24, QLatin1Char('k')));
    clickOk(&dialog);
    QCOMPARE(store.ownText(4), QByteArray(24, 'k') + "00000000");

    // An empty entry (after a short file) opens the same way.
    store.setOwnText(5, QByteArray());
    TexteBearbeiten empty(nullptr, Language::German, store, 5);
    QCOMPARE(child<QLabel>(&empty, "textType")->text(), QStringLiteral("nur Text"));
    setText(&empty, QString(24, QLatin1Char('e')));
    child<QComboBox>(&empty, "displayLine")->setCurrentIndex(1);
    clickOk(&empty);
    QCOMPARE(store.ownText(5), QByteArray(24, 'e') + "00000002");
}

void TekstorDialogsTest::ownTextTypeEnablesItsControls()
{
    platform::ScriptedUserDialogs dialogs;
    Register store;
    // Type 3: input from 10 (":"), second input 20 ("D"), line 2.
    store.setOwnText(1, QByteArray(24, 'a') + "3:D00002");
    TexteBearbeiten dialog(nullptr, Language::English, store, 1);
    QCOMPARE(child<QLabel>(&dialog, "textType")->text(), QStringLiteral("text with 2x input digits"));
    QVERIFY(child<QComboBox>(&dialog, "inputFrom")->isEnabled());
    QVERIFY(child<QComboBox>(&dialog, "secondInput")->isEnabled());
    QVERIFY(child<QComboBox>(&dialog, "displayLine")->isEnabled());
    QVERIFY(!child<QComboBox>(&dialog, "inputUpTo")->isEnabled());
    QVERIFY(!child<QComboBox>(&dialog, "digitsToPrint")->isEnabled());
    QVERIFY(!child<QComboBox>(&dialog, "crlfCount")->isEnabled());
    QVERIFY(!child<QCheckBox>(&dialog, "billFeed")->isEnabled());
    QCOMPARE(child<QComboBox>(&dialog, "inputFrom")->currentText(), QStringLiteral("10"));
    QCOMPARE(child<QComboBox>(&dialog, "secondInput")->currentText(), QStringLiteral("20"));
    QCOMPARE(child<QComboBox>(&dialog, "displayLine")->currentText(), QStringLiteral("2"));
    child<QComboBox>(&dialog, "secondInput")->setCurrentIndex(23); // 24 -> "H"
    clickOk(&dialog);
    QCOMPARE(store.ownText(1), QByteArray(24, 'a') + "3:H00002");

    store.setOwnText(2, QByteArray(24, 'b') + "2?000001");
    TexteBearbeiten upTo(nullptr, Language::German, store, 2);
    QVERIFY(child<QComboBox>(&upTo, "inputUpTo")->isEnabled());
    QVERIFY(!child<QComboBox>(&upTo, "inputFrom")->isEnabled());
    QCOMPARE(child<QComboBox>(&upTo, "inputUpTo")->currentText(), QStringLiteral("15"));
    clickOk(&upTo);
    QCOMPARE(store.ownText(2), QByteArray(24, 'b') + "2?000001");
}

QTEST_MAIN(TekstorDialogsTest)
#include "tst_tekstordialogs.moc"
