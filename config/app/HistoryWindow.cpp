#include "config/app/HistoryWindow.h"

#include "config/history/HistoryStore.h"
#include "config/register/Register.h"
#include "config/register/SettingsFile.h"
#include "config/report/SettingsDiff.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quarn {

namespace {
bool isSettings(const HistoryEntry& entry)
{
    return entry.kind == HistoryStore::KindTelephone || entry.kind == HistoryStore::KindBase;
}

// Only a settings file that loads completely is compared: a damaged entry says nothing.
bool loadEntry(const QString& path, Register& image)
{
    return loadSettingsFile(image, path).outcome == LoadOutcome::Loaded;
}
} // namespace

QString HistoryWindow::kindText(const QString& kind)
{
    if (kind == HistoryStore::KindTelephone)
        return tr("Einstellungen mit Telefoninterface");
    if (kind == HistoryStore::KindBase)
        return tr("Einstellungen");
    if (kind == HistoryStore::KindShortDial)
        return tr("Kurzwahlspeicher");
    if (kind == HistoryStore::KindIdTexts)
        return tr("Kennungstexte");
    if (kind == HistoryStore::KindChannelTexts)
        return tr("Kanaltexte");
    if (kind == HistoryStore::KindOwnTexts)
        return tr("Eigene Texte");
    return kind;
}

int HistoryWindow::changedSettings(const QString& before, const QString& after)
{
    Register first;
    Register second;
    if (!loadEntry(before, first) || !loadEntry(after, second))
        return -1;
    return static_cast<int>(SettingsDiff::lines(first, second).size());
}

QStringList HistoryWindow::compare(const QString& path, const Register& image)
{
    Register entry;
    Register current = image;
    if (!loadEntry(path, entry))
        return {};
    return SettingsDiff::lines(entry, current);
}

HistoryWindow::HistoryWindow(const QList<HistoryEntry>& entries, const Register& current, QWidget* parent)
    : QDialog(parent), m_current(current)
{
    setObjectName(QStringLiteral("historyWindow"));
    setWindowTitle(tr("Verlauf"));
    auto* layout = new QVBoxLayout(this);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("historyList"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels(
        {tr("Datum"), tr("Uhrzeit"), tr("Modell"), tr("Art"), tr("Geänderte Einstellungen")});
    // Newest first; each settings entry against the settings entry before it. A comparison
    // builds every dialog twice: the newest are counted at once, the others when selected.
    int settingsEntries = 0;
    for (const HistoryEntry& entry : entries)
        settingsEntries += isSettings(entry) ? 1 : 0;
    QString previousSettings;
    QList<QTreeWidgetItem*> rows;
    int settingsSeen = 0;
    for (const HistoryEntry& entry : entries) {
        auto* row = new QTreeWidgetItem(QStringList{entry.when.toString(QStringLiteral("yyyy-MM-dd")),
                                                    entry.when.toString(QStringLiteral("HH:mm:ss")),
                                                    entry.model, kindText(entry.kind), QString()});
        row->setData(0, Qt::UserRole, entry.path);
        row->setData(1, Qt::UserRole, isSettings(entry));
        if (isSettings(entry)) {
            row->setData(4, Qt::UserRole, previousSettings);
            if (settingsEntries - settingsSeen++ <= CountedAtOnce)
                count(row);
            else
                row->setText(4, QStringLiteral("…"));
            previousSettings = entry.path;
        }
        rows.prepend(row);
    }
    m_list->addTopLevelItems(rows);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    layout->addWidget(m_list, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* open = buttons->addButton(tr("Als Einstellungen öffnen"), QDialogButtonBox::ActionRole);
    open->setObjectName(QStringLiteral("historyOpenButton"));
    QPushButton* compare =
        buttons->addButton(tr("Mit aktuellen Daten vergleichen"), QDialogButtonBox::ActionRole);
    compare->setObjectName(QStringLiteral("historyCompareButton"));
    QPushButton* close = buttons->addButton(tr("Schließen"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("historyCloseButton"));
    connect(open, &QPushButton::clicked, this, &HistoryWindow::openSelected);
    connect(compare, &QPushButton::clicked, this, &HistoryWindow::compareSelected);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);

    // Only settings entries open or compare here; texts and short-dial files are Tekstor's
    // and the short-dial dialog's.
    const auto follow = [this, open, compare] {
        const bool settings = !m_list->selectedItems().isEmpty() &&
                              m_list->selectedItems().constFirst()->data(1, Qt::UserRole).toBool();
        if (settings && m_list->selectedItems().constFirst()->text(4) == QStringLiteral("…"))
            count(m_list->selectedItems().constFirst());
        open->setEnabled(settings);
        compare->setEnabled(settings);
    };
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, follow);
    follow();
    resize(620, 420);
}

void HistoryWindow::count(QTreeWidgetItem* row)
{
    const QString before = row->data(4, Qt::UserRole).toString();
    const int changed =
        before.isEmpty() ? -1 : changedSettings(before, row->data(0, Qt::UserRole).toString());
    row->setText(4, changed < 0 ? QStringLiteral("–") : QString::number(changed));
}

QString HistoryWindow::selectedPath() const
{
    const QList<QTreeWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? QString() : selected.constFirst()->data(0, Qt::UserRole).toString();
}

void HistoryWindow::openSelected()
{
    m_chosen = selectedPath();
    if (!m_chosen.isEmpty())
        accept();
}

void HistoryWindow::compareSelected()
{
    const QString path = selectedPath();
    if (path.isEmpty())
        return;
    const QStringList lines = compare(path, m_current);
    QDialog window(this);
    window.setObjectName(QStringLiteral("historyCompare"));
    window.setWindowTitle(tr("Vergleich mit %1").arg(QFileInfo(path).fileName()));
    auto* layout = new QVBoxLayout(&window);
    auto* label = new QLabel(lines.isEmpty() ? tr("Keine Einstellung unterscheidet sich.")
                                             : tr("Einstellungen (Verlauf → aktuell):"),
                             &window);
    layout->addWidget(label);
    if (!lines.isEmpty()) {
        auto* list = new QListWidget(&window);
        list->setObjectName(QStringLiteral("compareList"));
        list->addItems(lines);
        layout->addWidget(list, 1);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &window);
    connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);
    layout->addWidget(buttons);
    window.resize(560, 400);
    window.exec();
}

} // namespace quarn
