#pragma once

#include "config/editors/frame/SettingsDialog.h"
#include "config/link/ShortDialExchange.h"
#include "platform/ExchangeRunner.h"
#include "platform/UserDialogs.h"

#include <QList>
#include <QString>

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace platform {
class BytePort;
class Clock;
} // namespace platform

namespace quarn {

// "Kurzwahlspeicher": reads chosen ranges of the telephone interface's short-dial memory
// into a text file and writes such a file back. Unlike every other settings dialog it talks
// to the unit itself, on the main window's port; the transfers run on a worker thread of
// its own while the dialog keeps every control that could start another one, and "Zurück",
// disabled. Opening it takes the unit out of its PC mode.
class KWSpeicher final : public SettingsDialog {
    Q_OBJECT
public:
    static constexpr int RangeCount = 10;
    // Longest status path shown whole; a longer one loses characters before its file name.
    static constexpr int ShownPathLength = 50;

    // The main window's line to the unit. Without a port every attempt to use it fails as
    // a port that cannot be opened.
    struct Line {
        platform::BytePort* port = nullptr; // not owned
        platform::Clock* clock = nullptr;   // not owned
        QString portName;
    };

    KWSpeicher(Register* image, QWidget* parent);
    ~KWSpeicher() override;

    // Before the dialog is shown.
    void attach(const Line& line) { m_line = line; }

    // A transfer (or the opening) runs: the dialog refuses to close.
    bool busy() const { return m_busy; }

    // The path as the status texts show it: more than ShownPathLength characters lose the
    // characters immediately before the last separator ('/' or '\'), replaced by "...".
    static QString shortenedPath(const QString& path);

    void reject() override;

signals:
    // The opening or a transfer has ended and its messages have been shown.
    void transferFinished();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct WriteResult {
        bool written = false;
        link::ShortDialVerify verify;
    };

    QWidget* buildReadGroup();
    QWidget* buildWriteGroup();

    bool openPort();
    bool reopenPort(); // closes and opens again; says so when it fails
    static platform::FileRequest fileRequest(const QString& caption);
    void runOpening();
    void readToFile();
    void writeFromFile();
    void saveReceived(const QString& cleaned);
    void setBusy(bool busy);
    void finish();
    void portFailed();
    QList<int> checkedRanges() const;

    Line m_line;
    bool m_busy = false;
    bool m_openingStarted = false;

    QList<QCheckBox*> m_ranges;
    QPushButton* m_readButton = nullptr;
    QLabel* m_readStatus = nullptr;
    QPushButton* m_writeButton = nullptr;
    QLabel* m_writeStatus = nullptr;
    QProgressBar* m_progress = nullptr;

    // Last, so a running job has ended before the controls go.
    platform::ExchangeRunner m_runner;
};

} // namespace quarn
