#pragma once

#include "platform/StartArguments.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

namespace quarn {

// The program's start options:
//   --port NAME                          preselects a port (a device path or a name)
//   --simulate[=7k|8k|7k-ti|8k-ti]       serves a simulated unit on a pseudo-terminal inside
//                                        the program and preselects it (default 8k-ti)
//   FILE                                 a settings file to open, as "Öffnen..." does
//   -h, --help / -v, --version           print the usage or the version and end
// The usage and the messages are German, or the display language's when its language file
// is installed.
struct StartOptions {
    Q_DECLARE_TR_FUNCTIONS(quarn::StartOptions)

public:
    using Request = platform::StartArguments::Request;

    Request request = Request::Run;
    QString port;
    bool simulate = false;
    bool simulate7k = false;
    bool simulateTelephone = true;
    QString file;
    QString error; // not empty when the options could not be understood

    // Without the program name, after the toolkit has taken its own (-platform, -style ...).
    // --help and --version win over any error, so they answer even before the toolkit
    // has seen the arguments.
    static StartOptions parse(const QStringList& arguments);
    static QString usage();
    static QString version();

private:
    using Problem = platform::StartArguments::Problem;
    static QString problemText(Problem problem, const QString& argument, const QStringList& kinds);
};

} // namespace quarn
