#include "config/report/SettingsReport.h"

#include "config/editors/EditorCatalog.h"
#include "config/editors/TreeItems.h"
#include "config/editors/frame/SettingsDialog.h"
#include "config/register/Register.h"
#include "config/report/FieldText.h"

#include <QSet>

#include <memory>

namespace quarn {

namespace {

// A page in words: its name, then what its dialog's active controls show.
QString pageText(const SettingsDialog::Page& page)
{
    QStringList parts;
    if (page.dialog) {
        std::unique_ptr<SettingsDialog> shown(page.dialog());
        for (const Binder::Field& f : shown->bind().fields()) {
            if (!f.active)
                continue;
            const FieldText text = FieldText::of(f.controls, shown.get());
            parts << text.label + QStringLiteral(": ") + text.value;
        }
    }
    if (page.name.isEmpty())
        return parts.join(QStringLiteral(", "));
    return parts.isEmpty() ? page.name : page.name + QStringLiteral(" – ") + parts.join(QStringLiteral(", "));
}

void collect(SettingsDialog& dialog, const QString& item, QList<ReportLine>& out)
{
    const QList<SettingsDialog::Page> pages = dialog.pages();
    for (const SettingsDialog::Page& p : pages)
        out.append({item, p.label, pageText(p), p.spans, true});
    for (const Binder::Field& f : pages.isEmpty() ? dialog.bind().fields() : QList<Binder::Field>()) {
        const FieldText text = FieldText::of(f.controls, &dialog);
        out.append({item, text.label, text.value, f.spans, f.active});
    }
    for (const SettingsDialog::Nested& nested : dialog.nestedDialogs()) {
        std::unique_ptr<SettingsDialog> owned(nested.dialog);
        collect(*owned, item + QStringLiteral(" › ") + nested.title, out);
    }
}

QString number3(int n)
{
    return QStringLiteral("%1").arg(n, 3, 10, QLatin1Char('0'));
}

} // namespace

QString ReportLine::digitsText() const
{
    QStringList parts;
    for (const Binder::DigitSpan& s : spans) {
        parts << (s.count > 1
                      ? QStringLiteral("%1/%2-%3").arg(number3(s.reg)).arg(s.first).arg(s.first + s.count - 1)
                      : QStringLiteral("%1/%2").arg(number3(s.reg)).arg(s.first));
    }
    return parts.join(QStringLiteral(", "));
}

void SettingsReport::forEachDialog(Register& image, const DialogVisit& visit)
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
            visit(tree, it.text, *settings, it.depth == 0 ? shown : group + QStringLiteral(" › ") + shown);
        }
    }
}

QList<ReportLine> SettingsReport::build(Register& image)
{
    QList<ReportLine> out;
    forEachDialog(image, [&out](EditorTree, const char*, SettingsDialog& dialog, const QString& name) {
        collect(dialog, name, out);
    });
    return out;
}

QList<int> SettingsReport::unshownRegisters(const QList<ReportLine>& lines, bool withTelephone)
{
    QSet<int> shown;
    for (const ReportLine& l : lines) {
        for (const Binder::DigitSpan& s : l.spans)
            shown.insert(s.reg);
    }
    QList<int> out;
    for (int n : Register::numbers(withTelephone)) {
        if (!shown.contains(n))
            out << n;
    }
    return out;
}

} // namespace quarn
