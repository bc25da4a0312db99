#pragma once

#include "cli/Command.h"

namespace cli {

// Makes the unit restore the factory values of its base settings or of its telephone interface.
class ResetCommand final : public Command {
public:
    QString name() const override { return QStringLiteral("reset"); }
    QString summary(Language language) const override
    {
        return pick(language, "die Werkseinstellungen des Geräts wiederherstellen",
                    "restore the unit's factory values");
    }
    QString synopsis() const override { return QStringLiteral("reset --base|--telephone --yes"); }
    Section section() const override { return Section::Unit; }
    QList<QCommandLineOption> options(Language language) const override;
    int run(Invocation& call) const override;
};

} // namespace cli
