// quarn-sim: a simulated Quarn 7k/8k on a pseudo-terminal.
#include "platform/Clock.h"
#include "sim/PtyServer.h"
#include "sim/UnitOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

volatile std::sig_atomic_t g_stopRequested = 0;

extern "C" void requestStop(int)
{
    g_stopRequested = 1;
}

// One simulated unit with its link, if any. The link is removed at the end only while it
// still points to this unit's device: a second simulator may have taken the name over.
struct Unit {
    explicit Unit(const sim::UnitOptions& options) : server(options) {}
    ~Unit()
    {
        const QString device = server.devicePath();
        server.stop();
        const QFileInfo info(link);
        if (!link.isEmpty() && info.isSymLink() &&
            info.symLinkTarget() == QFileInfo(device).absoluteFilePath())
            QFile::remove(link);
    }
    sim::PtyServer server;
    QString link;
    bool toldHangUp = false;
};

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
        QStringLiteral("Load the registers (and short-dial memory) from FILE and save every change "
                       "(created when missing). Once per unit."),
        QStringLiteral("FILE"));
    const QCommandLineOption linkOption(
        QStringLiteral("link"), QStringLiteral("Make PATH a symbolic link to the device. Once per unit."),
        QStringLiteral("PATH"));
    const QCommandLineOption unitsOption(
        QStringLiteral("units"),
        QStringLiteral("Serve N units at once (each on a pseudo-terminal of its own). Default: one per "
                       "link or state file given."),
        QStringLiteral("N"));
    const QCommandLineOption baudOption(
        QStringLiteral("baud-timing"),
        QStringLiteral("Pace every byte at 9600 baud 8N1 in both directions."));
    const QCommandLineOption faultOption(
        QStringLiteral("fault"),
        QStringLiteral("Misbehave: silent, monitor, drop=N, corrupt=N, slow=MS, noise, "
                       "noise=N, babble[=N], hangup=N, break[=N], stray=N or cutoff=N."),
        QStringLiteral("FAULT"));
    parser.addOptions(
        {modelOption, telephoneOption, stateOption, linkOption, unitsOption, baudOption, faultOption});
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

    const QStringList links = parser.values(linkOption);
    const QStringList states = parser.values(stateOption);
    qsizetype count = std::max<qsizetype>({1, links.size(), states.size()});
    if (parser.isSet(unitsOption)) {
        bool number = false;
        count = parser.value(unitsOption).toInt(&number);
        if (!number || count < 1 || count > 64)
            return usage(QStringLiteral("--units takes 1 to 64"));
        if (links.size() > count || states.size() > count)
            return usage(QStringLiteral("more --link or --state than --units"));
    }

    std::vector<std::unique_ptr<Unit>> units;
    for (qsizetype i = 0; i < count; ++i) {
        auto unit = std::make_unique<Unit>(options);
        unit->link = links.value(i);
        if (i < states.size())
            unit->server.setStateFile(states.at(i));
        if (!unit->server.start()) {
            std::fprintf(stderr, "quarn-sim: %s\n", qPrintable(unit->server.errorString()));
            return 1;
        }
        if (!unit->link.isEmpty()) {
            // Replace a link left behind by an earlier run, never a real file.
            if (QFileInfo(unit->link).isSymLink())
                QFile::remove(unit->link);
            if (!QFile::link(unit->server.devicePath(), unit->link)) {
                std::fprintf(stderr, "quarn-sim: cannot create link %s\n", qPrintable(unit->link));
                return 1;
            }
        }
        units.push_back(std::move(unit));
    }

    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);

    for (const std::unique_ptr<Unit>& unit : units)
        std::printf("%s\n", qPrintable(unit->server.devicePath()));
    std::fflush(stdout);

    // Every unit that hangs up says so; once none serves any more, the simulation ends.
    platform::SystemClock clock;
    qsizetype serving = count;
    while (!g_stopRequested && serving > 0) {
        clock.sleepMs(50);
        for (const std::unique_ptr<Unit>& unit : units) {
            if (unit->server.hungUp() && !unit->toldHangUp) {
                unit->toldHangUp = true;
                --serving;
                std::fprintf(stderr, "quarn-sim: %s: the unit dropped the line (--fault %s)\n",
                             qPrintable(unit->server.devicePath()), qPrintable(parser.value(faultOption)));
            }
        }
    }
    units.clear(); // stops every unit and removes the links that are still its own
    return 0;
}
