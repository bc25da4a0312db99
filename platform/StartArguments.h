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

    // What differs between the programs.
    struct Rules {
        QString fileWord;            // "settings file", "text file": names the file in messages
        QStringList simulateKinds;   // what --simulate=KIND takes; empty: no kind at all
        QString defaultKind;         // the kind of a bare --simulate
        bool portOrSimulate = false; // --port and --simulate exclude each other
    };

    Request request = Request::Run;
    QString port;
    bool simulate = false;
    QString simulateKind;
    QString file;
    QString error; // the first problem; empty when the arguments were understood

    // Without the program name. --help and --version win over any error, so they answer
    // even before the toolkit has taken its own arguments (-platform, -style ...).
    static StartArguments parse(const QStringList& arguments, const Rules& rules);
};

} // namespace platform
