#pragma once

#include "cli/Command.h"

namespace cli {

// Sends a settings file to the unit, each register confirmed by its echo. With --review it
// reads the unit first, prints what will change by setting name and asks before sending.
class WriteCommand final : public Command {
public:
    QString name() const override { return QStringLiteral("write"); }
    QString summary(Language language) const override
    {
        return pick(language, "eine Einstellungsdatei zum Gerät senden", "send a settings file to the unit");
    }
    QString synopsis() const override { return QStringLiteral("write [--review [--yes]] FILE"); }
    QString details(Language language) const override;
    QList<QCommandLineOption> options(Language language) const override;
    Section section() const override { return Section::Unit; }
    bool needsWidgets(const QStringList& args) const override;
    int run(Invocation& call) const override;

private:
    static bool confirmed(Invocation& call);
};

} // namespace cli
