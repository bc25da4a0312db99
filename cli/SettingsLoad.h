#pragma once

#include "config/register/Register.h"
#include "config/register/SettingsFile.h"

namespace cli {

class Diagnostics;

// Loads a settings file and says why it did not load fully, if so, naming the file.
quarn::LoadResult loadSettings(quarn::Register& image, const QString& path, Diagnostics& diag);

} // namespace cli
