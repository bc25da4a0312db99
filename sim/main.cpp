// quarn-sim: a simulated Quarn 7k/8k on a pseudo-terminal.
#include "platform/Clock.h"
#include "sim/PtyServer.h"
#include "sim/UnitOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <csignal>
#include <cstdio>

namespace {

volatile std::sig_atomic_t g_stopRequested = 0;

extern "C" void requestStop(int)
{
    g_stopRequested = 1;
}

int usage(const QString& message)
{
    std::fprintf(stderr, "quarn-sim: %s\n", qPrintable(message));
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quarn-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulated Quarn 7k/8k unit on a pseudo-terminal. Prints the device path as the first line."));
    parser.addHelpOption();
    const QCommandLineOption modelOption(QStringLiteral("model"), QStringLiteral("Unit model: 7k or 8k."),
                                         QStringLiteral("7k|8k"), QStringLiteral("8k"));
    const QCommandLineOption telephoneOption(QStringLiteral("telephone"),
                                             QStringLiteral("The unit has the telephone interface."));
    const QCommandLineOption stateOption(
        QStringLiteral("state"),
        QStringLiteral("Load the registers (and short-dial memory) from FILE and save every change."),
        QStringLiteral("FILE"));
    const QCommandLineOption linkOption(QStringLiteral("link"),
                                        QStringLiteral("Make PATH a symbolic link to the device."),
                                        QStringLiteral("PATH"));
    const QCommandLineOption baudOption(
        QStringLiteral("baud-timing"),
        QStringLiteral("Pace every byte at 9600 baud 8N1 in both directions."));
    const QCommandLineOption faultOption(
        QStringLiteral("fault"),
        QStringLiteral("silent, monitor, drop=N, corrupt=N, slow=MS, noise, "
                       "noise=N, babble[=N], hangup=N, break[=N], stray=N or cutoff=N."),
        QStringLiteral("FAULT"));
    parser.addOptions({modelOption, telephoneOption, stateOption, linkOption, baudOption, faultOption});
    if (!parser.parse(QCoreApplication::arguments()))
        return usage(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return usage(QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first()));

    sim::UnitOptions options;
    options.telephone = parser.isSet(telephoneOption);
    options.baudTiming = parser.isSet(baudOption);
    if (!sim::parseModel(parser.value(modelOption), options.model))
        return usage(QStringLiteral("unknown model %1").arg(parser.value(modelOption)));
    if (parser.isSet(faultOption) && !sim::parseFault(parser.value(faultOption), options))
        return usage(QStringLiteral("unknown fault %1").arg(parser.value(faultOption)));

    sim::PtyServer server(options);
    if (parser.isSet(stateOption))
        server.setStateFile(parser.value(stateOption));
    if (!server.start()) {
        std::fprintf(stderr, "quarn-sim: %s\n", qPrintable(server.errorString()));
        return 1;
    }

    const QString linkPath = parser.value(linkOption);
    if (!linkPath.isEmpty()) {
        // Replace a link left behind by an earlier run, never a real file.
        if (QFileInfo(linkPath).isSymLink())
            QFile::remove(linkPath);
        if (!QFile::link(server.devicePath(), linkPath)) {
            std::fprintf(stderr, "quarn-sim: cannot create link %s\n", qPrintable(linkPath));
            server.stop();
            return 1;
        }
    }

    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);

    std::printf("%s\n", qPrintable(server.devicePath()));
    std::fflush(stdout);

    platform::SystemClock clock;
    while (!g_stopRequested)
        clock.sleepMs(50);

    server.stop();
    if (!linkPath.isEmpty() && QFileInfo(linkPath).isSymLink())
        QFile::remove(linkPath);
    return 0;
}
