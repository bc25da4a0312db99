#include "config/editors/base/Rogerbeep.h"

#include "config/editors/frame/IntegerEdit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quarn {

Rogerbeep::Rogerbeep(Register* image, QWidget* parent) : SettingsDialog(image, parent, tr("Roger-Beep"))
{
    IntegerEdit* frequency = bind().number("frequency", DigitSlot::weighted(87, 0, 4, 1));
    IntegerEdit* duration = bind().number("duration", DigitSlot::weighted(87, 4, 2, 10));
    QCheckBox* atStart = bind().flag("atStart", tr("Rogerbeep beim Beginn der PTT"), DigitSlot::flag(87, 6));
    QCheckBox* atEnd = bind().flag("atEnd", tr("Rogerbeep beim Ende der PTT"), DigitSlot::flag(87, 7));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Frequenz:"), this), 0, 0);
    grid->addWidget(frequency, 0, 1);
    grid->addWidget(new QLabel(tr("Hz"), this), 0, 2);
    grid->addWidget(new QLabel(tr("Dauer:"), this), 1, 0);
    grid->addWidget(duration, 1, 1);
    grid->addWidget(new QLabel(tr("ms"), this), 1, 2);
    grid->addWidget(atStart, 2, 0, 1, 3);
    grid->addWidget(atEnd, 3, 0, 1, 3);
    content()->addLayout(grid);
}

} // namespace quarn
