#include "config/editors/telephone/Vox.h"

#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/telephone/FieldRows.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace quarn {

Vox::Vox(Register* image, QWidget* parent) : SettingsDialog(image, parent, tr("VOX-Konfiguration"))
{
    struct Side {
        int reg;
        QString title;
        const char* names[4];
    };
    const Side sides[] = {
        {618, tr("VOX Funk"), {"radioOnLevel", "radioOnTime", "radioOffLevel", "radioOffTime"}},
        {619, tr("VOX Telefon"), {"phoneOnLevel", "phoneOnTime", "phoneOffLevel", "phoneOffTime"}},
    };
    for (const Side& s : sides) {
        auto* box = new QGroupBox(s.title, this);
        auto* layout = new QVBoxLayout(box);
        // Levels 0-99; times in 10 ms steps, 0-990 ms.
        layout->addLayout(FieldRows::make(
            this, {
                      {bind().number(s.names[0], DigitSlot::weighted(s.reg, 0, 2, 1), 0, 99),
                       tr("Mindestpegel für Schwellwert: NF weg -> NF da")},
                      {bind().number(s.names[1], DigitSlot::weighted(s.reg, 2, 2, 10), 0, 990),
                       tr("ms   Mindestzeit: Pegel über Schwellwert (bis NF da)")},
                      {bind().number(s.names[2], DigitSlot::weighted(s.reg, 4, 2, 1), 0, 99),
                       tr("Mindestpegel für Schwellwert: NF da -> NF weg")},
                      {bind().number(s.names[3], DigitSlot::weighted(s.reg, 6, 2, 10), 0, 990),
                       tr("ms   Mindestzeit: Pegel unter Schwellwert (bis NF weg)")},
                  }));
        content()->addWidget(box);
    }
}

} // namespace quarn
