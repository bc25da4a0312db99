#include "config/fleet/FleetRun.h"

#include "platform/BytePort.h"
#include "platform/Clock.h"
#include "platform/ExchangeRunner.h"

#include <QDateTime>

namespace quarn::fleet {

struct FleetRun::Lane {
    QString port;
    platform::ExchangeRunner runner;
    std::optional<Register> lastSent;
    bool hadUnit = false;
    bool stillPrevious = false;
    int line = 0;
};

FleetRun::FleetRun(QList<FleetUnit> units, QStringList ports, FleetLog log, PortFactory makePort,
                   QObject* parent)
    : QObject(parent), m_units(std::move(units)), m_log(std::move(log)), m_makePort(std::move(makePort))
{
    for (const QString& name : ports) {
        auto lane = std::make_unique<Lane>();
        lane->port = name;
        Lane* l = lane.get();
        connect(&l->runner, &platform::ExchangeRunner::rangeChanged, this,
                [this, l](int maximum) { emit unitProgress(l->line, 0, maximum); });
        connect(&l->runner, &platform::ExchangeRunner::positionChanged, this,
                [this, l](int position) { emit unitProgress(l->line, position, -1); });
        m_lanes.push_back(std::move(lane));
    }
    for (int i = 0; i < m_units.size(); ++i)
        m_queue << i;
}

FleetRun::~FleetRun() = default;

void FleetRun::skipDone(const QSet<int>& again)
{
    const QSet<int> done = m_log.doneRows();
    m_queue.clear();
    m_skipped.clear();
    for (int i = 0; i < m_units.size(); ++i) {
        const int line = m_units.at(i).line;
        if (done.contains(line) && !again.contains(line))
            m_skipped.insert(line);
        else
            m_queue << i;
    }
}

bool FleetRun::running() const
{
    for (const std::unique_ptr<Lane>& lane : m_lanes) {
        if (lane->runner.busy())
            return true;
    }
    return false;
}

void FleetRun::start()
{
    m_stopping = false;
    m_finished = false;
    for (std::unique_ptr<Lane>& lane : m_lanes)
        next(*lane);
    if (!running() && !m_finished) {
        m_finished = true;
        emit finished();
    }
}

void FleetRun::stop()
{
    m_stopping = true;
    for (std::unique_ptr<Lane>& lane : m_lanes)
        lane->runner.requestStop();
}

void FleetRun::next(Lane& lane)
{
    if (m_stopping || m_queue.isEmpty())
        return;
    const int index = m_queue.first();
    // The next unit on a port that had one is only there once the user has attached it.
    if (lane.hadUnit && m_nextUnit && !m_nextUnit(lane.port, m_units.at(index), lane.stillPrevious)) {
        m_stopping = true;
        return;
    }
    if (m_stopping || m_queue.isEmpty() || m_queue.first() != index)
        return;
    m_queue.removeFirst();
    lane.hadUnit = true;
    lane.line = m_units.at(index).line;
    emit unitStarted(lane.line, lane.port);
    const Register prepared = m_units.at(index).image;
    const std::optional<Register> previous = lane.lastSent;
    const QString port = lane.port;
    const PortFactory makePort = m_makePort;
    lane.runner.start<UnitResult>(
        std::function<UnitResult(platform::Progress&, const platform::ExchangeRunner::StopFlag&)>(
            [=](platform::Progress& progress, const platform::ExchangeRunner::StopFlag& stop) {
                std::unique_ptr<platform::BytePort> bytes = makePort(port);
                platform::SystemClock clock;
                return UnitProgramming::run(*bytes, clock, port, prepared, previous, progress, stop);
            }),
        std::function<void(UnitResult)>(
            [this, &lane, index](UnitResult result) { done(lane, index, result); }));
}

void FleetRun::done(Lane& lane, int index, const UnitResult& result)
{
    const FleetUnit& unit = m_units.at(index);
    if (result.imageRead && m_imageRead)
        m_imageRead(unit, lane.port, *result.imageRead);
    lane.stillPrevious = result.state == UnitResult::State::SameAsPrevious;
    if (lane.stillPrevious) {
        // Not this unit's turn yet: it goes first again once the next unit is attached.
        m_queue.prepend(index);
    } else {
        if (result.done())
            lane.lastSent = unit.image;
        const FleetLog::Entry entry{QDateTime::currentDateTime(),
                                    lane.port,
                                    unit.line,
                                    result.model,
                                    result.version,
                                    result.done() ? QStringLiteral("ok") : result.message,
                                    result.imageHash};
        if (!m_log.append(entry))
            emit logNotWritten(m_log.path());
    }
    emit unitFinished(unit.line, lane.port, result);
    next(lane);
    if (!running() && !m_finished && (m_stopping || m_queue.isEmpty())) {
        m_finished = true;
        emit finished();
    }
}

} // namespace quarn::fleet
