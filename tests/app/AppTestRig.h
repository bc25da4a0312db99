#pragma once

#include "config/app/CQuarn7k8kDlg.h"
#include "config/app/CatalogEditors.h"
#include "platform/Clock.h"
#include "sim/SimulatedPort.h"
#include "sim/UnitModel.h"

#include <QDialog>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <atomic>
#include <memory>

// A port between the window and the simulated unit that can hold the exchange after a
// given number of writes, so a test acts while the worker is known to be mid-transfer.
class GatedPort final : public platform::BytePort {
public:
    explicit GatedPort(std::unique_ptr<sim::SimulatedPort> inner) : m_inner(std::move(inner)) {}

    // The write after `writes` more writes waits until release().
    void holdAfter(int writes) { m_holdAt = m_writes.load() + writes; }
    // Blocks the caller until the worker waits at the gate.
    void waitUntilHeld() { m_held.acquire(); }
    void release() { m_resume.release(); }

    bool open(const QString& name) override { return m_inner->open(name); }
    void close() override { m_inner->close(); }
    bool isOpen() const override { return m_inner->isOpen(); }
    bool write(const QByteArray& bytes) override
    {
        if (++m_writes == m_holdAt) {
            m_held.release();
            m_resume.acquire();
        }
        return m_inner->write(bytes);
    }
    std::optional<char> readByte() override { return m_inner->readByte(); }
    QByteArray readAvailable(int waitMs) override { return m_inner->readAvailable(waitMs); }
    void setReadTimeout(int ms) override { m_inner->setReadTimeout(ms); }
    platform::PortError lastError() const override { return m_inner->lastError(); }
    QString lastErrorDetail() const override { return m_inner->lastErrorDetail(); }

private:
    std::unique_ptr<sim::SimulatedPort> m_inner;
    std::atomic_int m_writes{0};
    std::atomic_int m_holdAt{-1};
    QSemaphore m_held;
    QSemaphore m_resume;
};

// The enabled state of every control that records the connection state, in one line, so a
// failing comparison shows the whole picture: connect, disconnect, read, send, factory
// reset, base tree, telephone tree, "-> Telefoninterface", "-> Grundeinstellungen", title.
inline QString states(const quarn::CQuarn7k8kDlg& w)
{
    const char* names[] = {"connectButton",      "disconnectButton", "readButton",    "sendButton",
                           "factoryResetButton", "baseTree",         "telephoneTree", "toTelephoneButton",
                           "toBaseButton",       "treeTitle"};
    QString out;
    for (const char* name : names) {
        const QWidget* control = w.findChild<QWidget*>(QString::fromLatin1(name));
        out += !control ? QLatin1Char('?') : control->isEnabled() ? QLatin1Char('E') : QLatin1Char('D');
    }
    return out;
}

// A main window attached to a simulated unit on virtual time, as tests and the shots use it.
struct AppTestRig {
    explicit AppTestRig(const sim::UnitOptions& options = {}, QList<quarn::LanguageFile> languages = {},
                        quarn::Restarter* restarter = nullptr, bool gatedPort = false)
        : unit(options)
    {
        auto simulated = std::make_unique<sim::SimulatedPort>(unit, clock);
        port = simulated.get();
        quarn::CQuarn7k8kDlg::Services services;
        if (gatedPort) {
            auto gated = std::make_unique<GatedPort>(std::move(simulated));
            gate = gated.get();
            services.port = std::move(gated);
        } else {
            services.port = std::move(simulated);
        }
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
        services.editorNeeds = [this](const QString& key, quarn::SettingsTree::Kind tree) {
            return useCatalog ? quarn::catalogEditorNeeds(key, tree) : quarn::EditorNeeds{};
        };
        services.historyRoot = historyDir.filePath(QStringLiteral("history"));
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

    QTemporaryDir historyDir; // the window's unit history: never the user's
    sim::UnitModel unit;
    platform::VirtualClock clock;
    sim::SimulatedPort* port = nullptr; // owned by the window
    GatedPort* gate = nullptr;          // with gatedPort only; owned by the window
    bool editorsExist = true;
    bool useCatalog = false; // the real settings dialogs instead of a stand-in
    QStringList opened;
    QList<quarn::SettingsTree::Kind> openedTrees;
    std::unique_ptr<quarn::CQuarn7k8kDlg> window;
};
