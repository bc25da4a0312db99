#include "config/editors/telephone/KonfTelIA.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>

namespace quarn {

namespace {
constexpr int ChipRegister = 616;
} // namespace

KonfTelIA::KonfTelIA(Register* image, QWidget* parent)
    : SettingsDialog(image, parent, tr("Konfigurationsdaten Telefon (LX4410C)"))
{
    auto* form = new QFormLayout;
    // A digit beyond a list opens without selection and is kept.
    auto addChoice = [&](int k, const char* name, const QString& label, const QStringList& texts) {
        QComboBox* combo = bind().choice(name, DigitSlot::hex(ChipRegister, k), texts);
        form->addRow(label, combo);
    };
    addChoice(0, "headroom", tr("Transmit voltage headroom and DC voltage drop:"),
              {tr("high"), tr("normal"), tr("low"), tr("lowest")});
    addChoice(1, "termination", tr("Abschluss:"),
              {tr("600R oder 600R+2, 16µF"), tr("600R+1µF"), tr("900R"), tr("900R+1µF"),
               tr("ES203021 Zr:Australien,China"), tr("Zr:Neuseeland"), tr("TBR21"), tr("reserved")});
    addChoice(2, "transmitGain", tr("Transmit gain:"),
              {tr("normal"), tr("+6dB"), tr("+6dB bei DTMF"), tr("+6dB bei DTMF Amtsholung Wx")});
    QCheckBox* sensor =
        bind().flag("currentSensorDisabled", tr("current sensor disabled"), DigitSlot::flag(ChipRegister, 3));
    form->addRow(sensor);
    addChoice(4, "ringThreshold", tr("Ring threshold:"),
              {tr("10/20V"), tr("12,5/25V"), tr("15/30V"), tr("20/40V")});
    addChoice(5, "lineInUseThreshold", tr("Line in use threshold:"),
              {tr("22,5 ± 7,5"), tr("30 ± 10"), tr("15 ± 5"), tr("2,5 (line disconnect)")});
    content()->addLayout(form);
}

} // namespace quarn
