#pragma once

#include <QByteArray>

namespace sim {

// The unit's factory values, restored by "P222" (registers 0-199) and "P522" (300-499 and
// 600-799). Every register holds 8 upper-case hex digits.
class FactoryTable {
public:
    static QByteArray value(int n);
};

} // namespace sim
