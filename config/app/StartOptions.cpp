#include "config/app/StartOptions.h"

#include "config/app/AboutBox.h"
#include "platform/StartArguments.h"

namespace quarn {

StartOptions StartOptions::parse(const QStringList& arguments)
{
    static const platform::StartArguments::Rules rules{
        {QStringLiteral("7k"), QStringLiteral("8k"), QStringLiteral("7k-ti"), QStringLiteral("8k-ti")},
        QStringLiteral("8k-ti"),
        true};
    const platform::StartArguments given = platform::StartArguments::parse(arguments, rules);
    StartOptions o;
    o.request = given.request;
    o.port = given.port;
    o.simulate = given.simulate;
    o.simulate7k = given.simulateKind.startsWith(QLatin1String("7k"));
    o.simulateTelephone = given.simulateKind.endsWith(QLatin1String("-ti"));
    o.file = given.file;
    o.error = problemText(given.problem, given.problemArgument, rules.simulateKinds);
    return o;
}

QString StartOptions::problemText(Problem problem, const QString& argument, const QStringList& kinds)
{
    switch (problem) {
    case Problem::None:
        return {};
    case Problem::SecondFile:
        return tr("unerwartetes Argument %1: nur eine Einstellungsdatei auf einmal").arg(argument);
    case Problem::PortWithoutName:
        return tr("--port braucht einen Portnamen");
    case Problem::UnknownKind:
        return tr("--simulate nimmt %1, nicht \"%2\"").arg(kinds.join(QStringLiteral(", ")), argument);
    case Problem::UnknownOption:
        return tr("unbekannte Option %1").arg(argument);
    case Problem::PortAndSimulate:
        return tr("--port und --simulate schließen einander aus");
    }
    return {};
}

QString StartOptions::usage()
{
    return tr("Aufruf: Quarn7k8k [Optionen] [FILE]\n"
              "Quarn 7k/8k Konfigurationsprogramm: liest, bearbeitet und programmiert die Register eines "
              "Geräts.\n"
              "\n"
              "Optionen:\n"
              "  -h, --help                      Diese Hilfe ausgeben und beenden.\n"
              "  -v, --version                   Die Version ausgeben und beenden.\n"
              "  --port NAME                     Den seriellen Port NAME vorwählen (ein Name oder der Pfad "
              "der Gerätedatei).\n"
              "  --simulate[=7k|8k|7k-ti|8k-ti]  Ein simuliertes Gerät bereitstellen (Vorgabe 8k-ti) und "
              "vorwählen.\n"
              "\n"
              "Argumente:\n"
              "  FILE                            Eine Einstellungsdatei (*.rq7k8k), die beim Start geöffnet "
              "wird.\n");
}

QString StartOptions::version()
{
    return QStringLiteral("Quarn7k8k %1\n").arg(AboutBox::versionText());
}

} // namespace quarn
