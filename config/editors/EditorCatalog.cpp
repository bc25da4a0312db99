#include "EditorCatalog.h"

#include "Decoder.h"
#include "EinzelnesRegister.h"
#include "Ffsk.h"
#include "InOutputs.h"
#include "Intercomtonfolge.h"
#include "KR517bD.h"
#include "KanFernKonfig.h"
#include "Rufgeber.h"
#include "Sammelrufauswerter.h"
#include "Scanner.h"
#include "Zielrufe.h"

namespace quarn {

namespace {
template <class Dialog> EditorFactory make()
{
    return [](Register* image, QWidget* parent) -> QDialog* { return new Dialog(image, parent); };
}
} // namespace

const QList<EditorEntry>& editorCatalog()
{
    static const QList<EditorEntry> catalog = {
        {"Einzelnes Register lesen/schreiben", make<EinzelnesRegister>()},
        {"Rufgeber", make<Rufgeber>()},
        {"Decoder 1-10", make<Decoder>()},
        {"Konfiguration Ein-/Ausgänge", make<InOutputs>()},
        {"Zielrufe", make<Zielrufe>()},
        {"Intercomtonfolge", make<Intercomtonfolge>()},
        {"FFSK-Modus (+ FMS)", make<Ffsk>()},
        {"Konfiguration", make<KanFernKonfig>()},
        {"Scannerfunktion", make<Scanner>()},
        {"Sammelrufauswerter", make<Sammelrufauswerter>()},
        {"KR517bD Alarmauswerter", make<KR517bD>()},
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
