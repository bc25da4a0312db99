#include "displaytexts/app/TextTree.h"

#include "displaytexts/texts/BilingualText.h"
#include "displaytexts/texts/Cp1252.h"

#include <QHeaderView>

namespace tekstor {

namespace {
constexpr int NumberRole = Qt::UserRole;
constexpr int NodeRole = Qt::UserRole + 1;
// The node's check state as last seen, to tell a click on it from other changes.
constexpr int SeenStateRole = Qt::UserRole + 2;
} // namespace

QString TextTree::nodeLabel(TextKind kind, int node, Language language)
{
    switch (kind) {
    case TextKind::Ids: {
        const int first = node * Register::IdRangeSize;
        return BilingualText{"Kennung", "ID codes"}.in(language) +
               QStringLiteral(" %1-%2").arg(first).arg(first + Register::IdRangeSize - 1);
    }
    case TextKind::Own:
        return BilingualText{"Eigene Texte", "Own texts"}.in(language);
    case TextKind::Channels:
        break;
    }
    return BilingualText{"Kanaltexte", "Channel texts"}.in(language);
}

TextTree::TextTree(TextKind kind, QWidget* parent)
    : QTreeWidget(parent), m_kind(kind), m_items(Register::capacity(kind), nullptr)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setUniformRowHeights(true);
    setExpandsOnDoubleClick(true);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);

    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (item && !isNode(item))
            emit textActivated(item->data(0, NumberRole).toInt());
    });
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item && !isNode(item))
            emit textSelected(item->data(0, NumberRole).toInt());
    });
    connect(this, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* item) {
        if (!m_updating && isNode(item))
            nodeCheckChanged(item);
    });
    if (kind == TextKind::Own)
        connect(this, &QTreeWidget::itemExpanded, this, &TextTree::collapseOtherBranches);
}

QList<int> TextTree::numbersInTable(const Register& store, TextKind kind)
{
    QList<int> numbers;
    switch (kind) {
    case TextKind::Ids:
        for (int id = 0; id < Register::IdCount; ++id) {
            if (!store.idText(id).startsWith('X'))
                numbers.append(id);
        }
        break;
    case TextKind::Own:
        for (int i = 0; i < store.ownTextCount(); ++i)
            numbers.append(i);
        break;
    case TextKind::Channels:
        for (int c = 0; c < Register::ChannelCount; ++c) {
            if (!store.channelText(c).isEmpty())
                numbers.append(c);
        }
        break;
    }
    return numbers;
}

QString TextTree::itemLabel(int number, const QByteArray& text)
{
    return QStringLiteral("%1: ").arg(number, 3, 10, QLatin1Char('0')) + cp1252ToString(text);
}

bool TextTree::isNode(const QTreeWidgetItem* item) const
{
    return item->data(0, NodeRole).toBool();
}

void TextTree::clearTree()
{
    m_updating = true;
    clear();
    m_items.fill(nullptr);
    m_updating = false;
}

void TextTree::rebuild(const Register& store, Language language, const QList<int>& numbers)
{
    clearTree();
    m_updating = true;
    QList<QTreeWidgetItem*> nodes;
    auto makeNode = [&](const QString& label) {
        auto* node = new QTreeWidgetItem(this, {label});
        node->setData(0, NodeRole, true);
        if (checkable()) {
            node->setFlags(node->flags() | Qt::ItemIsUserCheckable);
            node->setCheckState(0, Qt::Unchecked);
            node->setData(0, SeenStateRole, Qt::Unchecked);
        }
        nodes.append(node);
    };
    const int nodeCount = m_kind == TextKind::Ids ? Register::IdRangeCount : 1;
    for (int n = 0; n < nodeCount; ++n)
        makeNode(nodeLabel(m_kind, n, language));
    for (int number : numbers) {
        if (number < 0 || number >= m_items.size())
            continue;
        QTreeWidgetItem* parent = m_kind == TextKind::Ids ? nodes[number / Register::IdRangeSize] : nodes[0];
        auto* item = new QTreeWidgetItem(parent, {itemLabel(number, store.text(m_kind, number))});
        item->setData(0, NumberRole, number);
        if (checkable()) {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(0, Qt::Unchecked);
        }
        m_items[number] = item;
    }
    if (m_kind == TextKind::Ids) {
        for (QTreeWidgetItem* node : nodes) {
            QFont font = node->font(0);
            font.setBold(node->childCount() > 0);
            node->setFont(0, font);
        }
    }
    m_updating = false;
}

void TextTree::relabelNodes(Language language)
{
    // Relabelling is no click on a node's check box.
    m_updating = true;
    for (int n = 0; n < topLevelItemCount(); ++n)
        topLevelItem(n)->setText(0, nodeLabel(m_kind, n, language));
    m_updating = false;
}

void TextTree::rebuildFromTable(const Register& store, Language language)
{
    rebuild(store, language, numbersInTable(store, m_kind));
}

QList<int> TextTree::rangesWithItems() const
{
    QList<int> ranges;
    if (m_kind != TextKind::Ids)
        return ranges;
    for (int r = 0; r < topLevelItemCount(); ++r) {
        if (topLevelItem(r)->childCount() > 0)
            ranges.append(r);
    }
    return ranges;
}

QList<int> TextTree::checkedNumbers() const
{
    QList<int> numbers;
    if (!checkable())
        return numbers;
    for (int n = 0; n < m_items.size(); ++n) {
        if (m_items[n] && m_items[n]->checkState(0) == Qt::Checked)
            numbers.append(n);
    }
    return numbers;
}

QList<int> TextTree::shownNumbers() const
{
    QList<int> numbers;
    for (int n = 0; n < m_items.size(); ++n) {
        if (m_items[n])
            numbers.append(n);
    }
    return numbers;
}

void TextTree::checkNumbers(const QList<int>& numbers)
{
    if (!checkable())
        return;
    m_updating = true;
    for (int n : numbers) {
        if (QTreeWidgetItem* item = itemOf(n))
            item->setCheckState(0, Qt::Checked);
    }
    m_updating = false;
}

QTreeWidgetItem* TextTree::itemOf(int number) const
{
    return number >= 0 && number < m_items.size() ? m_items[number] : nullptr;
}

void TextTree::selectNumber(int number)
{
    QTreeWidgetItem* item = itemOf(number);
    if (!item)
        return;
    if (item->parent())
        item->parent()->setExpanded(true);
    setCurrentItem(item);
    scrollToItem(item);
}

int TextTree::currentNumber() const
{
    const QTreeWidgetItem* item = currentItem();
    return item && !isNode(item) ? item->data(0, NumberRole).toInt() : -1;
}

void TextTree::nodeCheckChanged(QTreeWidgetItem* node)
{
    const Qt::CheckState now = node->checkState(0);
    const auto seen = static_cast<Qt::CheckState>(node->data(0, SeenStateRole).toInt());
    if (now == seen)
        return; // not the check box (e.g. the font of a range node)
    m_updating = true;
    node->setData(0, SeenStateRole, now);
    // A node that was unchecked checks all its items, otherwise unchecks them.
    const Qt::CheckState items = seen == Qt::Unchecked ? Qt::Checked : Qt::Unchecked;
    for (int i = 0; i < node->childCount(); ++i)
        node->child(i)->setCheckState(0, items);
    m_updating = false;
}

void TextTree::collapseOtherBranches(QTreeWidgetItem* expanded)
{
    QTreeWidgetItem* parent = expanded->parent();
    const int count = parent ? parent->childCount() : topLevelItemCount();
    for (int i = 0; i < count; ++i) {
        QTreeWidgetItem* sibling = parent ? parent->child(i) : topLevelItem(i);
        if (sibling != expanded)
            sibling->setExpanded(false);
    }
}

} // namespace tekstor
