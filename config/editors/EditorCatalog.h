#pragma once

#include <QList>
#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace platform {
class BytePort;
class Clock;
} // namespace platform

namespace quarn {

class Register;

using EditorFactory = std::function<QDialog*(Register* image, QWidget* parent)>;

// The tree an item belongs to: "Decoder 1-10" is an item of both.
enum class EditorTree { Base, Telephone };

// The window's line to the unit, for a dialog that talks to it. Nothing is owned.
struct EditorLine {
    platform::BytePort* port = nullptr;
    platform::Clock* clock = nullptr;
    QString portName;
};

// What a dialog needs of the window beyond the image. Most dialogs need nothing.
struct EditorNeeds {
    // It talks to the unit on the window's line: the window hands the line to it before it
    // runs (the window's own exchanges are idle then and the modal dialog keeps others away).
    std::function<void(QDialog* dialog, const EditorLine& line)> attachLine;
    // Its exchange ends the unit's PC mode: afterwards the window has the user select
    // "PC-Verbindung" again and connects anew.
    bool endsPcMode = false;
};

struct EditorEntry {
    // The German source text of the tree item that opens the dialog (untranslated).
    const char* itemText;
    EditorFactory create;
    EditorTree tree = EditorTree::Base;
    EditorNeeds needs = {};
};

// Every settings dialog that exists, keyed by the tree item that opens it.
const QList<EditorEntry>& editorCatalog();

// The dialog for a tree item, or nullptr when that dialog is not built yet.
QDialog* createEditor(const QString& itemText, Register* image, QWidget* parent,
                      EditorTree tree = EditorTree::Base);

// What the dialog of a tree item needs; nothing for an unknown item.
EditorNeeds editorNeeds(const QString& itemText, EditorTree tree = EditorTree::Base);

} // namespace quarn
