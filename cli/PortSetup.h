#pragma once

#include <QFile>
#include <memory>

#include "platform/BytePort.h"
#include "platform/Clock.h"

namespace sim {
class UnitModel;
}

namespace cli {

class TracingPort;
struct GlobalOptions;

// The port the commands talk through and the clock of their waits: the serial port on
// real time, or an in-process simulated unit on virtual time (so a simulated read
// finishes at once), optionally with every byte traced to a file.
class PortSetup {
public:
    ~PortSetup();

    // nullptr when the trace file cannot be opened.
    static std::unique_ptr<PortSetup> create(const GlobalOptions& options);

    platform::BytePort& port();
    platform::Clock& clock() { return *m_clock; }
    QString portName() const { return m_portName; }
    // The simulated unit, or nullptr on a real port.
    sim::UnitModel* simulatedUnit() { return m_unit.get(); }

private:
    PortSetup() = default;

    std::unique_ptr<platform::VirtualClock> m_virtualClock;
    std::unique_ptr<platform::Clock> m_systemClock;
    platform::Clock* m_clock = nullptr;
    std::unique_ptr<sim::UnitModel> m_unit;
    std::unique_ptr<platform::BytePort> m_port;
    QFile m_traceFile;
    std::unique_ptr<TracingPort> m_trace;
    QString m_portName;
};

} // namespace cli
