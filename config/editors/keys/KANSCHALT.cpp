#include "config/editors/keys/KANSCHALT.h"

#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/frame/NamedRadio.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>

namespace quarn {

KANSCHALT::KANSCHALT(QWidget* parent, QString& word)
    : FunctionEditor(parent, word, 5, tr("Funktion 5: Kanalwahl / Schaltausgänge"), "5001    ")
{
    // Digit 1 "E" is the switching output; anything else the channel's tens.
    ChoiceMap subMap = ChoiceMap::of({0, 14});
    for (int d = 1; d <= 15; ++d) {
        if (d != 14)
            subMap.reading(d, 0);
    }
    QComboBox* sub = subFunction({tr("Kanalwahl"), tr("Schaltausgänge")}, subMap);

    QFormLayout* channel = nullptr;
    QGroupBox* channelBox = group(tr("Kanalwahl"), &channel);
    QStringList channelTexts = {tr("Kanal Nr. (0-99):"), tr("Arbeitskanal"), tr("Eingabe durch Benutzer")};
    auto* channelKind = new QButtonGroup(this);
    for (int i = 0; i < channelTexts.size(); ++i) {
        auto* b = namedRadio(channelTexts.at(i), QStringLiteral("channelKind%1").arg(i), this);
        channelKind->addButton(b, i);
    }
    // Digits 1-2: "FE" the working channel, "FF" entered by the user, else the channel.
    bind().custom(
        {{0, 1, 2}}, {channelKind->button(0), channelKind->button(1), channelKind->button(2)}, {},
        [channelKind](DigitSource& s) {
            if (channelKind->checkedId() == 1 || channelKind->checkedId() == 2) {
                s.setDigit(0, 1, 15);
                s.setDigit(0, 2, channelKind->checkedId() == 1 ? 14 : 15);
            }
        },
        [this, channelKind] {
            const bool f = digits().digit(0, 1) == 15;
            const int d2 = digits().digit(0, 2);
            channelKind->button(f && d2 == 15 ? 2 : f && d2 == 14 ? 1 : 0)->setChecked(true);
        });
    IntegerEdit* number = numberOr(DigitSlot::weighted(0, 1, 2, 1), 0, 99, 0, "channel");
    channel->addRow(channelKind->button(0), number);
    channel->addRow(channelKind->button(1));
    channel->addRow(channelKind->button(2));

    QFormLayout* output = nullptr;
    QGroupBox* outputBox = group(tr("Schaltausgänge"), &output);
    // Digit 2: the output 1-7, "F" entered at the unit; "0" and above "7" read as entered.
    // A word of the channel selection shows the output defaults (output 1, "Ausgang aus"); the
    // digits come back before anything is written.
    if (digits().digit(0, 1) != 14)
        digits().setCharacters(0, 2, QStringLiteral("10"));
    ChoiceMap outputMap = ChoiceMap::of({1, 15});
    for (int d = 0; d <= 15; ++d)
        outputMap.reading(d, d >= 1 && d <= 7 ? 0 : 1);
    QButtonGroup* outputKind = radios(
        DigitSlot::hex(0, 2), {tr("Ausgang Nr. (1-7):"), tr("Eingabe der Nummer")}, "outputKind", outputMap);
    IntegerEdit* outputNumber = numberOr(DigitSlot::hex(0, 2), 1, 7, 1, "output");
    output->addRow(outputKind->button(0), outputNumber);
    output->addRow(outputKind->button(1));
    ChoiceMap stateMap = ChoiceMap::of({0, 1, 14, 15});
    for (int d = 2; d <= 13; ++d)
        stateMap.reading(d, 3);
    QButtonGroup* state =
        radios(DigitSlot::hex(0, 3),
               {tr("Ausgang aus"), tr("Ausgang an"), tr("Ausgang toggeln"), tr("Eingabe des Zustandes")},
               "state", stateMap);
    for (QRadioButton* b : buttonsOf(state))
        output->addRow(b);

    bind().enableWhile({channelBox}, [sub] { return sub->currentIndex() == 0; });
    bind().enableWhile({number}, {channelKind}, [channelKind] { return channelKind->checkedId() == 0; });
    bind().enableWhile({outputBox}, [sub] { return sub->currentIndex() == 1; });
    bind().enableWhile({outputNumber}, [outputKind] { return outputKind->checkedId() == 0; });
    bindingsDone();
}

} // namespace quarn
