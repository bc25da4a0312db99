#pragma once

namespace quarn::link {

// Where an exchange reports its progress (the main window's progress bar, a console
// line, or nothing). The range always starts at 0.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void setRange(int maximum) = 0;
    virtual void setPosition(int position) = 0;
    virtual void step() = 0;
};

// For callers that show no progress.
class NoProgress final : public ProgressSink {
public:
    void setRange(int) override {}
    void setPosition(int) override {}
    void step() override {}
};

} // namespace quarn::link
