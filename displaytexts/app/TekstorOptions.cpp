#include "displaytexts/app/TekstorOptions.h"

#include "platform/StartArguments.h"

namespace tekstor {

TekstorOptions TekstorOptions::parse(const QStringList& arguments)
{
    static const platform::StartArguments::Rules rules{QStringLiteral("text file"), {}, {}, false};
    const platform::StartArguments given = platform::StartArguments::parse(arguments, rules);
    TekstorOptions o;
    o.request = given.request;
    o.port = given.port;
    o.simulate = given.simulate;
    o.file = given.file;
    o.error = given.error;
    return o;
}

QString TekstorOptions::usage()
{
    return QStringLiteral("Usage: Tekstor [options] [FILE]\n"
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
