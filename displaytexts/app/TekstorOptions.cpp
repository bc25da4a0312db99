#include "displaytexts/app/TekstorOptions.h"

namespace tekstor {

TekstorOptions TekstorOptions::parse(const QStringList& arguments)
{
    TekstorOptions o;
    auto fail = [&o](const QString& error) {
        if (o.error.isEmpty())
            o.error = error;
    };
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (optionsEnded || !a.startsWith(QLatin1Char('-'))) {
            if (!o.file.isEmpty())
                fail(QStringLiteral("unexpected argument %1: one text file at a time").arg(a));
            o.file = a;
        } else if (a == QLatin1String("--")) {
            optionsEnded = true;
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            o.request = Request::Help;
        } else if (a == QLatin1String("--version") || a == QLatin1String("-v")) {
            if (o.request == Request::Run)
                o.request = Request::Version;
        } else if (a == QLatin1String("--port")) {
            if (i + 1 >= arguments.size())
                fail(QStringLiteral("--port needs a port name"));
            else
                o.port = arguments[++i];
        } else if (a.startsWith(QLatin1String("--port="))) {
            o.port = a.mid(7);
        } else if (a == QLatin1String("--simulate")) {
            o.simulate = true;
        } else {
            fail(QStringLiteral("unknown option %1").arg(a));
        }
    }
    if (o.request != Request::Run)
        o.error.clear();
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
