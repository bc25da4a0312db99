#include "config/editors/base/Kennungsauswertung.h"

#include "config/editors/frame/CHexEdit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace quarn {

Kennungsauswertung::Kennungsauswertung(Register* image, QWidget* parent)
    : SettingsDialog(image, parent, tr("Kennungsauswertung"))
{
    // Up to eight key tones; the digits beyond the entry are "F" (ID or unused position).
    CHexEdit* keyTones = bind().tones("keyTones", ToneSlot::upTo(16, 0, 8, u'F'));
    const char* const names[] = {"update", "fifo", "toDisplay", "singleFfsk", "clock"};
    const QString texts[] = {tr("Aktualisierung"), tr("FIFO (first in - first out)"),
                             tr("Kennung sofort ins Display"), tr("einzelne FFSK-Kennungen anzeigen"),
                             tr("Uhrzeit in leerer Kennungszeile anzeigen")};
    auto* memory = new QGroupBox(tr("Kennungsspeicher"), this);
    auto* memoryLayout = new QVBoxLayout(memory);
    for (int k = 0; k < 5; ++k) {
        QCheckBox* box = bind().flag(names[k], texts[k], DigitSlot::flag(86, k));
        memoryLayout->addWidget(box);
    }

    content()->addWidget(new QLabel(tr("Schlüsseltöne (F = Kennungsstelle\nbzw. unbenutzte Stelle)"), this));
    content()->addWidget(keyTones);
    content()->addWidget(memory);

    setHelp(
        tr("Hilfe: Kennungsauswertung"),
        tr("Eine Tonfolge muss zuerst von einem Decoder erkannt werden.") + QStringLiteral("\n\n") +
            tr("Die Stellen, die als Kennung angezeigt werden sollen, werden mit \"F\" kodiert, ebenso die "
               "unbenutzten Stellen (z.B. die Stellen 6 und 7 bei einer 5-Tonfolge). Alle anderen Stellen "
               "müssen übereinstimmen. Bei einer Doppelsequenz wird nur die dafür vorgesehene Folge "
               "ausgewertet. 6-, 7- und 8-Tonfolgen werden unabhängig von dieser Eingabe ausgewertet.") +
            QStringLiteral("\n\n") +
            tr("Aktualisierung: Ist der Speicher mit 10 Einträgen voll, wird der älteste überschrieben.") +
            QStringLiteral("\n") +
            tr("FIFO: Eine Kennung bleibt im Display, bis sie durch langes Drücken von \"#\" gelöscht wird. "
               "Sonst wird die neueste angezeigt, ältere erreicht man durch kurzes Drücken von \"#\".") +
            QStringLiteral("\n") +
            tr("Eine Kennung kann sofort ins Display gehen oder erst nach Drücken von \"#\".") +
            QStringLiteral("\n") + tr("Ohne Kennung kann die Kennungszeile die Uhrzeit anzeigen."));
}

} // namespace quarn
