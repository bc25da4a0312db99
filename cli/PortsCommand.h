#pragma once

#include "cli/Command.h"

namespace cli {

// The serial ports this user can open, with their descriptions.
class PortsCommand final : public Command {
public:
    QString name() const override { return QStringLiteral("ports"); }
    QString summary(Language language) const override
    {
        return pick(language, "die seriellen Ports auflisten", "list the serial ports");
    }
    QString synopsis() const override { return QStringLiteral("ports"); }
    Section section() const override { return Section::Unit; }
    int run(Invocation& call) const override;
};

} // namespace cli
