// Every settings dialog, opened on a consistent image and confirmed without a change, leaves
// the image as it was (a consistent image holds only what the dialog itself would write).
// A new dialog joins by one row in rows().
#include "config/editors/EditorCatalog.h"
#include "config/editors/base/DECODERKONFIG.h"
#include "config/editors/frame/CHexEdit.h"
#include "config/editors/frame/FieldEdit.h"
#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/frame/SettingsDialog.h"
#include "config/editors/telephone/AMTSTONDECODERTAB.h"
#include "config/editors/telephone/TELDECODERKONFIG.h"
#include "platform/UserDialogs.h"
#include "tests/support/EditorTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSlider>

#include <functional>
#include <memory>

using namespace editortest;
using quarn::Binder;
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
    quarn::EditorTree tree = quarn::EditorTree::Base; // a telephone-tree dialog gets the telephone registers
};

constexpr quarn::EditorTree Telephone = quarn::EditorTree::Telephone;

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

QDialog* catalogDialog(const char* item, Register* image, quarn::EditorTree tree = quarn::EditorTree::Base)
{
    return quarn::createEditor(QString::fromUtf8(item), image, nullptr, tree);
}

std::function<QDialog*(Register*)> telephoneDialog(const char* item)
{
    return [item](Register* r) { return catalogDialog(item, r, Telephone); };
}

// Weighted digits as the dialogs write them: from the left each digit takes as many units of its
// weight as it can, at most "F"; the value must fit exactly.
void setWeighted(Register& r, int reg, int first, int count, int unit, int value)
{
    static const char hex[] = "0123456789ABCDEF";
    int weight = unit;
    for (int k = 1; k < count; ++k)
        weight *= 10;
    for (int k = first; k < first + count; ++k, weight /= 10) {
        const int d = qMin(15, value / weight);
        r.registerText(reg)[k] = QLatin1Char(hex[d]);
        value -= d * weight;
    }
    QCOMPARE(value, 0);
}

// The X-tone count: register 81 digit 5 when it is 3-7, otherwise 5.
int xCountOf(const Register& r)
{
    const int d = r.digit(81, 5);
    return d >= 3 && d <= 7 ? d : 5;
}

// The unit's ID modes as the call encoder and the target calls number them: 0-5, 6 = 4-tone,
// 7 = X-tone. Besides: All, every one of the seven positions; Unlisted, a digit the list does not
// offer; Key, "wie bei Taste programmiert" (the mode programmed at the sending key).
constexpr int All = 100, Unlisted = 101, Key = 102;

// Register digit 7 of a sent sequence → mode.
constexpr int sendingModeOfDigit[16] = {0, 1, 2,        3,        4,        5,        Unlisted, Unlisted,
                                        6, 7, Unlisted, Unlisted, Unlisted, Unlisted, Unlisted, Key};
// The mode programmed in a key register's digit 3; a digit above 9 has no mode of its own.
constexpr int modeOfKeyDigit[16] = {0, 1, 2, 3, 4, 5, 0, 0, 6, 7, All, All, All, All, All, All};

// Tones of a sent sequence by mode (X: the X-tone count).
int sentLength(int mode, int x)
{
    static const QHash<int, int> fixed{{0, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 4}, {All, 7}, {Unlisted, 5}};
    return fixed.value(mode, x); // 1, 2 and 7: X tones
}

// Tones of a decoder's sequence by its mode digit 0-D (X: the X-tone count).
int decoderLength(int modeDigit, int x)
{
    constexpr int X = -1;
    constexpr int lengths[16] = {5, X, X, 5, 5, 5, X, 5, 4, X, 5, 5, 6, 5, 5, 5};
    return lengths[modeDigit] == X ? x : lengths[modeDigit];
}

void consistentCallEncoder(Register& r, QRandomGenerator& g)
{
    setDigitFrom(r, 10, 7, g, {0, 1, 2, 3, 4, 5, 8, 9, 15});
    r.registerText(81)[5] = QChar(u'0' + g.bounded(3, 8)); // X-tone count 3-7
    setDigitFrom(r, 82, 1, g, range(0, 9));                // weighted digits below the leading one
    setDigitFrom(r, 82, 4, g, range(0, 9));
    setDigitFrom(r, 82, 5, g, {0, 1});
    const int x = xCountOf(r);
    int mode = sendingModeOfDigit[r.digit(10, 7)];
    if (mode == Key) // sent by the call key (checked on opening): the call key's mode
        mode = modeOfKeyDigit[r.digit(172, 3)];
    fill(r, 10, sentLength(mode, x), 6, u'0');
    // Where the own "Kennung" ends in register 15; modes without one leave it alone.
    static const QHash<int, int> idEnd{{3, 5}, {4, 5}, {5, 5}, {All, 7}};
    if (mode == 1 || mode == 2)
        fill(r, 15, x, 6, u'0');
    else if (idEnd.contains(mode))
        fill(r, 15, idEnd.value(mode), 6, u'0');
}

MakeConsistent consistentDecoder(int decoder)
{
    return [decoder](Register& r, QRandomGenerator& g) {
        const int t = 20 + decoder;  // its sequence
        const int rb = 40 + decoder; // its mode and reactions
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
        fill(r, 20 + decoder, decoderLength(r.digit(40 + decoder, 0), xCountOf(r)), 6, u'F');
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

// Flags written "1"/"0" hold 0 or 1; weighted digits below the leading one hold 0-9, as the
// dialogs write them back.
void setFlags(Register& r, QRandomGenerator& g, std::initializer_list<QPair<int, int>> digits)
{
    for (const auto& [reg, k] : digits)
        setDigitFrom(r, reg, k, g, {0, 1});
}
void setDecimalDigits(Register& r, QRandomGenerator& g, std::initializer_list<QPair<int, int>> digits)
{
    for (const auto& [reg, k] : digits)
        setDigitFrom(r, reg, k, g, range(0, 9));
}

void consistentGeneral(Register& r, QRandomGenerator& g)
{
    setFlags(r, g, {{11, 3}, {55, 2}});
    setDecimalDigits(r, g, {{51, 1}, {51, 2}, {55, 1}, {101, 1}, {101, 2}, {52, 1}, {52, 2}});
    setDecimalDigits(r, g, {{189, 0}, {189, 1}, {189, 2}}); // below 4,995 V, which is stored as is
}

void consistentSpeaker(Register& r, QRandomGenerator& g)
{
    setDecimalDigits(r, g, {{50, 1}, {50, 2}, {100, 1}});
    setFlags(r, g, {{100, 0}});
}

void consistentPassword(Register& r, QRandomGenerator&)
{
    if (r.registerText(99).startsWith(QLatin1String("FFFFF")))
        r.registerText(99) = QStringLiteral("FFFFFFFF");
}

void consistentPrinter(Register& r, QRandomGenerator& g)
{
    setFlags(r, g, {{57, 0}, {58, 0}, {58, 1}, {58, 2}});
    setDigitFrom(r, 57, 2, g, range(1, 9)); // at least one line per page
}

void consistentRs232(Register& r, QRandomGenerator& g)
{
    setFlags(r, g, {{11, 3}});
}

void consistentSquelch(Register& r, QRandomGenerator& g)
{
    // NF-Squelch on, so that its fields are checked (the factory image has it off); "6" reads
    // back as "2".
    setDigitFrom(r, 56, 0, g, {2, 4, 5, 7, 8, 12, 15});
    setDigitFrom(r, 56, 3, g, range(0, 9));
    setDigitFrom(r, 56, 4, g, {0, 1});
}

void consistentPilotTone(Register& r, QRandomGenerator& g)
{
    for (int k = 2; k <= 4; ++k)
        setDigitFrom(r, 69, k, g, range(0, 9));
}

void consistentRadioMute(Register& r, QRandomGenerator& g)
{
    setDigitFrom(r, 83, 0, g, range(0, 8));
    setDigitFrom(r, 83, 3, g, range(0, 7));
}

void consistentRogerBeep(Register& r, QRandomGenerator& g)
{
    for (int k : {1, 2, 3, 5})
        setDigitFrom(r, 87, k, g, range(0, 9));
    setDigitFrom(r, 87, 6, g, {0, 1});
    setDigitFrom(r, 87, 7, g, {0, 1});
}

void consistentIdEvaluation(Register& r, QRandomGenerator& g)
{
    for (int k = 0; k <= 4; ++k)
        setDigitFrom(r, 86, k, g, {0, 1});
}

void consistentAcknowledgement(Register& r, QRandomGenerator& g)
{
    const int count = g.bounded(1, 8);
    r.setDigit(17, 7, count);
    fill(r, 17, count, 6, u'0');
}

void consistentReferenceValues(Register& r, QRandomGenerator& g)
{
    const std::pair<int, int> lowerWeightedDigits[] = {{80, 1}, {80, 2}, {80, 4}, {81, 1}, {81, 2},
                                                       {78, 2}, {78, 4}, {79, 1}, {79, 2}, {79, 4}};
    for (const auto& [reg, k] : lowerWeightedDigits)
        setDigitFrom(r, reg, k, g, range(0, 9));
}

// Random function words in the telephone-mode key registers (the base ones are random already).
void consistentTelephoneKeys(Register& r, QRandomGenerator& g)
{
    static const char hex[] = "0123456789ABCDEF";
    for (int n = 430; n < 480; ++n) {
        QString text;
        for (int k = 0; k < 8; ++k)
            text += QLatin1Char(hex[g.bounded(16)]);
        r.registerText(n) = text;
    }
}

// LED function 0-4 with parameters in range; a function no entry stands for keeps its digits.
void consistentLeds(Register& r, QRandomGenerator& g)
{
    for (int n = 180; n < 184; ++n) {
        setDigitFrom(r, n, 0, g, range(0, 6));
        switch (r.digit(n, 0)) {
        case 1:
            setDigitFrom(r, n, 1, g, range(1, 7));
            setDigitFrom(r, n, 2, g, {0, 1});
            break;
        case 2:
            setDigitFrom(r, n, 1, g, range(0, 9));
            setDigitFrom(r, n, 2, g, range(0, 9));
            break;
        case 4:
            setDigitFrom(r, n, 1, g, range(1, 10));
            setDigitFrom(r, n, 2, g, {0, 1});
            break;
        }
    }
}

// Pins configured as inputs, so that "OK" asks nothing about the shown input.
void consistentInputs(Register& r, QRandomGenerator& g)
{
    for (int k = 0; k < 5; ++k)
        setDigitFrom(r, 95, k, g, {2, 4, 8});
    for (int k = 0; k < 3; ++k)
        setDigitFrom(r, 96, k, g, {2, 4, 8});
}

MakeConsistent consistentDtmfCall(int reg)
{
    return [reg](Register& r, QRandomGenerator& g) {
        const int n = g.bounded(8);
        r.setDigit(reg, 0, n);
        fill(r, reg, n + 1, 7, u'0');
        setDigitFrom(r, 357, 4, g, {0, 1});
    };
}

void consistentThroughDialling(Register& r, QRandomGenerator& g)
{
    // Mode digits above 4 are kept as they are; their sequences take five tones.
    for (int night = 0; night < 2; ++night) {
        const int mode = r.digit(363, 2 * night);
        const int length = mode == 3 ? 6 : mode == 4 ? 7 : 5;
        fill(r, 361 + night, length, 6, u'0');
    }
    setDigitFrom(r, 361, 7, g, {0, 1});
}

void consistentDtmfTiming(Register& r, QRandomGenerator& g)
{
    for (int reg = 600; reg <= 601; ++reg) {
        setWeighted(r, reg, 0, 4, 5, 5 * g.bounded(16666));
        setWeighted(r, reg, 4, 4, 5, 5 * g.bounded(16666));
    }
    for (int reg = 602; reg <= 607; ++reg)
        setWeighted(r, reg, 3, 5, 1, g.bounded(32768));
}

void consistentDialToneDecoder(Register& r, QRandomGenerator& g)
{
    setWeighted(r, 380, 1, 3, 10, 10 * g.bounded(1666));
    setWeighted(r, 380, 4, 3, 10, 10 * g.bounded(1666));
    setWeighted(r, 614, 3, 5, 1, g.bounded(32768));
}

// One entry of the dial-tone table as the entry dialog writes it.
MakeConsistent consistentDialToneEntry(int entry)
{
    return [entry](Register& r, QRandomGenerator& g) {
        const int reg = 380 + entry;
        const int type = QList<int>{0, 1, 2, 15}.at(g.bounded(4));
        if (type == 15) {
            r.registerText(reg) = QStringLiteral("F0000000");
            if (entry < 19)
                r.setDigit(reg + 1, 0, 1); // no continuation line below to free
            return;
        }
        r.setDigit(reg, 0, type);
        setWeighted(r, reg, 1, 3, 10, 10 * g.bounded(1666));
        setWeighted(r, reg, 4, 3, 10, 10 * g.bounded(1666));
        r.setDigit(reg, 7, 0);
    };
}

void consistentPulseDialling(Register& r, QRandomGenerator& g)
{
    setWeighted(r, 610, 0, 2, 5, 5 * g.bounded(166));
    setWeighted(r, 610, 2, 2, 5, 5 * g.bounded(166));
    setWeighted(r, 610, 4, 4, 5, 5 * g.bounded(16666));
    setWeighted(r, 611, 0, 4, 5, 5 * g.bounded(16666));
    setWeighted(r, 611, 4, 4, 5, 5 * g.bounded(16666));
}

void consistentRingDetector(Register& r, QRandomGenerator& g)
{
    setWeighted(r, 615, 0, 4, 5, 5 * g.bounded(16666));
    setWeighted(r, 615, 4, 4, 5, 5 * g.bounded(16666));
}

void consistentTelephonePilotTone(Register& r, QRandomGenerator& g)
{
    setWeighted(r, 652, 3, 5, 1, g.bounded(32768));
    setWeighted(r, 669, 1, 4, 1, g.bounded(16666));
    setDigitFrom(r, 669, 6, g, {0, 1});
}

// A telephone decoder's configuration as the dialog writes it for its mode; a mode digit the
// list does not know keeps digits 1-7 as they are.
MakeConsistent consistentTelephoneDecoder(int decoder)
{
    return [decoder](Register& r, QRandomGenerator& g) {
        const int c = 330 + decoder;
        const int tones = g.bounded(3, 16);
        r.setDigit(c, 0, tones);
        const int mode = r.digit(c, 1);
        switch (mode) {
        case 0:
        case 9:
            fill(r, c, 2, 7, u'0');
            break;
        case 1: // an unknown action digit is kept
            setDigitFrom(r, c, 3, g, {0, 1});
            fill(r, c, 4, 7, u'0');
            break;
        case 2:
            for (int j = 0; j < 3; ++j) {
                setDigitFrom(r, c, 2 + j, g, range(0, tones));
                if (r.digit(c, 2 + j) == 0)
                    setDigitFrom(r, c, 5 + j, g, range(0, 9));
                else
                    r.setDigit(c, 5 + j, 0);
            }
            break;
        case 3:
            setDigitFrom(r, c, 2, g, range(1, tones));
            setDigitFrom(r, c, 5, g, {0, 1, 2});
            fill(r, c, 6 + r.digit(c, 5), 7, u'0');
            break;
        case 4:
            if (r.digit(c, 2) == 2) {
                setDigitFrom(r, c, 3, g, range(1, tones));
                r.setDigit(c, 7, 0);
            } else {
                fill(r, c, 3, 7, u'0');
            }
            break;
        default:
            break;
        }
    };
}

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

// "aus", "ein" or 1-13 seconds; a stored 14 is kept as it is.
const QList<int> switchDigits = {0, 1, 2, 7, 13, 14, 15};

void consistentTargetCalls(Register& r, QRandomGenerator& g)
{
    decimalBelow(r, 102, 0, 4, g);
    const int x = xCountOf(r);
    for (int call = 0; call < 15; ++call) {
        const int reg = call < 10 ? call : 93 + call; // external calls A-E: registers 103-107
        // Now and then a mode the list does not know: it must survive, with all seven digits.
        if (g.bounded(4) != 0)
            setDigitFrom(r, reg, 7, g, {0, 1, 2, 3, 4, 5, 8, 9, 15});
        int mode = sendingModeOfDigit[r.digit(reg, 7)];
        if (mode == Unlisted || (mode == Key && call >= 10))
            mode = All;
        else if (mode == Key) // calls 0-9 go by the Z key (checked on opening): its mode
            mode = modeOfKeyDigit[r.digit(174, 3)];
        fill(r, reg, sentLength(mode, x), 6, u'0');
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

// The telephone mode: weighted digits below the leading one 0-9, flags 0/1; the rest reads back as
// it is (a dialling or operating-mode digit the lists do not know is kept).
void consistentTelephoneMode(Register& r, QRandomGenerator& g)
{
    setDecimalDigits(r, g, {{191, 7}, {310, 1}, {310, 2}, {365, 1}, {365, 2}, {365, 3}, {365, 5}});
    setDecimalDigits(r, g, {{366, 1}, {366, 2}, {367, 1}, {367, 2}, {368, 1}, {368, 2}});
    setFlags(r, g, {{367, 3}, {369, 2}, {369, 3}});
}

void consistentR4807(Register& r, QRandomGenerator& g)
{
    setFlags(r, g, {{360, 0}, {360, 1}, {360, 2}, {360, 3}});
}

void consistentLineChip(Register& r, QRandomGenerator& g)
{
    setFlags(r, g, {{616, 3}});
}

void consistentAudioDelay(Register& r, QRandomGenerator& g)
{
    decimalBelow(r, 617, 0, 4, g);
}

// Levels 0-99 and times 0-990 ms: every digit 0-9.
void consistentVox(Register& r, QRandomGenerator& g)
{
    decimalDigits(r, 618, 0, 8, g);
    decimalDigits(r, 619, 0, 8, g);
}

void consistentOutputLevels(Register& r, QRandomGenerator& g)
{
    for (int reg = 620; reg <= 625; ++reg)
        setWeighted(r, reg, 3, 5, 1, g.bounded(reg <= 621 ? 65536 : 32768));
}

// Above 255 the field shows the highest level and "OK" stores 255.
void consistentInputLevel(Register& r, QRandomGenerator& g)
{
    setWeighted(r, 627, 0, 3, 1, g.bounded(256));
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
        {"Allgemeine Konfiguration", [](Register* r) { return catalogDialog("Allgemeine Konfiguration", r); },
         consistentGeneral},
        {"Lautsprecherkonfiguration",
         [](Register* r) { return catalogDialog("Lautsprecherkonfiguration", r); }, consistentSpeaker},
        {"User-Passwort", [](Register* r) { return catalogDialog("User-Passwort", r); }, consistentPassword},
        {"Druckerparameter", [](Register* r) { return catalogDialog("Druckerparameter", r); },
         consistentPrinter},
        {"RS232-Parameter", [](Register* r) { return catalogDialog("RS232-Parameter", r); }, consistentRs232},
        {"Squelch-Konfiguration", [](Register* r) { return catalogDialog("Squelch-Konfiguration", r); },
         consistentSquelch},
        {"Pilotton", [](Register* r) { return catalogDialog("Pilotton", r); }, consistentPilotTone},
        {"Radio-Mute", [](Register* r) { return catalogDialog("Radio-Mute", r); }, consistentRadioMute},
        {"Roger-Beep", [](Register* r) { return catalogDialog("Roger-Beep", r); }, consistentRogerBeep},
        {"Kennungsauswertung", [](Register* r) { return catalogDialog("Kennungsauswertung", r); },
         consistentIdEvaluation},
        {"Standardquittung", [](Register* r) { return catalogDialog("Standardquittung", r); },
         consistentAcknowledgement},
        {"Schlüsseltöne für Muting / Druckerausgabe",
         [](Register* r) { return catalogDialog("Schlüsseltöne für Muting / Druckerausgabe", r); },
         {}},
        {"Referenzwerte für Tonfolgeauswertung",
         [](Register* r) { return catalogDialog("Referenzwerte für Tonfolgeauswertung", r); },
         consistentReferenceValues},
        {"Tasten", [](Register* r) { return catalogDialog("Tasten", r); }, {}},
        {"Eingänge", [](Register* r) { return catalogDialog("Eingänge", r); }, consistentInputs},
        {"LEDs", [](Register* r) { return catalogDialog("LEDs", r); }, consistentLeds},
        {"Tastenprogrammierung (im Telefon-Mode)",
         telephoneDialog("Tastenprogrammierung (im Telefon-Mode)"),
         consistentTelephoneKeys,
         true,
         {},
         Telephone},
        {"Kontrolltasten", telephoneDialog("Kontrolltasten"), {}, true, {}, Telephone},
        {"Beginnruf", telephoneDialog("Beginnruf"), consistentDtmfCall(358), true, {}, Telephone},
        {"Schlussruf", telephoneDialog("Schlussruf"), consistentDtmfCall(359), true, {}, Telephone},
        {"Durchwahl (Tel -> Funk)",
         telephoneDialog("Durchwahl (Tel -> Funk)"),
         consistentThroughDialling,
         true,
         {},
         Telephone},
        {"DTMF Geber/Auswerter",
         telephoneDialog("DTMF Geber/Auswerter"),
         consistentDtmfTiming,
         true,
         {},
         Telephone},
        {"Amtstonauswerter",
         telephoneDialog("Amtstonauswerter"),
         consistentDialToneDecoder,
         true,
         {},
         Telephone},
        {"AMTSTONDECODERTAB 1",
         [](Register* r) { return new quarn::AMTSTONDECODERTAB(r, 1); },
         consistentDialToneEntry(1),
         true,
         {},
         Telephone},
        {"AMTSTONDECODERTAB 19",
         [](Register* r) { return new quarn::AMTSTONDECODERTAB(r, 19); },
         consistentDialToneEntry(19),
         true,
         {},
         Telephone},
        {"Impulswahl-Geber",
         telephoneDialog("Impulswahl-Geber"),
         consistentPulseDialling,
         true,
         {},
         Telephone},
        {"\"Ring\"-Auswerter",
         telephoneDialog("\"Ring\"-Auswerter"),
         consistentRingDetector,
         true,
         {},
         Telephone},
        {"Pilotton Geber/Auswerter",
         telephoneDialog("Pilotton Geber/Auswerter"),
         consistentTelephonePilotTone,
         true,
         {},
         Telephone},
        {"Decoder 1-10", telephoneDialog("Decoder 1-10"), {}, false, {}, Telephone},
        {"Konfiguration Telefonmode",
         telephoneDialog("Konfiguration Telefonmode"),
         consistentTelephoneMode,
         true,
         {},
         Telephone},
        {"Konfiguration R48-07 für Telefon",
         telephoneDialog("Konfiguration R48-07 für Telefon"),
         consistentR4807,
         true,
         {},
         Telephone},
        {"Konfiguration Telefon (LX4410C)",
         telephoneDialog("Konfiguration Telefon (LX4410C)"),
         consistentLineChip,
         true,
         {},
         Telephone},
        {"NF-Delay", telephoneDialog("NF-Delay"), consistentAudioDelay, true, {}, Telephone},
        {"VOX-Konfiguration", telephoneDialog("VOX-Konfiguration"), consistentVox, true, {}, Telephone},
        {"Sonstige NF-Ausgabepegel",
         telephoneDialog("Sonstige NF-Ausgabepegel"),
         consistentOutputLevels,
         true,
         {},
         Telephone},
        {"Eingangspegel Telefon",
         telephoneDialog("Eingangspegel Telefon"),
         consistentInputLevel,
         true,
         {},
         Telephone},
        // Talks to the unit only on its own buttons; without a line it just says the port failed.
        {"Kurzwahlspeicher programmieren",
         telephoneDialog("Kurzwahlspeicher programmieren"),
         {},
         false,
         {},
         Telephone},
        {"TELDECODERKONFIG 1",
         [](Register* r) { return new quarn::TELDECODERKONFIG(r, 0); },
         consistentTelephoneDecoder(0),
         true,
         {},
         Telephone},
        {"TELDECODERKONFIG 10",
         [](Register* r) { return new quarn::TELDECODERKONFIG(r, 9); },
         consistentTelephoneDecoder(9),
         true,
         {},
         Telephone},
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

// Seed 0: the factory image; otherwise a random image made consistent for the row's dialog.
void loadImage(Register& image, const Row& r, int row, int seed)
{
    const bool telephone = r.tree == Telephone;
    loadFactoryImage(image, telephone);
    if (seed == 0)
        return;
    QRandomGenerator random(static_cast<quint32>(seed * 7919 + row));
    loadRandomImage(image, random, telephone);
    if (r.makeConsistent)
        r.makeConsistent(image, random);
}

// The digits a dialog's bindings (and those of the dialogs it opens) show in the settings report.
QSet<QPair<int, int>> shownDigits(QDialog* dialog)
{
    QSet<QPair<int, int>> out;
    auto* settings = qobject_cast<quarn::SettingsDialog*>(dialog);
    if (!settings)
        return out;
    QList<QList<Binder::DigitSpan>> spans;
    for (const Binder::Field& f : settings->bind().fields())
        spans << f.spans;
    for (const quarn::SettingsDialog::Page& p : settings->pages())
        spans << p.spans;
    for (const QList<Binder::DigitSpan>& list : spans) {
        for (const Binder::DigitSpan& s : list) {
            for (int k = s.first; k < s.first + s.count; ++k)
                out.insert({s.reg, k});
        }
    }
    for (const quarn::SettingsDialog::Nested& n : settings->nestedDialogs()) {
        std::unique_ptr<QDialog> owned(n.dialog);
        out.unite(shownDigits(owned.get()));
    }
    return out;
}

// The digits of the dialog's own fields (without its pages and the dialogs it opens).
QSet<QPair<int, int>> fieldDigits(QDialog* dialog)
{
    QSet<QPair<int, int>> out;
    if (auto* settings = qobject_cast<quarn::SettingsDialog*>(dialog)) {
        for (const Binder::Field& f : settings->bind().fields()) {
            for (const Binder::DigitSpan& s : f.spans) {
                for (int k = s.first; k < s.first + s.count; ++k)
                    out.insert({s.reg, k});
            }
        }
    }
    return out;
}

// Digits a dialog shows that its "OK" cannot change from the factory image, and why.
QString unchangeable(const char* item)
{
    static const QHash<QString, QString> table{
        // A 7-tone sequence needs the X-tone mode with seven tones, the X-tone count and the
        // sequence changed together: more than one change after another.
        {QStringLiteral("Rufgeber"), QStringLiteral("010/5 010/6 015/5 015/6 081/5")},
        // Seven tones need an X-tone count of 7, which the call encoder sets (5 in the factory image).
        {QStringLiteral("DECODERKONFIG 1"), QStringLiteral("020/6")},
        {QStringLiteral("DECODERKONFIG 10"), QStringLiteral("029/6")},
        // "kein Passwort setzen" writes "FFF" there, which the factory image holds.
        {QStringLiteral("User-Passwort"), QStringLiteral("099/5 099/6 099/7")},
        // The entry writes "0" to its last digit, which the factory image holds.
        {QStringLiteral("AMTSTONDECODERTAB 1"), QStringLiteral("381/7")},
        {QStringLiteral("AMTSTONDECODERTAB 19"), QStringLiteral("399/7")},
        // Calls 0-9 follow the Z key's ID mode (5 tones in the factory image) while the Z key sends
        // them all; unchecking that asks first, and the test declines.
        {QStringLiteral("Zielrufe"),
         QStringLiteral("000/5 000/6 001/5 001/6 002/5 002/6 003/5 003/6 004/5 004/6 "
                        "005/5 005/6 006/5 006/6 007/5 007/6 008/5 008/6 009/5 009/6")},
        // The list packs its channels: a later slot changes only when the fields before it hold one.
        {QStringLiteral("Scannerfunktion"),
         QStringLiteral("070/2 070/3 071/0 071/1 071/2 071/3 072/0 072/1 072/2 072/3 073/0 073/1 073/2 073/3 "
                        "074/0 074/1 074/2 074/3")},
    };
    return table.value(QString::fromUtf8(item));
}

// The controls a user can change, in a fixed order.
QList<QWidget*> inputControls(QDialog* dialog)
{
    QList<QWidget*> out;
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(w)
                ? !qobject_cast<QPushButton*>(w)
                : qobject_cast<QComboBox*>(w) || qobject_cast<QSlider*>(w) ||
                      (qobject_cast<QLineEdit*>(w) && !qobject_cast<QComboBox*>(w->parentWidget())))
            out << w;
    }
    return out;
}

// The values a number field is set to: its ends, their neighbours, and each decimal digit
// repeated, so that between them every digit of its slot takes another value.
QList<int> numbersFor(const quarn::IntegerEdit* edit)
{
    QList<int> out{edit->minimum(), edit->maximum(), edit->minimum() + 1, edit->maximum() - 1,
                   (edit->minimum() + edit->maximum()) / 2};
    const int width = static_cast<int>(QString::number(edit->maximum()).size());
    for (int d : {1, 2, 5}) {
        const int repeated = QString(width, QLatin1Char('0' + d)).toInt();
        out << qBound(edit->minimum(), repeated, edit->maximum())
            << qBound(edit->minimum(), repeated / 10, edit->maximum());
    }
    return out;
}

// How many ways change() knows for the control.
int waysToChange(QWidget* w)
{
    if (qobject_cast<QAbstractButton*>(w))
        return 1;
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return qMax(1, combo->count());
    if (qobject_cast<QSlider*>(w))
        return 2;
    if (auto* number = qobject_cast<quarn::IntegerEdit*>(w))
        return static_cast<int>(numbersFor(number).size());
    return 7; // a text field: four fillings and three decimal fractions
}

// What other changes can alter in a control: whether it takes part, and what it accepts.
QString shapeOf(QWidget* w, QDialog* dialog)
{
    QString shape = QString::number(w->isEnabled() && w->isVisibleTo(dialog));
    if (auto* number = qobject_cast<quarn::IntegerEdit*>(w))
        shape += QStringLiteral(" %1-%2").arg(number->minimum()).arg(number->maximum());
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
        shape += QStringLiteral(" %1").arg(edit->maxLength());
    return shape;
}

// Changes the control as a user would, in its way-th way; false when it takes no part or that
// way shows nothing new.
bool change(QWidget* w, QDialog* dialog, int way = 0)
{
    if (!w->isEnabled() || !w->isVisibleTo(dialog))
        return false;
    if (auto* radio = qobject_cast<QRadioButton*>(w)) {
        if (radio->isChecked())
            return false;
        radio->click();
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        button->click();
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const int index = (combo->currentIndex() + 1 + way) % qMax(1, combo->count());
        if (combo->count() == 0 || index == combo->currentIndex())
            return false;
        combo->setCurrentIndex(index);
    } else if (auto* slider = qobject_cast<QSlider*>(w)) {
        const int value = way == 0 ? slider->minimum() : slider->maximum();
        if (value == slider->value())
            return false;
        slider->setValue(value);
    } else if (auto* number = qobject_cast<quarn::IntegerEdit*>(w)) {
        const int value = numbersFor(number).value(way);
        if (number->minimum() == number->maximum() || number->number() == value)
            return false;
        number->setValue(value);
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        if (edit->isReadOnly())
            return false;
        const int length = qBound(1, edit->maxLength(), 8);
        const QString text = way == 6   ? QStringLiteral("5,5")
                             : way >= 4 ? QStringLiteral("%1,%1%1%1").arg(way - 3)
                                        : QString(length, QLatin1Char("1A20"[way % 4]));
        if (edit->text() == text)
            return false;
        edit->setText(text);
    }
    return true;
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
        loadImage(image, r, row, seed);
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
            for (int seed = 0; seed < 4; seed += 3)
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
        loadImage(image, r, row, seed);
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

    // An untouched dialog is never refused for what the image holds, whatever that is (every digit
    // one value, random), and a number field showing a stored value outside its range
    // leaves that value's digits as they were.
    void untouchedOkKeepsWhatItCannotShow_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("fill"); // one character for every digit, or "random"
        for (int i = 0; i < rows().size(); ++i) {
            for (const char* fill : {"0", "9", "E", "F", "random"})
                QTest::addRow("%s/'%s'", rows().at(i).name, fill) << i << QString::fromLatin1(fill);
        }
    }
    void untouchedOkKeepsWhatItCannotShow()
    {
        QFETCH(int, row);
        QFETCH(QString, fill);
        const Row& r = rows().at(row);
        platform::ScriptedUserDialogs boxes;
        Register image;
        image.telephoneInterface = r.tree == Telephone;
        QRandomGenerator random(static_cast<quint32>(row));
        if (fill == QLatin1String("random"))
            loadRandomImage(image, random, image.telephoneInterface);
        else
            for (int n : Register::numbers(image.telephoneInterface))
                image.registerText(n) = QString(8, fill.at(0));

        std::unique_ptr<QDialog> dialog(r.create(&image));
        open(dialog.get());
        boxes.clear();
        auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("okButton"));
        if (!ok || !ok->isVisible())
            QSKIP("this dialog writes on buttons of its own");
        QList<std::pair<Binder::DigitSpan, QString>> kept;
        if (auto* settings = qobject_cast<quarn::SettingsDialog*>(dialog.get())) {
            for (const Binder::Field& f : settings->bind().fields()) {
                auto* edit = qobject_cast<quarn::IntegerEdit*>(f.controls.value(0));
                const std::optional<int> n = edit ? edit->number() : std::nullopt;
                if (!f.active || !n || (*n >= edit->minimum() && *n <= edit->maximum()))
                    continue;
                for (const Binder::DigitSpan& s : f.spans)
                    kept.append({s, settings->digits().text(s.reg).mid(s.first, s.count)});
            }
        }
        for (int i = 0; i < 4; ++i)
            boxes.setNextAnswer(
                platform::Answer::No); // a question on the way (an unconfigured pin) is declined
        click(dialog.get(), "okButton");
        QVERIFY2(!dialog->isVisible(), qPrintable(boxes.texts().join(QLatin1Char('|'))));
        for (const auto& [s, digits] : kept)
            QCOMPARE(image.registerText(s.reg).mid(s.first, s.count), digits);
    }

    // Showing a dialog again (minimised and restored) keeps every entry the user typed.
    void secondShowKeepsTypedText_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < rows().size(); ++i)
            QTest::addRow("%s", rows().at(i).name) << i;
    }
    void secondShowKeepsTypedText()
    {
        QFETCH(int, row);
        const Row& r = rows().at(row);
        platform::ScriptedUserDialogs boxes;
        Register image;
        loadFactoryImage(image, r.tree == Telephone);
        std::unique_ptr<QDialog> dialog(r.create(&image));
        open(dialog.get());
        QStringList typed;
        for (QLineEdit* e : dialog->findChildren<QLineEdit*>()) {
            if (e->isEnabled() && e->isVisibleTo(dialog.get()) && !e->isReadOnly())
                e->setText(e->text().left(e->text().size() - 1) + QLatin1Char('1'));
        }
        for (QLineEdit* e : dialog->findChildren<QLineEdit*>())
            typed << e->objectName() + QLatin1Char('=') + e->text();
        dialog->hide();
        open(dialog.get());
        QStringList shown;
        for (QLineEdit* e : dialog->findChildren<QLineEdit*>())
            shown << e->objectName() + QLatin1Char('=') + e->text();
        QCOMPARE(shown, typed);
    }

    // What "OK" can change is exactly what the settings report shows: each control in turn is
    // changed in each of its ways on a fresh dialog and confirmed, and again after the changes
    // that switch it on or alter what it accepts (a mode, a length), up to three in a row.
    // Every digit that changes is one the report shows; every digit of the dialog's own fields
    // changes in one of these ways (its pages and the dialogs it opens have rows of their own).
    void reportShowsExactlyTheDigitsOkChanges_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < rows().size(); ++i)
            QTest::addRow("%s", rows().at(i).name) << i;
    }
    void reportShowsExactlyTheDigitsOkChanges()
    {
        QFETCH(int, row);
        const Row& r = rows().at(row);
        platform::ScriptedUserDialogs boxes;
        Register factory;
        loadFactoryImage(factory, r.tree == Telephone);
        QSet<QPair<int, int>> shown, own, changed;
        QStringList shapes;
        QList<int> ways;
        QHash<int, QSet<QPair<int, int>>> digitsOf; // control → the digits of its field
        {
            Register image = factory;
            std::unique_ptr<QDialog> dialog(r.create(&image));
            open(dialog.get());
            auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("okButton"));
            if (!ok || !ok->isVisible())
                QSKIP("this dialog writes on buttons of its own");
            shown = shownDigits(dialog.get());
            own = fieldDigits(dialog.get());
            const QList<QWidget*> all = inputControls(dialog.get());
            for (QWidget* w : all) {
                shapes << shapeOf(w, dialog.get());
                ways << waysToChange(w);
            }
            for (const Binder::Field& f :
                 qobject_cast<quarn::SettingsDialog*>(dialog.get())->bind().fields()) {
                for (QWidget* c : f.controls) {
                    for (const Binder::DigitSpan& s : f.spans) {
                        for (int k = s.first; k < s.first + s.count; ++k)
                            digitsOf[static_cast<int>(all.indexOf(c))].insert({s.reg, k});
                    }
                }
            }
        }
        using Steps = QList<QPair<int, int>>; // (control, way) in order
        QHash<int, QSet<QString>> seenShapes; // every shape a control was seen in
        // Makes the steps on a fresh dialog and confirms; what changed must be shown. Returns the
        // controls the steps brought into a shape not seen before.
        auto confirm = [&](const Steps& steps) {
            QList<int> altered;
            Register image = factory;
            std::unique_ptr<QDialog> dialog(r.create(&image));
            open(dialog.get());
            bool changedOne = false;
            for (const auto& [i, way] : steps)
                changedOne = change(inputControls(dialog.get()).at(i), dialog.get(), way);
            if (!changedOne)
                return altered;
            const QList<QWidget*> now = inputControls(dialog.get());
            for (int j = 0; j < now.size(); ++j) {
                const QString shape = shapeOf(now.at(j), dialog.get());
                if (shape != shapes.at(j) && !seenShapes[j].contains(shape)) {
                    seenShapes[j].insert(shape);
                    altered << j;
                }
            }
            // The digits the report shows in this state (a field can own more of them now).
            const QSet<QPair<int, int>> showing = fieldDigits(dialog.get());
            boxes.clear();
            for (int k = 0; k < 4; ++k)
                boxes.setNextAnswer(platform::Answer::No); // a question on the way is declined
            click(dialog.get(), "okButton");
            if (dialog->isVisible())
                return altered; // refused: nothing written
            for (int n : Register::numbers(image.telephoneInterface)) {
                for (int k = 0; k < 8; ++k) {
                    if (image.registerText(n).at(k) == factory.registerText(n).at(k))
                        continue;
                    changed.insert({n, k});
                    if (!shown.contains({n, k}) && !showing.contains({n, k}))
                        QTest::qFail(
                            qPrintable(QStringLiteral("%1/%2 by %3 changes").arg(n).arg(k).arg(steps.size())),
                            __FILE__, __LINE__);
                }
            }
            return altered;
        };
        // Level 0: every control alone; then the controls each change altered, after it.
        QList<std::pair<Steps, QList<int>>> level{{Steps(), QList<int>()}};
        for (int i = 0; i < shapes.size(); ++i)
            level.first().second << i;
        auto missing = [&] {
            return std::any_of(own.cbegin(), own.cend(), [&](const auto& d) { return !changed.contains(d); });
        };
        for (int depth = 0; depth < 3 && !level.isEmpty() && missing(); ++depth) {
            QList<std::pair<Steps, QList<int>>> next;
            for (const auto& [before, controls] : level) {
                for (int i : controls) {
                    // After the first round only a control with a digit still to find is tried.
                    const QSet<QPair<int, int>> its = digitsOf.value(i);
                    if (depth > 0 && digitsOf.contains(i) &&
                        std::all_of(its.cbegin(), its.cend(),
                                    [&](const auto& d) { return changed.contains(d); }))
                        continue;
                    for (int way = 0; way < ways.at(i); ++way) {
                        const Steps steps = before + Steps{{i, way}};
                        const QList<int> altered = confirm(steps);
                        if (QTest::currentTestFailed())
                            return;
                        if (!altered.isEmpty())
                            next.append({steps, altered});
                    }
                }
            }
            level = next;
        }
        QStringList unchanged;
        for (const auto& [reg, k] : own) {
            if (!changed.contains({reg, k}))
                unchanged << QStringLiteral("%1/%2").arg(reg, 3, 10, QLatin1Char('0')).arg(k);
        }
        unchanged.sort();
        QCOMPARE(unchanged.join(QLatin1Char(' ')), unchangeable(r.name));
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
