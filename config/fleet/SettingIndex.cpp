#include "config/fleet/SettingIndex.h"

#include "config/editors/TreeItems.h"
#include "config/editors/frame/SettingsDialog.h"
#include "config/register/Register.h"
#include "config/report/FieldText.h"

#include <QCoreApplication>

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
    QList<EditorTree> trees{EditorTree::Base};
    if (image.telephoneInterface)
        trees << EditorTree::Telephone;
    for (EditorTree tree : trees) {
        QString group;
        for (const TreeItem& it : treeItems(tree)) {
            const QString shown = QCoreApplication::translate("SettingsTree", it.text);
            if (it.depth == 0)
                group = shown;
            std::unique_ptr<QDialog> dialog(createEditor(QString::fromUtf8(it.text), &image, nullptr, tree));
            auto* settings = dynamic_cast<SettingsDialog*>(dialog.get());
            if (!settings)
                continue;
            SettingRef ref{tree, QString::fromUtf8(it.text), {}, -1, false};
            collect(*settings, it.depth == 0 ? shown : group + QStringLiteral(" › ") + shown, ref, m_byName);
        }
    }
}

} // namespace quarn::fleet
