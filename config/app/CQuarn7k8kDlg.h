#pragma once

#include "config/app/LanguageFiles.h"
#include "config/app/MainControls.h"
#include "config/app/SettingsDocument.h"
#include "config/app/SettingsTree.h"
#include "config/app/UnitMemory.h"
#include "config/editors/EditorCatalog.h"
#include "config/history/HistoryStore.h"
#include "config/link/LinkContext.h"
#include "config/link/LinkOutcome.h"
#include "config/register/Register.h"
#include "platform/ExchangeRunner.h"

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;

namespace platform {
class BytePort;
class Clock;
} // namespace platform

namespace quarn {

class PortComboBox;
class Restarter;

// The configuration program's main window: the connection panel, the progress bar, the
// file, help and language menus and the two trees that open the settings dialogs. It owns
// the one register image (whose file commands are its SettingsDocument's) and the serial port; the enabled
// state of its controls is the record of how far the user has got. An exchange works on its own copy of the
// image; the window takes the copy back when the exchange has ended, so no thread shares the image.
class CQuarn7k8kDlg final : public QDialog {
    Q_OBJECT
public:
    using EditorFactory = std::function<QDialog*(const QString& key, SettingsTree::Kind tree, Register* image,
                                                 QWidget* parent)>;

    // What the window works with; the program passes the real port and clock, tests a
    // simulated unit on virtual time.
    struct Services {
        std::unique_ptr<platform::BytePort> port; // owned by the window
        platform::Clock* clock = nullptr;         // not owned; outlives the window
        // The port names that can be opened now, for the port box.
        std::function<QStringList()> listPorts;
        // The dialog of a tree item, or nullptr while it does not exist.
        EditorFactory createEditor;
        // What the dialog of a tree item needs of the window (the line, a new connect);
        // unset: nothing.
        std::function<EditorNeeds(const QString& key, SettingsTree::Kind tree)> editorNeeds;
        // The "Sprache" menu: the language files found and the one in use (empty path:
        // the program language). Not owned; nullptr means no restart is possible.
        QList<LanguageFile> languageFiles;
        QString languageFileInUse;
        Restarter* restarter = nullptr;
        // A port name given at start (--port, --simulate); kept in the list.
        QString preselectedPort;
        // The unit history's folder; empty: the program's own (HistoryStore::defaultRoot()).
        QString historyRoot;
    };

    explicit CQuarn7k8kDlg(Services services, QWidget* parent = nullptr);
    ~CQuarn7k8kDlg() override;

    Register& image() { return m_image; }
    const Register& image() const { return m_image; }
    QString selectedPort() const { return m_selectedPort; }
    bool exchangeRunning() const { return m_worker.busy(); }
    int currentLanguageIndex() const { return m_languageIndex; }

    // The commands, as the menu and buttons run them (also for tests and the shots).
    void refreshPortList();
    void connectUnit();
    void disconnectUnit();
    void readData();
    void sendData();
    void factoryReset();
    void showTelephoneTree();
    void showBaseTree();
    void openFile();
    // Opens a settings file as "Öffnen..." does, with its question and messages (also for a
    // file named at start).
    void openFile(const QString& path);
    bool saveFileAs();
    bool saveFile();
    // Every setting by name as a PDF ("Datei" -> "Einstellungen als PDF speichern...").
    bool saveReportPdf();
    // "Datei" -> "Verlauf...": every read kept, to open or to compare with the image.
    void showHistory();
    // "Serienprogrammierung...": the fleet job dialog.
    void openFleet();
    void showHelp();
    void showVersion();
    void showAbout();
    void switchLanguage(int index);
    // The close prompts; true when the window may close now. While an exchange runs, a
    // yes asks it to stop and the window closes once it has ended.
    bool confirmClose();

    void reject() override;

signals:
    // An exchange ended and its message (if any) has been shown.
    void exchangeFinished();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void buildLanguageMenu();
    QWidget* buildConnectionPanel();
    void wireSignals();

    using Exchange = std::function<link::LinkOutcome(const link::LinkContext&)>;
    struct ExchangeResult {
        link::LinkOutcome outcome;
        Register image; // the exchange's copy, as it left it
    };
    void startExchange(link::Exchange kind, Exchange exchange);
    void onExchangeFinished(const ExchangeResult& result);
    void selectPortByUser();
    void closePort();
    // The review before a send; true when the user chose "Senden".
    bool reviewBeforeSending();
    // What the unit holds now, after an exchange that ended well; a complete read goes into the
    // history (a warning box when it cannot).
    void rememberUnit(const link::LinkOutcome& outcome, const Register& unitImage);
    HistoryStore history() const;

    void openSelectedItem(SettingsTree* tree);
    void keepOneGroupOpen(QTreeWidgetItem* expanded);

    Services m_services;
    Register m_image;
    SettingsDocument m_document; // the file commands on m_image
    QString m_selectedPort;
    QString m_typedPort;
    bool m_shownOnce = false;
    bool m_openingDialog = false;
    bool m_closeAfterExchange = false;
    bool m_readForReview = false; // the running read only shows what the unit holds
    UnitMemory m_unit;
    QString m_historyWarning; // said after the exchange's own message
    link::Exchange m_runningExchange = link::Exchange::Connect;
    int m_languageIndex = 0;

    PortComboBox* m_portBox = nullptr;
    QPushButton* m_connectButton = nullptr;
    QPushButton* m_disconnectButton = nullptr;
    QPushButton* m_readButton = nullptr;
    QPushButton* m_sendButton = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_title = nullptr;
    SettingsTree* m_baseTree = nullptr;
    SettingsTree* m_telephoneTree = nullptr;
    QPushButton* m_factoryResetButton = nullptr;
    QPushButton* m_toTelephoneButton = nullptr;
    QPushButton* m_toBaseButton = nullptr;

    QAction* m_openAction = nullptr;
    QAction* m_saveAsAction = nullptr;
    QAction* m_saveAction = nullptr;
    QAction* m_pdfAction = nullptr;
    QAction* m_historyAction = nullptr;
    QAction* m_fleetAction = nullptr;
    QAction* m_versionAction = nullptr;
    QMenu* m_languageMenu = nullptr;
    QActionGroup* m_languageGroup = nullptr;

    std::unique_ptr<MainControls> m_controls;
    // Last, so a running exchange has ended before the image and the port go.
    platform::ExchangeRunner m_worker;
};

} // namespace quarn
