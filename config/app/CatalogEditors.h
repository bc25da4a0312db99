#pragma once

#include "config/app/SettingsTree.h"
#include "config/editors/EditorCatalog.h"

class QDialog;
class QWidget;

namespace quarn {

class Register;

// The settings dialog of a tree item, from the catalog of dialogs that exist; nullptr for
// a group or an item whose dialog is not built yet.
QDialog* createCatalogEditor(const QString& key, SettingsTree::Kind tree, Register* image, QWidget* parent);
// What that dialog needs of the window.
EditorNeeds catalogEditorNeeds(const QString& key, SettingsTree::Kind tree);

} // namespace quarn
