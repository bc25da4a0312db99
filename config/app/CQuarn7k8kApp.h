#pragma once

#include <QStringList>

namespace quarn {

// Starts the configuration program: reads the start options, chooses the display language,
// starts a simulated unit when asked to, runs the main window as a modal dialog (opening the
// settings file named at start) and ends when it returns.
class CQuarn7k8kApp {
public:
    // arguments without the program name, after the toolkit has taken its own.
    explicit CQuarn7k8kApp(QStringList arguments) : m_arguments(std::move(arguments)) {}

    int run();

private:
    QStringList m_arguments;
};

} // namespace quarn
