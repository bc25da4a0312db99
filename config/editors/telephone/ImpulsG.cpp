#include "config/editors/telephone/ImpulsG.h"

#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/telephone/FieldRows.h"

#include <QGridLayout>

namespace quarn {

ImpulsG::ImpulsG(Register* image, QWidget* parent) : SettingsDialog(image, parent, tr("Impulsgeber"))
{
    content()->addLayout(FieldRows::make(
        this,
        {
            {bind().number("pulse", DigitSlot::weighted(610, 0, 2, 5)),
             tr("ms   Impulsdauer (on hook Zeit)")},
            {bind().number("pulsePause", DigitSlot::weighted(610, 2, 2, 5)),
             tr("ms   Impulspause (off hook Zeit)")},
            {bind().number("digitPause", DigitSlot::weighted(610, 4, 4, 5)),
             tr("ms   Pause zwischen 2 Wahlziffern")},
            {bind().number("lead", DigitSlot::weighted(611, 0, 4, 5)), tr("ms   Impulswahl Vorlaufdauer")},
            {bind().number("trail", DigitSlot::weighted(611, 4, 4, 5)), tr("ms   Impulswahl Nachlaufdauer")},
        }));
}

} // namespace quarn
