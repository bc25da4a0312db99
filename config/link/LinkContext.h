#pragma once

#include <QString>

namespace platform {
class BytePort;
class Clock;
} // namespace platform

namespace quarn {
class Register;
}

namespace quarn::link {

class ProgressSink;

// What every exchange works with: the port, the clock for its waits, the register image,
// the port name the user selected and where progress goes. Nothing is owned.
struct LinkContext {
    platform::BytePort& port;
    platform::Clock& clock;
    quarn::Register& image;
    QString portName;
    ProgressSink& progress;
};

} // namespace quarn::link
