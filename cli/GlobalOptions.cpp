#include "cli/GlobalOptions.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include "cli/Diagnostics.h"

namespace cli {

namespace {
const QString kSimulateKind = QStringLiteral("simulate-kind");
}

QList<QCommandLineOption> GlobalOptions::definitions(Language language)
{
    QCommandLineOption kind(kSimulateKind);
    kind.setValueName(QStringLiteral("KIND"));
    kind.setFlags(QCommandLineOption::HiddenFromHelp);
    return {
        QCommandLineOption(QStringLiteral("port"), pick(language, "der serielle Port", "the serial port"),
                           QStringLiteral("NAME")),
        QCommandLineOption(QStringLiteral("simulate"),
                           pick(language, "ein simuliertes Gerät", "a simulated unit")),
        kind,
        QCommandLineOption(QStringLiteral("trace"),
                           pick(language, "jedes Byte in FILE", "every byte into FILE"),
                           QStringLiteral("FILE")),
        QCommandLineOption({QStringLiteral("q"), QStringLiteral("quiet")},
                           pick(language, "keine Fortschrittsanzeige", "no progress")),
        QCommandLineOption(QStringLiteral("keep-connected"),
                           pick(language, "in der PC-Verbindung bleiben", "stay in PC mode")),
        QCommandLineOption(QStringLiteral("language"), pick(language, "de oder en", "de or en"),
                           QStringLiteral("LANGUAGE")),
        QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                           pick(language, "der Aufruf", "the usage")),
    };
}

QStringList GlobalOptions::prepare(QStringList args)
{
    for (QString& arg : args) {
        if (arg.startsWith(QLatin1String("--simulate=")))
            arg = QStringLiteral("--") + kSimulateKind + arg.mid(10);
    }
    return args;
}

qsizetype GlobalOptions::commandIndex(const QStringList& args)
{
    QStringList withValue; // only the names count here, which are the same in both languages
    for (const QCommandLineOption& option : definitions(Language::German)) {
        if (!option.valueName().isEmpty())
            withValue << QStringLiteral("--") + option.names().constFirst();
    }
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (withValue.contains(args[i]))
            ++i;
        else if (!args[i].startsWith(QLatin1Char('-')))
            return i;
    }
    return -1;
}

QString GlobalOptions::languageIn(const QStringList& args)
{
    QString language;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--language"))
            language = args.value(i + 1);
        else if (args[i].startsWith(QLatin1String("--language=")))
            language = args[i].mid(11);
    }
    return language;
}

bool GlobalOptions::read(const QCommandLineParser& parser, GlobalOptions& options, const Diagnostics& diag,
                         QString& error)
{
    for (const char* name : {"port", "trace", "language"}) {
        const QString option = QString::fromLatin1(name);
        if (parser.isSet(option) && parser.value(option).isEmpty()) {
            error = diag.pick("--%1 braucht einen Wert", "--%1 needs a value").arg(option);
            return false;
        }
    }
    options.port = parser.value(QStringLiteral("port"));
    options.traceFile = parser.value(QStringLiteral("trace"));
    options.language = parser.value(QStringLiteral("language"));
    options.quiet = parser.isSet(QStringLiteral("quiet"));
    options.keepConnected = parser.isSet(QStringLiteral("keep-connected"));
    options.help = parser.isSet(QStringLiteral("help"));
    options.simulate = parser.isSet(QStringLiteral("simulate")) || parser.isSet(kSimulateKind);
    options.simulateVariant =
        parser.isSet(kSimulateKind) ? parser.value(kSimulateKind) : QStringLiteral("8k-ti");
    static const QStringList variants{QStringLiteral("7k"), QStringLiteral("8k"), QStringLiteral("7k-ti"),
                                      QStringLiteral("8k-ti")};
    if (!variants.contains(options.simulateVariant)) {
        error =
            diag.pick("--simulate nimmt 7k, 8k, 7k-ti oder 8k-ti", "--simulate takes 7k, 8k, 7k-ti or 8k-ti");
        return false;
    }
    if (options.simulate && !options.port.isEmpty()) {
        error = diag.pick("--port und --simulate schließen einander aus",
                          "--port and --simulate exclude each other");
        return false;
    }
    static const QRegularExpression languages(QStringLiteral("^(de|en|[0-6])$"));
    if (!options.language.isEmpty() && !languages.match(options.language).hasMatch()) {
        error = diag.pick("--language nimmt de oder en (texts read own: 0-6)",
                          "--language takes de or en (texts read own: 0-6)");
        return false;
    }
    return true;
}

} // namespace cli
