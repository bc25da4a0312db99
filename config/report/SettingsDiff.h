#pragma once

#include "config/report/SettingsReport.h"

#include <QStringList>

namespace quarn {

class Register;

// What differs between two images, by setting name: "Tree item › Field: value1 → value2",
// then the registers whose differing digits no dialog shows.
class SettingsDiff {
public:
    static QStringList lines(Register& first, Register& second);
};

} // namespace quarn
