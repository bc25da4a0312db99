#pragma once

#include <QObject>
#include <QThread>
#include <functional>

namespace tekstor {

// The one worker thread of the main window. Exchanges with the unit run here one after
// the other; when one has run, its completion runs on the thread that owns this object
// (the UI thread), which alone touches the widgets.
class TransferThread : public QObject {
    Q_OBJECT
public:
    explicit TransferThread(QObject* parent = nullptr);
    // Lets the queued exchanges finish before the thread goes.
    ~TransferThread() override;

    void run(std::function<void()> job, std::function<void()> completion);

    // Exchanges queued or running.
    int pending() const { return m_pending; }

private:
    QThread m_thread;
    QObject* m_context = nullptr; // lives on m_thread
    int m_pending = 0;
};

} // namespace tekstor
