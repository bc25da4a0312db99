#pragma once

#include <QByteArray>

namespace sim {

// The own texts built into the unit's firmware, in six languages: 0 German, 1 English,
// 2 French, 3 Dutch, 4 Italian, 5 Czech.
class BuiltInTexts {
public:
    static constexpr int kCount = 128;
    // Own text n of a language in the unit's codes: 24 display characters and 8
    // configuration characters. Empty for a language or number out of range.
    static QByteArray ownText(int language, int n);
};

} // namespace sim
