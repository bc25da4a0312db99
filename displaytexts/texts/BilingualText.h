#pragma once

#include "displaytexts/texts/Messages.h"

#include <QString>

namespace tekstor {

// Tekstor keeps each caption in German and English and picks one by its language flag at
// run time, so both live side by side in the source.
struct BilingualText {
    const char* german;
    const char* english;

    QString in(Language language) const { return msg::pick(language, german, english); }
};

} // namespace tekstor
