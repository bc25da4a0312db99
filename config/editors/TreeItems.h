#pragma once

#include "config/editors/EditorCatalog.h"

#include <QList>

namespace quarn {

// An item of one of the two settings trees: its German text (the key of its dialog in the
// catalog, translated in the context "SettingsTree") and its depth.
struct TreeItem {
    int depth; // 0: top level, 1: child of the last top-level item
    const char* text;
};

// The items of a tree in the order they appear.
const QList<TreeItem>& treeItems(EditorTree tree);

} // namespace quarn
