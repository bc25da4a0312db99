#include "config/editors/keys/EINTON.h"

#include "config/editors/frame/DecimalFractionEdit.h"
#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/frame/NamedRadio.h"
#include "config/register/Messages.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>

namespace quarn {

EINTON::EINTON(QWidget* parent, QString& word)
    : FunctionEditor(parent, word, 1, tr("Funktion 1: Einton senden"), "10000   ")
{
    // Digit 1 is the duration in tenths; 0 means "while the key is held".
    auto* held = named(new QCheckBox(tr("so lange Taste gedrückt ist"), this), "whileHeld");
    bind().custom(
        {{0, 1}}, {held}, {},
        [held](DigitSource& s) {
            if (held->isChecked())
                s.setDigit(0, 1, 0);
        },
        [this, held] { held->setChecked(digits().digit(0, 1) == 0); });

    DecimalFormat tenths = DecimalFormat::tenths(1);
    // A word of a held tone opens with the default duration.
    tenths.display = [](int steps) {
        const int shown = steps == 0 ? 5 : steps;
        return QStringLiteral("%1,%2").arg(shown / 10).arg(shown % 10);
    };
    DecimalFractionEdit* duration = bind().fraction("duration", DigitSlot::hex(0, 1), tenths);
    // 0,0 would read back as a held tone: a timed tone lasts 0,1 to 1,5 s.
    bind().rule([this, held, duration] {
        if (held->isChecked() || duration->steps().value_or(1) != 0)
            return true;
        return refuse(msg::valueOutOfRange(), duration);
    });
    auto* durationUnit = new QLabel(tr("s (0,1 - 1,5)"), this);
    bind().enableWhile({duration, durationUnit}, {held}, [held] { return !held->isChecked(); });

    IntegerEdit* frequency = bind().number("frequency", DigitSlot::weighted(0, 2, 3, 5), 0, 8000);

    form()->addRow(tr("Tonfrequenz [Hz] (0-8000):"), frequency);
    form()->addRow(tr("Tondauer:"), row({duration, durationUnit}));
    form()->addRow(QString(), held);
    bindingsDone();
}

} // namespace quarn
