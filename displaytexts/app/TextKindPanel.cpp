#include "displaytexts/app/TextKindPanel.h"

#include "displaytexts/app/CaptionSet.h"
#include "displaytexts/app/TextTree.h"
#include "displaytexts/texts/TextKindTable.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tekstor {

TextKindPanel::TextKindPanel(TextKind kind, CaptionSet& captions, QWidget* parent)
    : QGroupBox(parent), m_kind(kind)
{
    const TextKindInfo& info = textKindInfo(kind);
    const QString name = QString::fromLatin1(info.name);
    setObjectName(QStringLiteral("%1Group").arg(name.toLower()));
    captions.add(this, info.group);

    m_read = new QPushButton(this);
    m_read->setObjectName(QStringLiteral("read%1Button").arg(name));
    captions.add(m_read, info.readButton);
    m_write = new QPushButton(this);
    m_write->setObjectName(QStringLiteral("write%1Button").arg(name));
    captions.add(m_write, info.writeButton);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("%1Progress").arg(name.toLower()));
    m_progress->setRange(0, 1);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);
    m_tree = new TextTree(kind, this);
    m_tree->setObjectName(QStringLiteral("%1Tree").arg(name.toLower()));
    m_tree->setMinimumHeight(220);
    m_edit = new QPushButton(this);
    m_edit->setObjectName(QStringLiteral("edit%1Button").arg(name));
    captions.add(m_edit, {"Ändern...", "Edit..."});

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_read);
    buttons->addWidget(m_write);
    buttons->addSpacing(12);
    m_choices = new QHBoxLayout;
    buttons->addLayout(m_choices);
    buttons->addStretch(1);

    auto* editRow = new QHBoxLayout;
    editRow->addStretch(1);
    editRow->addWidget(m_edit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_progress);
    layout->addWidget(m_tree, 1);
    layout->addLayout(editRow);
}

void TextKindPanel::showTexts(const Register& store, Language language, const QList<int>* numbers)
{
    if (numbers)
        m_tree->rebuild(store, language, *numbers);
    else
        m_tree->rebuildFromTable(store, language);
    if (textKindInfo(m_kind).expandedTree)
        m_tree->expandAll();
}

} // namespace tekstor
