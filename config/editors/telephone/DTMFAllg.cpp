#include "config/editors/telephone/DTMFAllg.h"

#include "config/editors/frame/CHexEdit.h"
#include "config/editors/frame/NamedRadio.h"

#include <QGridLayout>
#include <QLabel>

namespace quarn {

namespace {
constexpr int KeyRegister = 357;
} // namespace

DTMFAllg::DTMFAllg(Register* image, QWidget* parent) : SettingsDialog(image, parent, tr("DTMF: Allgemein"))
{
    auto* grid = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        // An empty field keeps the key it had: the digit must stay a hex digit.
        CHexEdit* key =
            bind().tones(QStringLiteral("key%1").arg(i), ToneSlot::upTo(KeyRegister, i, 1, QChar()));
        // Its text beside it starts with the digits' legend; screen readers and the report read the key.
        key->setAccessibleName((i % 2 == 0 ? tr("Löschtaste ") : tr("Endetaste ")) +
                               (i < 2 ? tr("vom Funk") : tr("vom Tel")));
        key->setMaximumWidth(key->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
        auto* label = named(new QLabel(tr("(0-F; E=*; F=#)") + QLatin1Char('\t') +
                                           (i % 2 == 0 ? tr("Löschtaste ") : tr("Endetaste ")) +
                                           (i < 2 ? tr("vom Funk") : tr("vom Tel")),
                                       this),
                            QStringLiteral("keyLabel%1").arg(i));
        grid->addWidget(key, i, 0);
        grid->addWidget(label, i, 1);
    }
    grid->setColumnStretch(1, 1);
    content()->addLayout(grid);
}

} // namespace quarn
