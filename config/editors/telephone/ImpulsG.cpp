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
            {bind().number(DigitSlot::weighted(610, 0, 2, 5)), "pulse",
             tr("ms   Impulsdauer (on hook Zeit)")},
            {bind().number(DigitSlot::weighted(610, 2, 2, 5)), "pulsePause",
             tr("ms   Impulspause (off hook Zeit)")},
            {bind().number(DigitSlot::weighted(610, 4, 4, 5)), "digitPause",
             tr("ms   Pause zwischen 2 Wahlziffern")},
            {bind().number(DigitSlot::weighted(611, 0, 4, 5)), "lead", tr("ms   Impulswahl Vorlaufdauer")},
            {bind().number(DigitSlot::weighted(611, 4, 4, 5)), "trail", tr("ms   Impulswahl Nachlaufdauer")},
        }));
}

} // namespace quarn
