#include "config/editors/EditorCatalog.h"

#include "config/editors/base/Allgemein.h"
#include "config/editors/base/Decoder.h"
#include "config/editors/base/Druckerparameter.h"
#include "config/editors/base/EinzelnesRegister.h"
#include "config/editors/base/Ffsk.h"
#include "config/editors/base/InOutputs.h"
#include "config/editors/base/Intercomtonfolge.h"
#include "config/editors/base/KR517bD.h"
#include "config/editors/base/KanFernKonfig.h"
#include "config/editors/base/Kennungsauswertung.h"
#include "config/editors/base/LSKonfig.h"
#include "config/editors/base/MutingDruckerausgabe.h"
#include "config/editors/base/Passwort.h"
#include "config/editors/base/Pilotton.h"
#include "config/editors/base/RS232Parameter.h"
#include "config/editors/base/RadioMute.h"
#include "config/editors/base/RefTonfolgeauswertung.h"
#include "config/editors/base/Rogerbeep.h"
#include "config/editors/base/Rufgeber.h"
#include "config/editors/base/Sammelrufauswerter.h"
#include "config/editors/base/Scanner.h"
#include "config/editors/base/SquelchKonfig.h"
#include "config/editors/base/Standardquittung.h"
#include "config/editors/base/Zielrufe.h"
#include "config/editors/keys/EingProg.h"
#include "config/editors/keys/LEDProg.h"
#include "config/editors/keys/TastenProg.h"
#include "config/editors/telephone/AmtstonAusw.h"
#include "config/editors/telephone/DTMFAllg.h"
#include "config/editors/telephone/DTMFBegSchluss.h"
#include "config/editors/telephone/DTMFDurch.h"
#include "config/editors/telephone/DTMFga.h"
#include "config/editors/telephone/ImpulsG.h"
#include "config/editors/telephone/KWSpeicher.h"
#include "config/editors/telephone/KonfTelIA.h"
#include "config/editors/telephone/NFDelay.h"
#include "config/editors/telephone/NFPegel.h"
#include "config/editors/telephone/PilotGA.h"
#include "config/editors/telephone/R4807.h"
#include "config/editors/telephone/RingA.h"
#include "config/editors/telephone/TELDecoder.h"
#include "config/editors/telephone/TelInPegel.h"
#include "config/editors/telephone/TelKonfig.h"
#include "config/editors/telephone/Vox.h"

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

EditorFactory dtmfCall(DTMFBegSchluss::Mode mode)
{
    return [mode](Register* image, QWidget* parent) -> QDialog* {
        return new DTMFBegSchluss(image, mode, parent);
    };
}

// The short-dial exchange runs on the window's line and leaves the unit out of PC mode.
EditorNeeds shortDialNeeds()
{
    EditorNeeds needs;
    needs.attachLine = [](QDialog* dialog, const EditorLine& line) {
        if (auto* shortDial = qobject_cast<KWSpeicher*>(dialog))
            shortDial->attach({line.port, line.clock, line.portName});
    };
    needs.endsPcMode = true;
    return needs;
}

const EditorEntry* find(const QString& itemText, EditorTree tree)
{
    for (const EditorEntry& e : editorCatalog()) {
        if (e.tree == tree && itemText == QString::fromUtf8(e.itemText))
            return &e;
    }
    return nullptr;
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
        {"Squelch-Konfiguration", make<SquelchKonfig>()},
        {"Pilotton", make<Pilotton>()},
        {"Radio-Mute", make<RadioMute>()},
        {"Roger-Beep", make<Rogerbeep>()},
        {"Kennungsauswertung", make<Kennungsauswertung>()},
        {"Standardquittung", make<Standardquittung>()},
        {"Schlüsseltöne für Muting / Druckerausgabe", make<MutingDruckerausgabe>()},
        {"Referenzwerte für Tonfolgeauswertung", make<RefTonfolgeauswertung>()},
        {"Tasten", keys(0)},
        {"Eingänge", make<EingProg>()},
        {"LEDs", make<LEDProg>()},
        {"Tastenprogrammierung (im Telefon-Mode)", keys(1), EditorTree::Telephone},
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
        {"Konfiguration Telefonmode", make<TelKonfig>(), EditorTree::Telephone},
        {"Eingangspegel Telefon", make<TelInPegel>(), EditorTree::Telephone},
        {"Konfiguration Telefon (LX4410C)", make<KonfTelIA>(), EditorTree::Telephone},
        {"NF-Delay", make<NFDelay>(), EditorTree::Telephone},
        {"VOX-Konfiguration", make<Vox>(), EditorTree::Telephone},
        {"Sonstige NF-Ausgabepegel", make<NFPegel>(), EditorTree::Telephone},
        // The tree handler knows this text, but no tree shows it: the dialog opens only from
        // here (the tests and the screenshots).
        {"Konfiguration R48-07 für Telefon", make<R4807>(), EditorTree::Telephone},
        {"Kurzwahlspeicher programmieren", make<KWSpeicher>(), EditorTree::Telephone, shortDialNeeds()},
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
    const EditorEntry* entry = find(itemText, tree);
    return entry ? entry->create(image, parent) : nullptr;
}

EditorNeeds editorNeeds(const QString& itemText, EditorTree tree)
{
    const EditorEntry* entry = find(itemText, tree);
    return entry ? entry->needs : EditorNeeds{};
}

} // namespace quarn
