#pragma once

#include "LinkOutcome.h"
#include "ProgressSink.h"

#include <QObject>
#include <QThread>
#include <functional>

namespace quarn {

// Runs the exchanges with the unit, one at a time, on one worker thread that lives as
// long as the window: the port is only ever used from that thread. Progress and the end
// of an exchange reach the window's thread as queued signals.
class ExchangeRunner final : public QObject, private link::ProgressSink {
    Q_OBJECT
public:
    using Job = std::function<link::LinkOutcome(link::ProgressSink& progress)>;

    explicit ExchangeRunner(QObject* parent = nullptr);
    ~ExchangeRunner() override; // waits for a running exchange

    // Starts job on the worker thread; false (nothing started) while another runs.
    bool start(Job job);
    bool busy() const { return m_busy; }
    // The outcome of the exchange that ended last; valid once finished() has arrived.
    const link::LinkOutcome& outcome() const { return m_outcome; }

    // Runs a short task (closing the port) on the worker thread and waits for it. Only
    // while no exchange runs.
    void runAndWait(const std::function<void()>& task);

signals:
    void rangeChanged(int maximum);
    void positionChanged(int position);
    void stepped();
    void finished();

private:
    void setRange(int maximum) override { emit rangeChanged(maximum); }
    void setPosition(int position) override { emit positionChanged(position); }
    void step() override { emit stepped(); }

    QThread m_thread;
    QObject* m_context = nullptr; // lives on m_thread; jobs are queued to it
    bool m_busy = false;          // only touched on the window's thread
    link::LinkOutcome m_outcome;
};

} // namespace quarn
