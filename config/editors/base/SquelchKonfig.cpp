#include "config/editors/base/SquelchKonfig.h"

#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/frame/NamedRadio.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quarn {

namespace {
// Register 56 digit 0 holds both the squelch input's logic and whether NF-Squelch is on. With it
// on, "immer inaktiv" sits at position 2 and is stored "2" (an old "6" reads the same); digits
// 8-F open with NF-Squelch on and no selection, and stay as they are.
bool nfSquelchIn(int digit)
{
    return digit == 2 || digit > 3;
}
ChoiceMap logicMap(bool nfSquelch)
{
    return nfSquelch ? ChoiceMap::of({4, 5, 2, 7}).reading(6, 2) : ChoiceMap::of({0, 1, 3});
}
} // namespace

SquelchKonfig::SquelchKonfig(Register* image, QWidget* parent)
    : SettingsDialog(image, parent, QStringLiteral(" "))
{
    const QString always = tr("immer inaktiv");
    auto* logic = named(new QComboBox(this), "squelchInput");
    auto* nf = named(new QCheckBox(tr("NF-Squelch aktivieren"), this), "nfSquelch");
    const DigitSlot logicSlot = DigitSlot::hex(56, 0);
    bind().custom(
        logicSlot, {logic, nf}, {},
        [=](DigitSource& s) {
            if (const std::optional<int> d = logicMap(nf->isChecked()).digitOf(logic->currentIndex()))
                logicSlot.write(s, *d);
        },
        [=, this] {
            const int d = logicSlot.read(digits());
            const QSignalBlocker quietBox(nf), quietList(logic);
            nf->setChecked(nfSquelchIn(d));
            logic->clear();
            logic->addItems({tr("low aktiv"), tr("high aktiv"), tr("low und high aktiv")});
            if (nfSquelchIn(d))
                logic->insertItem(2, always);
            logic->setCurrentIndex(logicMap(nfSquelchIn(d)).positionOf(d));
        });
    IntegerEdit* lag = bind().number("followUpTime", DigitSlot::weighted(56, 2, 2, 10));
    QCheckBox* simplex =
        bind().flag("simplexOnlyWhenNotSending",
                    tr("Auswertung von NF-Squelch bei Simplex nur dann, wenn eigener Sender nicht aktiv"),
                    DigitSlot::invertedFlag(56, 4));

    auto* lagLabel = new QLabel(tr("NF-Squelch Nachlaufzeit (in ms):"), this);
    auto* form = new QFormLayout;
    form->addRow(new QLabel(tr("Konfiguration für Squelch-Eingang:"), this), logic);
    form->addRow(nf);
    form->addRow(lagLabel, lag);
    form->addRow(simplex);
    content()->addLayout(form);

    connect(nf, &QCheckBox::toggled, this, [=, this](bool on) {
        if (on) {
            if (logic->count() == 3)
                logic->insertItem(2, always);
            logic->setCurrentIndex(2);
        } else if (logic->count() == 4) {
            // Off must not leave the list without a selection, or the stored digit (with
            // NF-Squelch on) stays: the removed entry and an unknown digit both select the first.
            const bool firstNeeded = logic->currentIndex() == 2 || logic->currentIndex() < 0;
            logic->removeItem(2);
            if (firstNeeded || logic->currentIndex() < 0)
                logic->setCurrentIndex(0);
        }
    });
    bind().enableWhile({lagLabel, lag, simplex}, {nf}, [nf] { return nf->isChecked(); });

    setHelp(tr("Hilfe: Squelch-Konfiguration"),
            tr("Hier wird die Logik des Squelch-Eingangs programmiert.") + QStringLiteral("\n\n") +
                tr("Ist NF-Squelch aktiviert, wird der Squelch-Eingang normalerweise deaktiviert. Er kann "
                   "aber trotzdem aktiviert werden, um die normale Squelch-Funktion zusätzlich zu erhalten "
                   "oder um den Eingang über die Tastenprogrammierung für andere Zwecke zu nutzen.") +
                QStringLiteral("\n\n") +
                tr("Nach dem Wegfall der NF bleibt Squelch noch für die Nachlaufzeit aktiv.") +
                QStringLiteral("\n\n") +
                tr("Bei Simplex-Betrieb kann die Auswertung von NF-Squelch verhindert werden, solange der "
                   "eigene Sender aktiv ist."));
}

} // namespace quarn
