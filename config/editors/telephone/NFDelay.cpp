#include "config/editors/telephone/NFDelay.h"

#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/telephone/FieldRows.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>

namespace quarn {

namespace {
constexpr int DelayRegister = 617;
} // namespace

NFDelay::NFDelay(Register* image, QWidget* parent) : SettingsDialog(image, parent, tr("NF-Delay"))
{
    // The whole range of the four digits is offered whatever the compression: the unit limits
    // the delay to what its buffer holds.
    content()->addLayout(
        FieldRows::make(this, {{bind().number("delay", DigitSlot::weighted(DelayRegister, 0, 4, 1)),
                                tr("ms NF-Delay (Telefon -> Funk)")}}));
    QComboBox* compression =
        bind().choice("compression", DigitSlot::hex(DelayRegister, 4),
                      {tr("keine (max. 740ms)"), tr("A-law (max. 1480ms)"),
                       tr("halbe Baudrate (max. 1480ms)"), tr("A-law und halbe Baudrate (max. 29600ms)")});
    auto* form = new QFormLayout;
    form->addRow(tr("Komprimierung:"), compression);
    content()->addLayout(form);
}

} // namespace quarn
