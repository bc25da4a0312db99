#pragma once

#include "cli/Command.h"

namespace cli {

// `quarnctl fleet check TEMPLATE UNITS.csv` and `quarnctl fleet run TEMPLATE UNITS.csv --port
// NAME [--port NAME ...]`: one template, a table of units with their own settings, every unit
// programmed, read back and logged; the table is checked completely before any unit is touched.
class FleetCommand final : public Command {
public:
    QString name() const override { return QStringLiteral("fleet"); }
    QString summary(Language language) const override
    {
        return pick(language, "viele Geräte nach einer Vorlage und einer Tabelle programmieren",
                    "program many units from a template and a table");
    }
    QString synopsis() const override { return QStringLiteral("fleet check|run TEMPLATE UNITS.csv ..."); }
    QStringList usage() const override;
    QString details(Language language) const override;
    Section section() const override { return Section::Unit; }
    QList<QCommandLineOption> options(Language language) const override;
    bool needsWidgets(const QStringList&) const override { return true; }
    // check: 0 the table is sound, 2 it has problems (each printed), 4 a file cannot be read.
    // run: 0 every unit done, 1 a unit failed or the run was stopped, 2 a problem of the table or
    // usage, 4 a file cannot be read or the log cannot be written.
    int run(Invocation& call) const override;

private:
    static int runJob(Invocation& call);
};

} // namespace cli
