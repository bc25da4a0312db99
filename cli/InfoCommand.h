#pragma once

#include "cli/Command.h"

namespace cli {

// Connects and prints the model, the telephone interface and the version text.
class InfoCommand final : public Command {
public:
    QString name() const override { return QStringLiteral("info"); }
    QString summary(Language language) const override
    {
        return pick(language, "Modell, Telefoninterface und Version des Geräts",
                    "model, telephone interface and version of the unit");
    }
    QString synopsis() const override { return QStringLiteral("info"); }
    Section section() const override { return Section::Unit; }
    int run(Invocation& call) const override;
};

} // namespace cli
