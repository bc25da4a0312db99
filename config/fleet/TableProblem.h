#pragma once

#include <QString>

namespace quarn::fleet {

// One thing wrong with a units table: where it is (line of the file, counted from 1 with the
// header; column counted from 1, 0 when the whole line is meant) and what it is.
struct TableProblem {
    int line = 0;
    int column = 0;
    QString header; // the column's header, when there is one
    QString text;
};

} // namespace quarn::fleet
