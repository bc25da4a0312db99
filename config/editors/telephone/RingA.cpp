#include "config/editors/telephone/RingA.h"

#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/telephone/FieldRows.h"

#include <QGridLayout>

namespace quarn {

RingA::RingA(Register* image, QWidget* parent) : SettingsDialog(image, parent, tr("\"Ring\"-Auswerter"))
{
    content()->addLayout(
        FieldRows::make(this, {
                                  {bind().number("minRing", DigitSlot::weighted(615, 0, 4, 5)),
                                   tr("ms   min. Ringdauer für gültigen Ring")},
                                  {bind().number("maxPause", DigitSlot::weighted(615, 4, 4, 5)),
                                   tr("ms   max. Ringpause zwischen 2 Rings")},
                              }));
}

} // namespace quarn
