#pragma once

#include "displaytexts/texts/Messages.h"
#include "displaytexts/texts/Register.h"

#include <QList>
#include <QTreeWidget>
#include <QVector>

namespace tekstor {

// The tree of one kind of text in the main window. ID texts hang below ten range nodes
// ("Kennung 0-99" ...), own and channel texts below one root. Items read "nnn: text".
// ID and channel trees carry check boxes; a click on a node's check box checks or
// unchecks everything below it. The own-text tree opens one branch at a time.
class TextTree : public QTreeWidget {
    Q_OBJECT
public:
    TextTree(TextKind kind, QWidget* parent = nullptr);

    TextKind kind() const { return m_kind; }

    // The numbers that get an item when the tree is filled from the table: IDs whose flag
    // is not "X", own texts 0..last index, channels holding a text.
    static QList<int> numbersInTable(const Register& store, TextKind kind);

    // Empties the tree, builds its nodes in language and adds an item for each number.
    void rebuild(const Register& store, Language language, const QList<int>& numbers);
    void rebuildFromTable(const Register& store, Language language);
    // Gives the nodes their labels in language; the text items are the texts themselves.
    void relabelNodes(Language language);
    void clearTree();

    // Whether the tree has its nodes (texts were read or opened).
    bool hasNodes() const { return topLevelItemCount() > 0; }
    // ID tree: the ranges (0..9) whose node has items.
    QList<int> rangesWithItems() const;

    // Numbers of the checked text items, ascending.
    QList<int> checkedNumbers() const;
    // Numbers that have an item, ascending.
    QList<int> shownNumbers() const;
    void checkNumbers(const QList<int>& numbers);
    // Selects the item of number, opens its node and scrolls it into view.
    void selectNumber(int number);
    // Number of the current text item, -1 when a node or nothing is current.
    int currentNumber() const;

    QTreeWidgetItem* itemOf(int number) const;

    static QString itemLabel(int number, const QByteArray& text);
    // "Kennung 0-99" ... "Kennung 900-999" (node 0-9), "Eigene Texte", "Kanaltexte".
    static QString nodeLabel(TextKind kind, int node, Language language);

signals:
    // A double click on a text item.
    void textActivated(int number);
    // A text item became the current one.
    void textSelected(int number);

private:
    void nodeCheckChanged(QTreeWidgetItem* item);
    void collapseOtherBranches(QTreeWidgetItem* expanded);
    bool isNode(const QTreeWidgetItem* item) const;
    bool checkable() const { return m_kind != TextKind::Own; }

    TextKind m_kind;
    QVector<QTreeWidgetItem*> m_items;
    bool m_updating = false;
};

} // namespace tekstor
