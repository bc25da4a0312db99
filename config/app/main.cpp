#include "config/app/CQuarn7k8kApp.h"
#include "config/app/StartOptions.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    // --help and --version answer without a display.
    QStringList given;
    for (int i = 1; i < argc; ++i)
        given << QString::fromLocal8Bit(argv[i]);
    const quarn::StartOptions early = quarn::StartOptions::parse(given);
    if (early.request != quarn::StartOptions::Request::Run) {
        const QString text = early.request == quarn::StartOptions::Request::Help
                                 ? quarn::StartOptions::usage()
                                 : quarn::StartOptions::version();
        std::fputs(qPrintable(text), stdout);
        return 0;
    }

    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    return quarn::CQuarn7k8kApp(arguments).run();
}
