#pragma once

#include "platform/Progress.h"

#include <QObject>
#include <QThread>
#include <atomic>
#include <functional>

namespace platform {

// The one worker thread of a window. Exchanges with the unit run on it one at a time, so
// the port is only ever used from that thread. A job gets what it needs by value and
// returns its result by value; the result reaches the completion on the thread that owns
// the worker (the UI thread), which alone touches widgets. Progress reaches that thread as
// queued signals.
class Worker final : public QObject, private Progress {
    Q_OBJECT
public:
    explicit Worker(QObject* parent = nullptr);
    ~Worker() override; // lets a running job end first

    // Runs job on the worker thread, then done(result) on this object's thread. False
    // (nothing started) while another job runs: the caller keeps every command that would
    // start one disabled until finished() has arrived.
    template <class Result> bool start(std::function<Result(Progress&)> job, std::function<void(Result)> done)
    {
        if (m_busy)
            return false;
        m_busy = true;
        m_stop = false;
        post([this, job = std::move(job), done = std::move(done)] {
            Result result = job(*this);
            complete([this, done, result] {
                m_busy = false;
                done(result);
                emit finished();
            });
        });
        return true;
    }

    bool busy() const { return m_busy; }

    // Asks the running job to end at its next safe point; it reads stopRequested().
    void requestStop() { m_stop = true; }
    bool stopRequested() const { return m_stop; }
    const std::atomic_bool& stopFlag() const { return m_stop; }

    // Runs a short task (closing the port) on the worker thread and waits for it. Only
    // while no job runs.
    void runAndWait(const std::function<void()>& task);

signals:
    void rangeChanged(int maximum);
    void positionChanged(int position);
    void stepped();
    // After the completion of a job has run.
    void finished();

private:
    void setRange(int maximum) override { emit rangeChanged(maximum); }
    void setPosition(int position) override { emit positionChanged(position); }
    void step() override { emit stepped(); }

    void post(std::function<void()> task);
    void complete(std::function<void()> onOwnThread);

    QThread m_thread;
    QObject* m_context = nullptr; // lives on m_thread; jobs are queued to it
    bool m_busy = false;          // only touched on the owner's thread
    std::atomic_bool m_stop{false};
};

} // namespace platform
