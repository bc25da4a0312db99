#pragma once

#include "CQuarn7k8kDlg.h"
#include "CatalogEditors.h"
#include "Clock.h"
#include "SimulatedPort.h"
#include "UnitModel.h"

#include <QDialog>
#include <QSignalSpy>
#include <memory>

// A main window attached to a simulated unit on virtual time, as tests and the shots use it.
struct AppTestRig {
    explicit AppTestRig(const sim::UnitOptions& options = {}, QList<quarn::LanguageFile> languages = {},
                        quarn::Restarter* restarter = nullptr)
        : unit(options)
    {
        auto simulated = std::make_unique<sim::SimulatedPort>(unit, clock);
        port = simulated.get();
        quarn::CQuarn7k8kDlg::Services services;
        services.port = std::move(simulated);
        services.clock = &clock;
        services.listPorts = [] {
            return QStringList{QStringLiteral("/dev/ttyS0"), QStringLiteral("/dev/ttyUSB0")};
        };
        services.createEditor = [this](const QString& key, quarn::SettingsTree::Kind tree, quarn::Register*,
                                       QWidget* parent) -> QDialog* {
            opened << key;
            openedTrees << tree;
            if (useCatalog)
                return quarn::createCatalogEditor(key, tree, &window->image(), parent);
            if (!editorsExist)
                return nullptr;
            auto* dialog = new QDialog(parent);
            dialog->setObjectName(QStringLiteral("fakeEditor"));
            // Closes itself once it runs, as a user pressing "Abbrechen" would.
            QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
            return dialog;
        };
        services.languageFiles = std::move(languages);
        services.restarter = restarter;
        window = std::make_unique<quarn::CQuarn7k8kDlg>(std::move(services));
    }

    // Runs a command that starts an exchange and waits for its end.
    template <class F> bool exchange(F&& command)
    {
        QSignalSpy spy(window.get(), &quarn::CQuarn7k8kDlg::exchangeFinished);
        command();
        return window->exchangeRunning() ? spy.wait(30000) : !spy.isEmpty();
    }

    sim::UnitModel unit;
    platform::VirtualClock clock;
    sim::SimulatedPort* port = nullptr; // owned by the window
    bool editorsExist = true;
    bool useCatalog = false; // the real settings dialogs instead of a stand-in
    QStringList opened;
    QList<quarn::SettingsTree::Kind> openedTrees;
    std::unique_ptr<quarn::CQuarn7k8kDlg> window;
};
