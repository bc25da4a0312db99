#include "config/app/CQuarn7k8kApp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    return quarn::CQuarn7k8kApp(arguments).run();
}
