#include "config/app/CQuarn7k8kDlg.h"

#include "config/app/AboutBox.h"
#include "config/app/FleetDialog.h"
#include "config/app/HistoryWindow.h"
#include "config/app/LanguageSettings.h"
#include "config/app/PortComboBox.h"
#include "config/app/Restarter.h"
#include "config/app/SendReview.h"
#include "config/history/UnitHistory.h"
#include "config/link/BulkRead.h"
#include "config/link/BulkSend.h"
#include "config/link/ConnectExchange.h"
#include "config/link/Disconnect.h"
#include "config/link/FactoryReset.h"
#include "config/link/LinkContext.h"
#include "config/link/LinkMessages.h"
#include "config/register/Messages.h"
#include "config/report/SettingsDiff.h"
#include "platform/BytePort.h"
#include "platform/Clock.h"
#include "platform/UserDialogs.h"

#include <QAction>
#include <QActionGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace quarn {

using platform::Answer;
using platform::MessageButtons;
using platform::MessageIcon;

namespace {
QPushButton* makeButton(const QString& text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

MessageIcon iconOf(linkmsg::Severity severity)
{
    switch (severity) {
    case linkmsg::Severity::Information:
        return MessageIcon::Information;
    case linkmsg::Severity::Warning:
        break;
    case linkmsg::Severity::Error:
        return MessageIcon::Stop;
    }
    return MessageIcon::Exclamation;
}
} // namespace

CQuarn7k8kDlg::CQuarn7k8kDlg(Services services, QWidget* parent)
    : QDialog(parent), m_services(std::move(services)), m_document(m_image, this)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(tr("Programmiersoftware für Quarn 7k/8k"));
    setWindowIcon(QIcon(QStringLiteral(":/quarn7k8k/icon.png")));
    setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint);
    m_image.model7k = true;

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progressBar"));
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    m_progress->setTextVisible(false);

    m_title = new QLabel(tr("Grundeinstellungen Quarn 7k/8k"), this);
    m_title->setObjectName(QStringLiteral("treeTitle"));
    m_title->setAlignment(Qt::AlignCenter);
    m_title->setEnabled(false);

    m_baseTree = new SettingsTree(SettingsTree::Kind::Base, this);
    m_baseTree->setEnabled(false);
    m_telephoneTree = new SettingsTree(SettingsTree::Kind::Telephone, this);
    m_telephoneTree->setEnabled(false);
    m_telephoneTree->hide();

    m_factoryResetButton = makeButton(tr("Werkseinstellungen"), "factoryResetButton", this);
    m_toTelephoneButton = makeButton(tr("-> Telefoninterface"), "toTelephoneButton", this);
    m_toTelephoneButton->setEnabled(false);
    m_toBaseButton = makeButton(tr("-> Grundeinstellungen"), "toBaseButton", this);
    m_toBaseButton->setEnabled(false);
    m_toBaseButton->hide();

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_factoryResetButton);
    bottom->addStretch(1);
    bottom->addWidget(m_toTelephoneButton);
    bottom->addWidget(m_toBaseButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildConnectionPanel());
    layout->addWidget(m_progress);
    layout->addSpacing(12);
    layout->addWidget(m_title);
    layout->addWidget(m_baseTree, 1);
    layout->addWidget(m_telephoneTree, 1);
    layout->addLayout(bottom);

    buildMenus();
    wireSignals();

    m_controls = std::make_unique<MainControls>(
        MainControls::Widgets{m_baseTree, m_telephoneTree, m_toTelephoneButton, m_toBaseButton, m_readButton,
                              m_sendButton, m_factoryResetButton, m_connectButton, m_disconnectButton,
                              m_title},
        // A change of language restarts the program, which would cut a transfer short.
        QList<QWidget*>{m_portBox, m_languageMenu},
        QList<QAction*>{m_openAction, m_saveAsAction, m_saveAction, m_pdfAction, m_historyAction,
                        m_versionAction, m_fleetAction});
    resize(420, 640);
}

CQuarn7k8kDlg::~CQuarn7k8kDlg()
{
    // The widgets go after the worker; nothing they signal while closing may reach it.
    m_portBox->blockSignals(true);
    m_baseTree->blockSignals(true);
    m_telephoneTree->blockSignals(true);
}

QWidget* CQuarn7k8kDlg::buildConnectionPanel()
{
    auto* group = new QGroupBox(tr("Verbindung mit Quarn"), this);
    group->setObjectName(QStringLiteral("connectionGroup"));

    auto* portLabel = new QLabel(tr("Port:"), group);
    m_portBox = new PortComboBox(group);
    m_portBox->setObjectName(QStringLiteral("portBox"));
    m_portBox->setMinimumContentsLength(8);
    m_portBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    portLabel->setBuddy(m_portBox);

    m_connectButton = makeButton(tr("Verbindung herstellen"), "connectButton", group);
    m_disconnectButton = makeButton(tr("Verbindung trennen"), "disconnectButton", group);
    m_disconnectButton->setEnabled(false);
    m_readButton = makeButton(tr("Daten lesen"), "readButton", group);
    m_readButton->setEnabled(false);
    m_sendButton = makeButton(tr("Daten senden"), "sendButton", group);
    m_sendButton->setEnabled(false);

    // The port label and box on the left, the four buttons in two rows beside them.
    auto* grid = new QGridLayout(group);
    grid->addWidget(portLabel, 0, 0, Qt::AlignHCenter | Qt::AlignBottom);
    grid->addWidget(m_portBox, 1, 0);
    grid->addWidget(m_connectButton, 0, 1);
    grid->addWidget(m_disconnectButton, 0, 2);
    grid->addWidget(m_readButton, 1, 1);
    grid->addWidget(m_sendButton, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    return group;
}

void CQuarn7k8kDlg::buildMenus()
{
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("menuBar"));
    bar->setNativeMenuBar(false);
    layout()->setMenuBar(bar);

    QMenu* file = bar->addMenu(tr("&Datei"));
    file->setObjectName(QStringLiteral("fileMenu"));
    m_openAction = file->addAction(tr("Ö&ffnen..."), this, [this] { openFile(); });
    m_openAction->setObjectName(QStringLiteral("openAction"));
    m_saveAsAction = file->addAction(tr("Speichern &unter..."), this, [this] { saveFileAs(); });
    m_saveAsAction->setObjectName(QStringLiteral("saveAsAction"));
    m_saveAction = file->addAction(tr("&Speichern"), this, [this] { saveFile(); });
    m_saveAction->setObjectName(QStringLiteral("saveAction"));
    m_pdfAction =
        file->addAction(tr("Einstellungen als PDF speichern..."), this, [this] { saveReportPdf(); });
    m_pdfAction->setObjectName(QStringLiteral("pdfAction"));
    m_historyAction = file->addAction(tr("&Verlauf..."), this, [this] { showHistory(); });
    m_historyAction->setObjectName(QStringLiteral("historyAction"));
    m_fleetAction = file->addAction(tr("Serienprogrammierung..."), this, [this] { openFleet(); });
    m_fleetAction->setObjectName(QStringLiteral("fleetAction"));
    file->addSeparator();
    QAction* quit = file->addAction(tr("&Beenden"), this, &CQuarn7k8kDlg::reject);
    quit->setObjectName(QStringLiteral("quitAction"));

    QMenu* help = bar->addMenu(tr("&?"));
    help->setObjectName(QStringLiteral("helpMenu"));
    help->addAction(tr("&Hilfe..."), this, &CQuarn7k8kDlg::showHelp)
        ->setObjectName(QStringLiteral("helpAction"));
    m_versionAction = help->addAction(tr("Version des Quarns..."), this, &CQuarn7k8kDlg::showVersion);
    m_versionAction->setObjectName(QStringLiteral("versionAction"));
    // This platform's windows have no system menu of the program's own; the about box is
    // reached from here only.
    help->addSeparator();
    help->addAction(tr("&Info..."), this, &CQuarn7k8kDlg::showAbout)
        ->setObjectName(QStringLiteral("aboutAction"));

    buildLanguageMenu();
    bar->addMenu(m_languageMenu);
}

void CQuarn7k8kDlg::buildLanguageMenu()
{
    m_languageMenu = new QMenu(tr("Sprache"), this);
    m_languageMenu->setObjectName(QStringLiteral("languageMenu"));
    m_languageGroup = new QActionGroup(this);
    m_languageGroup->setExclusive(true);

    QList<LanguageFile> languages{LanguageFiles::programLanguage()};
    languages += m_services.languageFiles;
    m_languageIndex = 0;
    for (int i = 0; i < languages.size(); ++i) {
        QAction* action = m_languageMenu->addAction(languages[i].nativeName);
        action->setObjectName(QStringLiteral("language%1").arg(i));
        action->setCheckable(true);
        action->setData(static_cast<uint>(languages[i].id));
        m_languageGroup->addAction(action);
        if (!languages[i].path.isEmpty() && languages[i].path == m_services.languageFileInUse)
            m_languageIndex = i;
        connect(action, &QAction::triggered, this, [this, i] { switchLanguage(i); });
    }
    m_languageGroup->actions().at(m_languageIndex)->setChecked(true);
}

void CQuarn7k8kDlg::wireSignals()
{
    connect(m_connectButton, &QPushButton::clicked, this, &CQuarn7k8kDlg::connectUnit);
    connect(m_disconnectButton, &QPushButton::clicked, this, &CQuarn7k8kDlg::disconnectUnit);
    connect(m_readButton, &QPushButton::clicked, this, &CQuarn7k8kDlg::readData);
    connect(m_sendButton, &QPushButton::clicked, this, &CQuarn7k8kDlg::sendData);
    connect(m_factoryResetButton, &QPushButton::clicked, this, &CQuarn7k8kDlg::factoryReset);
    connect(m_toTelephoneButton, &QPushButton::clicked, this, &CQuarn7k8kDlg::showTelephoneTree);
    connect(m_toBaseButton, &QPushButton::clicked, this, &CQuarn7k8kDlg::showBaseTree);

    connect(m_portBox, &PortComboBox::popupAboutToShow, this, &CQuarn7k8kDlg::refreshPortList);
    connect(m_portBox, &PortComboBox::popupHidden, this, &CQuarn7k8kDlg::selectPortByUser);
    connect(m_portBox, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        m_selectedPort = text.trimmed();
        if (m_portBox->findText(m_selectedPort) < 0)
            m_typedPort = m_selectedPort; // a device path typed by the user
    });

    connect(m_baseTree, &QTreeWidget::itemSelectionChanged, this, [this] { openSelectedItem(m_baseTree); });
    connect(m_telephoneTree, &QTreeWidget::itemSelectionChanged, this,
            [this] { openSelectedItem(m_telephoneTree); });
    connect(m_baseTree, &QTreeWidget::itemExpanded, this, &CQuarn7k8kDlg::keepOneGroupOpen);

    connect(&m_worker, &platform::ExchangeRunner::rangeChanged, m_progress,
            [this](int maximum) { m_progress->setRange(0, maximum); });
    connect(&m_worker, &platform::ExchangeRunner::positionChanged, m_progress, &QProgressBar::setValue);
    connect(&m_worker, &platform::ExchangeRunner::stepped, m_progress,
            [this] { m_progress->setValue(qMin(m_progress->value() + 1, m_progress->maximum())); });
}

void CQuarn7k8kDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        refreshPortList();
    }
}

// --- port box ---

void CQuarn7k8kDlg::closePort()
{
    if (!m_services.port || m_worker.busy())
        return;
    m_worker.runAndWait([this] { m_services.port->close(); });
}

void CQuarn7k8kDlg::refreshPortList()
{
    if (m_worker.busy())
        return; // the box is disabled then; never close the port under an exchange
    closePort();
    if (m_services.clock)
        m_services.clock->sleepMs(10);

    QStringList names = m_services.listPorts ? m_services.listPorts() : QStringList();
    // A port given at start or typed by the user stays selectable.
    for (const QString& extra : {m_services.preselectedPort, m_typedPort}) {
        if (!extra.isEmpty() && !names.contains(extra))
            names << extra;
    }
    names.sort();
    const QString keep = !m_selectedPort.isEmpty() ? m_selectedPort : m_services.preselectedPort;

    const QSignalBlocker blocker(m_portBox);
    m_portBox->clear();
    m_portBox->addItems(names);
    // The selection survives a refresh while its port is still there; else the first port.
    const int index = keep.isEmpty() ? 0 : static_cast<int>(names.indexOf(keep));
    m_portBox->setCurrentIndex(names.isEmpty() ? -1 : qMax(0, index));
    m_selectedPort = m_portBox->currentText().trimmed();
}

void CQuarn7k8kDlg::selectPortByUser()
{
    closePort();
    if (m_services.clock)
        m_services.clock->sleepMs(10);
    m_selectedPort = m_portBox->currentText().trimmed();
}

// --- exchanges ---

void CQuarn7k8kDlg::startExchange(link::Exchange kind, Exchange exchange)
{
    if (m_worker.busy() || !m_services.port || !m_services.clock)
        return;
    m_runningExchange = kind;
    m_controls->beginExchange();
    std::function<ExchangeResult(platform::Progress&, const platform::ExchangeRunner::StopFlag&)> job =
        [port = m_services.port.get(), clock = m_services.clock, image = m_image, portName = m_selectedPort,
         exchange = std::move(exchange)](platform::Progress& progress,
                                         const platform::ExchangeRunner::StopFlag& stop) {
            ExchangeResult result{link::LinkOutcome{}, image};
            const link::LinkContext ctx{*port, *clock, result.image, portName, progress, &stop};
            result.outcome = exchange(ctx);
            return result;
        };
    m_worker.start<ExchangeResult>(std::move(job),
                                   [this](const ExchangeResult& result) { onExchangeFinished(result); });
}

void CQuarn7k8kDlg::onExchangeFinished(const ExchangeResult& result)
{
    const link::LinkOutcome& outcome = result.outcome;
    const bool forReview = std::exchange(m_readForReview, false);
    // An exchange that never reached the unit leaves the image exactly as it was; a connect
    // always leaves whether a unit is connected (and changes nothing else when it fails). A
    // read for the review leaves the image to be sent as it is.
    if (!forReview && (outcome.ran || outcome.exchange == link::Exchange::Connect))
        m_image = result.image;
    rememberUnit(outcome, result.image);
    m_controls->endExchange(outcome, m_image);
    // A unit without telephone interface has no telephone tree to stay on.
    if (outcome.ran && !m_image.telephoneInterface && !m_telephoneTree->isHidden() &&
        (outcome.exchange == link::Exchange::BulkRead || outcome.exchange == link::Exchange::BulkSend))
        showBaseTree();

    if (m_closeAfterExchange) {
        m_closeAfterExchange = false;
        emit exchangeFinished();
        if (m_document.confirmClose())
            QDialog::reject();
        return;
    }
    if (const auto message = linkmsg::messageFor(outcome)) {
        platform::showMessage(this, message->caption, message->text, iconOf(message->severity),
                              MessageButtons::Ok, message->informative);
    }
    if (!m_historyWarning.isEmpty())
        platform::showMessage(this, msg::captionWarning(), std::exchange(m_historyWarning, {}));
    emit exchangeFinished();
    // After the read the review shows what the send will change.
    if (forReview && outcome.ok())
        QMetaObject::invokeMethod(this, &CQuarn7k8kDlg::sendData, Qt::QueuedConnection);
}

HistoryStore CQuarn7k8kDlg::history() const
{
    return m_services.historyRoot.isEmpty() ? HistoryStore() : HistoryStore(m_services.historyRoot);
}

void CQuarn7k8kDlg::rememberUnit(const link::LinkOutcome& outcome, const Register& unitImage)
{
    if (!outcome.ok()) {
        // A reset that ran has changed the unit in a way no image here records.
        if (outcome.exchange == link::Exchange::FactoryReset && outcome.ran)
            m_unit.forget();
        return;
    }
    switch (outcome.exchange) {
    case link::Exchange::Connect:
        m_unit.connected(unitImage, m_selectedPort);
        break;
    case link::Exchange::BulkRead:
        m_unit.remember(unitImage, m_selectedPort);
        m_historyWarning = UnitHistory::keepImage(unitImage, history());
        break;
    case link::Exchange::BulkSend:
        // Every register sent was confirmed by the unit's echo.
        m_unit.remember(unitImage, m_selectedPort);
        break;
    case link::Exchange::FactoryReset:
        m_unit.forget();
        break;
    case link::Exchange::Disconnect:
        break;
    }
}

void CQuarn7k8kDlg::connectUnit()
{
    startExchange(link::Exchange::Connect,
                  [](const link::LinkContext& ctx) { return link::ConnectExchange(ctx).run(); });
}

void CQuarn7k8kDlg::disconnectUnit()
{
    startExchange(link::Exchange::Disconnect,
                  [](const link::LinkContext& ctx) { return link::Disconnect(ctx).execute(); });
}

void CQuarn7k8kDlg::readData()
{
    if (m_worker.busy())
        return;
    if (!m_document.mayReplace(SettingsDocument::Replaced::ByRead))
        return;
    startExchange(link::Exchange::BulkRead,
                  [](const link::LinkContext& ctx) { return link::BulkRead(ctx).execute(); });
}

void CQuarn7k8kDlg::sendData()
{
    if (m_worker.busy())
        return;
    if (SendReview::enabled() && !reviewBeforeSending())
        return;
    startExchange(link::Exchange::BulkSend,
                  [](const link::LinkContext& ctx) { return link::BulkSend(ctx).execute(); });
}

bool CQuarn7k8kDlg::reviewBeforeSending()
{
    QStringList changes;
    const bool known = m_unit.image() != nullptr;
    if (known) {
        // The diff builds the dialogs on the images; both are copies.
        Register before = *m_unit.image();
        Register after = m_image;
        changes = SettingsDiff::lines(before, after);
    }
    SendReview review(changes, known, this);
    review.exec();
    SendReview::setEnabled(review.alwaysShow());
    if (review.choice() == SendReview::Choice::ReadFirst) {
        m_readForReview = true;
        startExchange(link::Exchange::BulkRead,
                      [](const link::LinkContext& ctx) { return link::BulkRead(ctx).execute(); });
        if (!m_worker.busy())
            m_readForReview = false;
    }
    return review.choice() == SendReview::Choice::Send;
}

void CQuarn7k8kDlg::factoryReset()
{
    if (m_worker.busy())
        return;
    if (!m_document.offerSaveBeforeReset())
        return;

    const bool telephone = !m_telephoneTree->isHidden();
    const QString question = telephone
                                 ? tr("Alle Register des Telefoninterface (inkl. TIM) auf Werkseinstellungen "
                                      "zurücksetzen?")
                                 : tr("Alle Register des Quarn-EEPROMs auf Werkseinstellungen zurücksetzen?");
    if (platform::showMessage(this, tr("Werkseinstellungen"), question, MessageIcon::Exclamation,
                              MessageButtons::OkCancel) != Answer::Ok)
        return;
    const link::ResetTarget target = telephone ? link::ResetTarget::Telephone : link::ResetTarget::Base;
    startExchange(link::Exchange::FactoryReset, [target](const link::LinkContext& ctx) {
        return link::FactoryReset(ctx, target).execute();
    });
}

// --- trees ---

void CQuarn7k8kDlg::showTelephoneTree()
{
    m_baseTree->hide();
    m_telephoneTree->show();
    m_toTelephoneButton->hide();
    m_toBaseButton->show();
    m_title->setText(tr("Einstellungen Telefoninterface"));
}

void CQuarn7k8kDlg::showBaseTree()
{
    m_baseTree->show();
    m_telephoneTree->hide();
    m_toTelephoneButton->show();
    m_toBaseButton->hide();
    m_title->setText(tr("Grundeinstellungen Quarn 7k/8k"));
}

void CQuarn7k8kDlg::openSelectedItem(SettingsTree* tree)
{
    const QList<QTreeWidgetItem*> selected = tree->selectedItems();
    if (m_openingDialog || selected.isEmpty())
        return;
    if (m_worker.busy()) {
        // The trees are disabled while an exchange runs; no dialog may take the image or
        // the port from under it.
        tree->clearSelection();
        tree->setCurrentItem(nullptr, 0, QItemSelectionModel::NoUpdate);
        return;
    }
    m_openingDialog = true;
    const QString key = SettingsTree::keyOf(selected.constFirst());
    QDialog* dialog =
        m_services.createEditor ? m_services.createEditor(key, tree->kind(), &m_image, this) : nullptr;
    const EditorNeeds needs =
        m_services.editorNeeds ? m_services.editorNeeds(key, tree->kind()) : EditorNeeds{};
    if (dialog && needs.attachLine)
        needs.attachLine(dialog, {m_services.port.get(), m_services.clock, m_selectedPort});
    if (dialog) {
        dialog->exec();
        delete dialog;
    }
    // Cleared in every case, so selecting the same item again opens its dialog again.
    tree->clearSelection();
    tree->setCurrentItem(nullptr, 0, QItemSelectionModel::NoUpdate);
    m_openingDialog = false;

    if (dialog && needs.endsPcMode) {
        platform::showMessage(this, tr("Wichtiger Hinweis"),
                              tr("Wählen Sie am Quarn bitte erneut \"PC-Verbindung\" aus und bestätigen Sie "
                                 "dann dieses Fenster mit \"OK\"!"),
                              MessageIcon::Exclamation);
        connectUnit();
    }
}

void CQuarn7k8kDlg::keepOneGroupOpen(QTreeWidgetItem* expanded)
{
    if (!expanded || expanded->parent())
        return;
    for (int i = 0; i < m_baseTree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* other = m_baseTree->topLevelItem(i);
        if (other != expanded && other->isExpanded())
            other->setExpanded(false);
    }
}

// --- file menu ---

void CQuarn7k8kDlg::openFile()
{
    if (!m_worker.busy() && m_document.openWithDialog())
        m_controls->fileLoaded(m_image);
}

void CQuarn7k8kDlg::openFile(const QString& path)
{
    if (!m_worker.busy() && m_document.open(path))
        m_controls->fileLoaded(m_image);
}

bool CQuarn7k8kDlg::saveFileAs()
{
    return m_document.saveAs();
}

bool CQuarn7k8kDlg::saveFile()
{
    return m_document.save();
}

bool CQuarn7k8kDlg::saveReportPdf()
{
    return m_document.savePdf();
}

void CQuarn7k8kDlg::showHistory()
{
    if (m_worker.busy())
        return;
    HistoryWindow window(history().entries(), m_image, this);
    if (window.exec() != QDialog::Accepted || window.chosenPath().isEmpty())
        return;
    if (m_document.open(window.chosenPath())) {
        // "Speichern" must never write into the history: the entry opens as a file without name.
        m_image.filePath.clear();
        m_controls->fileLoaded(m_image);
    }
}

bool CQuarn7k8kDlg::confirmClose()
{
    if (!m_worker.busy())
        return m_document.confirmClose();
    if (m_closeAfterExchange)
        return false; // already asked; the window closes when the exchange has ended
    // Enter keeps the transfer going: ending it is the answer that loses something.
    platform::Message question{
        msg::captionWarning(),
        m_runningExchange == link::Exchange::BulkSend || m_runningExchange == link::Exchange::FactoryReset
            ? tr("Eine Übertragung zum Quarn läuft noch. Wird das Programm jetzt beendet, ist der "
                 "Quarn möglicherweise nur teilweise programmiert. Trotzdem beenden?")
            : tr("Eine Übertragung vom Quarn läuft noch. Wird das Programm jetzt beendet, sind die "
                 "Einstellungen nicht vollständig gelesen. Trotzdem beenden?"),
        MessageIcon::Exclamation,
        MessageButtons::YesNo,
        {},
        Answer::No};
    const Answer answer = platform::userDialogs().message(this, question);
    // The exchange may have ended while the question was open.
    if (answer != Answer::Yes)
        return false;
    if (!m_worker.busy())
        return m_document.confirmClose();
    // The transfer ends at the next register and closes the line; then the window closes.
    m_closeAfterExchange = true;
    m_worker.requestStop();
    return false;
}

void CQuarn7k8kDlg::reject()
{
    if (confirmClose())
        QDialog::reject();
}

void CQuarn7k8kDlg::openFleet()
{
    // The job opens the ports itself, the window's own included.
    closePort();
    FleetDialog dialog(m_selectedPort, this);
    // Every unit's image before it was changed goes to the history; a history that cannot be
    // written is said once, after the job.
    const HistoryStore store = history();
    dialog.setImageRead([this, store](const fleet::FleetUnit&, const QString&, const Register& image) {
        const QString warning = UnitHistory::keepImage(image, store);
        if (!warning.isEmpty() && m_historyWarning.isEmpty())
            m_historyWarning = warning;
    });
    dialog.exec();
    if (!m_historyWarning.isEmpty())
        platform::showMessage(this, msg::captionWarning(), std::exchange(m_historyWarning, {}));
}

// --- help menu ---

void CQuarn7k8kDlg::showHelp()
{
    platform::showMessage(
        this, tr("Hilfe: Programmiersoftware Quarn 7k/8k"),
        tr("Um eine Verbindung zum PC herstellen zu können, muss im Menü des Quarns \"PC-Verbindung\" "
           "ausgewählt "
           "sein (\"*\" + \"#\" gleichzeitig drücken und mit \"F3\" auswählen).\nLesen Sie bitte vor dem "
           "Ändern "
           "der Einstellungen die aktuellen Geräteeinstellungen aus oder laden Sie zuvor gespeicherte "
           "Einstellungen über \"Datei\"->\"Öffnen\".\nSo lange keine sinnvollen Einstellungen geladen "
           "wurden, "
           "ist die Schaltfläche \"Daten senden\" deaktiviert, um ein versehentliches Überschreiben der "
           "bisherigen Einstellungen zu verhindern.\n\nVorgenommene Einstellungen können über "
           "\"Datei\"->\"Speichern\" als Datei für die spätere Wiederherstellung gesichert werden."),
        MessageIcon::Information);
}

void CQuarn7k8kDlg::showVersion()
{
    if (m_worker.busy())
        return; // the exchange's copy of the unit's description is not back yet
    const linkmsg::LinkMessage message = linkmsg::versionQuery(m_image);
    platform::showMessage(this, message.caption, message.text, iconOf(message.severity));
}

void CQuarn7k8kDlg::showAbout()
{
    AboutBox box(this);
    // Not while an exchange runs: it uses the image and sets the trees itself at its end.
    if (box.exec() != QDialog::Accepted && !m_worker.busy())
        m_controls->serviceAccess();
}

// --- language menu ---

void CQuarn7k8kDlg::switchLanguage(int index)
{
    const QList<QAction*> actions = m_languageGroup->actions();
    if (index < 0 || index >= actions.size())
        return;
    const auto keepCurrent = [&] { actions.at(m_languageIndex)->setChecked(true); };
    if (index == m_languageIndex) {
        keepCurrent();
        return;
    }
    if (m_image.modified) {
        const QString text =
            QStringLiteral("Um die Sprache der Software zu ändern, ist ein Neustart notwendig. Die momentanen"
                           " Einstellungen gehen hierbei verloren.\n"
                           "Wollen Sie dennoch einen Neustart der Software durchführen?\n\n"
                           "A restart is necessary to change the language of the software. The current"
                           " configuration will be lost.\n"
                           "Do you want to change the language and restart the application now?");
        if (platform::showMessage(this, msg::captionWarning(), text, MessageIcon::Exclamation,
                                  MessageButtons::YesNo) != Answer::Yes) {
            keepCurrent();
            return;
        }
    }
    LanguageSettings::store(static_cast<quint16>(actions.at(index)->data().toUInt()));
    if (m_services.restarter)
        m_services.restarter->restart();
}

} // namespace quarn
