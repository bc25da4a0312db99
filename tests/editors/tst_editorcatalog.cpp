// Every settings dialog, opened on a consistent image and confirmed without a change, leaves
// the image as it was (a consistent image holds only what the dialog itself would write).
// A new dialog joins by one row in rows().
#include "CHexEdit.h"
#include "DECODERKONFIG.h"
#include "DecoderTableText.h"
#include "DigitSource.h"
#include "EditorCatalog.h"
#include "EditorTestSupport.h"
#include "FieldEdit.h"
#include "IdModeList.h"
#include "Rufgeber.h"
#include "ToneCounts.h"
#include "UserDialogs.h"
#include "Zielrufe.h"

#include <QPushButton>

#include <functional>
#include <memory>

using namespace editortest;
using quarn::Register;

namespace {

// Random image → one this dialog reads and writes back unchanged.
using MakeConsistent = std::function<void(Register&, QRandomGenerator&)>;

struct Row {
    const char* name; // the tree item text for catalog dialogs
    std::function<QDialog*(Register*)> create;
    MakeConsistent makeConsistent;
    bool marksModified = true; // false: the dialog writes on buttons of its own, not on "OK"
    // Digits the dialog rewrites by design, applied to the expected image.
    std::function<void(Register&)> rewrites = {};
};

void setDigitFrom(Register& r, int reg, int k, QRandomGenerator& random, const QList<int>& allowed)
{
    r.setDigit(reg, k, allowed.at(random.bounded(static_cast<int>(allowed.size()))));
}

QList<int> range(int from, int to)
{
    QList<int> out;
    for (int v = from; v <= to; ++v)
        out << v;
    return out;
}

void fill(Register& r, int reg, int from, int to, QChar c)
{
    for (int k = from; k <= to; ++k)
        r.registerText(reg)[k] = c;
}

QDialog* catalogDialog(const char* item, Register* image)
{
    return quarn::createEditor(QString::fromUtf8(item), image, nullptr);
}

void consistentCallEncoder(Register& r, QRandomGenerator& g)
{
    setDigitFrom(r, 10, 7, g, {0, 1, 2, 3, 4, 5, 8, 9, 15});
    r.registerText(81)[5] = QChar(u'0' + g.bounded(3, 8)); // X-tone count 3-7
    setDigitFrom(r, 82, 1, g, range(0, 9));                // weighted digits below the leading one
    setDigitFrom(r, 82, 4, g, range(0, 9));
    setDigitFrom(r, 82, 5, g, {0, 1});
    const int position = quarn::IdModeList::sending().positionOfDigit(r.digit(10, 7));
    const quarn::Rufgeber::Layout l = quarn::Rufgeber::layoutOf(
        quarn::Rufgeber::effectiveMode(position, true, r.digit(172, 3)), r.digit(81, 5));
    fill(r, 10, l.sequenceLength, 6, u'0');
    if (l.idEnabled)
        fill(r, 15, l.firstIdDigit + l.idLength, 6, u'0');
}

MakeConsistent consistentDecoder(int decoder)
{
    return [decoder](Register& r, QRandomGenerator& g) {
        const int t = quarn::DecoderTableText::toneRegister(decoder);
        const int rb = quarn::DecoderTableText::reactionBRegister(decoder);
        setDigitFrom(r, t, 7, g, {0, 1});
        setDigitFrom(r, rb, 0, g, range(0, 13));
        setDigitFrom(r, rb, 1, g, range(0, 7));
        setDigitFrom(r, rb, 2, g, {0, 1, 5, 13, 15});
        setDigitFrom(r, rb, 3, g, range(0, 5));
        setDigitFrom(r, rb, 4, g, range(0, 3));
        setDigitFrom(r, rb, 5, g, range(0, 7));
    };
}

// Positions of a decoder's sequence beyond its ID mode's length are written "F".
std::function<void(Register&)> decoderUnusedPositions(int decoder)
{
    return [decoder](Register& r) {
        const int x = quarn::ToneCounts::xCount(r.digit(81, 5));
        const int length = quarn::ToneCounts::evaluatorToneCount(
            r.digit(quarn::DecoderTableText::reactionBRegister(decoder), 0), x);
        fill(r, quarn::DecoderTableText::toneRegister(decoder), length, 6, u'F');
    };
}

void consistentInOutputs(Register& r, QRandomGenerator& g)
{
    const QList<int> functions = {0, 1, 2, 4, 8, 9};
    for (int k = 0; k < 5; ++k)
        setDigitFrom(r, 95, k, g, functions);
    for (int k = 0; k < 3; ++k)
        setDigitFrom(r, 96, k, g, functions);
}

// Weighted digits below the leading one decimal, so that the greedy encoding gives them back.
void decimalBelow(Register& r, int reg, int first, int count, QRandomGenerator& g)
{
    for (int k = first + 1; k < first + count; ++k)
        setDigitFrom(r, reg, k, g, range(0, 9));
}

void decimalDigits(Register& r, int reg, int first, int count, QRandomGenerator& g)
{
    for (int k = first; k < first + count; ++k)
        setDigitFrom(r, reg, k, g, range(0, 9));
}

// "aus", "ein" or 1-13 seconds.
const QList<int> switchDigits = {0, 1, 2, 7, 13, 15};

void consistentTargetCalls(Register& r, QRandomGenerator& g)
{
    decimalBelow(r, 102, 0, 4, g);
    const int x = quarn::ToneCounts::xCount(quarn::ImageDigits(r));
    for (int call = 0; call < quarn::Zielrufe::Calls; ++call) {
        const int reg = quarn::Zielrufe::registerOf(call);
        // Now and then a mode the list does not know: it must survive, with all seven digits.
        if (g.bounded(4) != 0)
            setDigitFrom(r, reg, 7, g, {0, 1, 2, 3, 4, 5, 8, 9, 15});
        const int position = quarn::IdModeList::sending().positionOfDigit(r.digit(reg, 7));
        const int length = quarn::Zielrufe::lengthOf(
            quarn::Zielrufe::effectiveMode(call, position, true, r.digit(174, 3)), x);
        fill(r, reg, length, 6, u'0');
    }
}

void consistentFfsk(Register& r, QRandomGenerator& g)
{
    setDigitFrom(r, 90, 3, g, {0, 1});
    setDigitFrom(r, 91, 4, g, {0, 1});
    setDigitFrom(r, 55, 3, g, {0, 1});
    setDigitFrom(r, 55, 4, g, {0, 1});
    setDigitFrom(r, 93, 1, g, range(0, 7));
    setDigitFrom(r, 93, 2, g, switchDigits);
    setDigitFrom(r, 93, 3, g, range(0, 5));
    setDigitFrom(r, 93, 4, g, range(0, 3));
}

void consistentChannelSwitching(Register& r, QRandomGenerator& g)
{
    setDigitFrom(r, 64, 0, g, {0, 1});
    decimalDigits(r, 64, 1, 2, g);
    decimalDigits(r, 65, 0, 4, g);
    setDigitFrom(r, 66, 3, g, range(0, 7));
}

void consistentScanner(Register& r, QRandomGenerator& g)
{
    if (g.bounded(2)) {
        r.registerText(67).replace(0, 2, QStringLiteral("EE"));
        const int channels = g.bounded(11);
        for (int slot = 0; slot < channels; ++slot)
            decimalDigits(r, 70 + slot / 2, 2 * (slot % 2), 2, g);
        if (channels < 10)
            r.registerText(70 + channels / 2).replace(2 * (channels % 2), 2, QStringLiteral("FF"));
    } else {
        decimalDigits(r, 67, 0, 4, g);
    }
    setDigitFrom(r, 68, 0, g, {0, 1});
    const int wait = g.bounded(166); // tenths of a second, encoded as the dialog does
    r.setDigit(68, 1, qMin(15, wait / 10));
    r.setDigit(68, 2, wait - 10 * qMin(15, wait / 10));
}

void consistentGroupCall(Register& r, QRandomGenerator& g)
{
    const int output = g.bounded(8);
    switch (g.bounded(3)) {
    case 0: // inactive
        r.setDigit(84, 0, 15);
        r.setDigit(84, 1, output);
        break;
    case 1: // a tone of the table
        setDigitFrom(r, 84, 0, g, range(0, 14));
        r.setDigit(84, 1, output);
        break;
    default: // "Ruf 1" or "Ruf 2"
        setDigitFrom(r, 84, 0, g, {1, 2});
        r.setDigit(84, 1, output + 8);
    }
    setDigitFrom(r, 84, 2, g, switchDigits);
    setDigitFrom(r, 84, 3, g, range(0, 4));
    setDigitFrom(r, 84, 4, g, range(0, 3));
}

void consistentAlarmEvaluator(Register& r, QRandomGenerator& g)
{
    setDigitFrom(r, 75, 4, g, {5, 6, 7});
    setDigitFrom(r, 77, 0, g, {0, 1});
    setDigitFrom(r, 77, 1, g, range(0, 7));
    setDigitFrom(r, 77, 2, g, switchDigits);
    setDigitFrom(r, 77, 3, g, {0, 1});
}

const QList<Row>& rows()
{
    static const QList<Row> all = {
        {"Einzelnes Register lesen/schreiben",
         [](Register* r) { return catalogDialog("Einzelnes Register lesen/schreiben", r); },
         {},
         false},
        {"Rufgeber", [](Register* r) { return catalogDialog("Rufgeber", r); }, consistentCallEncoder},
        {"Decoder 1-10", [](Register* r) { return catalogDialog("Decoder 1-10", r); }, {}, false},
        {"DECODERKONFIG 1", [](Register* r) { return new quarn::DECODERKONFIG(r, 0); }, consistentDecoder(0),
         true, decoderUnusedPositions(0)},
        {"DECODERKONFIG 10", [](Register* r) { return new quarn::DECODERKONFIG(r, 9); }, consistentDecoder(9),
         true, decoderUnusedPositions(9)},
        {"Konfiguration Ein-/Ausgänge",
         [](Register* r) { return catalogDialog("Konfiguration Ein-/Ausgänge", r); }, consistentInOutputs},
        {"Zielrufe", [](Register* r) { return catalogDialog("Zielrufe", r); }, consistentTargetCalls},
        {"Intercomtonfolge", [](Register* r) { return catalogDialog("Intercomtonfolge", r); }, {}},
        {"FFSK-Modus (+ FMS)", [](Register* r) { return catalogDialog("FFSK-Modus (+ FMS)", r); },
         consistentFfsk},
        {"Konfiguration", [](Register* r) { return catalogDialog("Konfiguration", r); },
         consistentChannelSwitching},
        {"Scannerfunktion", [](Register* r) { return catalogDialog("Scannerfunktion", r); },
         consistentScanner},
        {"Sammelrufauswerter", [](Register* r) { return catalogDialog("Sammelrufauswerter", r); },
         consistentGroupCall},
        {"KR517bD Alarmauswerter", [](Register* r) { return catalogDialog("KR517bD Alarmauswerter", r); },
         consistentAlarmEvaluator},
    };
    return all;
}

QStringList snapshot(const Register& image)
{
    QStringList out;
    for (int n = 0; n < Register::TableSize; ++n)
        out << image.registerText(n);
    return out;
}

} // namespace

class TestEditorCatalog : public QObject {
    Q_OBJECT

private slots:
    void everyCatalogDialogIsCovered()
    {
        for (const quarn::EditorEntry& e : quarn::editorCatalog()) {
            bool found = false;
            for (const Row& row : rows())
                found = found || QString::fromUtf8(row.name) == QString::fromUtf8(e.itemText);
            QVERIFY2(found, e.itemText);
        }
        Register image;
        QVERIFY(quarn::createEditor(QStringLiteral("Kanalschaltung"), &image, nullptr) == nullptr);
        std::unique_ptr<QDialog> call(quarn::createEditor(QStringLiteral("Rufgeber"), &image, nullptr));
        QVERIFY(call);
        QCOMPARE(call->windowTitle(), QStringLiteral("Rufgeber"));
    }

    void confirmingWithoutChangeKeepsAConsistentImage_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("seed"); // 0: the factory image
        for (int i = 0; i < rows().size(); ++i) {
            for (int seed = 0; seed < 4; ++seed)
                QTest::addRow("%s/%d", rows().at(i).name, seed) << i << seed;
        }
    }
    void confirmingWithoutChangeKeepsAConsistentImage()
    {
        QFETCH(int, row);
        QFETCH(int, seed);
        const Row& r = rows().at(row);
        platform::ScriptedUserDialogs boxes;
        Register image;
        loadFactoryImage(image);
        if (seed > 0) {
            QRandomGenerator random(static_cast<quint32>(seed * 7919 + row));
            loadRandomImage(image, random);
            if (r.makeConsistent)
                r.makeConsistent(image, random);
        }
        Register expected = image;
        if (r.rewrites)
            r.rewrites(expected);

        std::unique_ptr<QDialog> dialog(r.create(&image));
        QVERIFY(dialog);
        open(dialog.get());
        boxes.clear(); // a warning shown on opening is not an answer to "OK"
        auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("okButton"));
        if (ok && ok->isVisible())
            click(dialog.get(), "okButton");
        else
            click(dialog.get(), "cancelButton");

        QCOMPARE(boxes.texts(), QStringList());
        QVERIFY(!dialog->isVisible());
        QCOMPARE(snapshot(image), snapshot(expected));
        QCOMPARE(image.modified, r.marksModified);
    }

    // Every field the frame checks refuses text that no digit can hold: "OK" then shows one
    // message, keeps the dialog open and writes nothing; "Abbrechen" afterwards writes nothing either.
    void failingCheckThenCancelChangesNothing_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("seed");
        for (int i = 0; i < rows().size(); ++i) {
            for (int seed = 0; seed < 2; ++seed)
                QTest::addRow("%s/%d", rows().at(i).name, seed) << i << seed;
        }
    }
    void failingCheckThenCancelChangesNothing()
    {
        QFETCH(int, row);
        QFETCH(int, seed);
        const Row& r = rows().at(row);
        platform::ScriptedUserDialogs boxes;
        Register image;
        loadFactoryImage(image);
        if (seed > 0) {
            QRandomGenerator random(static_cast<quint32>(seed * 104729 + row));
            loadRandomImage(image, random);
            if (r.makeConsistent)
                r.makeConsistent(image, random);
        }
        const QStringList before = snapshot(image);
        std::unique_ptr<QDialog> dialog(r.create(&image));
        open(dialog.get());
        auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("okButton"));
        if (!ok || !ok->isVisible())
            QSKIP("this dialog writes on buttons of its own");

        // Every checked field gets something it must refuse; then each one in turn is the culprit.
        QList<QLineEdit*> fields;
        for (QLineEdit* e : dialog->findChildren<QLineEdit*>()) {
            auto* hex = qobject_cast<quarn::CHexEdit*>(e);
            if ((qobject_cast<quarn::FieldEdit*>(e) || (hex && hex->registerDigits())) && e->isEnabled() &&
                e->isVisibleTo(dialog.get()))
                fields << e;
        }
        if (fields.isEmpty())
            QSKIP("no field of this dialog can fail its check");
        for (QLineEdit* e : fields) {
            boxes.clear();
            const QString kept = e->text();
            e->setText(QStringLiteral("x"));
            click(dialog.get(), "okButton");
            QCOMPARE(boxes.messages().size(), 1);
            QVERIFY(dialog->isVisible());
            QCOMPARE(snapshot(image), before);
            QVERIFY(!image.modified);
            e->setText(kept);
        }
        click(dialog.get(), "cancelButton");
        QVERIFY(!dialog->isVisible());
        QCOMPARE(snapshot(image), before);
        QVERIFY(!image.modified);
    }

    void helpChangesNothing_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < rows().size(); ++i)
            QTest::addRow("%s", rows().at(i).name) << i;
    }
    void helpChangesNothing()
    {
        QFETCH(int, row);
        platform::ScriptedUserDialogs boxes;
        Register image;
        loadFactoryImage(image);
        const QStringList before = snapshot(image);
        std::unique_ptr<QDialog> dialog(rows().at(row).create(&image));
        open(dialog.get());
        boxes.clear();
        if (!dialog->findChild<QPushButton*>(QStringLiteral("helpButton"))->isVisible())
            QSKIP("this dialog has no help");
        click(dialog.get(), "helpButton");
        QCOMPARE(boxes.messages().size(), 1);
        QVERIFY(boxes.last().caption.startsWith(QStringLiteral("Hilfe: ")));
        QVERIFY(boxes.last().text.size() > 40);
        QCOMPARE(boxes.last().icon, platform::MessageIcon::Information);
        QVERIFY(dialog->isVisible());
        QCOMPARE(snapshot(image), before);
        QVERIFY(!image.modified);
    }
};

QTEST_MAIN(TestEditorCatalog)
#include "tst_editorcatalog.moc"
