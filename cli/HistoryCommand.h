#pragma once

#include "cli/Command.h"

namespace cli {

// The unit history: every image, set of texts and short-dial memory read from a unit, oldest
// first and numbered; `history show N` prints the file of entry N.
class HistoryCommand final : public Command {
public:
    QString name() const override { return QStringLiteral("history"); }
    QString summary(Language language) const override
    {
        return pick(language, "Gelesenes aus Geräten auflisten oder die Datei eines Eintrags",
                    "list what was read from units, or one entry's file");
    }
    QString synopsis() const override { return QStringLiteral("history [show N]"); }
    Section section() const override { return Section::Files; }
    int run(Invocation& call) const override;
};

} // namespace cli
