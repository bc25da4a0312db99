#include "config/editors/base/KR517bD.h"

#include "config/editors/frame/CHexEdit.h"
#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/frame/ReactionSettings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace quarn {

KR517bD::KR517bD(Register* image, QWidget* parent)
    : SettingsDialog(image, parent, tr("KR517bD Alarmauswerterkonfiguration"))
{
    // Always four digits: a shorter entry would leave old digits behind the new ones.
    CHexEdit* sequence = bind().tones("alarmSequence", ToneSlot::exact(75, 0, 4));
    // Keyed by "5", "6", "7"; any other digit opens as the last entry.
    ChoiceMap keyingMap = ChoiceMap::of({5, 6, 7});
    for (int d = 0; d <= 15; ++d) {
        if (d != 5 && d != 6)
            keyingMap.reading(d, 2);
    }
    QComboBox* keying =
        bind().choice("keying", DigitSlot::hex(75, 4),
                      {tr("mit Pilotton"), tr("ohne Pilotton"), tr("ohne Pilotton, ohne TX")}, keyingMap);
    QCheckBox* query =
        bind().flag("queryAtSwitchOn", tr("Alarmabfrage beim Einschalten"), DigitSlot::flag(77, 0));
    QCheckBox* acknowledge =
        bind().flag("sendAcknowledgement", tr("Quittung senden"), DigitSlot::flag(77, 3));
    // Alarm tone in register 76 digits 0-2, output and its switching in register 77 digits 1-2.
    auto* reaction = new ReactionSettings(
        bind(), 76, 77, ReactionSettings::AlarmTone | ReactionSettings::SwitchOutput, 6, this);
    reaction->findChild<QGroupBox*>(QStringLiteral("alarmToneBox"))->setTitle(tr("Weckton bei Alarm"));
    // "0" is confirmation by the "#" key, 1-F a display time in seconds (written after the box).
    QCheckBox* byHashKey =
        bind().flag("confirmByHashKey", tr("Bestätigung durch #-Taste"), DigitSlot::invertedFlag(77, 4));
    IntegerEdit* displayTime = bind().number("displayTime", DigitSlot::hex(77, 4), 1, 15);
    if (displayTime->value() == 0)
        displayTime->setValue(5); // offered when the user unticks the box
    auto* displayUnit = new QLabel(tr("s (1-15)"), this);
    bind().enableWhile({displayTime, displayUnit}, [byHashKey] { return !byHashKey->isChecked(); });

    auto* form = new QFormLayout;
    form->addRow(tr("Alarmtonfolge: Stellen 1-4"), sequence);
    form->addRow(tr("Sendertastung bei Quittung/Abfrage"), keying);
    form->addRow(query);
    form->addRow(acknowledge);
    content()->addLayout(form);
    content()->addWidget(reaction);
    auto* displayBox = new QGroupBox(tr("Anzeigezeit"), this);
    auto* displayLayout = new QVBoxLayout(displayBox);
    displayLayout->addWidget(byHashKey);
    displayLayout->addLayout(row({displayTime, displayUnit}));
    content()->addWidget(displayBox);
}

} // namespace quarn
