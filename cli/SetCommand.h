#pragma once

#include "cli/Command.h"

namespace cli {

// Changes one register of a settings file, by the rules of the single-register editor.
class SetCommand final : public Command {
public:
    QString name() const override { return QStringLiteral("set"); }
    QString summary(Language language) const override
    {
        return pick(language, "Register N ändern", "change register N");
    }
    QString synopsis() const override { return QStringLiteral("set FILE N DIGITS"); }
    Section section() const override { return Section::Files; }
    int run(Invocation& call) const override;
};

} // namespace cli
