#pragma once

#include "displaytexts/CaptionSet.h"
#include "displaytexts/Messages.h"
#include "displaytexts/ProgressBarSink.h"
#include "displaytexts/Register.h"
#include "displaytexts/TransferThread.h"

#include <QDialog>
#include <QList>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QProgressBar;
class QPushButton;

namespace platform {
class BytePort;
class Clock;
} // namespace platform

namespace tekstor {

class TextTree;

// The main window of Tekstor: connection, one group per kind of text (the mode shows
// one), the trees of texts, transfers, files and the language of its own captions.
// The port and the clock are handed in, so the window runs as well on a simulated unit
// and virtual time as on a serial port.
class CTekstorDlg : public QDialog {
    Q_OBJECT
public:
    CTekstorDlg(platform::BytePort& port, platform::Clock& clock, QWidget* parent = nullptr);
    ~CTekstorDlg() override;

    // Where the port list comes from when the window is first shown (none by default).
    void setPortSource(std::function<QStringList()> source) { m_portSource = std::move(source); }
    // Fills the port list now; the first name is chosen.
    void setPortNames(const QStringList& names);

    Register& store() { return m_store; }
    TextKind mode() const { return m_mode; }
    Language language() const { return m_language; }
    // Exchanges with the unit queued or running.
    bool transferRunning() const { return m_transfers.pending() > 0; }

    void setMode(TextKind mode);
    void setLanguage(Language language);

    TextTree* tree(TextKind kind) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct KindControls {
        QGroupBox* group = nullptr;
        QPushButton* read = nullptr;
        QPushButton* write = nullptr;
        QProgressBar* progress = nullptr;
        TextTree* tree = nullptr;
        QPushButton* edit = nullptr;
        std::unique_ptr<ProgressBarSink> sink;
    };

    void buildMenus();
    QGroupBox* buildConnectionGroup();
    QGroupBox* buildKindGroup(TextKind kind);
    QWidget* buildRangeBoxes();
    void fillReadLanguages(int select);

    KindControls& controls(TextKind kind);
    void enableTransferButtons(bool on);
    void beginTransfer(TextKind kind);
    void endTransfer(TextKind kind);

    void connectUnit();
    void disconnectUnit();
    void readTexts(TextKind kind);
    void programTexts(TextKind kind);

    void editChecked(TextKind kind);
    void editTexts(TextKind kind, const QList<int>& numbers);

    void openFile();
    void saveFile();
    void showHelp();
    void showAbout();

    platform::BytePort& m_port;
    platform::Clock& m_clock;
    Register m_store;
    TextKind m_mode = TextKind::Ids;
    Language m_language = Language::German;
    int m_selectedOwn = 0;
    bool m_portsFilled = false;
    std::function<QStringList()> m_portSource;
    CaptionSet m_captions;

    QComboBox* m_portList = nullptr;
    QPushButton* m_connect = nullptr;
    QPushButton* m_disconnect = nullptr;
    std::array<QCheckBox*, Register::IdRangeCount> m_ranges{};
    QComboBox* m_readLanguage = nullptr;
    std::array<KindControls, 3> m_kinds;

    QAction* m_open = nullptr;
    QAction* m_save = nullptr;
    QActionGroup* m_modeGroup = nullptr;
    std::array<QAction*, 3> m_modeActions{};
    QAction* m_german = nullptr;
    QAction* m_english = nullptr;

    // Last, so it is gone (its exchanges finished) before the store and sinks they use.
    TransferThread m_transfers;
};

} // namespace tekstor
