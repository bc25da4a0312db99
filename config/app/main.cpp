#include "config/app/CQuarn7k8kApp.h"
#include "config/app/StartOptions.h"

#include <QApplication>
#include <QCoreApplication>

int main(int argc, char* argv[])
{
    // --help and --version answer without a display: the language file needs an application
    // object, not a window.
    QStringList given;
    for (int i = 1; i < argc; ++i)
        given << QString::fromLocal8Bit(argv[i]);
    if (quarn::StartOptions::parse(given).request != quarn::StartOptions::Request::Run) {
        QCoreApplication core(argc, argv);
        return quarn::CQuarn7k8kApp(given).run();
    }

    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    return quarn::CQuarn7k8kApp(arguments).run();
}
