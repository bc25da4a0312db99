#pragma once

#include <QCommandLineParser>
#include <QStringList>
#include <QTextStream>
#include <functional>

namespace cli {

class Command;
class PortSetup;
struct GlobalOptions;

// One run of a command: the arguments after its name, its parsed options, the global
// options and the two output streams.
class Invocation {
public:
    Invocation(const Command& command, const GlobalOptions& options, const QCommandLineParser& parser,
               QStringList args, QTextStream& out, QTextStream& err)
        : command(command), options(options), args(std::move(args)), out(out), err(err), m_parser(parser)
    {}

    bool isSet(const QString& option) const { return m_parser.isSet(option); }
    QString value(const QString& option) const { return m_parser.value(option); }

    // Prints the problem and the command's usage; the exit code for wrong usage.
    int usageError(const QString& problem) const;
    // Sets up the port (and the trace) and runs body with it: wrong usage without --port or
    // --simulate, a file error when the trace file cannot be opened.
    int withUnit(const std::function<int(PortSetup&)>& body) const;

    const Command& command;
    const GlobalOptions& options;
    const QStringList args;
    QTextStream& out;
    QTextStream& err;

private:
    const QCommandLineParser& m_parser;
};

} // namespace cli
