#include "config/editors/telephone/TelInPegel.h"

#include "config/editors/telephone/FieldRows.h"

#include <QGridLayout>

namespace quarn {

namespace {
constexpr int Offset = 60; // tenths of a dB below 0 dB that the stored value starts at
constexpr int Highest = 255;
} // namespace

TelInPegel::TelInPegel(Register* image, QWidget* parent)
    : SettingsDialog(image, parent, tr("Pegelanpassung Telefoneingang"))
{
    // Two integer digits and one decimal with a sign; the parser adds the offset and refuses
    // anything outside 0-255.
    DecimalFormat format{5, 2, 1, 1, 0, DecimalFormat::Range::TwoDigits, Offset, levelText, {}};
    content()->addLayout(
        FieldRows::make(this, {{bind().fraction("level", DigitSlot::weighted(627, 0, 3, 1), format),
                                tr("dB   Pegelanpassung (-6,0 bis +19,5 dB)")}}));
}

QString TelInPegel::levelText(int stored)
{
    const int tenths = qMin(stored, Highest) - Offset;
    // Sign and at least two digits, then the comma before the last one.
    QString text = QString::asprintf("%+03i", tenths);
    text.insert(text.size() - 1, QLatin1Char(','));
    return text;
}

} // namespace quarn
