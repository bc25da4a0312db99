#pragma once

#include "displaytexts/ProgressSink.h"

#include <QPointer>
#include <QProgressBar>

namespace tekstor {

// Hands a transfer's progress from its worker thread to a progress bar on the UI thread.
class ProgressBarSink final : public ProgressSink {
public:
    explicit ProgressBarSink(QProgressBar* bar) : m_bar(bar) {}

    void setRange(int maximum) override;
    void setPosition(int position) override;
    void step() override;

private:
    QPointer<QProgressBar> m_bar;
};

} // namespace tekstor
