#include "config/editors/base/Druckerparameter.h"

#include "config/editors/frame/IntegerEdit.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace quarn {

Druckerparameter::Druckerparameter(Register* image, QWidget* parent)
    : SettingsDialog(image, parent, tr("Druckerparameter"))
{
    QCheckBox* header = bind().flag("printHeader", tr("Kopf ausdrucken"), DigitSlot::flag(57, 0));
    IntegerEdit* lines = bind().number("linesPerPage", DigitSlot::weighted(57, 1, 2, 1), 1, 165);
    QCheckBox* sent = bind().flag("printSent", tr("gesendeten Ruf ausdrucken"), DigitSlot::flag(58, 0));
    QCheckBox* received =
        bind().flag("printReceived", tr("empfangenen Ruf ausdrucken"), DigitSlot::flag(58, 1));
    QCheckBox* emergency =
        bind().flag("printEmergency", tr("empfangenen Notruf ausdrucken"), DigitSlot::flag(58, 2));

    content()->addWidget(header);
    content()->addLayout(row({new QLabel(tr("Datenzeilen pro Seite (1-165)"), this), lines}));
    content()->addWidget(sent);
    content()->addWidget(received);
    content()->addWidget(emergency);

    setHelp(tr("Hilfe: Druckerparameter"),
            tr("Hier können Sie definieren, was der Doku-Printer über die RS232-Schnittstelle ausgibt. "
               "Zusätzlich "
               "zu den hier vorhandenen Konfigurationsmöglichkeiten müssen unter \"Auswertefunktionen\" die "
               "Schlüsseltöne der Druckerausgabe definiert werden. Nur eingehende Tonfolgen, die diesen "
               "Kriterien "
               "entsprechen werden über RS232 dokumentiert."));
}

} // namespace quarn
