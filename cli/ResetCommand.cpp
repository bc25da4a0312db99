#include "cli/ResetCommand.h"

#include "cli/ExitCode.h"
#include "cli/Invocation.h"
#include "cli/UnitSession.h"
#include "config/link/FactoryReset.h"

namespace cli {

QList<QCommandLineOption> ResetCommand::options() const
{
    return {QCommandLineOption(QStringLiteral("base"), QStringLiteral("the base settings")),
            QCommandLineOption(QStringLiteral("telephone"), QStringLiteral("the telephone interface")),
            QCommandLineOption(QStringLiteral("yes"),
                               QStringLiteral("required: the unit's registers are overwritten"))};
}

int ResetCommand::run(Invocation& call) const
{
    const bool base = call.isSet(QStringLiteral("base"));
    const bool telephone = call.isSet(QStringLiteral("telephone"));
    if (base == telephone || !call.isSet(QStringLiteral("yes")) || !call.args.isEmpty())
        return call.usageError(
            QStringLiteral("reset --base|--telephone --yes (the unit's registers are overwritten)"));
    return call.withUnit([&](PortSetup& setup) {
        UnitSession unit(setup, call.options, call.err);
        return unit.report(quarn::link::FactoryReset(unit.context(), telephone
                                                                         ? quarn::link::ResetTarget::Telephone
                                                                         : quarn::link::ResetTarget::Base)
                               .execute());
    });
}

} // namespace cli
