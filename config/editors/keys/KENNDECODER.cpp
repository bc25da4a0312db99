#include "config/editors/keys/KENNDECODER.h"

#include "config/editors/frame/IntegerEdit.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>

namespace quarn {

KENNDECODER::KENNDECODER(QWidget* parent, QString& word)
    : FunctionEditor(parent, word, 6, tr("Funktion 6: Kennungsspeicher / Decoder"), "6010    ")
{
    // Digit 1: the ID-memory action 0-2, or "3" (anything above 2) for the decoders.
    ChoiceMap subMap = ChoiceMap::of({0, 3}).reading(1, 0).reading(2, 0);
    for (int d = 4; d <= 15; ++d)
        subMap.reading(d, 1);
    QComboBox* sub = subFunction({tr("Kennungsspeicher"), tr("Decoder")}, subMap);

    QFormLayout* memory = nullptr;
    QGroupBox* memoryBox = group(tr("Kennungsspeicher"), &memory);
    QButtonGroup* memoryAction = radios(
        DigitSlot::hex(0, 1),
        {tr("Kennung löschen"), tr("nächste Kennung anzeigen"), tr("aktuelle Kennung anzeigen")}, "memory");
    for (QRadioButton* b : buttonsOf(memoryAction))
        memory->addRow(b);

    QFormLayout* decoder = nullptr;
    QGroupBox* decoderBox = group(tr("Decoder"), &decoder);
    // Decoders 1-10 as one hex digit ("A" is decoder 10).
    IntegerEdit* number = numberOr(DigitSlot::hex(0, 2), 1, 10, 1, "decoder");
    decoder->addRow(tr("Decoder Nr. (1-10):"), number);
    ChoiceMap stateMap = ChoiceMap::of({0, 1, 14});
    for (int d = 2; d <= 15; ++d)
        stateMap.reading(d, 2);
    QButtonGroup* action =
        radios(DigitSlot::hex(0, 3),
               {tr("Decoder ausschalten"), tr("Decoder einschalten"), tr("Decoder toggeln (ein/aus)")},
               "decoderAction", stateMap);
    for (QRadioButton* b : buttonsOf(action))
        decoder->addRow(b);

    bind().enableWhile({memoryBox}, [sub] { return sub->currentIndex() == 0; });
    bind().enableWhile({decoderBox}, [sub] { return sub->currentIndex() == 1; });
    bindingsDone();
}

} // namespace quarn
