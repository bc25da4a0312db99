#include "config/app/CQuarn7k8kApp.h"

#include "config/app/CQuarn7k8kDlg.h"
#include "config/app/CatalogEditors.h"
#include "config/app/DisplayLanguage.h"
#include "config/app/LanguageChoice.h"
#include "config/app/LanguageSettings.h"
#include "config/app/Restarter.h"
#include "config/app/StartOptions.h"
#include "platform/Clock.h"
#include "platform/PortList.h"
#include "platform/SerialPort.h"
#include "sim/PtyServer.h"

#include <QApplication>
#include <QTextStream>
#include <QTimer>
#include <cstdlib>

namespace quarn {

int CQuarn7k8kApp::run()
{
    QCoreApplication::setOrganizationName(LanguageSettings::Organisation);
    QCoreApplication::setApplicationName(LanguageSettings::Application);

    // The usage and the messages about the start options speak the display language already.
    DisplayLanguage language(LanguageFiles::besideExecutable());
    language.choose(LanguageChoice::candidates(LanguageSettings::stored()));

    QTextStream err(stderr);
    const StartOptions options = StartOptions::parse(m_arguments);
    if (!options.error.isEmpty()) {
        err << "Quarn7k8k: " << options.error << "\n" << StartOptions::usage();
        return 2;
    }
    if (options.request != StartOptions::Request::Run) {
        QTextStream(stdout) << (options.request == StartOptions::Request::Help ? StartOptions::usage()
                                                                               : StartOptions::version());
        return 0;
    }

    // The simulated unit is served on a pseudo-terminal, so the real serial path is used.
    std::unique_ptr<sim::PtyServer> simulation;
    QString preselected = options.port;
    if (options.simulate) {
        sim::UnitOptions unit;
        unit.model = options.simulate7k ? sim::Model::Q7k : sim::Model::Q8k;
        unit.telephone = options.simulateTelephone;
        simulation = std::make_unique<sim::PtyServer>(unit);
        if (!simulation->start()) {
            err << "Quarn7k8k: "
                << StartOptions::tr("das simulierte Gerät ließ sich nicht starten: %1")
                       .arg(simulation->errorString())
                << "\n";
            return 1;
        }
        preselected = simulation->devicePath();
        err << "Quarn7k8k: " << StartOptions::tr("simuliertes Gerät an %1").arg(preselected) << "\n";
        err.flush();
    }

    platform::SystemClock clock;
    ProcessRestarter restarter(m_arguments);
    CQuarn7k8kDlg::Services services;
    services.port = std::make_unique<platform::SerialPort>();
    services.clock = &clock;
    services.listPorts = [] { return platform::PortList::availablePorts(); };
    services.createEditor = createCatalogEditor;
    services.editorNeeds = catalogEditorNeeds;
    services.languageFiles = language.files().found();
    services.languageFileInUse = language.filePath();
    services.restarter = &restarter;
    services.preselectedPort = preselected;

    int result = 0;
    {
        CQuarn7k8kDlg window(std::move(services));
        // Once the window shows, so its messages about the file appear above it.
        if (!options.file.isEmpty())
            QTimer::singleShot(0, &window, [&window, file = options.file] { window.openFile(file); });
        window.exec();
        if (window.exchangeRunning()) {
            // The process ends at once; the running exchange and the open port end with it.
            std::_Exit(0);
        }
        result = 0;
    }
    return result;
}

} // namespace quarn
