#include "cli/DiffCommand.h"

#include "cli/ExitCode.h"
#include "cli/Invocation.h"
#include "cli/SettingsLoad.h"
#include "config/link/CommandFraming.h"
#include "config/report/SettingsDiff.h"

namespace cli {

QStringList DiffCommand::usage() const
{
    return {QStringLiteral("diff FILE1 FILE2"), QStringLiteral("diff --settings FILE1 FILE2")};
}

QList<QCommandLineOption> DiffCommand::options(Language language) const
{
    return {
        QCommandLineOption(QStringLiteral("settings"),
                           pick(language, "nach Einstellungsnamen vergleichen", "compare by setting name"))};
}

bool DiffCommand::needsWidgets(const QStringList& args) const
{
    return args.contains(QStringLiteral("--settings"));
}

int DiffCommand::run(Invocation& call) const
{
    if (const int code = call.expectArguments(2); code != ExitOk)
        return code;
    return call.isSet(QStringLiteral("settings")) ? settings(call) : registers(call);
}

int DiffCommand::registers(Invocation& call)
{
    quarn::Register a;
    quarn::Register b;
    const quarn::LoadResult loadedA = loadSettings(a, call.args[0], call.diag);
    if (!loadedA.loaded())
        return ExitFile;
    const quarn::LoadResult loadedB = loadSettings(b, call.args[1], call.diag);
    if (!loadedB.loaded())
        return ExitFile;
    // A register that only one of the files holds shows "-" for the other.
    auto text = [](const quarn::Register& image, bool telephone, int n) {
        return quarn::Register::isTelephoneNumber(n) && !telephone ? QStringLiteral("-")
                                                                   : image.registerText(n);
    };
    bool differ = false;
    for (int n : quarn::Register::numbers(loadedA.withTelephone || loadedB.withTelephone)) {
        const QString left = text(a, loadedA.withTelephone, n);
        const QString right = text(b, loadedB.withTelephone, n);
        if (left == right)
            continue;
        differ = true;
        call.out << quarn::link::framing::registerNumberText(n) << ' ' << left << ' ' << right << '\n';
    }
    call.out.flush();
    if (loadedA.outcome != quarn::LoadOutcome::Loaded || loadedB.outcome != quarn::LoadOutcome::Loaded)
        return ExitFile;
    return differ ? ExitFailed : ExitOk;
}

int DiffCommand::settings(Invocation& call)
{
    quarn::Register first;
    quarn::Register second;
    if (loadSettings(first, call.args[0], call.diag).outcome != quarn::LoadOutcome::Loaded ||
        loadSettings(second, call.args[1], call.diag).outcome != quarn::LoadOutcome::Loaded)
        return ExitFile;
    const QStringList lines = quarn::SettingsDiff::lines(first, second);
    for (const QString& line : lines)
        call.out << line << '\n';
    call.out.flush();
    return lines.isEmpty() ? ExitOk : ExitFailed;
}

} // namespace cli
