#include "config/editors/keys/PTT.h"

#include "config/editors/frame/CHexEdit.h"
#include "config/editors/frame/DecimalFractionEdit.h"
#include "config/editors/frame/NamedRadio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

namespace quarn {

namespace {
enum Sub { FromKey, FromInput, MicSwitching, Off };
}

PTT::PTT(QWidget* parent, QString& word) : FunctionEditor(parent, word, 3, tr("Funktion 3: PTT"), "30000   ")
{
    // Digit 1: 4 * sub-function + microphone for sub-functions 0 and 1, "8" for switching,
    // "F" for "PTT aus"; read back 0-3, 4-7, 8, 9-F.
    auto* sub = named(new QComboBox(this), "subFunction");
    sub->addItems({tr("PTT von Taste (Ende bei Loslassen)"), tr("PTT von Eingang (Ende mit \"PTT aus\")"),
                   tr("Umschaltung Schwanenhals-/Headsetmikro"), tr("PTT aus")});
    auto* mic = named(new QComboBox(this), "microphone");
    mic->addItems({tr("Schwanenhalsmikro"), tr("Headsetmikro"), tr("Handhörermikro"),
                   tr("Schwanenhals- oder Headsetmikro")});
    bind().custom(
        {{0, 1}}, {sub}, {},
        [sub, mic](DigitSource& s) {
            switch (sub->currentIndex()) {
            case FromKey:
            case FromInput:
                s.setDigit(0, 1, 4 * sub->currentIndex() + qMax(0, mic->currentIndex()));
                break;
            case MicSwitching:
                s.setDigit(0, 1, 8);
                break;
            case Off:
                s.setDigit(0, 1, 15);
                break;
            }
        },
        [this, sub, mic] {
            const int d = digits().digit(0, 1);
            sub->setCurrentIndex(d < 4 ? FromKey : d < 8 ? FromInput : d == 8 ? MicSwitching : Off);
            mic->setCurrentIndex(d < 8 ? d % 4 : 0);
        });
    form()->addRow(tr("Unterfunktion:"), sub);
    auto* micLabel = new QLabel(tr("Mikrofon:"), this);
    form()->addRow(micLabel, mic);

    // Sub-functions 0 and 1.
    // "Kennung bei PTT-Start/-Ende": "4" when checked, "0" when not.
    auto idFlag = [this](const QString& text, int k, const char* name) {
        auto* box = named(new QCheckBox(text, this), name);
        bind().custom(
            {{0, k}}, {box}, {}, [box, k](DigitSource& s) { s.setDigit(0, k, box->isChecked() ? 4 : 0); },
            [this, box, k] { box->setChecked((digits().digit(0, k) & 4) != 0); });
        return box;
    };
    QCheckBox* idAtStart = idFlag(tr("Kennung bei PTT-Start"), 2, "idAtStart");
    QCheckBox* idAtEnd = idFlag(tr("Kennung bei PTT-Ende"), 3, "idAtEnd");
    CHexEdit* idTarget = oneDigit(4, "idTarget");
    auto* idTargetLabel = new QLabel(tr("Kennung ist Zielruf Nr. (0-E):"), this);
    form()->addRow(QString(), idAtStart);
    form()->addRow(QString(), idAtEnd);
    form()->addRow(idTargetLabel, idTarget);

    // Sub-function 2; digits 3-D are no switching this program knows and stay as they are.
    QComboBox* switching =
        choice(DigitSlot::hex(0, 2),
               {tr("Schwanenhalsmikro an"), tr("Headsetmikro an"), tr("automatische Headset-Erkennung"),
                tr(" Schwanenhals/Headset toggeln"), tr("Eingabe")},
               ChoiceMap::of({0, 1, 2, 14, 15}), "micSwitching");
    auto* switchingLabel = new QLabel(tr("Mikrofonumschaltung:"), this);
    DecimalFractionEdit* hintTime =
        bind().fraction("hintTime", DigitSlot::hex(0, 3), DecimalFormat::tenths(1));
    auto* hintLabel = new QLabel(tr("Anzeigedauer Hinweistext (0,0-1,5 s):"), this);
    form()->addRow(switchingLabel, switching);
    form()->addRow(hintLabel, hintTime);

    auto keyed = [sub] { return sub->currentIndex() == FromKey || sub->currentIndex() == FromInput; };
    bind().enableWhile({micLabel, mic, idAtStart, idAtEnd, idTargetLabel, idTarget}, {sub}, keyed);
    bind().enableWhile({switchingLabel, switching, hintLabel, hintTime}, {sub},
                       [sub] { return sub->currentIndex() == MicSwitching; });
    bindingsDone();
}

} // namespace quarn
