#include "cli/ShortDialCommand.h"

#include "cli/ConsoleProgress.h"
#include "cli/ExitCode.h"
#include "cli/GlobalOptions.h"
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

const char* const ShortDialCommand::Usage =
    "usage: quarnctl shortdial read [--ranges 0,1,...] -o FILE\n"
    "       quarnctl shortdial write FILE\n"
    "  ranges: 0 = entries 000-099 ... 9 = entries 900-999 (default 0).\n"
    "  FILE: the unit's lines \"WP\" nnn \":\" and up to 16 dial characters padded with \".\",\n"
    "  UTF-16LE as the configuration program saves it (write also takes UTF-8).\n";

QString ShortDialCommand::parse(const QStringList& args, Request& request)
{
    if (args.isEmpty())
        return QStringLiteral("missing read or write");
    if (args[0] == QLatin1String("read"))
        request.read = true;
    else if (args[0] == QLatin1String("write"))
        request.read = false;
    else
        return QStringLiteral("unknown action %1").arg(args[0]);
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (request.read && a == QLatin1String("--ranges") && hasValue) {
            if (!parseRangeList(args[++i], ShortDialExchange::RangeCount, request.ranges))
                return QStringLiteral("bad ranges %1 (0-9, separated by commas)").arg(args[i]);
        } else if (request.read && (a == QLatin1String("-o") || a == QLatin1String("--output")) && hasValue &&
                   request.file.isEmpty()) {
            request.file = args[++i];
        } else if (!request.read && !a.startsWith(QLatin1Char('-')) && request.file.isEmpty()) {
            request.file = a;
        } else {
            return QStringLiteral("unexpected argument %1").arg(a);
        }
    }
    if (request.file.isEmpty())
        return request.read ? QStringLiteral("missing -o FILE") : QStringLiteral("missing FILE");
    return {};
}

ShortDialCommand::ShortDialCommand(PortSetup& setup, const GlobalOptions& options, QTextStream& out,
                                   QTextStream& err)
    : m_setup(setup), m_options(options), m_out(out), m_err(err)
{}

int ShortDialCommand::run(const Request& request)
{
    return request.read ? read(request) : write(request);
}

int ShortDialCommand::openUnit()
{
    if (!quarn::link::framing::restartPort(m_setup.port(), m_setup.portName())) {
        m_err << quarn::linkmsg::portNotOpened() << Qt::endl;
        if (!m_setup.port().lastErrorDetail().isEmpty())
            m_err << m_setup.port().lastErrorDetail() << Qt::endl;
        return ExitPort;
    }
    if (!ShortDialExchange(m_setup.port(), m_setup.clock()).open()) {
        m_err << "quarnctl: sending to the unit failed\n" << Qt::flush;
        return ExitFailed;
    }
    return ExitOk;
}

int ShortDialCommand::read(const Request& request)
{
    if (const int code = openUnit(); code != ExitOk)
        return code;
    ConsoleProgress progress(m_err, !m_options.quiet && ConsoleProgress::stderrIsTerminal());
    const quarn::link::ShortDialRead result =
        ShortDialExchange(m_setup.port(), m_setup.clock()).read(request.ranges, progress);
    progress.finish();
    m_setup.port().close();
    if (result.portFailed) {
        m_err << "quarnctl: sending to the unit failed; nothing was saved\n" << Qt::flush;
        return ExitFailed;
    }
    // A file without any entry line would only overwrite a good one with nothing.
    if (!result.anyEntry) {
        m_err << "quarnctl: the unit sent no short-dial entry; nothing was saved\n" << Qt::flush;
        return ExitFailed;
    }
    if (!ShortDialFile::save(request.file, result.text)) {
        m_err << quarn::msg::fileNotSaved() << Qt::endl;
        return ExitFile;
    }
    m_out << result.text.count(QLatin1String("WP")) << " entries read, saved in " << request.file << Qt::endl;
    return ExitOk;
}

int ShortDialCommand::write(const Request& request)
{
    // The whole file is read before the unit is touched.
    QString text;
    if (!ShortDialFile::load(request.file, text)) {
        m_err << quarn::msg::fileNotRead() << Qt::endl;
        return ExitFile;
    }
    if (const int code = openUnit(); code != ExitOk)
        return code;
    ConsoleProgress progress(m_err, !m_options.quiet && ConsoleProgress::stderrIsTerminal());
    const bool sent = ShortDialExchange(m_setup.port(), m_setup.clock()).write(text, progress);
    progress.finish();
    if (!sent) {
        m_err << "quarnctl: sending to the unit failed; the short-dial memory may be written in part\n"
              << Qt::flush;
        return ExitFailed;
    }
    m_out << text.count(QLatin1String("WP")) << " entries written from " << request.file << Qt::endl;
    return ExitOk;
}

} // namespace cli
