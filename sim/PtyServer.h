#pragma once

#include "sim/UnitModel.h"
#include "sim/UnitOptions.h"

#include <QString>
#include <atomic>
#include <memory>
#include <thread>

namespace platform {
class PseudoTerminal;
}

namespace sim {

// Serves a simulated unit on a pseudo-terminal in real time, on a thread of its own; the
// slave device (devicePath()) is opened by a program as its serial port.
class PtyServer {
public:
    explicit PtyServer(const UnitOptions& options = {});
    ~PtyServer();
    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;

    // Registers are loaded from this file at start() (a missing file is created with the
    // unit's factory values) and saved to it after every change, as soon as the line is quiet
    // for 20 ms, and at stop(). Set before start().
    void setStateFile(const QString& path);

    // Opens the pseudo-terminal and starts serving; false (see errorString()) on failure.
    bool start();
    void stop();
    bool isRunning() const { return m_thread.joinable(); }
    // The unit dropped the line (fault hangup=N): it serves nothing more.
    bool hungUp() const { return m_hungUp; }

    QString devicePath() const { return m_devicePath; }
    QString errorString() const { return m_error; }

    // The unit behind the terminal; safe to look at while serving.
    UnitModel& unit() { return m_unit; }

private:
    void serve();
    void saveStateIfChanged();

    UnitModel m_unit;
    std::unique_ptr<platform::PseudoTerminal> m_terminal;
    std::thread m_thread;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_hungUp{false};
    QString m_devicePath;
    QString m_stateFile;
    QString m_error;
    quint64 m_savedRevision = 0;
};

} // namespace sim
