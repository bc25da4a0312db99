#include "EditorCatalog.h"

#include "Allgemein.h"
#include "AmtstonAusw.h"
#include "DTMFAllg.h"
#include "DTMFBegSchluss.h"
#include "DTMFDurch.h"
#include "DTMFga.h"
#include "Decoder.h"
#include "Druckerparameter.h"
#include "EingProg.h"
#include "EinzelnesRegister.h"
#include "Ffsk.h"
#include "ImpulsG.h"
#include "InOutputs.h"
#include "Intercomtonfolge.h"
#include "KR517bD.h"
#include "KanFernKonfig.h"
#include "Kennungsauswertung.h"
#include "LEDProg.h"
#include "LSKonfig.h"
#include "MutingDruckerausgabe.h"
#include "Passwort.h"
#include "PilotGA.h"
#include "Pilotton.h"
#include "RS232Parameter.h"
#include "RadioMute.h"
#include "RefTonfolgeauswertung.h"
#include "RingA.h"
#include "Rogerbeep.h"
#include "Rufgeber.h"
#include "Sammelrufauswerter.h"
#include "Scanner.h"
#include "SquelchKonfig.h"
#include "Standardquittung.h"
#include "TELDecoder.h"
#include "TastenProg.h"
#include "Zielrufe.h"

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
