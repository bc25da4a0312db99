#include "config/editors/frame/OverviewTable.h"

#include "config/editors/frame/NamedRadio.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace quarn {

OverviewTable::OverviewTable(const Layout& layout, QWidget* parent) : QWidget(parent), m_layout(layout)
{
    // Dialog units as the resource editor counts them.
    const double unitX = fontMetrics().averageCharWidth() / 4.0;
    const double unitY = fontMetrics().height() / 8.0;
    const int columns = static_cast<int>(layout.columnWidths.size());

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(qRound(2 * unitX));
    grid->setVerticalSpacing(qRound(2 * unitY));
    for (int row = 0; row <= layout.rows; ++row) {
        if (row > 0) {
            auto* button = named(new QPushButton(this), layout.buttonNamePrefix + QString::number(row));
            button->setAutoDefault(false);
            button->setMinimumWidth(qRound(layout.buttonWidth * unitX));
            grid->addWidget(button, row, 0, Qt::AlignVCenter);
            connect(button, &QPushButton::clicked, this, [this, row] { open(row - 1); });
            m_buttons.append(button);
        }
        for (int column = 0; column < columns; ++column) {
            auto* label = named(new QLabel(this), QStringLiteral("cell_%1_%2").arg(row).arg(column));
            label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            label->setMinimumSize(qRound(layout.columnWidths.at(column) * unitX),
                                  qRound(layout.rowHeight * unitY));
            if (row > 0)
                label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            grid->addWidget(label, row, column + 1);
            m_cells.append(label);
        }
    }
    for (int column = 0; column < columns; ++column)
        grid->setColumnStretch(column + 1, layout.columnWidths.at(column));
}

QLabel* OverviewTable::cellLabel(int row, int column) const
{
    return m_cells.value(row * static_cast<int>(m_layout.columnWidths.size()) + column);
}

void OverviewTable::refresh()
{
    const int columns = static_cast<int>(m_layout.columnWidths.size());
    for (int column = 0; column < columns; ++column) {
        if (header)
            cellLabel(0, column)->setText(header(column));
        for (int row = 0; row < m_layout.rows; ++row) {
            if (cell)
                cellLabel(row + 1, column)->setText(cell(row, column));
        }
    }
    for (int row = 0; row < m_buttons.size(); ++row) {
        if (buttonText)
            static_cast<QPushButton*>(m_buttons.at(row))->setText(buttonText(row));
    }
}

void OverviewTable::open(int row)
{
    if (edit)
        edit(row);
    refresh(); // after OK and after Abbrechen alike
}

} // namespace quarn
