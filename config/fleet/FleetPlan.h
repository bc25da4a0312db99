#pragma once

#include "config/fleet/TableProblem.h"
#include "config/register/Register.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

namespace quarn::fleet {

struct UnitsTable;

// One unit of a job: its row of the table and the image it is to hold (the template with
// the row's changes).
struct FleetUnit {
    int line = 0; // the row's line in the table file
    QString name; // the first column
    Register image;
};

// A fleet job checked before any unit is touched: every cell of the table put into the
// template through the dialog that shows its setting (so a value the dialog refuses is
// refused here, with the dialog's own message), or into the digits a register column names
// ("R010/0-6": as many hex digits as the range has). An empty cell leaves its setting as
// the template has it. Dialogs are made on the thread that owns the widgets.
class FleetPlan {
    Q_DECLARE_TR_FUNCTIONS(FleetPlan)

public:
    // templ: the template, its telephoneInterface flag saying whether its file holds the
    // telephone interface's registers.
    static FleetPlan check(const Register& templ, const UnitsTable& table);
    // The table file read and checked; a file that cannot be read is one problem.
    static FleetPlan checkFile(const Register& templ, const QString& tablePath);

    bool ok() const { return problems.isEmpty(); }
    // "Zeile 3, Spalte 2 „…“: …" in the language installed.
    static QString text(const TableProblem& problem);

    QList<FleetUnit> units;
    QList<TableProblem> problems;
};

} // namespace quarn::fleet
