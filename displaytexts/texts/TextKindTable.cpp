#include "displaytexts/texts/TextKindTable.h"

namespace tekstor {

namespace {
// Indexed by TextKind (Ids 0, Channels 1, Own 2).
const std::array<TextKindInfo, 3> Kinds{{
    {TextKind::Ids,
     "Id",
     "ID texts",
     "q8kk",
     {"Kennungstexte (*.q8kk)", "ID texts (*.q8kk)"},
     {"Kennungstexte bearbeiten", "Edit texts for ID-codes"},
     {"Kennungstexte lesen", "Read ID texts"},
     {"Kennungstexte schreiben", "Send ID texts"},
     {"Kennungstexte programmiert.", "ID texts programmed."},
     true,
     false,
     true},
    {TextKind::Channels,
     "Channel",
     "channel texts",
     "q8kc",
     {"Kanaltexte (*.q8kc)", "Channel texts (*.q8kc)"},
     {"Kanaltexte bearbeiten", "Edit channel texts"},
     {"Kanaltexte lesen", "Read channel texts"},
     {"Kanaltexte schreiben", "Send channel texts"},
     {"Kanaltexte programmiert.", "Channel texts programmed."},
     true,
     true,
     false},
    {TextKind::Own,
     "Own",
     "own texts",
     "q8kt",
     {"Eigenetexte (*.q8kt)", "Own texts (*.q8kt)"},
     {"Eigene Texte bearbeiten", "Edit display texts"},
     {"Texte lesen", "Read texts"},
     {"\"Eigene Texte\" schreiben", "Send to \"own texts\""},
     {"Eigene Texte programmiert.", "Own texts programmed."},
     false,
     true,
     false},
}};
} // namespace

const TextKindInfo& textKindInfo(TextKind kind)
{
    return Kinds[static_cast<std::size_t>(kind)];
}

} // namespace tekstor
