#pragma once

#include "cli/Command.h"

namespace cli {

// The settings report of a settings file (text, HTML or PDF): every setting by name, as
// the dialogs show it. It makes the dialogs without showing them, so it needs a GUI
// application (the offscreen platform is enough).
class ReportCommand final : public Command {
public:
    QString name() const override { return QStringLiteral("report"); }
    QString summary(Language language) const override
    {
        return pick(language, "jede Einstellung mit Namen, wie die Dialoge sie zeigen",
                    "every setting by name, as the dialogs show it");
    }
    QString synopsis() const override
    {
        return QStringLiteral("report FILE [--format text|html|pdf] [-o OUT]");
    }
    Section section() const override { return Section::Files; }
    QList<QCommandLineOption> options(Language language) const override;
    bool needsWidgets(const QStringList&) const override { return true; }
    int run(Invocation& call) const override;
};

} // namespace cli
