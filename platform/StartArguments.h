#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The arguments both programs take at start, read by one parser:
//   --port NAME | --port=NAME      a port to offer first
//   --simulate[=KIND]              serve a simulated unit (KIND only where the program has kinds)
//   FILE                           one file to open
//   --                             everything after it is a file name
//   -h, --help / -v, --version     print the usage or the version and end
struct StartArguments {
    enum class Request { Run, Help, Version };
    // What was wrong with the arguments; each program words it in its own languages.
    enum class Problem {
        None,
        SecondFile,      // argument: the second file named
        PortWithoutName, // --port at the end
        UnknownKind,     // argument: the KIND of --simulate=KIND
        UnknownOption,   // argument: the option
        PortAndSimulate, // both given where they exclude each other
    };

    // What differs between the programs.
    struct Rules {
        QStringList simulateKinds;   // what --simulate=KIND takes; empty: no kind at all
        QString defaultKind;         // the kind of a bare --simulate
        bool portOrSimulate = false; // --port and --simulate exclude each other
    };

    Request request = Request::Run;
    QString port;
    bool simulate = false;
    QString simulateKind;
    QString file;
    Problem problem = Problem::None; // the first problem
    QString problemArgument;         // the argument it is about, where there is one

    // Without the program name. --help and --version win over any error, so they answer
    // even before the toolkit has taken its own arguments (-platform, -style ...).
    static StartArguments parse(const QStringList& arguments, const Rules& rules);
};

} // namespace platform
