#include "config/editors/base/RadioMute.h"

#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/frame/NamedRadio.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quarn {

RadioMute::RadioMute(Register* image, QWidget* parent) : SettingsDialog(image, parent, tr("Radio-Mute"))
{
    IntegerEdit* output = bind().number("output", DigitSlot::hex(83, 0), 0, 8);
    // Digit 1: bit 0 mute on RX, bit 1 mute on TX, bit 2 the output's polarity; bit 3 is kept.
    auto* lowOnMute = namedRadio(tr("Mute aktiv"), "lowOnMute", this);
    auto* lowOnNoMute = namedRadio(tr("kein Mute"), "lowOnNoMute", this);
    bind().radios(DigitSlot::bits(83, 1, 0b0100), {lowOnMute, lowOnNoMute});
    QCheckBox* onRx = bind().flag("onRx", tr("RX aktiv"), DigitSlot::bits(83, 1, 0b0001));
    QCheckBox* onTx = bind().flag("onTx", tr("TX aktiv"), DigitSlot::bits(83, 1, 0b0010));
    IntegerEdit* followUp = bind().number("followUpTime", DigitSlot::hex(83, 2), 0, 15);
    IntegerEdit* hook = bind().number("hookOutput", DigitSlot::hex(83, 3), 0, 7);

    auto* polarity = new QGroupBox(tr("Ausgang ist aktiv low, wenn"), this);
    auto* polarityLayout = new QVBoxLayout(polarity);
    polarityLayout->addWidget(lowOnMute);
    polarityLayout->addWidget(lowOnNoMute);
    auto* trigger = new QGroupBox(tr("Radio-Mute, wenn"), this);
    auto* triggerLayout = new QVBoxLayout(trigger);
    triggerLayout->addWidget(onRx);
    triggerLayout->addWidget(onTx);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Ausgang für Radio-Mute"), this), 0, 0);
    grid->addWidget(output, 0, 1);
    grid->addWidget(new QLabel(tr("(0=aus ; 8=TX)"), this), 0, 2);
    grid->addWidget(polarity, 1, 0, 1, 3);
    grid->addWidget(trigger, 2, 0, 1, 3);
    grid->addWidget(new QLabel(tr("Nachlaufzeit"), this), 3, 0);
    grid->addWidget(followUp, 3, 1);
    grid->addWidget(new QLabel(tr("s (0-15)"), this), 3, 2);
    grid->addWidget(new QLabel(tr("HOOK-Kontakt-Ausgang"), this), 4, 0);
    grid->addWidget(hook, 4, 1);
    grid->addWidget(new QLabel(tr("(1-7 ; 0=aus)"), this), 4, 2);
    content()->addLayout(grid);

    setHelp(tr("Hilfe: Radio-Mute"),
            tr("Hier wird ein Ausgang für Radio-Mute konfiguriert.") + QStringLiteral("\n\n") +
                tr("Die Nachlaufzeit hält das Mute noch aktiv, nachdem sein Auslöser (RX und/oder TX) "
                   "weggefallen ist.") +
                QStringLiteral("\n\n") +
                tr("Zusätzlich kann ein Ausgang für den HOOK-Kontakt gewählt werden.") +
                QStringLiteral("\n\n") +
                tr("Die betroffenen Ein- und Ausgänge müssen auch unter \"Konfiguration Ein-/Ausgänge\" "
                   "programmiert werden."));
}

} // namespace quarn
