#pragma once

#include "platform/Progress.h"

#include <QList>

// Records what an exchange reports to its progress bar.
class RecordingProgress final : public platform::Progress {
public:
    void setRange(int maximum) override { ranges.append(maximum); }
    void setPosition(int position) override
    {
        positions.append(position);
        current = position;
    }
    void step() override
    {
        ++steps;
        ++current;
    }
    int range() const { return ranges.isEmpty() ? -1 : ranges.last(); }

    QList<int> ranges;
    QList<int> positions;
    int steps = 0;
    int current = 0;
};
