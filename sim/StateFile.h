#pragma once

#include <QString>

namespace sim {

class UnitModel;

// The simulated unit's registers kept across runs, in the settings-file layout: "WithTI" or
// "NoTI", then one line "R" nnn " " dddddddd per register, CR LF line ends.
class StateFile {
public:
    // Lines that do not hold 8 upper-case hex digits leave their register unchanged.
    static bool load(const QString& path, UnitModel& unit);
    // Written atomically: a crash leaves the old file or the new one, never half of one.
    static bool save(const QString& path, const UnitModel& unit);
};

} // namespace sim
