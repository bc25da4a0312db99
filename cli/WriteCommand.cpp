#include "cli/WriteCommand.h"

#include "cli/Diagnostics.h"
#include "cli/ExitCode.h"
#include "cli/Invocation.h"
#include "cli/PortSetup.h"
#include "cli/SettingsLoad.h"
#include "cli/UnitSession.h"
#include "config/report/SettingsDiff.h"

#include <QFileInfo>
#include <QTextStream>

namespace cli {

namespace {
const QString Review = QStringLiteral("review");
const QString Yes = QStringLiteral("yes");

bool stdinIsTerminal()
{
    const QString target = QFileInfo(QStringLiteral("/proc/self/fd/0")).canonicalFilePath();
    return target.startsWith(QLatin1String("/dev/pts/")) || target.startsWith(QLatin1String("/dev/tty"));
}
} // namespace

QString WriteCommand::details(Language language) const
{
    return pick(language,
                "  --review liest zuerst das Gerät (im Verlauf festgehalten), zeigt die Einstellungen, die\n"
                "  sich ändern (bisher -> neu), und fragt am Terminal; --yes sendet ohne Nachfrage.\n",
                "  --review reads the unit first (kept in the history), prints the settings that\n"
                "  change (old -> new) and asks on the terminal; --yes sends without asking.\n");
}

QList<QCommandLineOption> WriteCommand::options(Language language) const
{
    return {
        QCommandLineOption(Review, pick(language, "zuerst das Gerät lesen, die Änderungen zeigen und fragen",
                                        "read the unit first, show the changes and ask")),
        QCommandLineOption(Yes, pick(language, "mit --review: ohne Nachfrage senden",
                                     "with --review: send without asking"))};
}

bool WriteCommand::needsWidgets(const QStringList& args) const
{
    return args.contains(QStringLiteral("--review"));
}

bool WriteCommand::confirmed(Invocation& call)
{
    if (call.isSet(Yes))
        return true;
    call.err << call.diag.pick("Senden? [j/N] ", "Send? [y/N] ");
    call.err.flush();
    QTextStream in(stdin);
    const QString answer = in.readLine().trimmed().toLower();
    return answer == QLatin1String("j") || answer == QLatin1String("ja") || answer == QLatin1String("y") ||
           answer == QLatin1String("yes");
}

int WriteCommand::run(Invocation& call) const
{
    if (const int code = call.expectArguments(1); code != ExitOk)
        return code;
    const bool review = call.isSet(Review);
    if (call.isSet(Yes) && !review)
        return call.usageError(
            call.diag.pick("--yes gilt nur mit --review", "--yes applies to --review only"));
    // Nobody could answer the question: refused before the unit is touched.
    if (review && !call.isSet(Yes) && !stdinIsTerminal())
        return call.usageError(call.diag.pick("--review fragt am Terminal; ohne Terminal --yes angeben",
                                              "--review asks on a terminal; without one give --yes"));
    return call.withUnit([&](PortSetup& setup) {
        UnitSession unit(setup, call);
        const QString& path = call.args[0];
        quarn::Register file;
        const quarn::LoadResult loaded = loadSettings(review ? file : unit.image(), path, call.diag);
        if (loaded.outcome != quarn::LoadOutcome::Loaded)
            return int(ExitFile);
        int code = unit.connect();
        if (code != ExitOk)
            return code;
        if (review) {
            code = unit.read();
            if (code != ExitOk)
                return unit.finish(code);
            quarn::Register before = unit.image();
            for (int n : quarn::Register::numbers(true))
                unit.image().registerText(n) = file.registerText(n);
            // As after "Öffnen": the file decides which registers go out.
            unit.image().telephoneInterface = loaded.withTelephone;
            quarn::Register after = unit.image();
            const QStringList changes = quarn::SettingsDiff::lines(before, after);
            call.out << (changes.isEmpty()
                             ? call.diag.pick("Keine Einstellung ändert sich.", "No setting changes.")
                             : call.diag.pick("Im Gerät ändert sich (bisher → neu):",
                                              "Changes on the unit (old → new):"))
                     << '\n';
            for (const QString& line : changes)
                call.out << "  " << line << '\n';
            call.out.flush();
            if (!confirmed(call)) {
                call.diag.error(setup.portName(), call.diag.pick("Nichts gesendet.", "Nothing sent."));
                return unit.finish(ExitFailed);
            }
            return unit.finish(unit.send(path));
        }
        // As after "Öffnen" with a unit connected: the file decides which registers go out.
        unit.image().telephoneInterface = loaded.withTelephone;
        return unit.finish(unit.send(path));
    });
}

} // namespace cli
