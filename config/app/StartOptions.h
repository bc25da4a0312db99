#pragma once

#include <QString>
#include <QStringList>

namespace quarn {

// The program's start options:
//   --port NAME                          preselects a port (a device path or a name)
//   --simulate[=7k|8k|7k-ti|8k-ti]       serves a simulated unit on a pseudo-terminal inside
//                                        the program and preselects it (default 8k-ti)
struct StartOptions {
    QString port;
    bool simulate = false;
    bool simulate7k = false;
    bool simulateTelephone = true;
    QString error; // not empty when the options could not be understood

    static StartOptions parse(const QStringList& arguments); // without the program name
    static QString usage();
};

} // namespace quarn
