#include "platform/ExchangeRunner.h"

#include <QMetaObject>

namespace platform {

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
    stopAndWait();
    m_thread.quit();
    m_thread.wait();
}

void ExchangeRunner::post(std::function<void()> task)
{
    QMetaObject::invokeMethod(m_context, std::move(task), Qt::QueuedConnection);
}

void ExchangeRunner::complete(quint64 generation, std::function<void()> onOwnThread)
{
    // Queued to this object: dropped with it if the window has gone meanwhile.
    QMetaObject::invokeMethod(
        this,
        [this, generation, onOwnThread = std::move(onOwnThread)] {
            if (generation > m_abandoned)
                onOwnThread();
        },
        Qt::QueuedConnection);
}

void ExchangeRunner::stopAndWait()
{
    if (!m_busy)
        return;
    m_abandoned = m_generation;
    m_stop = true;
    // Queued behind the job: returns once the job has ended. Its completion is still queued
    // to this thread and is dropped when it arrives (or with this object).
    if (QThread::currentThread() != &m_thread)
        QMetaObject::invokeMethod(
            m_context, [] {}, Qt::BlockingQueuedConnection);
    m_busy = false;
}

void ExchangeRunner::runAndWait(const std::function<void()>& task)
{
    if (QThread::currentThread() == &m_thread) {
        task();
        return;
    }
    QMetaObject::invokeMethod(m_context, task, Qt::BlockingQueuedConnection);
}

} // namespace platform
