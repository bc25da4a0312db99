#include "config/editors/keys/RUF.h"

#include "config/editors/frame/CHexEdit.h"
#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/frame/NamedRadio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>

namespace quarn {

namespace {
enum Kind { Entered, CallBack, Target, Intercom, ExternalTarget, ChannelRemote, AlarmQuery };

bool hasCallOptions(int kind)
{
    return kind == Entered || kind == CallBack || kind == Target || kind == ExternalTarget;
}
} // namespace

RUF::RUF(QWidget* parent, QString& word)
    : FunctionEditor(parent, word, 2, tr("Funktion 2: Ruf senden"), "20001   ")
{
    QComboBox* kind = choice(DigitSlot::hex(0, 1),
                             {tr("eingegebenen Ruf senden"), tr("Rückruf senden"), tr("Zielruf senden"),
                              tr("Intercom senden"), tr("externen Zielruf senden"), tr("Kanalfernschaltung"),
                              tr("Alarmabfrage senden")},
                             "kind");
    form()->addRow(tr("Art des Rufs:"), kind);

    // Intercom, channel remote switching and alarm query carry no call options: digits 3 and 4
    // are "0" (the intercom check box below then sets digit 3).
    bind().custom({{0, 3, 2}}, {}, {}, [kind](DigitSource& s) {
        const int k = kind->currentIndex();
        if (k == Intercom || k == ChannelRemote || k == AlarmQuery) {
            s.setDigit(0, 3, 0);
            s.setDigit(0, 4, 0);
        }
    });

    QFormLayout* options = nullptr;
    QGroupBox* optionsBox = group(tr("Ruf-Optionen"), &options);
    // Positions 0-6 are digits 0-6, then 4-tone 8 and X-tone 9; a stored 7 opens as "Pagerruf".
    QComboBox* mode =
        choice(DigitSlot::hex(0, 3),
               {tr("5-Tonfolge"), tr("Doppelsequenz Ruf, Kennung (X-Tonfolge)"),
                tr("Doppelsequenz Kennung, Ruf (X-Tonfolge)"), tr("6-Tonfolge"), tr("7-Tonfolge"),
                tr("8-Tonfolge"), tr("Pagerruf"), tr("4-Tonfolge"), tr("X-Tonfolge (3-7)")},
               ChoiceMap::of({0, 1, 2, 3, 4, 5, 6, 8, 9}).reading(7, 6), "idMode");
    options->addRow(tr("ID-Mode:"), mode);
    CHexEdit* coupling = oneDigit(4, "couplingTone");
    options->addRow(tr("Tonruf-Modus: Koppelton (0-E) oder Pause (F) bei Doppelsequenz"), coupling);
    options->addRow(new QLabel(tr("FFSK-Modus: Betriebs- artenkennzeichen (BAK)"), optionsBox));

    QFormLayout* target = nullptr;
    QGroupBox* targetBox = group(tr("Zielruf senden"), &target);
    auto* enterTarget = named(new QCheckBox(tr("Eingabe Zielrufnummer"), this), "enterTarget");
    bind().custom(
        {{0, 2}}, {enterTarget}, {},
        [enterTarget](DigitSource& s) {
            if (enterTarget->isChecked())
                s.setDigit(0, 2, 15);
        },
        [this, enterTarget] { enterTarget->setChecked(digits().digit(0, 2) > 9); });
    IntegerEdit* targetNumber = numberOr(DigitSlot::hex(0, 2), 0, 9, 0, "targetNumber");
    auto* targetLabel = new QLabel(tr("Zielruf Nr.(0-9):"), this);
    target->addRow(targetLabel, targetNumber);
    target->addRow(enterTarget);

    QFormLayout* intercom = nullptr;
    QGroupBox* intercomBox = group(tr("Intercom senden"), &intercom);
    // Only these four actions exist; any other digit opens without selection and is kept.
    QComboBox* action = choice(DigitSlot::hex(0, 2),
                               {tr("Intercom aus"), tr("Intercom an"), tr("Intercom toggeln (an/aus)"),
                                tr("Eingabe Intercomzustand")},
                               ChoiceMap::of({0, 1, 14, 15}), "intercomAction");
    intercom->addRow(action);
    QCheckBox* intercomCall = bind().flag("intercomCall", tr("Intercomruf senden"), DigitSlot::flag(0, 3));
    intercom->addRow(intercomCall);

    QFormLayout* external = nullptr;
    QGroupBox* externalBox = group(tr("Externen Zielruf senden"), &external);
    CHexEdit* externalTarget = oneDigit(2, "externalTarget");
    external->addRow(tr("Zielruf Nr.(0-E):"), externalTarget);

    QFormLayout* remote = nullptr;
    QGroupBox* remoteBox = group(tr("Kanalfernschaltung"), &remote);
    QComboBox* remoteKind = choice(
        DigitSlot::hex(0, 2), {tr("Kanalfernschaltruf senden"), tr("Kanalabfrage senden")}, "remoteKind");
    remote->addRow(remoteKind);

    bind().enableWhile({optionsBox}, [kind] { return hasCallOptions(kind->currentIndex()); });
    bind().enableWhile({targetBox}, [kind] { return kind->currentIndex() == Target; });
    bind().enableWhile({targetNumber, targetLabel}, {enterTarget},
                       [enterTarget] { return !enterTarget->isChecked(); });
    bind().enableWhile({intercomBox}, [kind] { return kind->currentIndex() == Intercom; });
    bind().enableWhile({externalBox}, [kind] { return kind->currentIndex() == ExternalTarget; });
    bind().enableWhile({remoteBox}, [kind] { return kind->currentIndex() == ChannelRemote; });
    bindingsDone();
}

} // namespace quarn
