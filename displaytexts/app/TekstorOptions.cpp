#include "displaytexts/app/TekstorOptions.h"

#include "platform/StartArguments.h"

#include <QLocale>

namespace tekstor {

TekstorOptions TekstorOptions::parse(const QStringList& arguments)
{
    using Problem = platform::StartArguments::Problem;
    static const platform::StartArguments::Rules rules{{}, {}, false};
    const platform::StartArguments given = platform::StartArguments::parse(arguments, rules);
    TekstorOptions o;
    o.request = given.request;
    o.port = given.port;
    o.simulate = given.simulate;
    o.file = given.file;
    const Language l = language();
    switch (given.problem) {
    case Problem::None:
        break;
    case Problem::SecondFile:
        o.error = msg::pick(l, "unerwartetes Argument %1: nur eine Textdatei auf einmal",
                            "unexpected argument %1: one text file at a time")
                      .arg(given.problemArgument);
        break;
    case Problem::PortWithoutName:
        o.error = msg::pick(l, "--port braucht einen Portnamen", "--port needs a port name");
        break;
    case Problem::UnknownKind: // Tekstor's --simulate has no kind: "--simulate=x" is unknown
    case Problem::UnknownOption:
        o.error = msg::pick(l, "unbekannte Option %1", "unknown option %1").arg(given.problemArgument);
        break;
    case Problem::PortAndSimulate:
        o.error = msg::pick(l, "--port und --simulate schließen einander aus",
                            "--port and --simulate exclude each other");
        break;
    }
    return o;
}

Language TekstorOptions::language()
{
    return QLocale().language() == QLocale::English ? Language::English : Language::German;
}

QString TekstorOptions::usage()
{
    return msg::pick(
        language(),
        "Aufruf: Tekstor [Optionen] [FILE]\n"
        "Quarn 7k/8k Tekstor: liest, bearbeitet und programmiert die Anzeigetexte eines Geräts.\n"
        "\n"
        "Optionen:\n"
        "  -h, --help     Diese Hilfe ausgeben und beenden.\n"
        "  -v, --version  Die Version ausgeben und beenden.\n"
        "  --port NAME    NAME zuerst in der Portliste anbieten (ein Name oder der Pfad der\n"
        "                 Gerätedatei).\n"
        "  --simulate     Ein simuliertes Gerät bereitstellen und seine Gerätedatei zuerst\n"
        "                 anbieten.\n"
        "\n"
        "Argumente:\n"
        "  FILE           Eine Textdatei, die geöffnet wird: Kennungstexte (*.q8kk), eigene\n"
        "                 Texte (*.q8kt) oder Kanaltexte (*.q8kc).\n",
        "Usage: Tekstor [options] [FILE]\n"
        "Quarn 7k/8k Tekstor: reads, edits and programs the display texts of a unit.\n"
        "\n"
        "Options:\n"
        "  -h, --help     Print this help and exit.\n"
        "  -v, --version  Print the version and exit.\n"
        "  --port NAME    Offer NAME first in the port list (a name or a device path).\n"
        "  --simulate     Serve a simulated unit and offer its device first.\n"
        "\n"
        "Arguments:\n"
        "  FILE           A text file to open: ID texts (*.q8kk), own texts (*.q8kt) or\n"
        "                 channel texts (*.q8kc).\n");
}

QString TekstorOptions::version()
{
    return QStringLiteral("Tekstor 1.11\n");
}

} // namespace tekstor
