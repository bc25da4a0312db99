#pragma once

#include <QByteArray>

#include "displaytexts/texts/Register.h"

// The command strings of the text transfer, byte for byte. Numbers are three decimal
// digits with leading zeros; the filler after read commands is CR and 30 blanks.
namespace tekstor {

QByteArray startCommand();          // "$PROGSTART\r"
QByteArray endCommand();            // "$PROGENDE\r"
QByteArray filler();                // "\r" + 30 blanks
QByteArray ownTextCountCommand();   // "$RT9999" + filler
QByteArray threeDigits(int number); // 7 -> "007"

// "$RK" NNN + filler, "$RC" NNN + filler, "$RT" L NNN + filler (L only for own texts).
QByteArray readCommand(TextKind kind, int number, char language = 'F');

// "$PK"/"$PC"/"$PT" NNN text "\r"; text passes through the send conversion.
QByteArray programCommand(TextKind kind, int number, const QByteArray& text);

// "$PK\r", "$PC\r", "$PT\r".
QByteArray programEndCommand(TextKind kind);

// Language character of the "Sprache zum Auslesen:" list: index 0..5 give "0".."5",
// 6 ("Eigene Texte") gives "F"; other indices give "F" too.
char languageCharacter(int listIndex);
constexpr int LanguageListSize = 7;

} // namespace tekstor
