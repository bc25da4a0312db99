#include "config/editors/base/LSKonfig.h"

#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/frame/NamedRadio.h"
#include "config/register/Register.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quarn {

LSKonfig::LSKonfig(Register* image, QWidget* parent)
    : SettingsDialog(image, parent, tr("Lautsprecherkonfiguration"))
{
    QRadioButton* timerOff = namedRadio(tr("aus"), "timerOff", this);
    QRadioButton* timerOpen = namedRadio(tr("offener Betrieb"), "timerOpen", this);
    QRadioButton* timerOn = namedRadio(tr("Lautsprechertimer (in s):"), "timerOn", this);
    const QList<QRadioButton*> lifting = {namedRadio(tr("aus"), "liftingOff", this),
                                          namedRadio(tr("an"), "liftingOn", this),
                                          namedRadio(tr("unverändert"), "liftingUnchanged", this)};
    const QList<QRadioButton*> hangingUp = {namedRadio(tr("aus"), "hangingUpOff", this),
                                            namedRadio(tr("an"), "hangingUpOn", this),
                                            namedRadio(tr("unverändert"), "hangingUpUnchanged", this),
                                            namedRadio(tr("aus + Scanner an"), "hangingUpScanner", this)};
    const QList<QRadioButton*> switchingOn = {namedRadio(tr("aus"), "switchingOnOff", this),
                                              namedRadio(tr("an"), "switchingOnOn", this)};

    // "000" off, "FFF" open operation, any other value the timer in seconds, written by its field.
    QButtonGroup* timer = bind().radios(DigitSlot::weighted(50, 0, 3, 1), {timerOff, timerOpen, timerOn},
                                        ChoiceMap::of({0, 1665}));
    if (!timer->checkedButton())
        timerOn->setChecked(true);
    auto* seconds = bind().number("timerSeconds", DigitSlot::weighted(50, 0, 3, 1), 1, 1664);
    bind().radios(DigitSlot::hex(50, 3), lifting);
    bind().radios(DigitSlot::hex(50, 4), hangingUp);
    bind().radios(DigitSlot::hex(50, 4), switchingOn);
    auto* keepVolume = bind().flag("keepVolume", tr("letzten Wert für nächsten Start speichern"),
                                   DigitSlot::oddFlag(100, 0));
    auto* volume = bind().number("volumeAfterSwitchingOn", DigitSlot::hex(100, 1), 0, 9);
    auto* afterCall =
        bind().flag("speakerAfterCall", tr("Lautsprecher nach Ruf an"), DigitSlot::bits(51, 4, 0b0001));

    auto* timerBox = new QGroupBox(tr("Lautsprechertimer"), this);
    auto* timerLayout = new QVBoxLayout(timerBox);
    timerLayout->addWidget(timerOff);
    timerLayout->addWidget(timerOpen);
    timerLayout->addLayout(row({timerOn, seconds}));
    content()->addWidget(timerBox);

    auto radioRow = [this](QLabel* label, const QList<QRadioButton*>& buttons) {
        auto* layout = row({label});
        for (int i = 0; i < buttons.size(); ++i)
            layout->insertWidget(i + 1, buttons.at(i));
        content()->addLayout(layout);
    };
    auto* liftingLabel = named(new QLabel(tr("Lautsprecher-Status beim Abheben:"), this), "liftingLabel");
    auto* hangingUpLabel =
        named(new QLabel(tr("Lautsprecher-Status beim Auflegen:"), this), "hangingUpLabel");
    auto* switchingOnLabel =
        named(new QLabel(tr("Lautsprecher-Status beim Einschalten:"), this), "switchingOnLabel");
    radioRow(liftingLabel, lifting);
    radioRow(hangingUpLabel, hangingUp);
    radioRow(switchingOnLabel, switchingOn);

    auto* volumeBox = new QGroupBox(tr("Lautstärke"), this);
    auto* volumeLayout = new QVBoxLayout(volumeBox);
    auto* volumeLabel = new QLabel(tr("Wert nach Einschalten:"), this);
    volumeLayout->addWidget(keepVolume);
    volumeLayout->addLayout(row({volumeLabel, volume}));
    content()->addWidget(volumeBox);
    content()->addWidget(afterCall);

    // The model flag is set for a Quarn 7k: it has a handset, the Quarn 8k only a power switch.
    const bool quarn7k = image->model7k;
    bind().showWhile({liftingLabel, lifting[0], lifting[1], lifting[2], hangingUpLabel, hangingUp[0],
                      hangingUp[1], hangingUp[2], hangingUp[3]},
                     [quarn7k] { return quarn7k; });
    bind().showWhile({switchingOnLabel, switchingOn[0], switchingOn[1]}, [quarn7k] { return !quarn7k; });
    bind().enableWhile({seconds}, [timerOn] { return timerOn->isChecked(); });
    bind().enableWhile({volumeLabel, volume}, [keepVolume] { return !keepVolume->isChecked(); });
}

} // namespace quarn
