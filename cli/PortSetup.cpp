#include "cli/PortSetup.h"

#include "cli/GlobalOptions.h"
#include "cli/TracingPort.h"
#include "platform/SerialPort.h"
#include "sim/SimulatedPort.h"
#include "sim/UnitModel.h"

namespace cli {

namespace {
std::unique_ptr<platform::BytePort> serialPort()
{
    return std::make_unique<platform::SerialPort>();
}
} // namespace

PortSetup::~PortSetup()
{
    m_trace.reset(); // writes what it still holds before the file closes
}

std::unique_ptr<PortSetup> PortSetup::create(const GlobalOptions& options)
{
    std::unique_ptr<PortSetup> setup(new PortSetup);
    if (options.simulate) {
        sim::UnitOptions unit;
        unit.model =
            options.simulateVariant.startsWith(QLatin1String("7k")) ? sim::Model::Q7k : sim::Model::Q8k;
        unit.telephone = options.simulateVariant.endsWith(QLatin1String("-ti"));
        setup->m_virtualClock = std::make_unique<platform::VirtualClock>();
        setup->m_clock = setup->m_virtualClock.get();
        setup->m_unit = std::make_unique<sim::UnitModel>(unit);
        setup->m_port = std::make_unique<sim::SimulatedPort>(*setup->m_unit, *setup->m_virtualClock);
        setup->m_portName = QStringLiteral("simulated-") + options.simulateVariant;
    } else {
        setup->m_systemClock = std::make_unique<platform::SystemClock>();
        setup->m_clock = setup->m_systemClock.get();
        setup->m_port = serialPort();
        setup->m_portName = options.port;
    }
    if (!options.traceFile.isEmpty()) {
        setup->m_traceFile.setFileName(options.traceFile);
        if (!setup->m_traceFile.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return nullptr;
        setup->m_trace = std::make_unique<TracingPort>(*setup->m_port, *setup->m_clock, setup->m_traceFile);
    }
    return setup;
}

platform::BytePort& PortSetup::port()
{
    if (m_trace)
        return *m_trace;
    return *m_port;
}

} // namespace cli
