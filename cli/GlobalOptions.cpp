#include "cli/GlobalOptions.h"

namespace cli {

namespace {
// "--name VALUE" or "--name=VALUE"; advances i past what it took.
bool takeValue(const QStringList& args, qsizetype& i, const QString& name, QString& value, QString& error)
{
    const QString& arg = args.at(i);
    if (arg.startsWith(name + QLatin1Char('='))) {
        value = arg.mid(name.size() + 1);
    } else if (i + 1 < args.size()) {
        value = args.at(++i);
    } else {
        error = QStringLiteral("%1 needs a value").arg(name);
        return false;
    }
    if (value.isEmpty()) {
        error = QStringLiteral("%1 needs a value").arg(name);
        return false;
    }
    return true;
}

bool is(const QString& arg, const char* name)
{
    return arg == QLatin1String(name) || arg.startsWith(QLatin1String(name) + QLatin1Char('='));
}
} // namespace

bool GlobalOptions::parse(QStringList& args, GlobalOptions& options, QString& error)
{
    QStringList rest;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (is(arg, "--port")) {
            if (!takeValue(args, i, QStringLiteral("--port"), options.port, error))
                return false;
        } else if (is(arg, "--trace")) {
            if (!takeValue(args, i, QStringLiteral("--trace"), options.traceFile, error))
                return false;
        } else if (arg == QLatin1String("--simulate")) {
            options.simulate = true;
            options.simulateVariant = QStringLiteral("8k-ti");
        } else if (arg.startsWith(QLatin1String("--simulate="))) {
            options.simulate = true;
            options.simulateVariant = arg.mid(11);
            static const QStringList variants{QStringLiteral("7k"), QStringLiteral("8k"),
                                              QStringLiteral("7k-ti"), QStringLiteral("8k-ti")};
            if (!variants.contains(options.simulateVariant)) {
                error = QStringLiteral("--simulate takes 7k, 8k, 7k-ti or 8k-ti");
                return false;
            }
        } else if (arg == QLatin1String("--quiet") || arg == QLatin1String("-q")) {
            options.quiet = true;
        } else if (arg == QLatin1String("--keep-connected")) {
            options.keepConnected = true;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            options.help = true;
        } else {
            rest.append(arg);
        }
    }
    if (options.simulate && !options.port.isEmpty()) {
        error = QStringLiteral("--port and --simulate exclude each other");
        return false;
    }
    args = rest;
    return true;
}

} // namespace cli
