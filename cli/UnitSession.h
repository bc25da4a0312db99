#pragma once

#include <QTextStream>

#include "cli/ConsoleProgress.h"
#include "config/link/LinkContext.h"
#include "config/link/LinkOutcome.h"
#include "config/register/Register.h"

namespace cli {

class PortSetup;
struct GlobalOptions;

// The register exchanges of one command with the unit: connect, the exchange's outcome
// printed as the program's message, and the disconnect at the end.
class UnitSession {
public:
    UnitSession(PortSetup& setup, const GlobalOptions& options, QTextStream& err);

    quarn::link::LinkContext context();
    quarn::Register& image() { return m_image; }
    // Prints the outcome's message, if any; the exit code it stands for.
    int report(const quarn::link::LinkOutcome& outcome);
    int connect();
    // The disconnect exchange unless --keep-connected; keeps the first failure's code.
    int finish(int code);

private:
    PortSetup& m_setup;
    const GlobalOptions& m_options;
    QTextStream& m_err;
    quarn::Register m_image;
    ConsoleProgress m_progress;
};

} // namespace cli
