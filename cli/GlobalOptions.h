#pragma once

#include <QString>
#include <QStringList>

namespace cli {

// The options that hold for every command, taken from anywhere on the command line.
struct GlobalOptions {
    QString port;               // --port NAME
    bool simulate = false;      // --simulate[=7k|8k|7k-ti|8k-ti]
    QString simulateVariant;    // "8k-ti" when --simulate is given bare
    QString traceFile;          // --trace FILE
    bool quiet = false;         // --quiet
    bool keepConnected = false; // --keep-connected
    bool help = false;          // --help, -h

    bool hasUnit() const { return simulate || !port.isEmpty(); }

    // Takes the global options out of args; what remains is the command and its own
    // arguments. False with error set for a malformed option.
    static bool parse(QStringList& args, GlobalOptions& options, QString& error);
};

} // namespace cli
