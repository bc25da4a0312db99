#pragma once

#include <QString>

namespace cli {

// The language of quarnctl's messages and help: German as the programs speak, English with
// --language en or an English locale.
enum class Language { German, English };

// The text in the given language; every text of quarnctl is written as such a pair.
inline QString pick(Language language, const char* german, const char* english)
{
    return QString::fromUtf8(language == Language::English ? english : german);
}

} // namespace cli
