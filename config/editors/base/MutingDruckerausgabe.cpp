#include "config/editors/base/MutingDruckerausgabe.h"

#include "config/editors/frame/CHexEdit.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quarn {

MutingDruckerausgabe::MutingDruckerausgabe(Register* image, QWidget* parent)
    : SettingsDialog(image, parent, tr("Schlüsseltöne für Muting/Druckerausgabe"))
{
    // Both muting tones: a shorter entry would mute every sequence beginning with it and "0".
    CHexEdit* muting = bind().tones("muting", ToneSlot::exact(18, 0, 2));
    CHexEdit* printer = bind().tones("printer", ToneSlot::upTo(19, 0, 7, u'F'));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Muting bei Tonfolge:"), this), 0, 0);
    grid->addWidget(muting, 0, 1);
    grid->addWidget(new QLabel(tr("(F = beliebiger Ton, EE = aus)"), this), 0, 2);
    grid->addWidget(new QLabel(tr("Druckerausgabe bei:"), this), 1, 0);
    grid->addWidget(printer, 1, 1);
    grid->addWidget(new QLabel(tr("(F = beliebiger Ton)"), this), 1, 2);
    content()->addLayout(grid);

    setHelp(
        tr("Hilfe: Schlüsseltöne für Muting / Druckerausgabe"),
        tr("Eine Tonfolge wird gemutet, wenn ihre ersten 2 Töne mit der Eingabe übereinstimmen; \"F\" steht "
           "für einen beliebigen Ton. \"FF\" mutet also jede Tonfolge ab ihrem zweiten Ton, \"EE\" schaltet "
           "das Muting aus.") +
            QStringLiteral("\n\n") +
            tr("Eine Druckerausgabe (über RS232) erfolgt für jede empfangene Tonfolge, die mit der Eingabe "
               "für die Druckerausgabe übereinstimmt. Auch hier steht \"F\" für einen beliebigen Ton, und "
               "unbenutzte Stellen sind ebenfalls \"F\": bei 5-Tonfolgen müssen die Stellen 6 und 7 \"F\" "
               "sein."));
}

} // namespace quarn
