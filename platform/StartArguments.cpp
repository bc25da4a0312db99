#include "platform/StartArguments.h"

namespace platform {

StartArguments StartArguments::parse(const QStringList& arguments, const Rules& rules)
{
    StartArguments o;
    auto fail = [&o](const QString& error) {
        if (o.error.isEmpty())
            o.error = error;
    };
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (optionsEnded || !a.startsWith(QLatin1Char('-'))) {
            if (!o.file.isEmpty())
                fail(QStringLiteral("unexpected argument %1: one %2 at a time").arg(a, rules.fileWord));
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
            o.simulateKind = rules.defaultKind;
        } else if (a.startsWith(QLatin1String("--simulate=")) && !rules.simulateKinds.isEmpty()) {
            const QString kind = a.mid(11);
            if (!rules.simulateKinds.contains(kind)) {
                fail(QStringLiteral("--simulate takes %1, not \"%2\"")
                         .arg(rules.simulateKinds.join(QStringLiteral(", ")), kind));
                continue;
            }
            o.simulate = true;
            o.simulateKind = kind;
        } else {
            fail(QStringLiteral("unknown option %1").arg(a));
        }
    }
    if (rules.portOrSimulate && o.simulate && !o.port.isEmpty())
        fail(QStringLiteral("--port and --simulate exclude each other"));
    if (o.request != Request::Run)
        o.error.clear();
    return o;
}

} // namespace platform
