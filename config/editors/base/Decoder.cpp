#include "config/editors/base/Decoder.h"

#include "config/editors/base/DECODERKONFIG.h"
#include "config/editors/base/DecoderTableText.h"
#include "config/editors/frame/OverviewTable.h"

#include <QVBoxLayout>

namespace quarn {

Decoder::Decoder(Register* image, QWidget* parent) : SettingsDialog(image, parent, tr("Decoder"))
{
    m_table = new OverviewTable({DecoderTableText::DecoderCount,
                                 {40, 100, 80, 60, 100, 100, 60, 100},
                                 40,
                                 70,
                                 QStringLiteral("decoderButton")},
                                this);
    m_table->header = [](int column) { return DecoderTableText::header(column); };
    m_table->cell = [this](int row, int column) {
        return DecoderTableText::cell(this->image(), row, column);
    };
    m_table->buttonText = [](int row) { return tr("Decoder") + QStringLiteral(" %1").arg(row + 1); };
    m_table->edit = [this](int row) {
        DECODERKONFIG dialog(&this->image(), row, this);
        dialog.exec();
    };
    content()->addWidget(m_table);

    setHelp(
        tr("Hilfe: Decoder"),
        tr("Hier erhalten Sie eine Übersicht über die momentanen Einstellungen der vorhandenen Decoder.") +
            QStringLiteral("\n\n") +
            tr("Über die Schaltflächen auf der linken Seite der Tabelle können die Einstellungen der "
               "einzelnen Decoder geändert werden."));
    m_table->refresh();
}

QLabel* Decoder::cellLabel(int row, int column) const
{
    return m_table->cellLabel(row, column);
}

void Decoder::refreshTable()
{
    m_table->refresh();
}

QList<SettingsDialog::Nested> Decoder::nestedDialogs()
{
    QList<Nested> out;
    for (int row = 0; row < DecoderTableText::DecoderCount; ++row)
        out.append(
            {tr("Decoder") + QStringLiteral(" %1").arg(row + 1), new DECODERKONFIG(&image(), row, this)});
    return out;
}

void Decoder::configure(int decoder)
{
    m_table->open(decoder);
}

} // namespace quarn
