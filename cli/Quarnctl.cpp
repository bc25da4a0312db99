#include "cli/Quarnctl.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include "cli/CommandRegistry.h"
#include "cli/Diagnostics.h"
#include "cli/EnglishTranslation.h"
#include "cli/ExitCode.h"
#include "cli/GlobalOptions.h"
#include "cli/Invocation.h"

namespace cli {

namespace {
// "  read -o FILE                   read every register ...": the summary in column 34, or
// below a longer synopsis.
QString listed(const Command& command, Language language)
{
    const QString synopsis = QStringLiteral("  ") + command.synopsis();
    if (synopsis.size() <= 32)
        return synopsis.leftJustified(33) + command.summary(language) + QLatin1Char('\n');
    return synopsis + QLatin1Char('\n') + QString(33, QLatin1Char(' ')) + command.summary(language) +
           QLatin1Char('\n');
}

// The parser's complaint in the language of the messages.
QString parseProblem(const QCommandLineParser& parser, const Diagnostics& diag)
{
    if (!parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().constFirst();
        return diag.pick("unbekannte Option %1", "unknown option %1")
            .arg((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
    }
    static const QRegularExpression missing(QStringLiteral("^Missing value after '(.*)'\\.$"));
    if (const QRegularExpressionMatch m = missing.match(parser.errorText()); m.hasMatch())
        return diag.pick("%1 braucht einen Wert", "%1 needs a value").arg(m.captured(1));
    // "--quiet=1"
    static const QRegularExpression unexpected(QStringLiteral("^Unexpected value after '(.*)'\\.$"));
    if (const QRegularExpressionMatch m = unexpected.match(parser.errorText()); m.hasMatch())
        return diag.pick("%1 nimmt keinen Wert", "%1 takes no value").arg(m.captured(1));
    return parser.errorText();
}
} // namespace

QString Quarnctl::usage(Language language)
{
    QString unit;
    QString files;
    for (const std::unique_ptr<Command>& command : CommandRegistry::commands())
        (command->section() == Command::Section::Unit ? unit : files) += listed(*command, language);
    return pick(language,
                "Aufruf: quarnctl [--port NAME | --simulate[=7k|8k|7k-ti|8k-ti]] [--trace FILE] [--quiet]\n"
                "                 [--keep-connected] [--language de|en] COMMAND ...\n"
                "\n"
                "Befehle mit einem Gerät:\n",
                "usage: quarnctl [--port NAME | --simulate[=7k|8k|7k-ti|8k-ti]] [--trace FILE] [--quiet]\n"
                "                [--keep-connected] [--language de|en] COMMAND ...\n"
                "\n"
                "commands with a unit:\n") +
           unit + pick(language, "Befehle für Einstellungsdateien:\n", "commands on settings files:\n") +
           files +
           pick(language,
                "\n"
                "`quarnctl COMMAND --help` zeigt Aufruf und Optionen des Befehls. Die Meldungen sind\n"
                "deutsch, außer mit --language en oder bei englischer Locale.\n"
                "Exit-Codes: 0 Erfolg, 1 der Austausch schlug fehl oder Unterschiede wurden gefunden,\n"
                "            2 falscher Aufruf, 3 der Port lässt sich nicht öffnen, 4 eine Datei lässt sich\n"
                "            nicht lesen oder schreiben\n",
                "\n"
                "`quarnctl COMMAND --help` shows the command's usage and options. Messages are\n"
                "German unless --language en is given or the locale is English.\n"
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

int Quarnctl::usageError(Diagnostics& diag, const Command* command, const QString& problem)
{
    diag.error(command ? command->name() : QString(), problem);
    m_err << (command ? command->help(diag.language()) : usage(diag.language())) << Qt::flush;
    return ExitUsage;
}

int Quarnctl::run(QStringList args)
{
    args = GlobalOptions::prepare(args);
    Diagnostics diag(m_err, Diagnostics::languageFor(GlobalOptions::languageIn(args)));
    // The link's messages and the report come from the configuration program's language file.
    EnglishTranslation english;
    if (diag.language() == Language::English && !english.install() &&
        GlobalOptions::languageIn(args) == QLatin1String("en"))
        diag.error({}, QStringLiteral("the English language file Quarn7k8kENU.qm was not found; the unit's "
                                      "messages and the report stay German"));

    const qsizetype at = GlobalOptions::commandIndex(args);
    const Command* command = at < 0 ? nullptr : CommandRegistry::find(args[at]);
    if (at >= 0 && !command)
        return usageError(diag, nullptr,
                          diag.pick("unbekannter Befehl \"%1\"", "unknown command \"%1\"").arg(args[at]));

    QCommandLineParser parser;
    parser.addOptions(GlobalOptions::definitions(diag.language()));
    if (command)
        parser.addOptions(command->options(diag.language()));
    if (!parser.parse(QStringList{QStringLiteral("quarnctl")} + args))
        return usageError(diag, command, parseProblem(parser, diag));
    GlobalOptions options;
    QString error;
    if (!GlobalOptions::read(parser, options, diag, error))
        return usageError(diag, command, error);
    if (!command && options.help) {
        m_out << usage(diag.language()) << Qt::flush;
        return ExitOk;
    }
    if (!command)
        return usageError(diag, nullptr, diag.pick("kein Befehl angegeben", "no command given"));
    if (options.help) {
        m_out << command->help(diag.language()) << Qt::flush;
        return ExitOk;
    }
    QStringList positional = parser.positionalArguments();
    positional.removeFirst(); // the command's name
    Invocation call(*command, options, parser, positional, m_out, m_err, diag, m_unit);
    return command->run(call);
}

} // namespace cli
