#include "config/editors/telephone/TELDecoder.h"

#include "config/editors/frame/DigitSource.h"
#include "config/editors/frame/OverviewTable.h"
#include "config/editors/telephone/TELDECODERKONFIG.h"

#include <QVBoxLayout>

namespace quarn {

TELDecoder::TELDecoder(Register* image, QWidget* parent) : SettingsDialog(image, parent, tr("Decoder"))
{
    m_table =
        new OverviewTable({DecoderCount, {70, 40, 80, 70}, 24, 70, QStringLiteral("decoderButton")}, this);
    m_table->header = [](int column) {
        const QStringList headers = {tr("Tonfolge"), tr("Tonzahl"), tr("Modus"), tr("Register 23X/3-8")};
        return QLatin1Char('\n') + headers.at(column);
    };
    m_table->cell = [this](int row, int column) { return cell(digits(), row, column); };
    m_table->buttonText = [](int row) { return tr("Decoder") + QStringLiteral(" %1").arg(row + 1); };
    m_table->edit = [this](int row) {
        TELDECODERKONFIG dialog(&this->image(), row, this);
        dialog.exec();
    };
    content()->addWidget(m_table);
    m_table->refresh();
}

namespace {

constexpr std::array<TELDecoder::ModeEntry, TELDecoder::End + 1> Modes = {{
    {TELDecoder::Unused, 0, QT_TRANSLATE_NOOP("quarn::TELDecoder", "unbenutzt")},
    {TELDecoder::Begin, 1, QT_TRANSLATE_NOOP("quarn::TELDecoder", "Beginnruf")},
    {TELDecoder::ShortDial, 2, QT_TRANSLATE_NOOP("quarn::TELDecoder", "Kurzwahl")},
    {TELDecoder::ThroughDial, 3, QT_TRANSLATE_NOOP("quarn::TELDecoder", "Durchwahl")},
    {TELDecoder::NightSwitch, 4, QT_TRANSLATE_NOOP("quarn::TELDecoder", "Nachtschaltung")},
    {TELDecoder::End, 9, QT_TRANSLATE_NOOP("quarn::TELDecoder", "Schlussruf")},
}};

constexpr bool inListOrder()
{
    for (std::size_t i = 0; i < Modes.size(); ++i) {
        if (Modes[i].mode != static_cast<int>(i))
            return false;
    }
    return true;
}
static_assert(inListOrder(), "a mode's entry stands at its list position");

} // namespace

const std::array<TELDecoder::ModeEntry, TELDecoder::End + 1>& TELDecoder::modes()
{
    return Modes;
}

QString TELDecoder::modeName(int digit)
{
    for (const ModeEntry& m : Modes) {
        if (m.digit == digit)
            return tr(m.name);
    }
    return QString();
}

QString TELDecoder::cell(const DigitSource& digits, int decoder, int column)
{
    const QString config = digits.text(configRegister(decoder));
    switch (column) {
    case 0:
        return QLatin1Char('\n') + digits.text(sequenceRegister(decoder)).left(8);
    case 1:
        return QStringLiteral("\n%1").arg(digits.digit(configRegister(decoder), 0));
    case 2:
        return QLatin1Char('\n') + modeName(digits.digit(configRegister(decoder), 1));
    default:
        return QLatin1Char('\n') + config.mid(2, 6);
    }
}

QLabel* TELDecoder::cellLabel(int row, int column) const
{
    return m_table->cellLabel(row, column);
}

QList<SettingsDialog::Nested> TELDecoder::nestedDialogs()
{
    QList<Nested> out;
    for (int decoder = 0; decoder < DecoderCount; ++decoder)
        out.append({tr("Decoder") + QStringLiteral(" %1").arg(decoder + 1),
                    new TELDECODERKONFIG(&image(), decoder, this)});
    return out;
}

} // namespace quarn
