#include "cli/ResetCommand.h"

#include "cli/Diagnostics.h"
#include "cli/ExitCode.h"
#include "cli/Invocation.h"
#include "cli/UnitSession.h"

namespace cli {

QList<QCommandLineOption> ResetCommand::options(Language language) const
{
    return {QCommandLineOption(QStringLiteral("base"),
                               pick(language, "die Grundeinstellungen", "the base settings")),
            QCommandLineOption(QStringLiteral("telephone"),
                               pick(language, "das Telefoninterface", "the telephone interface")),
            QCommandLineOption(QStringLiteral("yes"),
                               pick(language, "erforderlich: die Register des Geräts werden überschrieben",
                                    "required: the unit's registers are overwritten"))};
}

int ResetCommand::run(Invocation& call) const
{
    const bool base = call.isSet(QStringLiteral("base"));
    const bool telephone = call.isSet(QStringLiteral("telephone"));
    if (base == telephone || !call.isSet(QStringLiteral("yes")))
        return call.usageError(call.diag.pick(
            "genau eine von --base und --telephone, dazu --yes (die Register des Geräts werden "
            "überschrieben)",
            "exactly one of --base and --telephone, and --yes (the unit's registers are overwritten)"));
    if (const int code = call.expectArguments(0); code != ExitOk)
        return code;
    return call.withUnit([&](PortSetup& setup) { return UnitSession(setup, call).factoryReset(telephone); });
}

} // namespace cli
