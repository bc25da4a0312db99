#include "config/editors/telephone/DTMFga.h"

#include "config/editors/frame/IntegerEdit.h"
#include "config/editors/telephone/FieldRows.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quarn {

namespace {
constexpr int MaxLevel = 32767;
} // namespace

DTMFga::DTMFga(Register* image, QWidget* parent) : SettingsDialog(image, parent, tr("DTMF Geber/Auswerter"))
{
    struct Field {
        DigitSlot slot;
        int maximum;
        const char* name;
        QString label;
    };
    // Durations of the encoder in 5 ms steps over four digits; levels over digits 3-7 (digits
    // 0-2 of 602-605 are not the encoder's).
    const QList<Field> encoder = {
        {DigitSlot::weighted(600, 0, 4, 5), 83325, "toneDuration", tr("ms   DTMF Tondauer")},
        {DigitSlot::weighted(600, 4, 4, 5), 83325, "pauseDuration", tr("ms   DTMF Pausendauer")},
        {DigitSlot::weighted(601, 0, 4, 5), 83325, "leadDuration", tr("ms   DTMF Vorlaufdauer")},
        {DigitSlot::weighted(601, 4, 4, 5), 83325, "trailDuration", tr("ms   DTMF Nachlaufdauer")},
        {DigitSlot::weighted(602, 3, 5, 1), MaxLevel, "highToRadio", tr("High-Ton zum Funk")},
        {DigitSlot::weighted(603, 3, 5, 1), MaxLevel, "lowToRadio", tr("Low-Ton zum Funk")},
        {DigitSlot::weighted(604, 3, 5, 1), MaxLevel, "highToPhone", tr("High-Ton zum Telefon")},
        {DigitSlot::weighted(605, 3, 5, 1), MaxLevel, "lowToPhone", tr("Low-Ton zum Telefon")},
    };
    // Both decoders alike; the two times are stored in 10 ms steps, the remainder dropped.
    auto decoder = [](int reg, const QString& offLabel) {
        return QList<Field>{
            {DigitSlot::hex(reg, 0), 15, "Twist", tr("dB   max. Pegelunterschied DTMF low/high")},
            {DigitSlot::scaled(reg, 1, 10), 150, "OnTime", tr("ms   auswerten bis DTMF an")},
            {DigitSlot::scaled(reg, 2, 10), 150, "OffTime", offLabel},
            {DigitSlot::weighted(reg, 3, 5, 1), MaxLevel, "MinLevel",
             tr("min. Pegel (0-32767, Faktor 2 = 3dB)")},
        };
    };

    auto addFields = [this](QGroupBox* box, const QList<Field>& fields, const QByteArray& prefix) {
        QList<FieldRows::Row> rows;
        for (const Field& f : fields) {
            rows.append({bind().number(prefix + f.name, f.slot, 0, f.maximum), f.label});
        }
        box->setLayout(FieldRows::make(box, rows));
    };
    auto* encoderBox = new QGroupBox(tr("DTMF-Geber"), this);
    addFields(encoderBox, encoder, QByteArray());
    auto* fromRadio = new QGroupBox(tr("DTMF-Auswerter vom Funk"), this);
    addFields(fromRadio, decoder(606, tr("ms   nicht auswerten bis DTMF aus")), "radio");
    auto* fromPhone = new QGroupBox(tr("DTMF-Auswerter vom Telefon"), this);
    addFields(fromPhone, decoder(607, tr("ms   auswerten bis DTMF aus")), "phone");

    auto* columns = new QHBoxLayout;
    columns->addWidget(encoderBox);
    auto* decoders = new QVBoxLayout;
    decoders->addWidget(fromRadio);
    decoders->addWidget(fromPhone);
    columns->addLayout(decoders);
    content()->addLayout(columns);
}

} // namespace quarn
