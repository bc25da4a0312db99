// Tekstor: the display-text editor of the Quarn 7k/8k.
#include "displaytexts/app/CTekstorApp.h"
#include "displaytexts/app/TekstorOptions.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    // --help and --version answer without a display.
    QStringList given;
    for (int i = 1; i < argc; ++i)
        given << QString::fromLocal8Bit(argv[i]);
    const tekstor::TekstorOptions early = tekstor::TekstorOptions::parse(given);
    if (early.request != tekstor::TekstorOptions::Request::Run) {
        const QString text = early.request == tekstor::TekstorOptions::Request::Help
                                 ? tekstor::TekstorOptions::usage()
                                 : tekstor::TekstorOptions::version();
        std::fputs(qPrintable(text), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    return tekstor::CTekstorApp(arguments).run();
}
