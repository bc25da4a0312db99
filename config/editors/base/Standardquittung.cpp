#include "config/editors/base/Standardquittung.h"

#include "config/editors/frame/CHexEdit.h"
#include "config/editors/frame/ToneCounts.h"

#include <QLabel>
#include <QVBoxLayout>

namespace quarn {

Standardquittung::Standardquittung(Register* image, QWidget* parent)
    : SettingsDialog(image, parent, tr("Standardquittung"))
{
    // Digits 0-6 the tones, "0" beyond them; an empty entry would read back as "00000".
    CHexEdit* sequence = bind().tones(
        "sequence", ToneSlot::upTo(17, 0, 7, u'0', 1)
                        .refusingShortWith(tr("Geben Sie mindestens eine Hex-Ziffer (0-9, A-F) ein.")));
    sequence->setAlignment(Qt::AlignHCenter);
    // Digit 7 counts the tones: the field shows that many and OK stores the length of the entry.
    bind().custom(
        {{17, 7}}, {sequence}, {},
        [sequence](DigitSource& s) { s.setDigit(17, 7, static_cast<int>(sequence->text().size())); },
        [this, sequence] {
            sequence->setText(
                sequence->text().left(ToneCounts::acknowledgementLength(digits().digit(17, 7))));
        });

    content()->addLayout(row({new QLabel(tr("Tonfolge:"), this), sequence}, false));
}

} // namespace quarn
