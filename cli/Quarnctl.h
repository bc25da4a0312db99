#pragma once

#include <QStringList>
#include <QTextStream>

namespace cli {

class Command;
class Diagnostics;

// quarnctl: parses the command line, finds the command in the registry and runs it.
// Returns the process exit code.
class Quarnctl {
public:
    Quarnctl(QTextStream& out, QTextStream& err) : m_out(out), m_err(err) {}

    int run(QStringList args);

    // The global usage with every command of the registry.
    static QString usage();
    // Whether the command line's command builds the settings dialogs (decided before the
    // application exists).
    static bool needsWidgets(const QStringList& args);

private:
    int usageError(Diagnostics& diag, const Command* command, const QString& problem);

    QTextStream& m_out;
    QTextStream& m_err;
};

} // namespace cli
