#pragma once

#include "config/history/HistoryStore.h"

#include <QDialog>

class QTreeWidget;
class QTreeWidgetItem;

namespace quarn {

class Register;

// "Datei" -> "Verlauf...": every entry of the unit history, newest first, with date, time,
// model, kind and how many settings changed since the settings entry before it. An entry of
// settings opens as a settings file (the window does that, with its questions) or is compared
// with the current image, by setting name, in a window of its own.
class HistoryWindow final : public QDialog {
    Q_OBJECT
public:
    HistoryWindow(const QList<HistoryEntry>& entries, const Register& current, QWidget* parent = nullptr);

    // The entry to open as a settings file once the window has been accepted.
    QString chosenPath() const { return m_chosen; }

    // The settings that changed from the entry before to this one; -1 for no entry before.
    static int changedSettings(const QString& before, const QString& after);

    // An entry's kind as the list shows it.
    static QString kindText(const QString& kind);

    // The lines of the comparison of entry path with image (old → current).
    static QStringList compare(const QString& path, const Register& image);

    // How many of the newest settings entries are counted when the window opens.
    static constexpr int CountedAtOnce = 20;

private:
    // Counts the settings changed since the entry before it, into its last column.
    void count(QTreeWidgetItem* row);
    QString selectedPath() const;
    void openSelected();
    void compareSelected();

    const Register& m_current;
    QTreeWidget* m_list = nullptr;
    QString m_chosen;
};

} // namespace quarn
