#include "config/app/SettingsTree.h"

#include "config/editors/TreeItems.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QTreeWidgetItemIterator>

namespace quarn {

namespace {
void fill(QTreeWidget& tree, const QList<TreeItem>& items)
{
    QTreeWidgetItem* group = nullptr;
    for (const TreeItem& it : items) {
        const QString key = QString::fromUtf8(it.text);
        auto* item = it.depth == 0 ? new QTreeWidgetItem(&tree) : new QTreeWidgetItem(group);
        item->setText(0, QCoreApplication::translate("SettingsTree", it.text));
        item->setData(0, Qt::UserRole, key);
        if (it.depth == 0)
            group = item;
    }
}
} // namespace

SettingsTree::SettingsTree(Kind kind, QWidget* parent) : QTreeWidget(parent), m_kind(kind)
{
    setObjectName(kind == Kind::Base ? QStringLiteral("baseTree") : QStringLiteral("telephoneTree"));
    setColumnCount(1);
    header()->hide();
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setExpandsOnDoubleClick(true);
    fill(*this, treeItems(kind == Kind::Base ? EditorTree::Base : EditorTree::Telephone));
}

QString SettingsTree::keyOf(const QTreeWidgetItem* item)
{
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}

QTreeWidgetItem* SettingsTree::itemByKey(const QString& key) const
{
    for (QTreeWidgetItemIterator it(const_cast<SettingsTree*>(this)); *it; ++it) {
        if (keyOf(*it) == key)
            return *it;
    }
    return nullptr;
}

} // namespace quarn
