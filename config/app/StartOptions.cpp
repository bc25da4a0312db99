#include "config/app/StartOptions.h"

namespace quarn {

StartOptions StartOptions::parse(const QStringList& arguments)
{
    StartOptions o;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--port")) {
            if (i + 1 >= arguments.size()) {
                o.error = QStringLiteral("--port needs a port name");
                return o;
            }
            o.port = arguments[++i];
        } else if (a.startsWith(QLatin1String("--port="))) {
            o.port = a.mid(7);
        } else if (a == QLatin1String("--simulate") || a.startsWith(QLatin1String("--simulate="))) {
            const QString kind =
                a.contains(QLatin1Char('=')) ? a.section(QLatin1Char('='), 1) : QStringLiteral("8k-ti");
            static const QStringList kinds{QStringLiteral("7k"), QStringLiteral("8k"),
                                           QStringLiteral("7k-ti"), QStringLiteral("8k-ti")};
            if (!kinds.contains(kind)) {
                o.error = QStringLiteral("--simulate takes 7k, 8k, 7k-ti or 8k-ti, not \"%1\"").arg(kind);
                return o;
            }
            o.simulate = true;
            o.simulate7k = kind.startsWith(QLatin1String("7k"));
            o.simulateTelephone = kind.endsWith(QLatin1String("-ti"));
        }
        // Anything else is left to the toolkit (-platform, -style ...).
    }
    if (o.simulate && !o.port.isEmpty())
        o.error = QStringLiteral("--port and --simulate exclude each other");
    return o;
}

QString StartOptions::usage()
{
    return QStringLiteral("usage: Quarn7k8k [--port NAME] [--simulate[=7k|8k|7k-ti|8k-ti]]\n");
}

} // namespace quarn
