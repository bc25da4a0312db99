#include "platform/StartArguments.h"

namespace platform {

StartArguments StartArguments::parse(const QStringList& arguments, const Rules& rules)
{
    StartArguments o;
    auto fail = [&o](Problem problem, const QString& argument = {}) {
        if (o.problem == Problem::None) {
            o.problem = problem;
            o.problemArgument = argument;
        }
    };
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (optionsEnded || !a.startsWith(QLatin1Char('-'))) {
            if (!o.file.isEmpty())
                fail(Problem::SecondFile, a);
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
                fail(Problem::PortWithoutName);
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
                fail(Problem::UnknownKind, kind);
                continue;
            }
            o.simulate = true;
            o.simulateKind = kind;
        } else {
            fail(Problem::UnknownOption, a);
        }
    }
    if (rules.portOrSimulate && o.simulate && !o.port.isEmpty())
        fail(Problem::PortAndSimulate);
    if (o.request != Request::Run) {
        o.problem = Problem::None;
        o.problemArgument.clear();
    }
    return o;
}

} // namespace platform
