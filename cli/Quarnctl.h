#pragma once

#include <QStringList>
#include <QTextStream>

#include "cli/Language.h"

namespace cli {

class Command;
class Diagnostics;
class PortSetup;

// quarnctl: parses the command line, finds the command in the registry and runs it.
// Returns the process exit code.
class Quarnctl {
public:
    // unit: where the commands talk to instead of --port or --simulate (tests on a unit
    // that lives across runs).
    Quarnctl(QTextStream& out, QTextStream& err, PortSetup* unit = nullptr)
        : m_out(out), m_err(err), m_unit(unit)
    {}

    int run(QStringList args);

    // The global usage with every command of the registry.
    static QString usage(Language language);
    // Whether the command line's command builds the settings dialogs (decided before the
    // application exists).
    static bool needsWidgets(const QStringList& args);

private:
    int usageError(Diagnostics& diag, const Command* command, const QString& problem);

    QTextStream& m_out;
    QTextStream& m_err;
    PortSetup* m_unit;
};

} // namespace cli
