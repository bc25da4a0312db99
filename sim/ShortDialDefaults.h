#pragma once

#include <QByteArray>

namespace sim {

// What a unit in use holds in its short-dial memory before anyone writes to it: most
// entries a telephone number, some with the "*31#" prefix or a closing '#', every tenth
// empty. At most 16 characters each, never a '.' (the unit's padding).
class ShortDialDefaults {
public:
    static QByteArray entry(int n);
    // A unit sends a '#' between some lines of a listing (after entry lines n where this
    // holds); the program has to drop it.
    static bool strayHashAfter(int n) { return n % 32 == 7; }
};

} // namespace sim
