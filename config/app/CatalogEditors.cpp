#include "config/app/CatalogEditors.h"

#include "config/editors/EditorCatalog.h"

namespace quarn {

QDialog* createCatalogEditor(const QString& key, SettingsTree::Kind tree, Register* image, QWidget* parent)
{
    // "Decoder 1-10" is in both trees; the tree says which dialog it opens.
    const EditorTree catalogTree =
        tree == SettingsTree::Kind::Telephone ? EditorTree::Telephone : EditorTree::Base;
    return createEditor(key, image, parent, catalogTree);
}

} // namespace quarn
