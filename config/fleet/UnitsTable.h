#pragma once

#include "config/fleet/TableProblem.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QStringList>

namespace quarn::fleet {

// A units table as a file holds it: a header line, then one line per unit, the cells
// separated by ";" or "," (whichever the header uses; ";" wins when it has both), fields in
// double quotes where they hold the separator, a quote or a line break. UTF-8, with or
// without a byte-order mark. Nothing here knows what the columns mean.
struct UnitsTable {
    Q_DECLARE_TR_FUNCTIONS(UnitsTable)

public:
    struct Row {
        int line = 0; // where the row begins in the file, counted from 1 (the header)
        QStringList cells;
    };

    QStringList headers;
    QList<Row> rows;
    QChar separator = QLatin1Char(';');

    // The table of the bytes; what cannot be read is added to problems (then the table holds
    // what could be read).
    static UnitsTable parse(const QByteArray& bytes, QList<TableProblem>& problems);
};

} // namespace quarn::fleet
