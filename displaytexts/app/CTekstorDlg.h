#pragma once

#include "displaytexts/app/CaptionSet.h"
#include "displaytexts/app/TekstorControls.h"
#include "displaytexts/app/TextKindStates.h"
#include "displaytexts/texts/Messages.h"
#include "displaytexts/texts/Register.h"
#include "platform/ExchangeRunner.h"

#include <QDialog>
#include <QList>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QPushButton;

namespace platform {
class BytePort;
class Clock;
} // namespace platform

namespace tekstor {

struct OutcomeMessage;
class TextKindPanel;
class TextTree;

// The main window of Tekstor: connection, one panel per kind of text (the mode shows
// one), transfers, files and the language of its own captions. The port and the clock are
// handed in, so the window runs as well on a simulated unit and virtual time as on a
// serial port. A transfer works on its own copy of the texts; what it read comes back to
// the window when it has ended, so the worker and the window share nothing.
class CTekstorDlg : public QDialog {
    Q_OBJECT
public:
    CTekstorDlg(platform::BytePort& port, platform::Clock& clock, QWidget* parent = nullptr);
    ~CTekstorDlg() override;

    // The unit history's folder; empty (the default): the configuration program's.
    void setHistoryRoot(const QString& root) { m_historyRoot = root; }

    // Where the port list comes from when the window is first shown (none by default).
    void setPortSource(std::function<QStringList()> source) { m_portSource = std::move(source); }
    // Fills the port list now; the first name is chosen.
    void setPortNames(const QStringList& names);

    Register& store() { return m_store; }
    TextKind mode() const { return m_mode; }
    Language language() const { return m_language; }
    // An exchange with the unit is running.
    bool transferRunning() const { return m_runner.busy(); }

    void setMode(TextKind mode);
    void setLanguage(Language language);

    TextTree* tree(TextKind kind) const;

    // Loads the text file at path in the kind its extension names (.q8kk ID texts, .q8kt own
    // texts, .q8kc channel texts), shows that kind and its tree, with the messages of "Öffnen".
    void openFile(const QString& path);
    // Loads a text file of kind, after asking when the kind has unsaved edits; the tree
    // shows it. False (and the window as it was) when refused or not readable.
    bool loadTextFile(TextKind kind, const QString& path);
    // Edited since the last save, load or read of that kind.
    bool modified(TextKind kind) const { return m_state.modified(kind); }

    // Close box, Esc, "Beenden": asks over unsaved edits; during a transfer asks, then
    // stops it at the next text and closes when it has ended.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    QWidget* buildConnectionGroup();
    TextKindPanel* buildPanel(TextKind kind);
    QWidget* buildRangeBoxes(QWidget* parent);
    void fillReadLanguages(int select);

    TextKindPanel& panel(TextKind kind) const;
    // One rule for every command that talks to the unit: while an exchange runs, all of
    // them (and the file commands and the running kind's "Ändern...") are off; afterwards
    // they follow the connection state.
    void beginExchange(std::optional<TextKind> kind);
    void endExchange(bool connected);
    void showTexts(TextKind kind, const QList<int>* numbers = nullptr);
    // The own-text selection stays inside the table.
    void keepSelectionInTable();

    void connectUnit();
    void disconnectUnit();
    void readTexts(TextKind kind);
    void programTexts(TextKind kind);

    void editChecked(TextKind kind);
    void editTexts(TextKind kind, const QList<int>& numbers);

    void openFile();
    void saveFile();
    bool saveKind(TextKind kind);

    void tell(const OutcomeMessage& message, bool portDetail = false);
    // A read or a write ended well: the unit holds these texts of kind now.
    void unitHolds(TextKind kind, const Register& texts, const QList<int>& numbers);
    // Before "… schreiben": asks when texts differ from what the unit was last known to hold.
    bool confirmChanges(TextKind kind, const QList<int>& written);
    // The texts numbers "… schreiben" sends for kind.
    QList<int> writtenNumbers(TextKind kind) const;
    void keepInHistory(TextKind kind);
    bool confirmDiscard(TextKind kind, const QString& question);
    bool confirmUnsavedClose();
    // After a transfer: closes the window when a close waited for it. True when it did.
    bool closeIfAsked();
    void showHelp();
    void showAbout();

    platform::BytePort& m_port;
    platform::Clock& m_clock;
    Register m_store;
    // What the unit holds, as far as it was read or written since the connect.
    Register m_unitTexts;
    std::array<QList<int>, 3> m_unitKnown;
    QString m_historyRoot;
    TextKind m_mode = TextKind::Ids;
    Language m_language = Language::German;
    int m_selectedOwn = 0;
    bool m_portsFilled = false;
    TextKind m_runningKind = TextKind::Ids;
    TextKindStates m_state;
    bool m_closeAfterExchange = false;
    std::function<QStringList()> m_portSource;
    CaptionSet m_captions;

    QComboBox* m_portList = nullptr;
    QPushButton* m_connect = nullptr;
    QPushButton* m_disconnect = nullptr;
    std::array<QCheckBox*, Register::IdRangeCount> m_ranges{};
    QComboBox* m_readLanguage = nullptr;
    std::array<TextKindPanel*, 3> m_panels{};
    std::unique_ptr<TekstorControls> m_controls;

    QAction* m_open = nullptr;
    QAction* m_save = nullptr;
    QActionGroup* m_modeGroup = nullptr;
    std::array<QAction*, 3> m_modeActions{};
    QAction* m_german = nullptr;
    QAction* m_english = nullptr;

    // Last, so a running exchange has ended before the port and the store go.
    platform::ExchangeRunner m_runner;
};

} // namespace tekstor
