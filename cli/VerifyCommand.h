#pragma once

#include "cli/Command.h"

namespace cli {

// Reads the unit and prints each register in which it differs from a settings file.
class VerifyCommand final : public Command {
public:
    QString name() const override { return QStringLiteral("verify"); }
    QString summary(Language language) const override
    {
        return pick(language, "das Gerät mit einer Einstellungsdatei vergleichen",
                    "compare the unit with a settings file");
    }
    QString synopsis() const override { return QStringLiteral("verify FILE"); }
    Section section() const override { return Section::Unit; }
    int run(Invocation& call) const override;
};

} // namespace cli
