#include "cli/ShortDialCommand.h"

#include "cli/ConsoleProgress.h"
#include "cli/ExitCode.h"
#include "cli/GlobalOptions.h"
#include "cli/Invocation.h"
#include "cli/PortSetup.h"
#include "cli/RangeList.h"
#include "config/link/CommandFraming.h"
#include "config/link/LinkMessages.h"
#include "config/link/ShortDialExchange.h"
#include "config/link/ShortDialFile.h"
#include "config/register/Messages.h"

using quarn::link::ShortDialExchange;
using quarn::link::ShortDialFile;

namespace cli {

QStringList ShortDialCommand::usage() const
{
    return {QStringLiteral("shortdial read [--ranges 0,1,...] -o FILE"),
            QStringLiteral("shortdial write FILE")};
}

QString ShortDialCommand::details() const
{
    return QStringLiteral(
        "  ranges: 0 = entries 000-099 ... 9 = entries 900-999 (default 0).\n"
        "  FILE: the unit's lines \"WP\" nnn \":\" and up to 16 dial characters padded with \".\",\n"
        "  UTF-16LE as the configuration program saves it (write also takes UTF-8).\n");
}

QList<QCommandLineOption> ShortDialCommand::options() const
{
    return {QCommandLineOption(QStringLiteral("ranges"), QStringLiteral("the ranges to read"),
                               QStringLiteral("LIST")),
            outputOption(QStringLiteral("the short-dial file to write (read)"))};
}

int ShortDialCommand::run(Invocation& call) const
{
    const QStringList& args = call.args;
    if (args.isEmpty())
        return call.usageError(QStringLiteral("missing read or write"));
    const bool reading = args[0] == QLatin1String("read");
    if (!reading && args[0] != QLatin1String("write"))
        return call.usageError(QStringLiteral("unknown action %1").arg(args[0]));
    QList<int> ranges{0}; // as the dialog: only 000-099 unless told otherwise
    if (reading) {
        if (args.size() > 1)
            return call.usageError(QStringLiteral("unexpected argument %1").arg(args[1]));
        const QString list = call.value(QStringLiteral("ranges"));
        if (call.isSet(QStringLiteral("ranges")) &&
            !parseRangeList(list, ShortDialExchange::RangeCount, ranges))
            return call.usageError(QStringLiteral("bad ranges %1 (0-9, separated by commas)").arg(list));
        if (call.value(QStringLiteral("output")).isEmpty())
            return call.usageError(QStringLiteral("missing -o FILE"));
    } else {
        for (const char* option : {"ranges", "output"}) {
            if (call.isSet(QString::fromLatin1(option)))
                return call.usageError(QStringLiteral("unexpected argument --%1").arg(QLatin1String(option)));
        }
        if (args.size() != 2)
            return call.usageError(args.size() < 2 ? QStringLiteral("missing FILE")
                                                   : QStringLiteral("unexpected argument %1").arg(args[2]));
    }
    return call.withUnit(
        [&](PortSetup& setup) { return reading ? read(call, setup, ranges) : write(call, setup); });
}

int ShortDialCommand::openUnit(PortSetup& setup, QTextStream& err)
{
    if (!quarn::link::framing::restartPort(setup.port(), setup.portName())) {
        err << quarn::linkmsg::portNotOpened() << Qt::endl;
        if (!setup.port().lastErrorDetail().isEmpty())
            err << setup.port().lastErrorDetail() << Qt::endl;
        return ExitPort;
    }
    if (!ShortDialExchange(setup.port(), setup.clock()).open()) {
        err << "quarnctl: sending to the unit failed\n" << Qt::flush;
        return ExitFailed;
    }
    return ExitOk;
}

int ShortDialCommand::read(Invocation& call, PortSetup& setup, const QList<int>& ranges)
{
    const QString file = call.value(QStringLiteral("output"));
    if (const int code = openUnit(setup, call.err); code != ExitOk)
        return code;
    ConsoleProgress progress(call.err, !call.options.quiet && ConsoleProgress::stderrIsTerminal());
    const quarn::link::ShortDialRead result =
        ShortDialExchange(setup.port(), setup.clock()).read(ranges, progress);
    progress.finish();
    setup.port().close();
    if (result.portFailed) {
        call.err << "quarnctl: sending to the unit failed; nothing was saved\n" << Qt::flush;
        return ExitFailed;
    }
    // A file without any entry line would only overwrite a good one with nothing.
    if (!result.anyEntry) {
        call.err << "quarnctl: the unit sent no short-dial entry; nothing was saved\n" << Qt::flush;
        return ExitFailed;
    }
    if (!ShortDialFile::save(file, result.text)) {
        call.err << quarn::msg::fileNotSaved() << Qt::endl;
        return ExitFile;
    }
    call.out << result.text.count(QLatin1String("WP")) << " entries read, saved in " << file << Qt::endl;
    return ExitOk;
}

int ShortDialCommand::write(Invocation& call, PortSetup& setup)
{
    const QString& file = call.args[1];
    // The whole file is read before the unit is touched.
    QString text;
    if (!ShortDialFile::load(file, text)) {
        call.err << quarn::msg::fileNotRead() << Qt::endl;
        return ExitFile;
    }
    if (const int code = openUnit(setup, call.err); code != ExitOk)
        return code;
    ConsoleProgress progress(call.err, !call.options.quiet && ConsoleProgress::stderrIsTerminal());
    const bool sent = ShortDialExchange(setup.port(), setup.clock()).write(text, progress);
    progress.finish();
    if (!sent) {
        call.err << "quarnctl: sending to the unit failed; the short-dial memory may be written in part\n"
                 << Qt::flush;
        return ExitFailed;
    }
    call.out << text.count(QLatin1String("WP")) << " entries written from " << file << Qt::endl;
    return ExitOk;
}

} // namespace cli
