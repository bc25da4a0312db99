#pragma once

#include <QTextStream>

#include "config/register/Register.h"
#include "config/register/SettingsFile.h"

namespace cli {

// Loads a settings file and prints why it did not load fully, if so.
quarn::LoadResult loadSettings(quarn::Register& image, const QString& path, QTextStream& err);

} // namespace cli
