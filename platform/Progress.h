#pragma once

namespace platform {

// Where a long exchange reports how far it has got: a window's progress bar, a console
// line, or nothing. The range always starts at 0. Called from the thread the exchange
// runs on; an implementation that shows something hands it to its own thread.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void setRange(int maximum) = 0;
    virtual void setPosition(int position) = 0;
    virtual void step() = 0; // position + 1
};

// For callers that show no progress.
class NoProgress final : public Progress {
public:
    void setRange(int) override {}
    void setPosition(int) override {}
    void step() override {}
};

} // namespace platform
