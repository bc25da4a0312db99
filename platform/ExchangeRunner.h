#pragma once

#include "platform/Progress.h"

#include <QObject>
#include <QThread>
#include <atomic>
#include <functional>

namespace platform {

// Runs the transfers of one window beside it, one at a time, on the window's own worker
// thread, so the port is only ever used from that thread and no widget is touched from it.
//
//   runner.start<Result>(job, done)
//     job(progress, stop) runs on the worker. It gets by value (its captures) every input it
//     needs and never touches the window; it returns its result by value. It looks at stop
//     between steps and ends early once it is set.
//     done(result) then runs on the thread that owns the runner (the UI thread), which alone
//     applies the result to the window. Progress reaches that thread as queued signals.
//     False, and nothing started, while another job runs.
//   requestStop()   asks the running job to end; done still arrives with what it got.
//   stopAndWait()   for a window that goes away: asks the job to end, waits until it has,
//                   and drops its done. The destructor does the same.
//   runAndWait(f)   a short task on the worker (closing the port), only while idle.
class ExchangeRunner final : public QObject, private Progress {
    Q_OBJECT
public:
    using StopFlag = std::atomic_bool;

    explicit ExchangeRunner(QObject* parent = nullptr);
    ~ExchangeRunner() override;

    template <class Result>
    bool start(std::function<Result(Progress&, const StopFlag&)> job, std::function<void(Result)> done)
    {
        if (m_busy)
            return false;
        m_busy = true;
        m_stop = false;
        const quint64 generation = ++m_generation;
        post([this, generation, job = std::move(job), done = std::move(done)] {
            Result result = job(*this, m_stop);
            complete(generation, [this, done, result = std::move(result)] {
                m_busy = false;
                done(result);
                emit finished();
            });
        });
        return true;
    }

    // The form of jobs that take the stop flag through stopFlag() themselves.
    template <class Result> bool start(std::function<Result(Progress&)> job, std::function<void(Result)> done)
    {
        return start<Result>(
            std::function<Result(Progress&, const StopFlag&)>(
                [job = std::move(job)](Progress& progress, const StopFlag&) { return job(progress); }),
            std::move(done));
    }

    bool busy() const { return m_busy; }

    void requestStop() { m_stop = true; }
    bool stopRequested() const { return m_stop; }
    const StopFlag& stopFlag() const { return m_stop; }

    void stopAndWait();
    void runAndWait(const std::function<void()>& task);

signals:
    void rangeChanged(int maximum);
    void positionChanged(int position);
    void stepped();
    // After done of a job has run.
    void finished();

private:
    void setRange(int maximum) override { emit rangeChanged(maximum); }
    void setPosition(int position) override { emit positionChanged(position); }
    void step() override { emit stepped(); }

    void post(std::function<void()> task);
    void complete(quint64 generation, std::function<void()> onOwnThread);

    QThread m_thread;
    QObject* m_context = nullptr; // lives on m_thread; jobs are queued to it
    bool m_busy = false;          // only touched on the owner's thread
    quint64 m_generation = 0;     // of the last job started; owner's thread
    quint64 m_abandoned = 0;      // jobs up to this one were waited for: their done is dropped
    StopFlag m_stop{false};
};

} // namespace platform
