#pragma once

#include "config/editors/EditorCatalog.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace quarn {
class Register;
}

namespace quarn::fleet {

// Where a setting lives: the dialog of a tree item, the nested dialogs below it by title, and
// the binding's place in that dialog's fields.
struct SettingRef {
    EditorTree tree = EditorTree::Base;
    QString itemText; // the catalog's key (untranslated)
    QStringList nested;
    int field = -1;
    bool page = false; // a page of its dialog: shown one at a time, not a binding of its own
};

// Every setting by the name the settings report gives it ("Item › Field"), found by making
// the dialogs on an image without showing them, as the report does.
class SettingIndex {
public:
    explicit SettingIndex(Register& image);

    // The settings of that name: none, one, or several when the name is ambiguous.
    QList<SettingRef> find(const QString& name) const { return m_byName.value(name); }

private:
    QHash<QString, QList<SettingRef>> m_byName;
};

} // namespace quarn::fleet
