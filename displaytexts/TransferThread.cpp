#include "TransferThread.h"

#include <QPointer>

namespace tekstor {

TransferThread::TransferThread(QObject* parent) : QObject(parent)
{
    m_context = new QObject;
    m_context->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_context, &QObject::deleteLater);
    m_thread.setObjectName(QStringLiteral("TekstorTransfer"));
    m_thread.start();
}

TransferThread::~TransferThread()
{
    m_thread.quit();
    m_thread.wait();
}

void TransferThread::run(std::function<void()> job, std::function<void()> completion)
{
    ++m_pending;
    QPointer<TransferThread> self = this;
    QMetaObject::invokeMethod(
        m_context,
        [self, job = std::move(job), completion = std::move(completion)] {
            job();
            QMetaObject::invokeMethod(
                self,
                [self, completion] {
                    if (!self)
                        return;
                    --self->m_pending;
                    completion();
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

} // namespace tekstor
