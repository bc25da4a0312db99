#include "config/fleet/SettingIndex.h"

#include "config/editors/frame/SettingsDialog.h"
#include "config/register/Register.h"
#include "config/report/FieldText.h"
#include "config/report/SettingsReport.h"

#include <memory>

namespace quarn::fleet {

namespace {

// The walk of the settings report: pages, else the bindings, then the nested dialogs.
void collect(SettingsDialog& dialog, const QString& name, SettingRef ref,
             QHash<QString, QList<SettingRef>>& out)
{
    const QList<SettingsDialog::Page> pages = dialog.pages();
    for (const SettingsDialog::Page& p : pages) {
        SettingRef page = ref;
        page.page = true;
        out[name + QStringLiteral(" › ") + p.label] << page;
    }
    if (pages.isEmpty()) {
        const QList<Binder::Field> fields = dialog.bind().fields();
        for (int i = 0; i < fields.size(); ++i) {
            SettingRef field = ref;
            field.field = i;
            out[name + QStringLiteral(" › ") + FieldText::of(fields.at(i).controls, &dialog).label] << field;
        }
    }
    for (const SettingsDialog::Nested& nested : dialog.nestedDialogs()) {
        std::unique_ptr<SettingsDialog> owned(nested.dialog);
        SettingRef inner = ref;
        inner.nested << nested.title;
        collect(*owned, name + QStringLiteral(" › ") + nested.title, inner, out);
    }
}

} // namespace

SettingIndex::SettingIndex(Register& image)
{
    SettingsReport::forEachDialog(
        image, [this](EditorTree tree, const char* itemText, SettingsDialog& dialog, const QString& name) {
            collect(dialog, name, SettingRef{tree, QString::fromUtf8(itemText), {}, -1, false}, m_byName);
        });
}

} // namespace quarn::fleet
