#pragma once

#include "cli/Command.h"

namespace cli {

// Reads every register of the unit into a settings file; a read that misses one saves nothing.
class ReadCommand final : public Command {
public:
    QString name() const override { return QStringLiteral("read"); }
    QString summary(Language language) const override
    {
        return pick(language, "alle Register in eine Einstellungsdatei lesen",
                    "read every register into a settings file");
    }
    QString synopsis() const override { return QStringLiteral("read -o FILE"); }
    Section section() const override { return Section::Unit; }
    QList<QCommandLineOption> options(Language language) const override;
    int run(Invocation& call) const override;
};

} // namespace cli
