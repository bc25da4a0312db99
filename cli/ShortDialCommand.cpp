#include "cli/ShortDialCommand.h"

#include "cli/ConsoleProgress.h"
#include "cli/Diagnostics.h"
#include "cli/ExitCode.h"
#include "cli/Invocation.h"
#include "cli/PortSetup.h"
#include "cli/RangeList.h"
#include "config/history/UnitHistory.h"
#include "config/link/CommandFraming.h"
#include "config/link/ShortDialExchange.h"
#include "config/link/ShortDialFile.h"
#include "config/link/ShortDialMessages.h"
#include "config/register/Messages.h"

using quarn::link::ShortDialExchange;
using quarn::link::ShortDialFile;

namespace cli {

QStringList ShortDialCommand::usage() const
{
    return {QStringLiteral("shortdial read [--ranges 0,1,...] -o FILE"),
            QStringLiteral("shortdial write FILE [--no-verify]")};
}

QString ShortDialCommand::details(Language language) const
{
    return pick(
        language,
        "  Bereiche: 0 = Einträge 000-099 ... 9 = Einträge 900-999 (Vorgabe 0).\n"
        "  FILE: die Zeilen des Geräts, \"WP\" nnn \":\" und bis zu 16 Wählzeichen, mit \".\" aufgefüllt,\n"
        "  UTF-16LE, wie das Konfigurationsprogramm sie speichert (write nimmt auch UTF-8).\n"
        "  write liest die geschriebenen Einträge zurück und vergleicht sie; --no-verify lässt das aus.\n",
        "  ranges: 0 = entries 000-099 ... 9 = entries 900-999 (default 0).\n"
        "  FILE: the unit's lines \"WP\" nnn \":\" and up to 16 dial characters padded with \".\",\n"
        "  UTF-16LE as the configuration program saves it (write also takes UTF-8).\n"
        "  write reads the written entries back and compares them; --no-verify skips that.\n");
}

QList<QCommandLineOption> ShortDialCommand::options(Language language) const
{
    return {QCommandLineOption(QStringLiteral("ranges"),
                               pick(language, "die zu lesenden Bereiche", "the ranges to read"),
                               QStringLiteral("LIST")),
            outputOption(pick(language, "die zu schreibende Kurzwahldatei (read)",
                              "the short-dial file to write (read)")),
            QCommandLineOption(QStringLiteral("no-verify"),
                               pick(language, "write: die geschriebenen Einträge nicht zurücklesen",
                                    "write: do not read the written entries back"))};
}

int ShortDialCommand::run(Invocation& call) const
{
    const Diagnostics& diag = call.diag;
    const QStringList& args = call.args;
    if (args.isEmpty())
        return call.usageError(diag.pick("read oder write fehlt", "read or write is missing"));
    const bool reading = args[0] == QLatin1String("read");
    if (!reading && args[0] != QLatin1String("write"))
        return call.usageError(
            diag.pick("unbekannte Aktion %1 (read oder write)", "unknown action %1 (read or write)")
                .arg(args[0]));
    QList<int> ranges{0}; // as the dialog: only 000-099 unless told otherwise
    if (reading) {
        const QString list = call.value(QStringLiteral("ranges"));
        if (call.isSet(QStringLiteral("ranges")) &&
            !parseRangeList(list, ShortDialExchange::RangeCount, ranges))
            return call.usageError(diag.pick("falsche Bereiche %1 (0-9, durch Kommas getrennt)",
                                             "bad ranges %1 (0-9, separated by commas)")
                                       .arg(list));
        if (call.value(QStringLiteral("output")).isEmpty())
            return call.usageError(diag.pick("-o DATEI fehlt", "-o FILE is missing"));
        if (call.isSet(QStringLiteral("no-verify")))
            return call.usageError(diag.pick("--no-verify gilt nur für shortdial write",
                                             "--no-verify applies to shortdial write only"));
    } else {
        for (const char* option : {"ranges", "output"}) {
            if (call.isSet(QString::fromLatin1(option)))
                return call.usageError(diag.pick("unerwartetes Argument %1", "unexpected argument %1")
                                           .arg(QStringLiteral("--") + QLatin1String(option)));
        }
    }
    if (const int code = call.expectArguments(reading ? 1 : 2); code != ExitOk)
        return code;
    return call.withUnit(
        [&](PortSetup& setup) { return reading ? read(call, setup, ranges) : write(call, setup); });
}

int ShortDialCommand::openUnit(const Invocation& call, PortSetup& setup)
{
    if (!quarn::link::framing::restartPort(setup.port(), setup.portName())) {
        call.diag.portError(setup.portName(), setup.port().lastError(), setup.port().lastErrorDetail());
        return ExitPort;
    }
    if (!ShortDialExchange(setup.port(), setup.clock()).open()) {
        call.diag.error(setup.portName(), sendFailed(call.diag));
        return ExitFailed;
    }
    return ExitOk;
}

QString ShortDialCommand::sendFailed(const Diagnostics& diag)
{
    return diag.pick("Senden zum Gerät fehlgeschlagen.", "Sending to the unit failed.");
}

int ShortDialCommand::read(const Invocation& call, PortSetup& setup, const QList<int>& ranges)
{
    const Diagnostics& diag = call.diag;
    const QString file = call.value(QStringLiteral("output"));
    if (const int code = openUnit(call, setup); code != ExitOk)
        return code;
    ConsoleProgress progress(call.err, call.progressShown());
    progress.setLabel(diag.pick("Lesen", "Reading"));
    const quarn::link::ShortDialRead result =
        ShortDialExchange(setup.port(), setup.clock()).read(ranges, progress);
    progress.finish();
    setup.port().close();
    // The same rule as the dialog's: every entry of every range, and the line still there.
    if (!result.complete()) {
        call.diag.error(
            setup.portName(), quarn::link::ShortDialMessages::readIncomplete(result),
            {diag.pick("Prüfen Sie das Kabel, den Port und ob das Gerät ein Telefoninterface hat.",
                       "Check the cable, the port and that the unit has a telephone interface.")});
        return ExitFailed;
    }
    if (const QString warning = quarn::UnitHistory::keepShortDial(result.text); !warning.isEmpty())
        call.diag.error(diag.pick("Verlauf", "history"), warning);
    if (!ShortDialFile::save(file, result.text)) {
        call.diag.fileError(file, quarn::msg::fileNotSaved(), true);
        return ExitFile;
    }
    call.out << result.text.count(QLatin1String("WP")) << " entries read, saved in " << file << Qt::endl;
    return ExitOk;
}

int ShortDialCommand::write(const Invocation& call, PortSetup& setup)
{
    const Diagnostics& diag = call.diag;
    const QString& file = call.args[1];
    // The whole file is read before the unit is touched.
    QString text;
    if (!ShortDialFile::load(file, text)) {
        call.diag.fileError(file, quarn::msg::fileNotRead(), false);
        return ExitFile;
    }
    // Nothing goes out before the whole file has proved to be short-dial entries.
    const quarn::link::ShortDialCheck check = ShortDialFile::check(text);
    if (!check.ok()) {
        call.diag.error(file, quarn::link::ShortDialMessages::fileRefused(file, check));
        return ExitFile;
    }
    if (const int code = openUnit(call, setup); code != ExitOk)
        return code;
    ConsoleProgress progress(call.err, call.progressShown());
    progress.setLabel(diag.pick("Senden", "Sending"));
    ShortDialExchange exchange(setup.port(), setup.clock());
    const bool sent = exchange.write(text, progress);
    progress.finish();
    if (!sent) {
        call.diag.error(setup.portName(),
                        sendFailed(diag) + QLatin1Char(' ') +
                            diag.pick("Der Kurzwahlspeicher ist möglicherweise nur teilweise beschrieben.",
                                      "The short-dial memory may be written in part."),
                        {diag.pick("`quarnctl shortdial write %1` wiederholen.",
                                   "Run `quarnctl shortdial write %1` again.")
                             .arg(file)});
        return ExitFailed;
    }
    const bool verify = !call.isSet(QStringLiteral("no-verify"));
    if (verify) {
        ConsoleProgress checking(call.err, call.progressShown());
        checking.setLabel(diag.pick("Prüfen", "Checking"));
        const quarn::link::ShortDialVerify result = exchange.verify(check.entries, checking);
        checking.finish();
        if (!result.ok) {
            call.diag.error(setup.portName(), quarn::link::ShortDialMessages::verifyFailed(result));
            return ExitFailed;
        }
    }
    call.out << check.entries.size() << " entries written from " << file << Qt::endl;
    return ExitOk;
}

} // namespace cli
