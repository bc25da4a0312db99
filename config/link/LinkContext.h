#pragma once

#include <QString>
#include <atomic>

namespace platform {
class BytePort;
class Clock;
class Progress;
} // namespace platform

namespace quarn {
class Register;
}

namespace quarn::link {

// What every exchange works with: the port, the clock for its waits, the register image,
// the port name the user selected, where progress goes and, for the long transfers, a
// flag asking them to end at the next register. Nothing is owned.
struct LinkContext {
    platform::BytePort& port;
    platform::Clock& clock;
    quarn::Register& image;
    QString portName;
    platform::Progress& progress;
    const std::atomic_bool* stop = nullptr;

    bool stopRequested() const { return stop && stop->load(); }
};

} // namespace quarn::link
