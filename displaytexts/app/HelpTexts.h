#pragma once

#include "displaytexts/texts/BilingualText.h"

namespace tekstor {

// The help boxes of the main window and the edit dialogs. The bullet is the one the
// editor shows in place of blanks.
inline constexpr BilingualText MainWindowHelpCaption{"Hilfe: Tekstor", "Help: Tekstor"};
inline constexpr BilingualText MainWindowHelp{
    "Über das Auswahl-Menü wird entschieden, welche Texte bearbeitet\n"
    "werden können.\n"
    "\n"
    "Bei Kanal- und Kennungstexten besteht die Möglichkeit, ganze Bereiche\n"
    "auf einmal zu benennen, wenn sich die Textanzeigen nur durch die\n"
    "Kanal- bzw. Kennungsnummern unterscheiden.\n"
    "\n"
    "Sollen einzelne Kanal- oder Kennungstexte geändert werden, empfiehlt\n"
    "es sich, das jeweilige Editier-Fenster über einen Doppelklick direkt\n"
    "auszuwählen.\n"
    "\n"
    "Um eigene Texte für die sonstigen Display-Ausgaben zu program-\n"
    "mieren, müssen die Texte zuerst in der gewünschten Sprache ausge-\n"
    "lesen und dann editiert werden. Das Speichern der Texte geschieht\n"
    "immer unter \"Eigene Texte\", so dass ein Überschreiben der unter-\n"
    "schiedlichen Sprachen nicht möglich ist. Folglich muss jedoch in\n"
    "der separaten Programmiersoftware \"EigeneTexte\" als Display-Sprache\n"
    "ausgewählt werden (->Quarn7k8k.exe).",
    "In the menu \"Mode\" you can choose which texts to edit.\n"
    "\n"
    "For channel and ID texts you can edit a whole range of texts\n"
    "simultaneously if their appearance only differs by the\n"
    "respective channel or ID numbers.\n"
    "\n"
    "However, if single channel or ID texts are to be changed,\n"
    "this is achieved best by just double-clicking the desired\n"
    "text entry.\n"
    "\n"
    "In order to define own texts for the standard display, these\n"
    "are first read from the desired language. After the changes\n"
    "are made, they are always saved to \"own texts\". For these\n"
    "changes to have an effect you need to change the Quarn's\n"
    "display language to \"own texts\" in the configuration\n"
    "software (->Quarn7k8k.exe)."};

inline constexpr BilingualText ChannelHelpCaption{"Hilfe: Kanaltexte bearbeiten", "Help: Channel texts"};
inline constexpr BilingualText ChannelHelp{
    "Hier können nutzerspezifische Kanaltexte eingegeben werden.\n"
    "Zur besseren Übersicht werden Leerzeichen als '•' dargestellt. Das\n"
    "\"$\"-Zeichen definiert Stellen, die nicht überschrieben werden und daher\n"
    "zur Anzeige anderer Informationen in der gleichen Zeile genutzt werden\n"
    "können.\n"
    "\n"
    "Soll die Kanalnummer automatisch in den Kanaltext eingefügt\n"
    "werden (z.B. bei gleichzeitigem Anpassen eines ganzen Kanalbe-\n"
    "reichs), so muss die zu verwendende Anzahl an Stellen ausgewählt werden.\n"
    "Die entsprechenden Stellen werden unabhängig vom vorherigen Inhalt\n"
    "mit der jeweiligen Nummer überschrieben.\n"
    "\n"
    "Damit ein geänderter Kanaltext angezeigt wird, muss die\n"
    "\"Anzeigen\"-Box aktiviert sein, was automatisch bei Ändern des\n"
    "Texts geschieht.",
    "Here the texts for each channel can be customized. For easier\n"
    "recognition spaces are depicted as \"•\". \"$\"-signs define digits\n"
    "that are not overwritten and hence can be used to display another\n"
    "information in the same line.\n"
    "\n"
    "If the channel number is to be retained (usually if the appearance of a\n"
    "whole range of channels is changed), you can choose the number of digits\n"
    "that are used.\n"
    "The respective digits are overwritten independently of their original\n"
    "values defined in box \"ID text\".\n"
    "\n"
    "To actually display these texts instead of the standards, the \"display it\"box needs to be checked, "
    "which is done by default as soon as changes are made."};

inline constexpr BilingualText IdHelpCaption{"Hilfe: Kennung bearbeiten", "Help: ID texts"};
inline constexpr BilingualText IdHelp{
    "Hier können nutzerspezifische Kennungstexte eingegeben werden.\n"
    "Zur besseren Übersicht werden Leerzeichen als '•' dargestellt. Das\n"
    "\"$\"-Zeichen hat hier keine Sonderfunktion.\n"
    "\n"
    "Soll die Kennungsnummer automatisch in den Kennungstext eingefügt\n"
    "werden (z.B. bei gleichzeitigem Anpassen eines ganzen Kennungsbe-\n"
    "reichs), so muss die zu verwendende Anzahl an Stellen ausgewählt werden.\n"
    "Die entsprechenden Stellen werden unabhängig vom vorherigen Inhalt\n"
    "mit der jeweiligen Nummer überschrieben.\n"
    "\n"
    "Damit ein geänderter Kennungstext angezeigt wird, muss die\n"
    "\"Anzeigen\"-Box aktiviert sein, was automatisch bei Ändern des\n"
    "Texts geschieht.",
    "Here the texts for each ID-code can be customized. For easier\n"
    "recognition spaces are depicted as \"•\". \"$\"-signs do not have\n"
    "any special meaning in case of the ID texts.\n"
    "\n"
    "If the ID number is to be retained (usually if the appearance of a whole\n"
    "range of IDs is changed), you can choose the number of digits that are\n"
    "used.\n"
    "The respective digits are overwritten independently of their original\n"
    "values defined in box \"ID text\".\n"
    "\n"
    "To actually display these texts instead of the standards, the \"display text\"boxes need to be checked, "
    "which is done by default as soon as changes are made."};

inline constexpr BilingualText OwnTextHelpCaption{"Hilfe: Eigene Texte bearbeiten", "Help: Own texts"};
inline constexpr BilingualText OwnTextHelp{
    "Hier können die Display-Texte des Geräts angepasst werden.\n"
    "Zur besseren Übersicht werden Leerzeichen als '•' dargestellt. Das\n"
    "\"$\"-Zeichen definiert Stellen, die nicht überschrieben werden und daher\n"
    "zur Anzeige anderer Informationen in der gleichen Zeile genutzt werden\n"
    "können.\n"
    "\n"
    "CRLF (carriage return / line feed) = Zeilenvorschub\n",
    "Here different display texts can be customized. For easier\n"
    "recognition spaces are depicted as \"•\". \"$\"-signs define digits\n"
    "that are not overwritten and hence can be used to display another\n"
    "information in the same line.\n"
    "\n"
    "CRLF = carriage return / line feed\n"};

} // namespace tekstor
