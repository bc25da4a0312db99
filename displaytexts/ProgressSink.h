#pragma once

namespace tekstor {

// Where a transfer reports its progress (the window's progress bar of the kind). Called
// from the worker thread; a window implementation forwards to the UI thread.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void setRange(int maximum) = 0; // minimum is always 0
    virtual void setPosition(int position) = 0;
    virtual void step() = 0; // position + 1
};

// Ignores everything.
class NullProgress final : public ProgressSink {
public:
    void setRange(int) override {}
    void setPosition(int) override {}
    void step() override {}
};

} // namespace tekstor
