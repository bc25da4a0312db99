#include "config/editors/base/Pilotton.h"

#include "config/editors/frame/IntegerEdit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quarn {

Pilotton::Pilotton(Register* image, QWidget* parent) : SettingsDialog(image, parent, tr("Pilotton"))
{
    QComboBox* mode = bind().choice("mode", DigitSlot::hex(69, 0),
                                    {tr("programmierte Pilottonfrequenz"),
                                     tr("TRC mit programmierter Pilottonfrequenz"), tr("DC ohne Pilotton")});
    IntegerEdit* frequency = bind().number("frequency", DigitSlot::weighted(69, 1, 4, 1));
    // The unit counts the blocking time in steps of 20 ms.
    IntegerEdit* blocking = bind().number("blockingTime", DigitSlot::scaled(69, 5, 20), 0, 300);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Modus"), this), 0, 0);
    grid->addWidget(mode, 0, 1, 1, 2);
    grid->addWidget(new QLabel(tr("Frequenz Pilotton:"), this), 1, 0);
    grid->addWidget(frequency, 1, 1);
    grid->addWidget(new QLabel(tr("Hz"), this), 1, 2);
    grid->addWidget(new QLabel(tr("(0 = Pilotton aus bzw. 0=2100Hz bei TRC)"), this), 2, 1, 1, 2);
    grid->addWidget(new QLabel(tr("DC-Auswertersperrzeit nach aktivem Geben"), this), 3, 0);
    grid->addWidget(blocking, 3, 1);
    grid->addWidget(new QLabel(tr("ms"), this), 3, 2);
    content()->addLayout(grid);
}

} // namespace quarn
