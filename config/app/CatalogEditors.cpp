#include "config/app/CatalogEditors.h"

#include "config/editors/EditorCatalog.h"

namespace quarn {

namespace {
// "Decoder 1-10" is in both trees; the tree says which dialog it opens.
EditorTree catalogTree(SettingsTree::Kind tree)
{
    return tree == SettingsTree::Kind::Telephone ? EditorTree::Telephone : EditorTree::Base;
}
} // namespace

QDialog* createCatalogEditor(const QString& key, SettingsTree::Kind tree, Register* image, QWidget* parent)
{
    return createEditor(key, image, parent, catalogTree(tree));
}

EditorNeeds catalogEditorNeeds(const QString& key, SettingsTree::Kind tree)
{
    return editorNeeds(key, catalogTree(tree));
}

} // namespace quarn
