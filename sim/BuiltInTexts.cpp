#include "sim/BuiltInTexts.h"

#include "sim/UnitDisplayCodes.h"

#include <QList>
#include <QString>

namespace sim {

namespace {

// One own text in the six languages, with its configuration (type, positions, line).
struct Entry {
    const char* text[6]; // German, English, French, Dutch, Italian, Czech (UTF-8)
    const char* config;
};

// The firmware's fixed texts. Czech is written without its diacritics, which the display
// cannot show.
const Entry kFixed[] = {
    {{"Hauptmenü", "Main menu", "Menu principal", "Hoofdmenu", "Menu principale", "Hlavni menu"}, "00000001"},
    {{"Ruf senden", "Send call", "Envoyer appel", "Oproep zenden", "Invia chiamata", "Odeslat volani"},
     "00000001"},
    {{"Ruf empfangen", "Call received", "Appel reçu", "Oproep ontvangen", "Chiamata ricevuta",
      "Prijato volani"},
     "00000001"},
    {{"Kennungsspeicher", "ID memory", "Mémoire des ID", "ID-geheugen", "Memoria ID", "Pamet ID"},
     "00000001"},
    {{"Kennung löschen?", "Delete ID?", "Effacer l'ID?", "ID wissen?", "Cancellare ID?", "Smazat ID?"},
     "00000002"},
    {{"Kanalwahl", "Channel select", "Choix du canal", "Kanaalkeuze", "Scelta canale", "Volba kanalu"},
     "00000001"},
    {{"Kanal:", "Channel:", "Canal:", "Kanaal:", "Canale:", "Kanal:"}, "18000002"},
    {{"Scanner ein", "Scanner on", "Scanner actif", "Scanner aan", "Scanner attivo", "Skener zap."},
     "00000001"},
    {{"Scanner aus", "Scanner off", "Scanner arrêté", "Scanner uit", "Scanner spento", "Skener vyp."},
     "00000001"},
    {{"Lautsprecher ein", "Speaker on", "Haut-parleur actif", "Luidspreker aan", "Altoparlante on",
      "Reproduktor zap."},
     "00000001"},
    {{"Lautsprecher aus", "Speaker off", "Haut-parleur coupé", "Luidspreker uit", "Altoparlante off",
      "Reproduktor vyp."},
     "00000001"},
    {{"Lautstärke:", "Volume:", "Volume:", "Volume:", "Volume:", "Hlasitost:"}, "1D000002"},
    {{"Displaybeleuchtung", "Display light", "Eclairage écran", "Displayverlichting", "Luce display",
      "Podsvetleni"},
     "00000001"},
    {{"Uhrzeit stellen", "Set time", "Régler l'heure", "Tijd instellen", "Imposta ora", "Nastavit cas"},
     "00000001"},
    {{"Datum stellen", "Set date", "Régler la date", "Datum instellen", "Imposta data", "Nastavit datum"},
     "00000001"},
    {{"Passwort eingeben", "Enter password", "Entrer mot de passe", "Wachtwoord invoeren",
      "Inserire password", "Zadejte heslo"},
     "00000001"},
    {{"Passwort falsch!", "Wrong password!", "Mot de passe faux!", "Wachtwoord fout!", "Password errata!",
      "Chybne heslo!"},
     "00000002"},
    {{"Zielruf wählen", "Select target call", "Choisir appel dest.", "Doeloproep kiezen", "Scegli chiamata",
      "Zvolte cil. volani"},
     "00000001"},
    {{"Zielruf gesendet", "Target call sent", "Appel dest. envoyé", "Doeloproep verzonden",
      "Chiamata inviata", "Cil. volani odeslano"},
     "00000002"},
    {{"Sammelruf", "Group call", "Appel de groupe", "Groepsoproep", "Chiamata di gruppo", "Skupinove volani"},
     "00000001"},
    {{"Notruf!", "Emergency call!", "Appel d'urgence!", "Noodoproep!", "Chiamata emergenza!",
      "Tisnove volani!"},
     "00000001"},
    {{"Notruf gesendet", "Emergency sent", "Urgence envoyée", "Noodoproep verzonden", "Emergenza inviata",
      "Tisen odeslan"},
     "00000002"},
    {{"Alarm", "Alarm", "Alarme", "Alarm", "Allarme", "Poplach"}, "00000001"},
    {{"Quittung erhalten", "Acknowledged", "Acquittement reçu", "Bevestiging ontv.", "Conferma ricevuta",
      "Potvrzeni prijato"},
     "00000002"},
    {{"Keine Quittung", "No acknowledgement", "Pas d'acquittement", "Geen bevestiging", "Nessuna conferma",
      "Bez potvrzeni"},
     "00000002"},
    {{"Status senden", "Send status", "Envoyer statut", "Status zenden", "Invia stato", "Odeslat status"},
     "00000001"},
    {{"Status:", "Status:", "Statut:", "Status:", "Stato:", "Status:"}, "19000002"},
    {{"FMS-Status", "FMS status", "Statut FMS", "FMS-status", "Stato FMS", "FMS status"}, "00000001"},
    {{"FFSK-Ruf", "FFSK call", "Appel FFSK", "FFSK-oproep", "Chiamata FFSK", "FFSK volani"}, "00000001"},
    {{"Telefonmodus", "Telephone mode", "Mode téléphone", "Telefoonmodus", "Modo telefono", "Rezim telefon"},
     "00000001"},
    {{"Leitung belegt", "Line busy", "Ligne occupée", "Lijn bezet", "Linea occupata", "Linka obsazena"},
     "00000002"},
    {{"Wählen:", "Dial:", "Composer:", "Kiezen:", "Comporre:", "Volba:"}, "28000002"},
    {{"Kurzwahl:", "Short dial:", "Numéro abrégé:", "Snelkiezen:", "Selezione rapida:", "Zkracena volba:"},
     "3<>00002"},
    {{"Verbindung beendet", "Call ended", "Appel terminé", "Verbinding beëindigd", "Chiamata terminata",
      "Hovor ukoncen"},
     "00000002"},
    {{"Anruf vom Telefon", "Call from telephone", "Appel du téléphone", "Oproep van telefoon",
      "Chiamata da telefono", "Volani z telefonu"},
     "00000001"},
    {{"Sendezeit abgelaufen", "TX time exceeded", "Temps d'émission fini", "Zendtijd verstreken",
      "Tempo TX scaduto", "Cas vysilani vyprsel"},
     "00000002"},
    {{"Sender gesperrt", "Transmitter locked", "Emetteur bloqué", "Zender geblokkeerd",
      "Trasmettitore bloccato", "Vysilac blokovan"},
     "00000002"},
    {{"Nachtschaltung ein", "Night mode on", "Mode nuit actif", "Nachtstand aan", "Modo notte attivo",
      "Nocni rezim zap."},
     "00000001"},
    {{"Nachtschaltung aus", "Night mode off", "Mode nuit arrêté", "Nachtstand uit", "Modo notte spento",
      "Nocni rezim vyp."},
     "00000001"},
    {{"Programmiermodus", "Programming mode", "Mode programmation", "Programmeermodus", "Modo programmazione",
      "Rezim programovani"},
     "00000001"},
    {{"PC-Verbindung", "PC connection", "Connexion PC", "PC-verbinding", "Collegamento PC", "Spojeni s PC"},
     "00000001"},
    {{"Werkseinstellungen", "Factory settings", "Réglages d'usine", "Fabrieksinstellingen",
      "Impostaz. di fabbrica", "Tovarni nastaveni"},
     "00000001"},
    {{"Gespeichert", "Saved", "Enregistré", "Opgeslagen", "Salvato", "Ulozeno"}, "00000002"},
    {{"Bitte warten...", "Please wait...", "Patientez...", "Even geduld...", "Attendere prego...",
      "Cekejte..."},
     "00000002"},
    {{"Abbruch mit #", "Cancel with #", "Annuler avec #", "Annuleren met #", "Annulla con #",
      "Zrusit klavesou #"},
     "00000002"},
    {{"Bestätigen mit *", "Confirm with *", "Valider avec *", "Bevestigen met *", "Conferma con *",
      "Potvrdit klavesou *"},
     "00000002"},
    {{"Ruf empfangen:", "Call received:", "Appel reçu:", "Oproep ontv.:", "Chiamata ric.:",
      "Volani prijato:"},
     "D5100002"},
    {{"Notruf empfangen", "Emergency received", "Urgence reçue", "Noodoproep ontv.", "Emergenza ricevuta",
      "Tisnove volani prijato"},
     "D5100003"},
};

// Numbered families that fill the rest of the table: inputs, outputs, keys, target calls,
// statuses and memory places.
struct Family {
    const char* text[6];
    int first;
    int count;
};

const Family kFamilies[] = {
    {{"Eingang %1 aktiv", "Input %1 active", "Entrée %1 active", "Ingang %1 actief", "Ingresso %1 attivo",
      "Vstup %1 aktivni"},
     1,
     8},
    {{"Ausgang %1 ein", "Output %1 on", "Sortie %1 active", "Uitgang %1 aan", "Uscita %1 attiva",
      "Vystup %1 zap."},
     1,
     8},
    {{"Taste F%1", "Key F%1", "Touche F%1", "Toets F%1", "Tasto F%1", "Klavesa F%1"}, 1, 16},
    {{"Zielruf %1", "Target call %1", "Appel dest. %1", "Doeloproep %1", "Chiamata %1", "Cil. volani %1"},
     0,
     10},
    {{"Status %1", "Status %1", "Statut %1", "Status %1", "Stato %1", "Status %1"}, 0, 10},
    {{"Speicherplatz %1", "Memory %1", "Mémoire %1", "Geheugen %1", "Memoria %1", "Pamet %1"}, 1, 100},
};

QList<QByteArray> buildLanguage(int language)
{
    QList<QByteArray> texts;
    auto add = [&](const QString& text, const char* config) {
        if (texts.size() >= BuiltInTexts::kCount)
            return;
        const QString display = text.left(24).leftJustified(24, QLatin1Char(' '));
        texts.append(UnitDisplayCodes::fromText(display) + QByteArray(config));
    };
    for (const Entry& e : kFixed)
        add(QString::fromUtf8(e.text[language]), e.config);
    for (const Family& f : kFamilies) {
        for (int i = 0; i < f.count; ++i)
            add(QString::fromUtf8(f.text[language]).arg(f.first + i), "00000001");
    }
    return texts;
}

const QList<QByteArray>& languageTable(int language)
{
    static const QList<QByteArray> tables[6] = {buildLanguage(0), buildLanguage(1), buildLanguage(2),
                                                buildLanguage(3), buildLanguage(4), buildLanguage(5)};
    return tables[language];
}

} // namespace

QByteArray BuiltInTexts::ownText(int language, int n)
{
    if (language < 0 || language > 5 || n < 0 || n >= kCount)
        return {};
    const QList<QByteArray>& table = languageTable(language);
    return n < table.size() ? table[n] : QByteArray();
}

} // namespace sim
