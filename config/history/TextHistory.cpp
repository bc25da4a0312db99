#include "config/history/TextHistory.h"

#include "displaytexts/texts/TextFiles.h"

namespace quarn {

QString TextHistory::kindName(tekstor::TextKind kind)
{
    switch (kind) {
    case tekstor::TextKind::Ids:
        return HistoryStore::KindIdTexts;
    case tekstor::TextKind::Channels:
        return HistoryStore::KindChannelTexts;
    case tekstor::TextKind::Own:
        break;
    }
    return HistoryStore::KindOwnTexts;
}

QString TextHistory::keepTexts(tekstor::TextKind kind, const tekstor::Register& store, HistoryStore history)
{
    // The text protocol does not name the model.
    return history.keep(QStringLiteral("Quarn"), kindName(kind), tekstor::TextFiles::extension(kind),
                        [&](const QString& path) {
                            return tekstor::TextFiles::save(path, kind, store) == tekstor::FileOutcome::Ok;
                        });
}

} // namespace quarn
