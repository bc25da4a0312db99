#include "displaytexts/app/CTekstorApp.h"

#include "displaytexts/app/CTekstorDlg.h"
#include "displaytexts/app/TekstorOptions.h"
#include "platform/Clock.h"
#include "platform/PortList.h"
#include "platform/SerialPort.h"
#include "sim/PtyServer.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <memory>

namespace tekstor {

int CTekstorApp::run()
{
    QCoreApplication::setApplicationName(QStringLiteral("Tekstor"));
    const TekstorOptions options = TekstorOptions::parse(m_arguments);
    if (!options.error.isEmpty()) {
        std::fprintf(stderr, "Tekstor: %s\n%s", qPrintable(options.error),
                     qPrintable(TekstorOptions::usage()));
        return 2;
    }
    if (options.request != TekstorOptions::Request::Run) {
        std::fputs(qPrintable(options.request == TekstorOptions::Request::Help ? TekstorOptions::usage()
                                                                               : TekstorOptions::version()),
                   stdout);
        return 0;
    }

    std::unique_ptr<sim::PtyServer> server;
    QStringList preferred;
    if (options.simulate) {
        server = std::make_unique<sim::PtyServer>();
        if (!server->start()) {
            std::fprintf(stderr, "Tekstor: %s\n",
                         qPrintable(msg::pick(TekstorOptions::language(), "kein simuliertes Gerät: %1",
                                              "no simulated unit: %1")
                                        .arg(server->errorString())));
            return 1;
        }
        preferred << server->devicePath();
    }
    if (!options.port.isEmpty())
        preferred << options.port;

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
        // Once the window shows, so its messages about the file appear above it.
        if (!options.file.isEmpty())
            QTimer::singleShot(0, &dialog, [&dialog, file = options.file] { dialog.openFile(file); });
        // Closing the window in any way ends the program normally.
        dialog.exec();
    }
    port.close();
    if (server)
        server->stop();
    return 0;
}

} // namespace tekstor
