#include "EditorCatalog.h"

#include "AmtstonAusw.h"
#include "DTMFAllg.h"
#include "DTMFBegSchluss.h"
#include "DTMFDurch.h"
#include "DTMFga.h"
#include "Decoder.h"
#include "EinzelnesRegister.h"
#include "ImpulsG.h"
#include "InOutputs.h"
#include "PilotGA.h"
#include "RingA.h"
#include "Rufgeber.h"
#include "TELDecoder.h"

namespace quarn {

namespace {
template <class Dialog> EditorFactory make()
{
    return [](Register* image, QWidget* parent) -> QDialog* { return new Dialog(image, parent); };
}

EditorFactory dtmfCall(DTMFBegSchluss::Mode mode)
{
    return [mode](Register* image, QWidget* parent) -> QDialog* {
        return new DTMFBegSchluss(image, mode, parent);
    };
}
} // namespace

const QList<EditorEntry>& editorCatalog()
{
    static const QList<EditorEntry> catalog = {
        {"Einzelnes Register lesen/schreiben", make<EinzelnesRegister>()},
        {"Rufgeber", make<Rufgeber>()},
        {"Decoder 1-10", make<Decoder>()},
        {"Konfiguration Ein-/Ausgänge", make<InOutputs>()},
        {"Kontrolltasten", make<DTMFAllg>(), EditorTree::Telephone},
        {"Beginnruf", dtmfCall(DTMFBegSchluss::Beginnruf), EditorTree::Telephone},
        {"Schlussruf", dtmfCall(DTMFBegSchluss::Schlussruf), EditorTree::Telephone},
        {"Durchwahl (Tel -> Funk)", make<DTMFDurch>(), EditorTree::Telephone},
        {"DTMF Geber/Auswerter", make<DTMFga>(), EditorTree::Telephone},
        {"Amtstonauswerter", make<AmtstonAusw>(), EditorTree::Telephone},
        {"Impulswahl-Geber", make<ImpulsG>(), EditorTree::Telephone},
        {"\"Ring\"-Auswerter", make<RingA>(), EditorTree::Telephone},
        {"Pilotton Geber/Auswerter", make<PilotGA>(), EditorTree::Telephone},
        {"Decoder 1-10", make<TELDecoder>(), EditorTree::Telephone},
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
