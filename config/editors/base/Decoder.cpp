#include "Decoder.h"

#include "DECODERKONFIG.h"
#include "DecoderTableText.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace quarn {

namespace {
// Column widths of the table in dialog units; the grid stretches them with the dialog.
constexpr int ColumnWidth[DecoderTableText::ColumnCount] = {40, 100, 80, 60, 100, 100, 60, 100};
constexpr int RowHeight = 40;
} // namespace

Decoder::Decoder(Register* image, QWidget* parent) : SettingsDialog(image, parent, tr("Decoder"))
{
    // Dialog units as the resource editor counts them: a quarter of the average character
    // width across, an eighth of the line height down.
    const double unitX = fontMetrics().averageCharWidth() / 4.0;
    const double unitY = fontMetrics().height() / 8.0;

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(qRound(2 * unitX));
    grid->setVerticalSpacing(qRound(2 * unitY));
    for (int row = 0; row <= DecoderTableText::DecoderCount; ++row) {
        if (row > 0) {
            auto* button = new QPushButton(tr("Decoder") + QStringLiteral(" %1").arg(row), this);
            button->setObjectName(QStringLiteral("decoderButton%1").arg(row));
            button->setAutoDefault(false);
            button->setMinimumWidth(qRound(70 * unitX));
            grid->addWidget(button, row, 0, Qt::AlignVCenter);
            connect(button, &QPushButton::clicked, this, [this, row] { configure(row - 1); });
        }
        for (int column = 0; column < DecoderTableText::ColumnCount; ++column) {
            auto* cell = new QLabel(this);
            cell->setObjectName(QStringLiteral("cell_%1_%2").arg(row).arg(column));
            cell->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            cell->setMinimumSize(qRound(ColumnWidth[column] * unitX), qRound(RowHeight * unitY));
            if (row > 0)
                cell->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            grid->addWidget(cell, row, column + 1);
            m_cells.append(cell);
        }
    }
    for (int column = 0; column < DecoderTableText::ColumnCount; ++column)
        grid->setColumnStretch(column + 1, ColumnWidth[column]);
    content()->addLayout(grid);

    setHelp(
        tr("Hilfe: Decoder"),
        tr("Hier erhalten Sie eine Übersicht über die momentanen Einstellungen der vorhandenen Decoder.") +
            QStringLiteral("\n\n") +
            tr("Über die Schaltflächen auf der linken Seite der Tabelle können die Einstellungen der "
               "einzelnen Decoder geändert werden."));
    refreshTable();
}

QLabel* Decoder::cellLabel(int row, int column) const
{
    return m_cells.value(row * DecoderTableText::ColumnCount + column);
}

void Decoder::refreshTable()
{
    for (int column = 0; column < DecoderTableText::ColumnCount; ++column) {
        cellLabel(0, column)->setText(DecoderTableText::header(column));
        for (int decoder = 0; decoder < DecoderTableText::DecoderCount; ++decoder)
            cellLabel(decoder + 1, column)->setText(DecoderTableText::cell(image(), decoder, column));
    }
}

void Decoder::configure(int decoder)
{
    DECODERKONFIG dialog(&image(), decoder, this);
    dialog.exec();
    refreshTable(); // after OK and after Abbrechen alike
}

} // namespace quarn
