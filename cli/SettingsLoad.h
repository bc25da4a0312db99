#pragma once

#include "config/register/Register.h"
#include "config/register/SettingsFile.h"

namespace cli {

class Diagnostics;

// Loads a settings file and says why it did not load fully, if so, naming the file and its
// first bad line. The rule of every command: a file not read completely is an error (exit 4);
// show, get and diff still print what they read, and nothing is written from it: set does not
// rewrite it, write sends nothing, verify and report do not run.
quarn::LoadResult loadSettings(quarn::Register& image, const QString& path, Diagnostics& diag);

} // namespace cli
