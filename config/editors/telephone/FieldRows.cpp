#include "config/editors/telephone/FieldRows.h"

#include <QGridLayout>
#include <QLabel>

namespace quarn {

QGridLayout* FieldRows::make(QWidget* parent, const QList<Row>& rows)
{
    auto* grid = new QGridLayout;
    for (int i = 0; i < rows.size(); ++i) {
        const Row& r = rows.at(i);
        // As wide as the field's largest value: a squeezed grid column would hide digits.
        if (r.field->maximumWidth() < QWIDGETSIZE_MAX)
            r.field->setMinimumWidth(r.field->maximumWidth());
        grid->addWidget(r.field, i, 0);
        grid->addWidget(new QLabel(r.label, parent), i, 1);
    }
    grid->setColumnStretch(1, 1);
    return grid;
}

} // namespace quarn
