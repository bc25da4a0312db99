// bench/fleet: `quarnctl fleet run` of one unit on one port against three units on three
// ports at once, each a `quarn-sim --baud-timing` unit. The ports run side by side, so three
// units should take hardly longer than one: the line is the limit, not the program. Prints
// the times and their ratio (at most 1.1 is the aim); a slow machine never fails it.
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "tests/e2e/SimProcess.h"

namespace {

// One fleet run over the given number of units, each on a simulator of its own; the wall
// time in ms, or a negative value when it failed. The best of runs tries.
double fleetRun(const QTemporaryDir& dir, const QString& templ, int units, int tries)
{
    QByteArray table = "Einheit;R097/0-6\n";
    for (int i = 1; i <= units; ++i)
        table += QByteArray("E") + QByteArray::number(i) + ";123456" + QByteArray::number(i) + "\n";
    const QString tablePath = dir.filePath(QStringLiteral("units-%1.csv").arg(units));
    QFile f(tablePath);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return -1;
    f.write(table);
    f.close();
    double best = -1;
    for (int t = 0; t < tries; ++t) {
        std::vector<std::unique_ptr<e2e::SimProcess>> sims;
        QStringList args{QStringLiteral("fleet"),
                         QStringLiteral("run"),
                         templ,
                         tablePath,
                         QStringLiteral("--log"),
                         dir.filePath(QStringLiteral("log-%1-%2.csv").arg(units).arg(t))};
        for (int i = 0; i < units; ++i) {
            sims.push_back(std::make_unique<e2e::SimProcess>(QStringList{QStringLiteral("--baud-timing")}));
            if (sims.back()->device().isEmpty())
                return -1;
            args << QStringLiteral("--port") << sims.back()->device();
        }
        const e2e::QuarnctlResult r = e2e::quarnctl(args, 300000);
        if (r.code != 0) {
            std::fprintf(stderr, "quarnctl fleet run failed: %s\n", qPrintable(r.err));
            return -1;
        }
        best = best < 0 ? r.elapsedMs : std::min(best, r.elapsedMs);
    }
    return best;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString templ = dir.filePath(QStringLiteral("template.rq7k8k"));
    if (e2e::quarnctl({QStringLiteral("--simulate=8k"), QStringLiteral("read"), QStringLiteral("-o"), templ})
            .code != 0)
        return 1;
    const double one = fleetRun(dir, templ, 1, 2);
    const double three = fleetRun(dir, templ, 3, 2);
    if (one <= 0 || three <= 0)
        return 1;
    std::printf("one unit, one port:       %8.0f ms\n", one);
    std::printf("three units, three ports: %8.0f ms\n", three);
    std::printf("ratio:                    %8.3f (aim: at most 1.1)\n", three / one);
    return 0;
}
