#pragma once

#include <QTextStream>

#include "cli/ConsoleProgress.h"
#include "config/link/FactoryReset.h"
#include "config/link/LinkContext.h"
#include "config/link/LinkOutcome.h"
#include "config/register/Register.h"

namespace cli {

class PortSetup;
struct GlobalOptions;

// The commands that talk to the unit: info, read, write, verify, reset. Each returns the
// process exit code; failures print the program's German message on standard error.
class UnitCommands {
public:
    UnitCommands(PortSetup& setup, const GlobalOptions& options, QTextStream& out, QTextStream& err);

    int info();
    int read(const QString& path);
    int write(const QString& path);
    int verify(const QString& path);
    int reset(quarn::link::ResetTarget target);

private:
    quarn::link::LinkContext context();
    // Prints the outcome's message, if any; the exit code it stands for.
    int report(const quarn::link::LinkOutcome& outcome);
    int connect();
    // The disconnect exchange unless --keep-connected; keeps the first failure's code.
    int finish(int code);

    PortSetup& m_setup;
    const GlobalOptions& m_options;
    QTextStream& m_out;
    QTextStream& m_err;
    quarn::Register m_image;
    ConsoleProgress m_progress;
};

} // namespace cli
