#include "config/editors/telephone/NFPegel.h"

#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/telephone/FieldRows.h"

#include <QGridLayout>

namespace quarn {

NFPegel::NFPegel(Register* image, QWidget* parent)
    : SettingsDialog(image, parent, tr("Weitere NF-Ausgabepegel"))
{
    auto level = [this](int reg, int maximum) {
        return bind().number(DigitSlot::weighted(reg, 3, 5, 1), 0, maximum);
    };
    // The two speech paths take the full 16 bits, the tone paths half of them.
    content()->addLayout(
        FieldRows::make(this, {
                                  {level(620, 65535), "phoneToRadio", tr("Ausgabepegel Telefon->Funk")},
                                  {level(621, 65535), "radioToPhone", tr("Ausgabepegel Funk->Telefon")},
                                  {level(622, 32767), "toneToRadio", tr("Ausgabepegel Ton->Funk")},
                                  {level(623, 32767), "toneToPhone", tr("Ausgabepegel Ton->Telefon")},
                                  {level(624, 32767), "pilotToRadio", tr("Ausgabepegel Pilotton->Funk")},
                                  {level(625, 32767), "pilotToPhone", tr("Ausgabepegel Pilotton->Telefon")},
                              }));
}

} // namespace quarn
