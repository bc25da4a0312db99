#include "EditorCatalog.h"

#include "Allgemein.h"
#include "Decoder.h"
#include "Druckerparameter.h"
#include "EinzelnesRegister.h"
#include "InOutputs.h"
#include "LSKonfig.h"
#include "Passwort.h"
#include "RS232Parameter.h"
#include "Rufgeber.h"

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
        {"Lautsprecherkonfiguration", make<LSKonfig>()},
        {"Druckerparameter", make<Druckerparameter>()},
        {"RS232-Parameter", make<RS232Parameter>()},
        {"Allgemeine Konfiguration", make<Allgemein>()},
        {"User-Passwort", make<Passwort>()},
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
