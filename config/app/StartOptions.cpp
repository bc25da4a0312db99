#include "config/app/StartOptions.h"

#include "config/app/AboutBox.h"

namespace quarn {

StartOptions StartOptions::parse(const QStringList& arguments)
{
    StartOptions o;
    auto fail = [&o](const QString& error) {
        if (o.error.isEmpty())
            o.error = error;
    };
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (optionsEnded || !a.startsWith(QLatin1Char('-'))) {
            if (!o.file.isEmpty())
                fail(QStringLiteral("unexpected argument %1: one settings file at a time").arg(a));
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
        } else if (a == QLatin1String("--simulate") || a.startsWith(QLatin1String("--simulate="))) {
            const QString kind =
                a.contains(QLatin1Char('=')) ? a.section(QLatin1Char('='), 1) : QStringLiteral("8k-ti");
            static const QStringList kinds{QStringLiteral("7k"), QStringLiteral("8k"),
                                           QStringLiteral("7k-ti"), QStringLiteral("8k-ti")};
            if (!kinds.contains(kind)) {
                fail(QStringLiteral("--simulate takes 7k, 8k, 7k-ti or 8k-ti, not \"%1\"").arg(kind));
                continue;
            }
            o.simulate = true;
            o.simulate7k = kind.startsWith(QLatin1String("7k"));
            o.simulateTelephone = kind.endsWith(QLatin1String("-ti"));
        } else {
            fail(QStringLiteral("unknown option %1").arg(a));
        }
    }
    if (o.simulate && !o.port.isEmpty())
        fail(QStringLiteral("--port and --simulate exclude each other"));
    if (o.request != Request::Run)
        o.error.clear();
    return o;
}

QString StartOptions::usage()
{
    return QStringLiteral(
        "Usage: Quarn7k8k [options] [FILE]\n"
        "Quarn 7k/8k configuration program: reads, edits and programs the registers of a unit.\n"
        "\n"
        "Options:\n"
        "  -h, --help                      Print this help and exit.\n"
        "  -v, --version                   Print the version and exit.\n"
        "  --port NAME                     Preselect the serial port NAME (a name or a device path).\n"
        "  --simulate[=7k|8k|7k-ti|8k-ti]  Serve a simulated unit (default 8k-ti) and preselect it.\n"
        "\n"
        "Arguments:\n"
        "  FILE                            A settings file (*.rq7k8k) to open at start.\n");
}

QString StartOptions::version()
{
    return QStringLiteral("Quarn7k8k %1\n").arg(AboutBox::versionText());
}

} // namespace quarn
