#pragma once

#include <QList>
#include <QString>

class QGridLayout;
class QWidget;

namespace quarn {

// The telephone dialogs' usual layout: each field with its label (unit first, "ms   ...") to its
// right.
struct FieldRows {
    struct Row {
        QWidget* field;
        QString label;
    };
    static QGridLayout* make(QWidget* parent, const QList<Row>& rows);
};

} // namespace quarn
