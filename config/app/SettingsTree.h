#pragma once

#include <QTreeWidget>

namespace quarn {

// One of the two trees whose items open the settings dialogs. Each item shows its text in
// the display language and keeps the German text, by which its dialog is found.
class SettingsTree final : public QTreeWidget {
    Q_OBJECT
public:
    enum class Kind { Base, Telephone };

    SettingsTree(Kind kind, QWidget* parent = nullptr);

    Kind kind() const { return m_kind; }
    // The German text of an item (its key in the dialog table).
    static QString keyOf(const QTreeWidgetItem* item);
    // The item with this German text, or nullptr.
    QTreeWidgetItem* itemByKey(const QString& key) const;

private:
    Kind m_kind;
};

} // namespace quarn
