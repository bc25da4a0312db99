#pragma once

#include "config/history/HistoryStore.h"
#include "displaytexts/texts/Register.h"

namespace quarn {

// Tekstor's entries of the history: the texts of one kind as its text file (*.q8kk, *.q8kc,
// *.q8kt). The warning line, empty when kept.
class TextHistory {
public:
    static QString keepTexts(tekstor::TextKind kind, const tekstor::Register& store,
                             HistoryStore history = HistoryStore());
    static QString kindName(tekstor::TextKind kind);
};

} // namespace quarn
