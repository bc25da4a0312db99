#pragma once

#include <QApplication>

namespace tekstor {

// Starts Tekstor: reads the start options, chooses the port (a serial port, or a
// simulated unit on a pseudo-terminal with --simulate) and shows the main window until
// it is closed.
//   --port NAME   offer NAME first in the port list (any device path works)
//   --simulate    serve a simulated unit and offer its device first
class CTekstorApp : public QApplication {
    Q_OBJECT
public:
    CTekstorApp(int& argc, char** argv);

    // The program's exit code.
    int run();
};

} // namespace tekstor
