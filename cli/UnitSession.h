#pragma once

#include <QStringList>

#include "cli/ConsoleProgress.h"
#include "config/link/LinkContext.h"
#include "config/link/LinkOutcome.h"
#include "config/register/Register.h"

namespace cli {

class Invocation;
class PortSetup;

// The register exchanges of one command with the unit: connect, each exchange under its
// progress label with its outcome printed as the program's message, and the disconnect.
class UnitSession {
public:
    UnitSession(PortSetup& setup, const Invocation& call);

    quarn::Register& image() { return m_image; }
    int connect();
    // Every register of the unit into the image; a complete read is kept in the history.
    int read();
    // Says a history warning (empty: nothing to say).
    void keepInHistory(const QString& warning) const;
    // The outcome of the last exchange.
    quarn::link::LinkResult lastResult() const { return m_last; }
    // The image to the unit; file names the settings file for what to do after a failure.
    int send(const QString& file);
    int factoryReset(bool telephone);
    // The disconnect exchange unless --keep-connected; keeps the first failure's code.
    // After a failure it says nothing more: the first message is the one that counts.
    int finish(int code);

private:
    quarn::link::LinkContext context();
    // Prints the outcome's message, if any, with what to do next; the exit code.
    int report(const quarn::link::LinkOutcome& outcome, QStringList next = {});
    // The port closed by itself during the exchange: the line dropped.
    QStringList lineDropped() const;

    PortSetup& m_setup;
    const Invocation& m_call;
    quarn::Register m_image;
    ConsoleProgress m_progress;
    quarn::link::LinkResult m_last = quarn::link::LinkResult::Completed;
};

} // namespace cli
