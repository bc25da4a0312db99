#pragma once

#include "cli/Command.h"

namespace cli {

// The registers in which two settings files differ, or with --settings the settings, by
// name as the dialogs show them.
class DiffCommand final : public Command {
public:
    QString name() const override { return QStringLiteral("diff"); }
    QString summary(Language language) const override
    {
        return pick(language, "die Register oder Einstellungen, die sich unterscheiden",
                    "the registers or the settings that differ");
    }
    QString synopsis() const override { return QStringLiteral("diff [--settings] FILE1 FILE2"); }
    QStringList usage() const override;
    Section section() const override { return Section::Files; }
    QList<QCommandLineOption> options(Language language) const override;
    bool needsWidgets(const QStringList& args) const override;
    int run(Invocation& call) const override;

private:
    static int registers(Invocation& call);
    static int settings(Invocation& call);
};

} // namespace cli
