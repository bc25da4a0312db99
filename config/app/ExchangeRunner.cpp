#include "ExchangeRunner.h"

#include <QMetaObject>

namespace quarn {

ExchangeRunner::ExchangeRunner(QObject* parent) : QObject(parent)
{
    m_thread.setObjectName(QStringLiteral("exchange"));
    m_context = new QObject;
    m_context->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_context, &QObject::deleteLater);
    m_thread.start();
}

ExchangeRunner::~ExchangeRunner()
{
    m_thread.quit();
    m_thread.wait();
}

bool ExchangeRunner::start(Job job)
{
    if (m_busy)
        return false;
    m_busy = true;
    QMetaObject::invokeMethod(
        m_context,
        [this, job = std::move(job)] {
            link::LinkOutcome outcome = job(*this);
            // Handed over on the window's thread, so outcome() never races the worker.
            QMetaObject::invokeMethod(
                this,
                [this, outcome] {
                    m_outcome = outcome;
                    m_busy = false;
                    emit finished();
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    return true;
}

void ExchangeRunner::runAndWait(const std::function<void()>& task)
{
    if (QThread::currentThread() == &m_thread) {
        task();
        return;
    }
    QMetaObject::invokeMethod(m_context, task, Qt::BlockingQueuedConnection);
}

} // namespace quarn
