#pragma once

#include <QStringList>

namespace tekstor {

// Starts Tekstor: reads the start options (TekstorOptions), chooses the port (a serial
// port, or a simulated unit on a pseudo-terminal with --simulate), shows the main window
// until it is closed and opens the text file named at start in it.
class CTekstorApp {
public:
    // arguments without the program name, after the toolkit has taken its own.
    explicit CTekstorApp(QStringList arguments) : m_arguments(std::move(arguments)) {}

    // The program's exit code; needs a QApplication.
    int run();

private:
    QStringList m_arguments;
};

} // namespace tekstor
