#include "cli/Quarnctl.h"

#include <QCommandLineParser>

#include "cli/CommandRegistry.h"
#include "cli/EnglishTranslation.h"
#include "cli/ExitCode.h"
#include "cli/GlobalOptions.h"
#include "cli/Invocation.h"

namespace cli {

namespace {
// "  read -o FILE                   read every register ...": the summary in column 34, or
// below a longer synopsis.
QString listed(const Command& command)
{
    const QString synopsis = QStringLiteral("  ") + command.synopsis();
    if (synopsis.size() <= 32)
        return synopsis.leftJustified(33) + command.summary() + QLatin1Char('\n');
    return synopsis + QLatin1Char('\n') + QString(33, QLatin1Char(' ')) + command.summary() +
           QLatin1Char('\n');
}
} // namespace

QString Quarnctl::usage()
{
    QString unit;
    QString files;
    for (const std::unique_ptr<Command>& command : CommandRegistry::commands())
        (command->section() == Command::Section::Unit ? unit : files) += listed(*command);
    return QStringLiteral(
               "usage: quarnctl [--port NAME | --simulate[=7k|8k|7k-ti|8k-ti]] [--trace FILE] [--quiet]\n"
               "                [--keep-connected] COMMAND ...\n"
               "\n"
               "commands with a unit:\n") +
           unit + QStringLiteral("commands on settings files:\n") + files +
           QStringLiteral("\n"
                          "`quarnctl COMMAND --help` shows the command's usage and options.\n"
                          "exit codes: 0 success, 1 the exchange failed or differences were found, 2 usage,\n"
                          "            3 the port cannot be opened, 4 a file cannot be read or written\n");
}

bool Quarnctl::needsWidgets(const QStringList& args)
{
    const QStringList prepared = GlobalOptions::prepare(args);
    const qsizetype at = GlobalOptions::commandIndex(prepared);
    const Command* command = at < 0 ? nullptr : CommandRegistry::find(prepared[at]);
    return command && command->needsWidgets(prepared.mid(at + 1));
}

int Quarnctl::usageError(const Command* command, const QString& problem)
{
    if (command)
        m_err << "quarnctl: " << command->name() << ": " << problem << '\n' << command->help() << Qt::flush;
    else
        m_err << "quarnctl: " << problem << '\n' << usage() << Qt::flush;
    return ExitUsage;
}

int Quarnctl::run(QStringList args)
{
    args = GlobalOptions::prepare(args);
    const qsizetype at = GlobalOptions::commandIndex(args);
    const Command* command = at < 0 ? nullptr : CommandRegistry::find(args[at]);
    if (at >= 0 && !command)
        return usageError(nullptr, QStringLiteral("unknown command '%1'").arg(args[at]));

    QCommandLineParser parser;
    parser.addOptions(GlobalOptions::definitions());
    if (command)
        parser.addOptions(command->options());
    if (!parser.parse(QStringList{QStringLiteral("quarnctl")} + args))
        return usageError(command, parser.errorText());
    GlobalOptions options;
    QString error;
    if (!GlobalOptions::read(parser, options, error))
        return usageError(command, error);
    EnglishTranslation english;
    if (options.language == QLatin1String("en") && !english.install())
        m_err << "quarnctl: the English language file Quarn7k8kENU.qm was not found; German is used"
              << Qt::endl;
    if (!command && options.help) {
        m_out << usage() << Qt::flush;
        return ExitOk;
    }
    if (!command)
        return usageError(nullptr, QStringLiteral("no command given"));
    if (options.help) {
        m_out << command->help() << Qt::flush;
        return ExitOk;
    }
    QStringList positional = parser.positionalArguments();
    positional.removeFirst(); // the command's name
    Invocation call(*command, options, parser, positional, m_out, m_err);
    return command->run(call);
}

} // namespace cli
