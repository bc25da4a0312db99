#include "config/editors/telephone/DTMFBegSchluss.h"

#include "config/editors/frame/CHexEdit.h"
#include "config/editors/frame/NamedRadio.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace quarn {

namespace {
constexpr int OptionRegister = 357;
constexpr int ConfirmDigit = 4;
} // namespace

DTMFBegSchluss::DTMFBegSchluss(Register* image, Mode mode, QWidget* parent)
    : SettingsDialog(image, parent, QString())
{
    const QString word = mode == Beginnruf ? tr("Beginnruf") : tr("Schlussruf");
    setWindowTitle(tr("DTMF: ") + word);
    const int reg = 358 + mode;

    // The keys go into digits 1-7, the rest "0"; digit 0 then counts them. A count above 7
    // (written elsewhere) shows the seven keys the register holds.
    m_sequence = bind().tones("sequence", ToneSlot::upTo(reg, 1, 7, QLatin1Char('0')));
    bind().custom(
        {{reg, 0}}, {m_sequence}, {},
        [this, reg](DigitSource& s) { s.setDigit(reg, 0, static_cast<int>(m_sequence->text().size())); },
        [this, reg] { m_sequence->setText(m_sequence->text().left(storedLength(digits().digit(reg, 0)))); });

    auto* label =
        named(new QLabel(word + tr(" durch DTMF bei Auswertung folgender Töne:"), this), "sequenceLabel");
    label->setBuddy(m_sequence);
    content()->addWidget(label);
    content()->addLayout(row({m_sequence}));

    // Register 357 digit 4 belongs to the begin call; the end call leaves it alone.
    if (mode == Beginnruf) {
        m_confirm = bind().flag("confirmTone", tr("Bestätigungston senden bei DTMF-Beginnruf"),
                                DigitSlot::nonZeroFlag(OptionRegister, ConfirmDigit));
        content()->addWidget(m_confirm);
    }
}

} // namespace quarn
