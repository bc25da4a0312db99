#pragma once

#include <QList>
#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace quarn {

class Register;

using EditorFactory = std::function<QDialog*(Register* image, QWidget* parent)>;

// The tree an item belongs to: "Decoder 1-10" is an item of both.
enum class EditorTree { Base, Telephone };

struct EditorEntry {
    // The German source text of the tree item that opens the dialog (untranslated).
    const char* itemText;
    EditorFactory create;
    EditorTree tree = EditorTree::Base;
};

// Every settings dialog that exists, keyed by the tree item that opens it.
const QList<EditorEntry>& editorCatalog();

// The dialog for a tree item, or nullptr when that dialog is not built yet.
QDialog* createEditor(const QString& itemText, Register* image, QWidget* parent,
                      EditorTree tree = EditorTree::Base);

} // namespace quarn
