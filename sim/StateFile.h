#pragma once

#include <QString>

namespace sim {

class UnitModel;

// The simulated unit's registers kept across runs, in the settings-file layout: "WithTI" or
// "NoTI", then one line "R" nnn " " dddddddd per register, CR LF line ends. A unit with
// telephone interface adds its short-dial memory after the registers, one line per entry
// as it lists them: "WP" nnn ":" and the entry padded with '.' to 16.
class StateFile {
public:
    // Lines that do not hold 8 upper-case hex digits leave their register unchanged; a file
    // without short-dial lines leaves the memory as it was.
    static bool load(const QString& path, UnitModel& unit);
    // Written atomically: a crash leaves the old file or the new one, never half of one.
    static bool save(const QString& path, const UnitModel& unit);
};

} // namespace sim
