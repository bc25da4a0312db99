#include "platform/Worker.h"

#include <QMetaObject>

namespace platform {

Worker::Worker(QObject* parent) : QObject(parent)
{
    m_thread.setObjectName(QStringLiteral("exchange"));
    m_context = new QObject;
    m_context->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_context, &QObject::deleteLater);
    m_thread.start();
}

Worker::~Worker()
{
    m_thread.quit();
    m_thread.wait();
}

void Worker::post(std::function<void()> task)
{
    QMetaObject::invokeMethod(m_context, std::move(task), Qt::QueuedConnection);
}

void Worker::complete(std::function<void()> onOwnThread)
{
    // Queued to this object: dropped with it if the window has gone meanwhile.
    QMetaObject::invokeMethod(this, std::move(onOwnThread), Qt::QueuedConnection);
}

void Worker::runAndWait(const std::function<void()>& task)
{
    if (QThread::currentThread() == &m_thread) {
        task();
        return;
    }
    QMetaObject::invokeMethod(m_context, task, Qt::BlockingQueuedConnection);
}

} // namespace platform
