#include "config/editors/telephone/NFPegel.h"

#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/telephone/FieldRows.h"

#include <QGridLayout>

namespace quarn {

NFPegel::NFPegel(Register* image, QWidget* parent)
    : SettingsDialog(image, parent, tr("Weitere NF-Ausgabepegel"))
{
    auto level = [this](const char* name, int reg, int maximum) {
        return bind().number(name, DigitSlot::weighted(reg, 3, 5, 1), 0, maximum);
    };
    // The two speech paths take the full 16 bits, the tone paths half of them.
    content()->addLayout(
        FieldRows::make(this, {
                                  {level("phoneToRadio", 620, 65535), tr("Ausgabepegel Telefon->Funk")},
                                  {level("radioToPhone", 621, 65535), tr("Ausgabepegel Funk->Telefon")},
                                  {level("toneToRadio", 622, 32767), tr("Ausgabepegel Ton->Funk")},
                                  {level("toneToPhone", 623, 32767), tr("Ausgabepegel Ton->Telefon")},
                                  {level("pilotToRadio", 624, 32767), tr("Ausgabepegel Pilotton->Funk")},
                                  {level("pilotToPhone", 625, 32767), tr("Ausgabepegel Pilotton->Telefon")},
                              }));
}

} // namespace quarn
