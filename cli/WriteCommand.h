#pragma once

#include "cli/Command.h"

namespace cli {

// Sends a settings file to the unit, each register confirmed by its echo.
class WriteCommand final : public Command {
public:
    QString name() const override { return QStringLiteral("write"); }
    QString summary() const override { return QStringLiteral("send a settings file to the unit"); }
    QString synopsis() const override { return QStringLiteral("write FILE"); }
    Section section() const override { return Section::Unit; }
    int run(Invocation& call) const override;
};

} // namespace cli
