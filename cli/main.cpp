#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "Quarnctl.h"

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    const int code = cli::Quarnctl(out, err).run(args);
    out.flush();
    err.flush();
    return code;
}
