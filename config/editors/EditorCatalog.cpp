#include "EditorCatalog.h"

#include "Decoder.h"
#include "EingProg.h"
#include "EinzelnesRegister.h"
#include "InOutputs.h"
#include "LEDProg.h"
#include "Rufgeber.h"
#include "TastenProg.h"

namespace quarn {

namespace {
template <class Dialog> EditorFactory make()
{
    return [](Register* image, QWidget* parent) -> QDialog* { return new Dialog(image, parent); };
}
// The keypad in normal (0) or telephone mode (1).
EditorFactory keys(int mode)
{
    return
        [mode](Register* image, QWidget* parent) -> QDialog* { return new TastenProg(mode, parent, image); };
}
} // namespace

const QList<EditorEntry>& editorCatalog()
{
    static const QList<EditorEntry> catalog = {
        {"Einzelnes Register lesen/schreiben", make<EinzelnesRegister>()},
        {"Rufgeber", make<Rufgeber>()},
        {"Decoder 1-10", make<Decoder>()},
        {"Konfiguration Ein-/Ausgänge", make<InOutputs>()},
        {"Tasten", keys(0)},
        {"Eingänge", make<EingProg>()},
        {"LEDs", make<LEDProg>()},
        {"Tastenprogrammierung (im Telefon-Mode)", keys(1), EditorTree::Telephone},
    };
    return catalog;
}

QDialog* createEditor(const QString& itemText, Register* image, QWidget* parent, EditorTree tree)
{
    for (const EditorEntry& e : editorCatalog()) {
        if (e.tree == tree && itemText == QString::fromUtf8(e.itemText))
            return e.create(image, parent);
    }
    return nullptr;
}

} // namespace quarn
