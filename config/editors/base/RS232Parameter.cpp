#include "config/editors/base/RS232Parameter.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace quarn {

RS232Parameter::RS232Parameter(Register* image, QWidget* parent)
    : SettingsDialog(image, parent, tr("RS232-Parameter"))
{
    // Register 59 digits 0-2, one check box per bit, bit 0 first.
    struct Box {
        const char* text;
        const char* name;
    };
    static const Box boxes[3][4] = {
        {{QT_TR_NOOP("LINE"), "line"},
         {QT_TR_NOOP("CH"), "ch"},
         {QT_TR_NOOP("TX"), "tx"},
         {QT_TR_NOOP("SQL"), "sql"}},
        {{QT_TR_NOOP("Key"), "key"},
         {QT_TR_NOOP("HOOK"), "hook"},
         {QT_TR_NOOP("FFSK"), "ffsk"},
         {QT_TR_NOOP("FMS"), "fms"}},
        {{QT_TR_NOOP("Tonfolge"), "sequence"},
         {QT_TR_NOOP("Notruf"), "emergency"},
         {QT_TR_NOOP("Inbandton"), "inBandTone"},
         {QT_TR_NOOP("Sonderton"), "specialTone"}},
    };
    auto* group = new QGroupBox(tr("Folgende Parameter werden über RS232 ausgegeben"), this);
    auto* grid = new QGridLayout(group);
    for (int k = 0; k < 3; ++k) {
        for (int bit = 0; bit < 4; ++bit) {
            QCheckBox* box =
                bind().flag(boxes[k][bit].name, tr(boxes[k][bit].text), DigitSlot::bits(59, k, 1 << bit));
            grid->addWidget(box, k, bit);
        }
    }
    // The same setting as in the general configuration, read the same way there and here.
    QCheckBox* monitor = bind().flag("rs232Monitor", tr("RS232-Monitor automatisch aktiv nach Einschalten"),
                                     DigitSlot::oddFlag(11, 3));

    content()->addWidget(group);
    content()->addWidget(monitor);
}

} // namespace quarn
