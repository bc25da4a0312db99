#pragma once

#include "cli/Command.h"

namespace cli {

// Prints every register of a settings file.
class ShowCommand final : public Command {
public:
    QString name() const override { return QStringLiteral("show"); }
    QString summary(Language language) const override
    {
        return pick(language, "jedes Register als 'nnn DIGITS'", "every register as 'nnn DIGITS'");
    }
    QString synopsis() const override { return QStringLiteral("show FILE"); }
    Section section() const override { return Section::Files; }
    int run(Invocation& call) const override;
};

} // namespace cli
