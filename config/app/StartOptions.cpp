#include "config/app/StartOptions.h"

#include "config/app/AboutBox.h"
#include "platform/StartArguments.h"

namespace quarn {

StartOptions StartOptions::parse(const QStringList& arguments)
{
    static const platform::StartArguments::Rules rules{
        QStringLiteral("settings file"),
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
    o.error = given.error;
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
