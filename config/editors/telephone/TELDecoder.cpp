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

QString TELDecoder::modeName(int digit)
{
    switch (digit) {
    case 0:
        return tr("unbenutzt");
    case 1:
        return tr("Beginnruf");
    case 2:
        return tr("Kurzwahl");
    case 3:
        return tr("Durchwahl");
    case 4:
        return tr("Nachtschaltung");
    case 9:
        return tr("Schlussruf");
    default:
        return QString();
    }
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
