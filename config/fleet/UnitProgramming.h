#pragma once

#include "config/register/Register.h"

#include <QCoreApplication>
#include <QString>

#include <atomic>
#include <optional>

namespace platform {
class BytePort;
class Clock;
class Progress;
} // namespace platform

namespace quarn::fleet {

// How one unit of a job ended.
struct UnitResult {
    enum class State { Done, Failed, SameAsPrevious, Stopped };
    State state = State::Failed;
    QString message;   // why it failed, in the language installed
    QString model;     // "Quarn 8k" as the unit named itself; empty when none answered
    QString version;   // the unit's version text
    QString imageHash; // SHA-256 (hex) of the settings file of the image sent; empty when none was sent
    std::optional<Register> imageRead; // what the unit held before it was changed
    bool done() const { return state == State::Done; }
};

// One unit on one port: connect, read everything (the image before), send the image, read
// everything back and compare, disconnect. Runs on the worker that owns the port.
class UnitProgramming {
    Q_DECLARE_TR_FUNCTIONS(UnitProgramming)

public:
    // prepared: the template with the unit's row; its telephoneInterface flag says whether the
    // telephone interface's registers go out. previous: the image sent to the unit programmed
    // last on this port; a unit that still holds it is that unit, not the next one.
    static UnitResult run(platform::BytePort& port, platform::Clock& clock, const QString& portName,
                          const Register& prepared, const std::optional<Register>& previous,
                          platform::Progress& progress, const std::atomic_bool& stop);

    // The SHA-256 of the image as its settings file.
    static QString hashOf(const Register& image);
};

} // namespace quarn::fleet
