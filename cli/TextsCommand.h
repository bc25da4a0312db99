#pragma once

#include "cli/Command.h"

namespace cli {

// `quarnctl texts ...`: reads and programs the unit's display texts through the display-text
// connect exchange, with the text files of the display-text editor.
class TextsCommand final : public Command {
public:
    QString name() const override { return QStringLiteral("texts"); }
    QString summary(Language language) const override
    {
        return pick(language, "die Anzeigetexte des Geräts", "the unit's display texts");
    }
    QString synopsis() const override { return QStringLiteral("texts read|write ids|own|channels ..."); }
    QStringList usage() const override;
    QString details(Language language) const override;
    Section section() const override { return Section::Unit; }
    QList<QCommandLineOption> options(Language language) const override;
    int run(Invocation& call) const override;
};

} // namespace cli
