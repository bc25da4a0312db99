#pragma once

#include "cli/Command.h"

namespace cli {

// Prints the digits of one register of a settings file.
class GetCommand final : public Command {
public:
    QString name() const override { return QStringLiteral("get"); }
    QString summary(Language language) const override
    {
        return pick(language, "die Stellen von Register N", "the digits of register N");
    }
    QString synopsis() const override { return QStringLiteral("get FILE N"); }
    Section section() const override { return Section::Files; }
    int run(Invocation& call) const override;
};

} // namespace cli
