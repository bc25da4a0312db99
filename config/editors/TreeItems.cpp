#include "config/editors/TreeItems.h"

#include <QCoreApplication>

namespace quarn {

// The items in the order they appear; the texts are the keys of the dialog table.
const QList<TreeItem>& treeItems(EditorTree tree)
{
    static const QList<TreeItem> base = {
        {0, QT_TRANSLATE_NOOP("SettingsTree", "Tonrufsystem")},
        {1, QT_TRANSLATE_NOOP("SettingsTree", "Rufgeber")},
        {1, QT_TRANSLATE_NOOP("SettingsTree", "Zielrufe")},
        {1, QT_TRANSLATE_NOOP("SettingsTree", "Standardquittung")},
        {1, QT_TRANSLATE_NOOP("SettingsTree", "Intercomtonfolge")},
        {0, QT_TRANSLATE_NOOP("SettingsTree", "Auswertefunktionen")},
        {1, QT_TRANSLATE_NOOP("SettingsTree", "Decoder 1-10")},
        {1, QT_TRANSLATE_NOOP("SettingsTree", "Referenzwerte für Tonfolgeauswertung")},
        {1, QT_TRANSLATE_NOOP("SettingsTree", "Kennungsauswertung")},
        {1, QT_TRANSLATE_NOOP("SettingsTree", "Schlüsseltöne für Muting / Druckerausgabe")},
        {1, QT_TRANSLATE_NOOP("SettingsTree", "KR517bD Alarmauswerter")},
        {1, QT_TRANSLATE_NOOP("SettingsTree", "Sammelrufauswerter")},
        {0, QT_TRANSLATE_NOOP("SettingsTree", "Lautsprecherkonfiguration")},
        {0, QT_TRANSLATE_NOOP("SettingsTree", "RS232-Ausgaben")},
        {1, QT_TRANSLATE_NOOP("SettingsTree", "Druckerparameter")},
        {1, QT_TRANSLATE_NOOP("SettingsTree", "RS232-Parameter")},
        {0, QT_TRANSLATE_NOOP("SettingsTree", "Kanalschaltung")},
        {1, QT_TRANSLATE_NOOP("SettingsTree", "Konfiguration")},
        {1, QT_TRANSLATE_NOOP("SettingsTree", "Scannerfunktion")},
        {0, QT_TRANSLATE_NOOP("SettingsTree", "Squelch-Konfiguration")},
        {0, QT_TRANSLATE_NOOP("SettingsTree", "FFSK-Modus (+ FMS)")},
        {0, QT_TRANSLATE_NOOP("SettingsTree", "Konfiguration Ein-/Ausgänge")},
        {0, QT_TRANSLATE_NOOP("SettingsTree", "Pilotton")},
        {0, QT_TRANSLATE_NOOP("SettingsTree", "Radio-Mute")},
        {0, QT_TRANSLATE_NOOP("SettingsTree", "Roger-Beep")},
        {0, QT_TRANSLATE_NOOP("SettingsTree", "Allgemeine Konfiguration")},
        {0, QT_TRANSLATE_NOOP("SettingsTree", "Funktionsprogrammierung")},
        {1, QT_TRANSLATE_NOOP("SettingsTree", "Tasten")},
        {1, QT_TRANSLATE_NOOP("SettingsTree", "Eingänge")},
        {1, QT_TRANSLATE_NOOP("SettingsTree", "LEDs")},
        {0, QT_TRANSLATE_NOOP("SettingsTree", "User-Passwort")},
        {0, QT_TRANSLATE_NOOP("SettingsTree", "Einzelnes Register lesen/schreiben")},
    };
    static const QList<TreeItem> telephone = {
        {0, QT_TRANSLATE_NOOP("SettingsTree", "DTMF-Konfiguration")},
        {1, QT_TRANSLATE_NOOP("SettingsTree", "Kontrolltasten")},
        {1, QT_TRANSLATE_NOOP("SettingsTree", "Beginnruf")},
        {1, QT_TRANSLATE_NOOP("SettingsTree", "Schlussruf")},
        {1, QT_TRANSLATE_NOOP("SettingsTree", "Durchwahl (Tel -> Funk)")},
        {0, QT_TRANSLATE_NOOP("SettingsTree", "Konfiguration Telefonmode")},
        {0, QT_TRANSLATE_NOOP("SettingsTree", "Decoder 1-10")},
        {0, QT_TRANSLATE_NOOP("SettingsTree", "Tastenprogrammierung (im Telefon-Mode)")},
        {0, QT_TRANSLATE_NOOP("SettingsTree", "Geber/Auswerter (Telefon)")},
        {1, QT_TRANSLATE_NOOP("SettingsTree", "Amtstonauswerter")},
        {1, QT_TRANSLATE_NOOP("SettingsTree", "DTMF Geber/Auswerter")},
        {1, QT_TRANSLATE_NOOP("SettingsTree", "Impulswahl-Geber")},
        {1, QT_TRANSLATE_NOOP("SettingsTree", "\"Ring\"-Auswerter")},
        {1, QT_TRANSLATE_NOOP("SettingsTree", "Pilotton Geber/Auswerter")},
        {0, QT_TRANSLATE_NOOP("SettingsTree", "Eingangspegel Telefon")},
        {0, QT_TRANSLATE_NOOP("SettingsTree", "Konfiguration Telefon (LX4410C)")},
        {0, QT_TRANSLATE_NOOP("SettingsTree", "NF-Delay")},
        {0, QT_TRANSLATE_NOOP("SettingsTree", "VOX-Konfiguration")},
        {0, QT_TRANSLATE_NOOP("SettingsTree", "Sonstige NF-Ausgabepegel")},
        {0, QT_TRANSLATE_NOOP("SettingsTree", "Kurzwahlspeicher programmieren")},
    };
    return tree == EditorTree::Base ? base : telephone;
}

} // namespace quarn
