#pragma once

#include <QCommandLineParser>
#include <QStringList>
#include <QTextStream>
#include <functional>

namespace cli {

class Command;
class Diagnostics;
class PortSetup;
struct GlobalOptions;

// One run of a command: the arguments after its name, its parsed options, the global
// options, the output stream and the messages.
class Invocation {
public:
    Invocation(const Command& command, const GlobalOptions& options, const QCommandLineParser& parser,
               QStringList args, QTextStream& out, QTextStream& err, Diagnostics& diag,
               PortSetup* unit = nullptr)
        : command(command), options(options), args(std::move(args)), out(out), err(err), diag(diag),
          m_parser(parser), m_unit(unit)
    {}

    bool isSet(const QString& option) const { return m_parser.isSet(option); }
    QString value(const QString& option) const { return m_parser.value(option); }
    // Every value of an option given more than once, in order.
    QStringList values(const QString& option) const { return m_parser.values(option); }
    // Whether progress bars are drawn: standard error is a terminal and no --quiet.
    bool progressShown() const;

    // Prints the problem and the command's usage; the exit code for wrong usage.
    int usageError(const QString& problem) const;
    // A usage error unless exactly count arguments follow the name; ExitOk when they do.
    int expectArguments(int count) const;
    // Sets up the port (and the trace) and runs body with it: wrong usage without --port or
    // --simulate (or a given unit), a file error when the trace file cannot be opened.
    int withUnit(const std::function<int(PortSetup&)>& body) const;

    const Command& command;
    const GlobalOptions& options;
    const QStringList args;
    QTextStream& out;
    QTextStream& err; // progress only; messages go through diag
    Diagnostics& diag;

private:
    const QCommandLineParser& m_parser;
    PortSetup* m_unit; // given instead of --port or --simulate
};

} // namespace cli
