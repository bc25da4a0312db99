// bench/shortdialcheck: what the read-back after `quarnctl shortdial write` costs per range
// of 100 entries, against `quarn-sim --baud-timing --telephone`: the same file written with
// and without --no-verify, the difference per range set against the line's floor (the
// list command out, its echo and 100 entry lines back at 9600 baud 8N1, and the silence
// that ends the list).
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

#include "tests/e2e/SimProcess.h"

namespace {

constexpr double kByteMs = 10.0 * 1000.0 / 9600.0; // start bit, 8 data bits, stop bit
constexpr double kEmptyReadMs = 102.0;             // the read that finds the list's end

// One range's read-back on the line: "WLnnn-mmm\r" out, its echo and 100 lines of 23 back.
double rangeFloor()
{
    return (10 + 10 + 100 * 23) * kByteMs + kEmptyReadMs;
}

// A file of every entry of the first `ranges` ranges, as the dialog saves it (UTF-16LE).
bool writeEntries(const QString& path, int ranges)
{
    QString text;
    for (int n = 0; n < 100 * ranges; ++n)
        text += QStringLiteral("WP%1:0815%2.........\r")
                    .arg(n, 3, 10, QLatin1Char('0'))
                    .arg(n, 3, 10, QLatin1Char('0'));
    QFile f(path);
    return f.open(QIODevice::WriteOnly) &&
           f.write(reinterpret_cast<const char*>(text.utf16()), text.size() * 2) == text.size() * 2;
}

double timed(const QStringList& args)
{
    const e2e::QuarnctlResult r = e2e::quarnctl(args, 300000);
    if (r.code != 0) {
        std::fprintf(stderr, "quarnctl %s failed: %s\n", qPrintable(args.join(' ')), qPrintable(r.err));
        return -1;
    }
    return r.elapsedMs;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QTextStream out(stdout);
    e2e::SimProcess sim({"--model", "8k", "--telephone", "--baud-timing"});
    if (sim.device().isEmpty()) {
        std::fprintf(stderr, "quarn-sim did not start\n");
        return 1;
    }
    out << "quarnctl shortdial write against quarn-sim --baud-timing --telephone\n\n";
    out << QStringLiteral("%1 %2 %3 %4 %5\n")
               .arg("ranges", 6)
               .arg("unchecked s", 12)
               .arg("checked s", 10)
               .arg("check/range s", 14)
               .arg("floor/range s", 14);
    bool failed = false;
    for (int ranges : {1, 2}) {
        const QString file = dir.filePath(QStringLiteral("k%1.txt").arg(ranges));
        if (!writeEntries(file, ranges))
            return 1;
        const QStringList base{"--port", sim.device(), "--quiet", "shortdial", "write", file};
        const double unchecked = timed(QStringList(base) << "--no-verify");
        const double checked = timed(base);
        if (unchecked < 0 || checked < 0)
            return 1;
        const double perRange = (checked - unchecked) / ranges;
        failed = failed || perRange > 1.2 * rangeFloor();
        out << QStringLiteral("%1 %2 %3 %4 %5\n")
                   .arg(ranges, 6)
                   .arg(unchecked / 1000.0, 12, 'f', 3)
                   .arg(checked / 1000.0, 10, 'f', 3)
                   .arg(perRange / 1000.0, 14, 'f', 3)
                   .arg(rangeFloor() / 1000.0, 14, 'f', 3);
        out.flush();
    }
    out << (failed ? "\nthe check costs more than 20% over the floor per range\n"
                   : "\nthe check costs within 20% of the floor per range\n");
    return failed ? 1 : 0;
}
