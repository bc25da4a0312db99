#pragma once

#include "displaytexts/texts/BilingualText.h"
#include "displaytexts/texts/Register.h"

#include <QString>
#include <array>

namespace tekstor {

// What differs between the three kinds of text, in one place: the window's panels, its
// transfers and files, and quarnctl texts all look here instead of switching on the kind.
struct TextKindInfo {
    TextKind kind;
    const char* name;      // in object names: "Id", "Channel", "Own"
    const char* plural;    // in quarnctl's lines: "ID texts", ...
    const char* extension; // of its text files, without the dot
    BilingualText fileFilter;
    BilingualText group; // the panel's caption
    BilingualText readButton;
    BilingualText writeButton;
    BilingualText programmed; // the note after programming
    bool checkable;           // the tree has check boxes; "Ändern..." edits the checked texts
    bool expandedTree;        // the tree is shown expanded after a read or file
    // Writing needs no question before a read or file: the ID tree has no ranges to send
    // until texts were read or opened, so nothing is overwritten blindly.
    bool writesOnlyShownRanges;
};

const TextKindInfo& textKindInfo(TextKind kind);

// The order of the window's panels.
constexpr std::array<TextKind, 3> PanelOrder{TextKind::Ids, TextKind::Own, TextKind::Channels};

} // namespace tekstor
