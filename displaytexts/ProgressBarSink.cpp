#include "ProgressBarSink.h"

namespace tekstor {

void ProgressBarSink::setRange(int maximum)
{
    QPointer<QProgressBar> bar = m_bar;
    QMetaObject::invokeMethod(
        bar,
        [bar, maximum] {
            if (bar) {
                // An empty range would make the bar run endlessly; show it empty instead.
                bar->setRange(0, qMax(maximum, 1));
                bar->setValue(0);
            }
        },
        Qt::QueuedConnection);
}

void ProgressBarSink::setPosition(int position)
{
    QPointer<QProgressBar> bar = m_bar;
    QMetaObject::invokeMethod(
        bar,
        [bar, position] {
            if (bar)
                bar->setValue(position);
        },
        Qt::QueuedConnection);
}

void ProgressBarSink::step()
{
    QPointer<QProgressBar> bar = m_bar;
    QMetaObject::invokeMethod(
        bar,
        [bar] {
            if (bar)
                bar->setValue(qMin(bar->value() + 1, bar->maximum()));
        },
        Qt::QueuedConnection);
}

} // namespace tekstor
