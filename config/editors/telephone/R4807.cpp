#include "config/editors/telephone/R4807.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace quarn {

R4807::R4807(Register* image, QWidget* parent)
    : SettingsDialog(image, parent, tr("Konfiguration R4807 für Telefon"))
{
    const QString texts[] = {
        tr("Funk -> Telefon: Beginnruf + Wahl mit DTMF"),
        tr("Funk -> Telefon: Kurzwahl"),
        tr("Funk -> Telefon: Durchwahl mit Tonfolge"),
        tr("Telefon -> Funk: Durchwahl mit DTMF"),
    };
    for (int k = 0; k < 4; ++k) {
        // Any digit but "0" counts as on; written back as "1" or "0".
        QCheckBox* box =
            bind().flag(QStringLiteral("way%1").arg(k), texts[k], DigitSlot::nonZeroFlag(360, k));
        content()->addWidget(box);
    }
}

} // namespace quarn
