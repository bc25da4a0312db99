#pragma once

#include "config/fleet/FleetLog.h"
#include "config/fleet/FleetPlan.h"
#include "config/fleet/UnitProgramming.h"

#include <QObject>
#include <QSet>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace platform {
class BytePort;
class ExchangeRunner;
} // namespace platform

namespace quarn::fleet {

// The run of a checked job over one or more ports: each port has its own exchange runner and
// programs one unit at a time, the ports side by side; every unit ends with one line in the
// log. Rows the log shows as done are skipped. Lives on the thread that owns the window (or the
// command's event loop); the units' transfers run on the runners' workers.
class FleetRun final : public QObject {
    Q_OBJECT
public:
    // Makes the port of a name; called on the worker that will use it.
    using PortFactory = std::function<std::unique_ptr<platform::BytePort>(const QString& name)>;
    // Asked before a port takes its next unit (not before its first): whether the next unit is
    // attached. stillPrevious: the unit found there was the one programmed last. False stops.
    using NextUnit = std::function<bool(const QString& port, const FleetUnit& next, bool stillPrevious)>;
    // An image was read from a unit before it was changed.
    using ImageRead = std::function<void(const FleetUnit& unit, const QString& port, const Register& image)>;

    FleetRun(QList<FleetUnit> units, QStringList ports, FleetLog log, PortFactory ports_,
             QObject* parent = nullptr);
    ~FleetRun() override;

    // Rows done by the log, less those to program again.
    void skipDone(const QSet<int>& again);
    void setNextUnit(NextUnit ask) { m_nextUnit = std::move(ask); }
    void setImageRead(ImageRead hook) { m_imageRead = std::move(hook); }

    const QList<FleetUnit>& units() const { return m_units; }
    const QSet<int>& skipped() const { return m_skipped; }
    bool running() const;

    void start();
    // Ends every unit at its next register; no further unit starts.
    void stop();

signals:
    void unitStarted(int line, const QString& port);
    void unitProgress(int line, int position, int maximum);
    void unitFinished(int line, const QString& port, const quarn::fleet::UnitResult& result);
    void logNotWritten(const QString& path);
    // Every port is idle and no unit is left to start (or the run was stopped).
    void finished();

private:
    struct Lane;
    void next(Lane& lane);
    void done(Lane& lane, int index, const UnitResult& result);

    QList<FleetUnit> m_units;
    FleetLog m_log;
    PortFactory m_makePort;
    NextUnit m_nextUnit;
    ImageRead m_imageRead;
    QSet<int> m_skipped;
    QList<int> m_queue; // indexes of units not yet started
    std::vector<std::unique_ptr<Lane>> m_lanes;
    bool m_stopping = false;
    bool m_finished = false;
};

} // namespace quarn::fleet
