#include "FieldRows.h"

#include <QGridLayout>
#include <QLabel>

namespace quarn {

QGridLayout* FieldRows::make(QWidget* parent, const QList<Row>& rows)
{
    auto* grid = new QGridLayout;
    for (int i = 0; i < rows.size(); ++i) {
        const Row& r = rows.at(i);
        r.field->setObjectName(QString::fromLatin1(r.name));
        grid->addWidget(r.field, i, 0);
        grid->addWidget(new QLabel(r.label, parent), i, 1);
    }
    grid->setColumnStretch(1, 1);
    return grid;
}

} // namespace quarn
