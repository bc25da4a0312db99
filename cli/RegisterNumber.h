#pragma once

#include <QString>

namespace cli {

// The register number text names, if a settings file with or without the telephone
// interface has it; -1 otherwise.
int registerNumber(const QString& text, bool withTelephone);

} // namespace cli
