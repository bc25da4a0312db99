#pragma once

#include <QString>

// Every text the display-text editor shows in a message box, in German and English,
// written once. The logic shows nothing; the window and quarnctl pick the text of an
// outcome here.
namespace tekstor {

// The editor's language flag: 0 German, 1 English.
enum class Language { German = 0, English = 1 };

namespace msg {

inline QString pick(Language language, const char* german, const char* english)
{
    return QString::fromUtf8(language == Language::English ? english : german);
}

// Caption of the failures below and of "no IDs chosen".
inline QString captionError(Language l)
{
    return pick(l, "Fehler", "Error");
}

// The port cannot be opened or set up (connect).
inline QString portInitFailed(Language l)
{
    return pick(l, "Fehler beim Initialisieren des gewählten Ports.", "Error while initialising port.");
}

// No "$START" after "$PROGSTART\r", or no own-text count within 2 s (connect).
inline QString unitNotAnswering(Language l)
{
    return pick(l,
                "Bitte überprüfen Sie ob das Gerät am gewählten Port angeschlossen ist und sich im "
                "Programmiermodus befindet.",
                "Please check if the Quarn is connected to the right COM port and PC connection is enabled.");
}
inline QString captionUnitNotAnswering(Language l)
{
    return pick(l, "Port nicht initialisiert", "Error while initialising port");
}

// A programming transfer in which a text could not be sent (caption: captionError). The
// confirmations of a complete one stand in the kind table (TextKindTable.h).
inline QString textsNotSentCompletely(Language l)
{
    return pick(l, "Die Texte konnten nicht vollständig gesendet werden.",
                "The texts could not be sent completely.");
}

// A read whose replies do not fit the texts asked for (a stray or lost byte, a lost or
// extra line): nothing is stored (no caption of its own: captionError).
inline QString replyDisturbed(Language l, int unusable, int asked)
{
    return pick(l,
                "Die Antwort des Quarns war gestört: %1 von %2 Texten konnten nicht gelesen werden. Die "
                "Tabelle bleibt unverändert.",
                "The Quarn's reply was disturbed: %1 of %2 texts could not be read. The table is left "
                "unchanged.")
        .arg(unusable)
        .arg(asked);
}

// An ID read with no range checked (caption: captionError).
inline QString selectRange(Language l)
{
    return pick(l, "Bitte mindestens einen Bereich auswählen.", "Select at least one range.");
}

// A write that had no text to send (no caption).
inline QString noTextsSent(Language l)
{
    return pick(l, "Es wurden keine Texte gesendet.", "No texts were sent.");
}

// Before channel or own texts are written that were never read, loaded or edited: the
// unit's texts would be overwritten with defaults.
inline QString overwriteUnreadTexts(Language l)
{
    return pick(
        l,
        "Die Texte wurden weder vom Quarn gelesen noch aus einer Datei geladen. Sollen die Texte im "
        "Quarn trotzdem überschrieben werden?",
        "The texts were neither read from the Quarn nor loaded from a file. Overwrite the texts in the "
        "Quarn anyway?");
}
inline QString captionWarning(Language l)
{
    return pick(l, "Warnhinweis!", "Warning!");
}

// Reading a kind over edits not saved (caption: captionWarning).
inline QString readOverEdits(Language l)
{
    return pick(l,
                "Die Texte wurden geändert und nicht gespeichert. Beim Lesen gehen diese Änderungen "
                "verloren. Trotzdem lesen?",
                "The texts were changed and not saved. Reading discards these changes. Read anyway?");
}

// Opening a file of a kind over edits not saved (caption: captionWarning).
inline QString openOverEdits(Language l)
{
    return pick(l,
                "Die Texte wurden geändert und nicht gespeichert. Beim Öffnen gehen diese Änderungen "
                "verloren. Trotzdem öffnen?",
                "The texts were changed and not saved. Opening discards these changes. Open anyway?");
}

// Closing the window with edits not saved: Yes saves each changed kind first.
inline QString saveBeforeClose(Language l)
{
    return pick(l,
                "Die Texte wurden geändert und nicht gespeichert. Wollen Sie die Texte vor dem Schließen "
                "der Anwendung speichern?",
                "The texts were changed and not saved. Do you want to save the texts before closing the "
                "application?");
}
inline QString captionSaveChanges(Language l)
{
    return pick(l, "Änderungen Speichern", "Save changes");
}

// Closing the window while a transfer runs (caption: captionWarning). Yes stops it at the
// next text.
inline QString transferRunning(Language l)
{
    return pick(l,
                "Eine Übertragung zum Quarn läuft noch. Wird das Programm jetzt beendet, ist der Quarn "
                "möglicherweise nur teilweise programmiert. Trotzdem beenden?",
                "A transfer to the Quarn is still running. If the program is closed now, the Quarn may be "
                "only partly programmed. Close anyway?");
}

// A text file that cannot be opened for loading.
inline QString fileNotRead(Language l)
{
    return pick(l, "Datei konnte nicht gelesen werden.", "File could not be read.");
}

// A text file that cannot be written.
inline QString fileNotSaved(Language l)
{
    return pick(l, "Datei konnte nicht gespeichert werden.", "File could not be saved.");
}

// Shown before a file is written, in both languages alike, followed by the full path.
inline QString savedIn()
{
    return QStringLiteral("gespeichert in: ");
}

// ID "Ändern..." with no ID checked (caption: captionError).
inline QString noIdChosen(Language l)
{
    return pick(l, "Keine Kennung ausgewählt.", "No IDs have been chosen.");
}

// An edit dialog opened without any number (no caption).
inline QString nothingChosen(Language l)
{
    return pick(l, "Nichts ausgewählt!", "No choice has been made!");
}

// An edited display text that is not exactly 24 characters (no caption).
inline QString needExactly24(Language l)
{
    return pick(l, "Sie müssen genau 24 Zeichen Eingeben!", "Your input must be exactly 24 characters!");
}

} // namespace msg
} // namespace tekstor
