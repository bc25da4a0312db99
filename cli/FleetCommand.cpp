#include "cli/FleetCommand.h"

#include "cli/Diagnostics.h"
#include "cli/ExitCode.h"
#include "cli/GlobalOptions.h"
#include "cli/Invocation.h"
#include "cli/SettingsLoad.h"
#include "config/fleet/FleetLog.h"
#include "config/fleet/FleetPlan.h"
#include "config/fleet/FleetRun.h"
#include "config/history/UnitHistory.h"
#include "config/register/Messages.h"
#include "platform/SerialPort.h"

#include <QEventLoop>
#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>

using namespace quarn::fleet;

namespace cli {

namespace {

// The template and the checked table; every problem printed. nullopt after a problem, with
// the exit code in code.
std::optional<FleetPlan> checkedPlan(Invocation& call, int& code)
{
    quarn::Register templ;
    const quarn::LoadResult loaded = loadSettings(templ, call.args.at(1), call.diag);
    if (loaded.outcome != quarn::LoadOutcome::Loaded) {
        code = ExitFile;
        return std::nullopt;
    }
    templ.telephoneInterface = loaded.withTelephone;
    if (QFile table(call.args.at(2)); !table.open(QIODevice::ReadOnly)) {
        call.diag.fileError(call.args.at(2), quarn::msg::fileNotRead(), false);
        code = ExitFile;
        return std::nullopt;
    }
    FleetPlan plan = FleetPlan::checkFile(templ, call.args.at(2));
    for (const TableProblem& p : plan.problems)
        call.diag.error(call.args.at(2), FleetPlan::text(p));
    if (!plan.ok()) {
        code = ExitUsage;
        return std::nullopt;
    }
    return plan;
}

QString unitText(const FleetUnit& unit)
{
    return QStringLiteral("%1 (%2)").arg(unit.line).arg(unit.name);
}

} // namespace

QStringList FleetCommand::usage() const
{
    return {QStringLiteral("fleet check TEMPLATE UNITS.csv"),
            QStringLiteral("fleet run TEMPLATE UNITS.csv --port NAME [--port NAME ...] [--log LOG.csv] "
                           "[--again ROW ...]")};
}

QString FleetCommand::details(Language language) const
{
    return pick(
        language,
        "  TEMPLATE: eine Einstellungsdatei; UNITS.csv: eine Zeile je Gerät (UTF-8, \";\" oder \",\"), die\n"
        "  erste Spalte benennt das Gerät, jede weitere Spaltenüberschrift eine Einstellung, wie\n"
        "  `quarnctl report` sie nennt (\"Eintrag › Feld\"), oder Registerstellen (\"R010/0-6\", Zellen\n"
        "  mit ebenso vielen Hex-Ziffern). Eine Zelle ist der Wert, wie ihn der Dialog zeigt; eine\n"
        "  leere Zelle behält den Wert der Vorlage.\n"
        "  run: jedes Gerät wird verbunden, gelesen, erhält die Vorlage mit seiner Zeile, wird\n"
        "  zurückgelesen und verglichen, getrennt und protokolliert (LOG.csv, als Vorgabe\n"
        "  UNITS.log.csv). Zeilen, die das Protokoll als erledigt zeigt, werden übersprungen, außer\n"
        "  --again nennt sie (die Zeilennummer in UNITS.csv).\n"
        "  Mit einem Port folgen die Geräte einander, jedes nach Enter; mit mehreren Ports wird an\n"
        "  jedem Port gleichzeitig ein Gerät programmiert.\n",
        "  TEMPLATE: a settings file; UNITS.csv: one line per unit (UTF-8, \";\" or \",\"), the first\n"
        "  column names the unit, every other column header names a setting as `quarnctl report`\n"
        "  does (\"Item › Field\") or register digits (\"R010/0-6\", cells of that many hex digits).\n"
        "  A cell is the value as the dialog shows it; an empty cell keeps the template's value.\n"
        "  run: each unit is connected, read, sent the template with its row, read back and\n"
        "  compared, disconnected, and logged (LOG.csv, by default UNITS.log.csv). Rows the log\n"
        "  shows as done are skipped unless named by --again (the row's line in UNITS.csv).\n"
        "  With one port the units follow one another, each after Enter; with several ports\n"
        "  one unit per port is programmed at the same time.\n");
}

QList<QCommandLineOption> FleetCommand::options(Language language) const
{
    return {QCommandLineOption(QStringLiteral("log"),
                               pick(language, "das Protokoll des Auftrags", "the job's log"),
                               QStringLiteral("LOG.csv")),
            QCommandLineOption(QStringLiteral("again"),
                               pick(language, "diese Zeile erneut programmieren, obwohl erledigt",
                                    "program this row again, though done"),
                               QStringLiteral("ROW"))};
}

int FleetCommand::run(Invocation& call) const
{
    const QString verb = call.args.value(0);
    if (verb != QLatin1String("check") && verb != QLatin1String("run"))
        return call.usageError(call.diag.pick("fleet braucht check oder run", "fleet needs check or run"));
    if (const int code = call.expectArguments(3); code != ExitOk)
        return code;
    if (verb == QLatin1String("run"))
        return runJob(call);
    int code = ExitOk;
    const std::optional<FleetPlan> plan = checkedPlan(call, code);
    if (!plan)
        return code;
    call.out << call.diag.pick("%1 Geräte, die Tabelle ist in Ordnung.", "%1 units, the table is sound.")
                    .arg(plan->units.size())
             << Qt::endl;
    return ExitOk;
}

int FleetCommand::runJob(Invocation& call)
{
    QStringList ports = call.values(QStringLiteral("port"));
    if (ports.isEmpty() || call.options.simulate)
        return call.usageError(
            call.diag.pick("fleet run braucht --port NAME", "fleet run needs --port NAME"));
    if (ports.removeDuplicates() > 0)
        return call.usageError(call.diag.pick("ein Port ist mehrfach genannt", "a port is named twice"));
    QSet<int> again;
    for (const QString& row : call.values(QStringLiteral("again"))) {
        bool number = false;
        const int line = row.toInt(&number);
        if (!number || line < 2)
            return call.usageError(
                call.diag.pick("--again nimmt die Zeilennummer eines Geräts in der Tabelle",
                               "--again takes a unit's line number in the table"));
        again.insert(line);
    }
    int code = ExitOk;
    const std::optional<FleetPlan> plan = checkedPlan(call, code);
    if (!plan)
        return code;
    const QString logPath = call.isSet(QStringLiteral("log")) ? call.value(QStringLiteral("log"))
                                                              : FleetLog::defaultPath(call.args.at(2));

    for (int line : again) {
        if (std::none_of(plan->units.begin(), plan->units.end(),
                         [line](const FleetUnit& u) { return u.line == line; }))
            return call.usageError(call.diag
                                       .pick("--again %1: in dieser Zeile der Tabelle steht kein Gerät",
                                             "--again %1: no unit stands in this line of the table")
                                       .arg(line));
    }
    if (!FleetLog(logPath).writable()) {
        call.diag.fileError(logPath, quarn::msg::fileNotSaved(), true);
        return ExitFile;
    }
    FleetRun run(plan->units, ports, FleetLog(logPath),
                 [](const QString&) { return std::make_unique<platform::SerialPort>(); });
    run.skipDone(again);
    Diagnostics& diag = call.diag;
    // The unit history keeps what each unit held before; a history that cannot be written
    // is said once and the run goes on.
    bool historySaid = false;
    run.setImageRead([&diag, &historySaid](const FleetUnit&, const QString&, const quarn::Register& image) {
        const QString warning = quarn::UnitHistory::keepImage(image);
        if (!warning.isEmpty() && !std::exchange(historySaid, true))
            diag.error(diag.pick("Verlauf", "history"), warning);
    });
    QTextStream& out = call.out;
    for (const FleetUnit& unit : plan->units) {
        if (run.skipped().contains(unit.line))
            out << diag.pick("Zeile %1: laut Protokoll schon programmiert, übersprungen.",
                             "Line %1: programmed already by the log, skipped.")
                       .arg(unitText(unit))
                << Qt::endl;
    }
    QTextStream in(stdin);
    run.setNextUnit([&](const QString& port, const FleetUnit& next, bool stillPrevious) {
        if (stillPrevious)
            out << diag.pick("%1: Das angeschlossene Gerät ist noch das vorige.",
                             "%1: the unit attached is still the previous one.")
                       .arg(port)
                << Qt::endl;
        out << diag.pick("%1: nächstes Gerät für Zeile %2 anschließen, „PC-Verbindung“ wählen und Enter "
                         "drücken (q beendet).",
                         "%1: attach the next unit for line %2, select \"PC-Verbindung\" and press Enter "
                         "(q ends).")
                   .arg(port, unitText(next))
            << Qt::endl;
        const QString answer = in.readLine();
        return !answer.isNull() && answer.trimmed() != QLatin1String("q");
    });
    bool failed = false;
    bool logFailed = false;
    QSet<int> done = run.skipped();
    QObject::connect(&run, &FleetRun::unitStarted, &run, [&](int line, const QString& port) {
        for (const FleetUnit& unit : plan->units) {
            if (unit.line == line)
                out << diag.pick("%1: Zeile %2 wird programmiert.", "%1: programming line %2.")
                           .arg(port, unitText(unit))
                    << Qt::endl;
        }
    });
    QObject::connect(&run, &FleetRun::unitFinished, &run,
                     [&](int line, const QString& port, const UnitResult& r) {
                         if (r.state == UnitResult::State::SameAsPrevious)
                             return;
                         QString unit = QString::number(line);
                         for (const FleetUnit& u : plan->units) {
                             if (u.line == line)
                                 unit = unitText(u);
                         }
                         if (r.done()) {
                             done.insert(line);
                             out << diag.pick("%1: Zeile %2 programmiert und geprüft.",
                                              "%1: line %2 programmed and verified.")
                                        .arg(port, unit)
                                 << Qt::endl;
                             return;
                         }
                         failed = true;
                         diag.error(port, diag.pick("Zeile %1: %2", "line %1: %2").arg(unit, r.message));
                     });
    QObject::connect(&run, &FleetRun::logNotWritten, &run, [&](const QString& path) {
        if (!logFailed)
            diag.fileError(
                path, diag.pick("Das Protokoll kann nicht geschrieben werden.", "The log cannot be written."),
                true);
        logFailed = true;
    });
    QEventLoop loop;
    bool finished = false;
    QObject::connect(&run, &FleetRun::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    run.start();
    if (!finished)
        loop.exec();
    if (logFailed)
        return ExitFile;
    // A run stopped at the question with units left has not done its job either.
    return failed || done.size() < plan->units.size() ? ExitFailed : ExitOk;
}

} // namespace cli
