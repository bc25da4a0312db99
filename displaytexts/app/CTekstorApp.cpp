#include "displaytexts/app/CTekstorApp.h"

#include "displaytexts/app/CTekstorDlg.h"
#include "platform/Clock.h"
#include "platform/PortList.h"
#include "platform/SerialPort.h"
#include "sim/PtyServer.h"

#include <QCommandLineParser>
#include <cstdio>
#include <memory>

namespace tekstor {

CTekstorApp::CTekstorApp(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Tekstor"));
    setApplicationVersion(QStringLiteral("1.11"));
}

int CTekstorApp::run()
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Quarn 7k/8k Tekstor: display texts of the unit."));
    parser.addHelpOption();
    const QCommandLineOption portOption(
        QStringLiteral("port"), QStringLiteral("Offer NAME first in the port list."), QStringLiteral("NAME"));
    const QCommandLineOption simulateOption(QStringLiteral("simulate"),
                                            QStringLiteral("Attach to a simulated unit."));
    parser.addOptions({portOption, simulateOption});
    parser.process(arguments());

    std::unique_ptr<sim::PtyServer> server;
    QStringList preferred;
    if (parser.isSet(simulateOption)) {
        server = std::make_unique<sim::PtyServer>();
        if (!server->start()) {
            std::fprintf(stderr, "Tekstor: no simulated unit: %s\n", qPrintable(server->errorString()));
            return 1;
        }
        preferred << server->devicePath();
    }
    if (parser.isSet(portOption))
        preferred << parser.value(portOption);

    platform::SerialPort port;
    platform::SystemClock clock;
    {
        CTekstorDlg dialog(port, clock);
        dialog.setPortSource([preferred] {
            QStringList names = preferred;
            for (const QString& name : platform::PortList::availablePorts()) {
                if (!names.contains(name))
                    names << name;
            }
            return names;
        });
        // Closing the window in any way ends the program normally.
        dialog.exec();
    }
    port.close();
    if (server)
        server->stop();
    return 0;
}

} // namespace tekstor
