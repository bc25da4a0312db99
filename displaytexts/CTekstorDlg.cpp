#include "CTekstorDlg.h"

#include "displaytexts/HelpTexts.h"
#include "displaytexts/KanaeleBearbeiten.h"
#include "displaytexts/Kennung.h"
#include "displaytexts/TextCommands.h"
#include "displaytexts/TextConnect.h"
#include "displaytexts/TextFiles.h"
#include "displaytexts/TextProgram.h"
#include "displaytexts/TextRead.h"
#include "displaytexts/TextTree.h"
#include "displaytexts/TexteBearbeiten.h"
#include "platform/BytePort.h"
#include "platform/UserDialogs.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tekstor {

namespace {
constexpr int OwnTextsEntry = LanguageListSize - 1; // "Eigene Texte"

constexpr std::array<BilingualText, LanguageListSize> ReadLanguages{{
    {"Deutsch", "German"},
    {"Englisch", "English"},
    {"Französisch", "French"},
    {"Holländisch", "Dutch"},
    {"Italienisch", "Italian"},
    {"Tschechisch", "Czech"},
    {"Eigene Texte", "Own texts"},
}};

const QString AboutText = QStringLiteral("Quarn 7k/8k Tekstor Version 1.11");

int index(TextKind kind)
{
    return static_cast<int>(kind);
}

QString fileFilter(TextKind kind, Language language)
{
    switch (kind) {
    case TextKind::Ids:
        return BilingualText{"Kennungstexte (*.q8kk)", "ID texts (*.q8kk)"}.in(language);
    case TextKind::Channels:
        return BilingualText{"Kanaltexte (*.q8kc)", "Channel texts (*.q8kc)"}.in(language);
    case TextKind::Own:
        break;
    }
    return BilingualText{"Eigenetexte (*.q8kt)", "Own texts (*.q8kt)"}.in(language);
}

QString kindName(TextKind kind)
{
    switch (kind) {
    case TextKind::Ids:
        return QStringLiteral("Id");
    case TextKind::Channels:
        return QStringLiteral("Channel");
    case TextKind::Own:
        break;
    }
    return QStringLiteral("Own");
}
} // namespace

CTekstorDlg::CTekstorDlg(platform::BytePort& port, platform::Clock& clock, QWidget* parent)
    : QDialog(parent), m_port(port), m_clock(clock)
{
    setObjectName(QStringLiteral("CTekstorDlg"));
    setWindowTitle(QStringLiteral("Tekstor"));
    setWindowFlag(Qt::WindowMinimizeButtonHint);
    m_store.setPort(&port);

    auto* layout = new QVBoxLayout(this);
    buildMenus();
    layout->addWidget(buildConnectionGroup());
    for (TextKind kind : {TextKind::Ids, TextKind::Own, TextKind::Channels})
        layout->addWidget(buildKindGroup(kind), 1);

    auto* help = new QPushButton(this);
    help->setObjectName(QStringLiteral("helpButton"));
    m_captions.add(help, {"Hilfe...", "Help..."});
    connect(help, &QPushButton::clicked, this, &CTekstorDlg::showHelp);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(help);
    layout->addLayout(bottom);

    m_captions.apply(m_language);
    fillReadLanguages(OwnTextsEntry);
    enableTransferButtons(false);
    for (auto& k : m_kinds)
        k.edit->setEnabled(false);
    setMode(TextKind::Ids);
}

CTekstorDlg::~CTekstorDlg() = default;

void CTekstorDlg::buildMenus()
{
    auto* bar = new QMenuBar(this);
    layout()->setMenuBar(bar);

    QMenu* file = m_captions.add(bar->addMenu(QString()), {"&Datei", "&File"});
    file->setObjectName(QStringLiteral("fileMenu"));
    m_open = m_captions.add(file->addAction(QString()), {"Ö&ffnen", "&Open"});
    m_open->setObjectName(QStringLiteral("openAction"));
    m_save = m_captions.add(file->addAction(QString()), {"&Speichern", "&Save"});
    m_save->setObjectName(QStringLiteral("saveAction"));
    file->addSeparator();
    QAction* exit = m_captions.add(file->addAction(QString()), {"&Beenden", "E&xit"});
    exit->setObjectName(QStringLiteral("exitAction"));
    connect(m_open, &QAction::triggered, this, &CTekstorDlg::openFile);
    connect(m_save, &QAction::triggered, this, &CTekstorDlg::saveFile);
    connect(exit, &QAction::triggered, this, &CTekstorDlg::reject);

    QMenu* mode = m_captions.add(bar->addMenu(QString()), {"&Auswahl", "&Mode"});
    mode->setObjectName(QStringLiteral("modeMenu"));
    m_modeGroup = new QActionGroup(this);
    const std::array<std::pair<TextKind, BilingualText>, 3> modes{{
        {TextKind::Ids, {"&Kennungstexte bearbeiten", "Edit &ID texts"}},
        {TextKind::Channels, {"K&analtexte bearbeiten", "Edit &channel texts"}},
        {TextKind::Own, {"&Eigene Texte bearbeiten", "Edit &own texts"}},
    }};
    for (const auto& [kind, caption] : modes) {
        QAction* action = m_captions.add(mode->addAction(QString()), caption);
        action->setObjectName(QStringLiteral("mode%1Action").arg(kindName(kind)));
        action->setCheckable(true);
        m_modeGroup->addAction(action);
        m_modeActions[index(kind)] = action;
        connect(action, &QAction::triggered, this, [this, kind = kind] { setMode(kind); });
    }

    QMenu* language = m_captions.add(bar->addMenu(QString()), {"&Sprache", "&Language"});
    language->setObjectName(QStringLiteral("languageMenu"));
    auto* languages = new QActionGroup(this);
    m_german = language->addAction(QStringLiteral("&Deutsch"));
    m_german->setObjectName(QStringLiteral("germanAction"));
    m_english = language->addAction(QStringLiteral("&English"));
    m_english->setObjectName(QStringLiteral("englishAction"));
    for (QAction* a : {m_german, m_english}) {
        a->setCheckable(true);
        languages->addAction(a);
    }
    m_german->setChecked(true);
    connect(m_german, &QAction::triggered, this, [this] { setLanguage(Language::German); });
    connect(m_english, &QAction::triggered, this, [this] { setLanguage(Language::English); });

    // Desktops offer no window menu to extend, so the about entry gets a menu of its own.
    QMenu* info = bar->addMenu(QStringLiteral("&?"));
    info->setObjectName(QStringLiteral("infoMenu"));
    QAction* about = info->addAction(QStringLiteral("&Info über Tekstor..."));
    about->setObjectName(QStringLiteral("aboutAction"));
    connect(about, &QAction::triggered, this, &CTekstorDlg::showAbout);
}

QGroupBox* CTekstorDlg::buildConnectionGroup()
{
    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("connectionGroup"));
    m_captions.add(group, {"Verbindungsdaten", "Connection"});

    auto* portLabel = new QLabel(QStringLiteral("Port:"), group);
    m_portList = new QComboBox(group);
    m_portList->setObjectName(QStringLiteral("portList"));
    // A device path that is not listed can be typed in.
    m_portList->setEditable(true);
    m_portList->setInsertPolicy(QComboBox::NoInsert);
    m_portList->setMinimumContentsLength(12);
    m_portList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    portLabel->setBuddy(m_portList);

    m_connect = new QPushButton(group);
    m_connect->setObjectName(QStringLiteral("connectButton"));
    m_captions.add(m_connect, {"Verbindung herstellen", "Connect"});
    m_disconnect = new QPushButton(group);
    m_disconnect->setObjectName(QStringLiteral("disconnectButton"));
    m_captions.add(m_disconnect, {"Verbindung trennen", "Disconnect"});
    m_disconnect->setEnabled(false);
    connect(m_connect, &QPushButton::clicked, this, &CTekstorDlg::connectUnit);
    connect(m_disconnect, &QPushButton::clicked, this, &CTekstorDlg::disconnectUnit);

    auto* row = new QHBoxLayout(group);
    row->addWidget(portLabel);
    row->addWidget(m_portList, 1);
    row->addWidget(m_connect);
    row->addWidget(m_disconnect);
    return group;
}

QWidget* CTekstorDlg::buildRangeBoxes()
{
    auto* boxes = new QWidget(this);
    auto* grid = new QGridLayout(boxes);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    for (int r = 0; r < Register::IdRangeCount; ++r) {
        const QString caption =
            r == 0 ? QString::asprintf("%i-%i", 0, Register::IdRangeSize - 1) : QString::asprintf("%ixx", r);
        auto* box = new QCheckBox(caption, boxes);
        box->setObjectName(QStringLiteral("range%1").arg(r));
        grid->addWidget(box, r / 5, r % 5);
        m_ranges[static_cast<size_t>(r)] = box;
    }
    m_ranges[0]->setChecked(true);
    return boxes;
}

QGroupBox* CTekstorDlg::buildKindGroup(TextKind kind)
{
    KindControls& k = controls(kind);
    const QString name = kindName(kind);
    k.group = new QGroupBox(this);
    k.group->setObjectName(QStringLiteral("%1Group").arg(name.toLower()));
    k.read = new QPushButton(k.group);
    k.read->setObjectName(QStringLiteral("read%1Button").arg(name));
    k.write = new QPushButton(k.group);
    k.write->setObjectName(QStringLiteral("write%1Button").arg(name));
    k.progress = new QProgressBar(k.group);
    k.progress->setObjectName(QStringLiteral("%1Progress").arg(name.toLower()));
    k.progress->setRange(0, 1);
    k.progress->setValue(0);
    k.progress->setTextVisible(false);
    k.sink = std::make_unique<ProgressBarSink>(k.progress);
    k.tree = new TextTree(kind, k.group);
    k.tree->setObjectName(QStringLiteral("%1Tree").arg(name.toLower()));
    k.tree->setMinimumHeight(220);
    k.edit = new QPushButton(k.group);
    k.edit->setObjectName(QStringLiteral("edit%1Button").arg(name));
    m_captions.add(k.edit, {"Ändern...", "Edit..."});

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(k.read);
    buttons->addWidget(k.write);
    buttons->addSpacing(12);

    switch (kind) {
    case TextKind::Ids: {
        m_captions.add(k.group, {"Kennungstexte bearbeiten", "Edit texts for ID-codes"});
        m_captions.add(k.read, {"Kennungstexte lesen", "Read ID texts"});
        m_captions.add(k.write, {"Kennungstexte schreiben", "Send ID texts"});
        auto* rangeLabel = new QLabel(k.group);
        m_captions.add(rangeLabel, {"Zu lesender\nBereich:", "Range to\nread:"});
        buttons->addWidget(rangeLabel);
        buttons->addWidget(buildRangeBoxes());
        break;
    }
    case TextKind::Own: {
        m_captions.add(k.group, {"Eigene Texte bearbeiten", "Edit display texts"});
        m_captions.add(k.read, {"Texte lesen", "Read texts"});
        m_captions.add(k.write, {"\"Eigene Texte\" schreiben", "Send to \"own texts\""});
        auto* languageLabel = new QLabel(k.group);
        m_captions.add(languageLabel, {"Sprache zum Auslesen:", "Language to read from:"});
        m_readLanguage = new QComboBox(k.group);
        m_readLanguage->setObjectName(QStringLiteral("readLanguage"));
        languageLabel->setBuddy(m_readLanguage);
        buttons->addWidget(languageLabel);
        buttons->addWidget(m_readLanguage);
        break;
    }
    case TextKind::Channels:
        m_captions.add(k.group, {"Kanaltexte bearbeiten", "Edit channel texts"});
        m_captions.add(k.read, {"Kanaltexte lesen", "Read channel texts"});
        m_captions.add(k.write, {"Kanaltexte schreiben", "Send channel texts"});
        break;
    }
    buttons->addStretch(1);

    auto* editRow = new QHBoxLayout;
    editRow->addStretch(1);
    editRow->addWidget(k.edit);

    auto* layout = new QVBoxLayout(k.group);
    layout->addLayout(buttons);
    layout->addWidget(k.progress);
    layout->addWidget(k.tree, 1);
    layout->addLayout(editRow);

    connect(k.read, &QPushButton::clicked, this, [this, kind] { readTexts(kind); });
    connect(k.write, &QPushButton::clicked, this, [this, kind] { programTexts(kind); });
    connect(k.edit, &QPushButton::clicked, this, [this, kind] { editChecked(kind); });
    connect(k.tree, &TextTree::textActivated, this, [this, kind](int number) {
        // While a transfer of this kind runs, its table belongs to the transfer.
        if (controls(kind).edit->isEnabled())
            editTexts(kind, {number});
    });
    if (kind == TextKind::Own)
        connect(k.tree, &TextTree::textSelected, this, [this](int number) { m_selectedOwn = number; });
    return k.group;
}

CTekstorDlg::KindControls& CTekstorDlg::controls(TextKind kind)
{
    return m_kinds[static_cast<size_t>(index(kind))];
}

TextTree* CTekstorDlg::tree(TextKind kind) const
{
    return m_kinds[static_cast<size_t>(index(kind))].tree;
}

void CTekstorDlg::fillReadLanguages(int select)
{
    m_readLanguage->clear();
    for (const BilingualText& entry : ReadLanguages)
        m_readLanguage->addItem(entry.in(m_language));
    m_readLanguage->setCurrentIndex(select);
}

void CTekstorDlg::setPortNames(const QStringList& names)
{
    m_portsFilled = true;
    m_portList->clear();
    m_portList->addItems(names);
    if (!names.isEmpty())
        m_portList->setCurrentIndex(0);
}

void CTekstorDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_portsFilled && m_portSource)
        setPortNames(m_portSource());
    m_portsFilled = true;
}

void CTekstorDlg::setMode(TextKind mode)
{
    m_mode = mode;
    // Hide first: two groups shown at once, even for a moment, would stretch the window.
    for (TextKind kind : {TextKind::Ids, TextKind::Own, TextKind::Channels}) {
        if (kind != mode)
            controls(kind).group->hide();
    }
    controls(mode).group->show();
    m_modeActions[index(mode)]->setChecked(true);
    if (mode == TextKind::Own)
        fillReadLanguages(OwnTextsEntry);
}

void CTekstorDlg::setLanguage(Language language)
{
    m_language = language;
    m_captions.apply(language);
    fillReadLanguages(m_readLanguage->currentIndex());
    (language == Language::English ? m_english : m_german)->setChecked(true);
}

void CTekstorDlg::enableTransferButtons(bool on)
{
    for (auto& k : m_kinds) {
        k.read->setEnabled(on);
        k.write->setEnabled(on);
    }
}

void CTekstorDlg::beginTransfer(TextKind kind)
{
    enableTransferButtons(false);
    controls(kind).edit->setEnabled(false);
    m_open->setEnabled(false);
    m_save->setEnabled(false);
}

void CTekstorDlg::endTransfer(TextKind kind)
{
    enableTransferButtons(true);
    controls(kind).edit->setEnabled(true);
    m_open->setEnabled(true);
    m_save->setEnabled(true);
}

void CTekstorDlg::connectUnit()
{
    const QString portName = m_portList->currentText().trimmed();
    m_connect->setEnabled(false);
    auto result = std::make_shared<ConnectResult>();
    m_transfers.run(
        [this, portName, result] { *result = TextConnect(m_port, m_clock, m_store).run(portName); },
        [this, result] {
            switch (result->outcome) {
            case ConnectOutcome::Connected:
                m_disconnect->setEnabled(true);
                enableTransferButtons(true);
                return;
            case ConnectOutcome::PortFailed:
                platform::showMessage(this, msg::captionError(m_language), msg::portInitFailed(m_language),
                                      platform::MessageIcon::Stop, platform::MessageButtons::Ok,
                                      m_port.lastErrorDetail());
                break;
            case ConnectOutcome::NoStart:
            case ConnectOutcome::NoCount:
                platform::showMessage(this, msg::captionUnitNotAnswering(m_language),
                                      msg::unitNotAnswering(m_language), platform::MessageIcon::Stop);
                break;
            }
            m_connect->setEnabled(true);
        });
}

void CTekstorDlg::disconnectUnit()
{
    m_disconnect->setEnabled(false);
    enableTransferButtons(false);
    m_transfers.run([this] { TextDisconnect(m_port, m_clock).run(); },
                    [this] {
                        m_connect->setEnabled(true);
                        enableTransferButtons(false);
                    });
}

void CTekstorDlg::readTexts(TextKind kind)
{
    QList<int> ranges;
    for (int r = 0; r < Register::IdRangeCount; ++r) {
        if (m_ranges[static_cast<size_t>(r)]->isChecked())
            ranges.append(r);
    }
    const char language = languageCharacter(m_readLanguage->currentIndex());
    beginTransfer(kind);
    ProgressSink& progress = *controls(kind).sink;
    auto result = std::make_shared<ReadResult>();
    m_transfers.run(
        [this, kind, ranges, language, result, &progress] {
            TextRead read(m_port, m_clock, m_store, progress);
            switch (kind) {
            case TextKind::Ids:
                *result = read.readIds(ranges);
                break;
            case TextKind::Own:
                *result = read.readOwn(language);
                break;
            case TextKind::Channels:
                *result = read.readChannels();
                break;
            }
        },
        [this, kind, result] {
            TextTree* t = tree(kind);
            if (result->outcome == TransferOutcome::Done) {
                t->rebuild(m_store, m_language, result->stored);
                if (kind != TextKind::Ids)
                    t->expandAll();
            }
            endTransfer(kind);
        });
}

void CTekstorDlg::programTexts(TextKind kind)
{
    // ID texts go out by the ranges their tree shows; before a read or open there is none.
    if (kind == TextKind::Ids && !tree(kind)->hasNodes())
        return;
    const QList<int> ranges = tree(TextKind::Ids)->rangesWithItems();
    beginTransfer(kind);
    ProgressSink& progress = *controls(kind).sink;
    auto result = std::make_shared<ProgramResult>();
    m_transfers.run(
        [this, kind, ranges, result, &progress] {
            TextProgram program(m_port, m_clock, m_store, progress);
            switch (kind) {
            case TextKind::Ids:
                *result = program.programIds(ranges);
                break;
            case TextKind::Own:
                *result = program.programOwn();
                break;
            case TextKind::Channels:
                *result = program.programChannels();
                break;
            }
        },
        [this, kind, result] {
            if (result->outcome == TransferOutcome::Done) {
                const QString done = kind == TextKind::Ids   ? msg::idTextsProgrammed(m_language)
                                     : kind == TextKind::Own ? msg::ownTextsProgrammed(m_language)
                                                             : msg::channelTextsProgrammed(m_language);
                platform::showMessage(this, QString(), done, platform::MessageIcon::Information);
            }
            endTransfer(kind);
        });
}

void CTekstorDlg::editChecked(TextKind kind)
{
    switch (kind) {
    case TextKind::Ids: {
        const QList<int> ids = tree(kind)->checkedNumbers();
        if (ids.isEmpty()) {
            platform::showMessage(this, msg::captionError(m_language), msg::noIdChosen(m_language),
                                  platform::MessageIcon::Stop);
            return;
        }
        editTexts(kind, ids);
        return;
    }
    case TextKind::Own:
        editTexts(kind, {m_selectedOwn});
        return;
    case TextKind::Channels: {
        const QList<int> channels = tree(kind)->checkedNumbers();
        if (!channels.isEmpty())
            editTexts(kind, channels);
        return;
    }
    }
}

void CTekstorDlg::editTexts(TextKind kind, const QList<int>& numbers)
{
    std::unique_ptr<QDialog> dialog;
    switch (kind) {
    case TextKind::Ids:
        dialog = std::make_unique<Kennung>(this, m_language, m_store, numbers);
        break;
    case TextKind::Channels:
        dialog = std::make_unique<KanaeleBearbeiten>(this, m_language, m_store, numbers);
        break;
    case TextKind::Own:
        dialog = std::make_unique<TexteBearbeiten>(this, m_language, m_store, numbers.value(0));
        break;
    }
    if (dialog->exec() != QDialog::Accepted)
        return;
    TextTree* t = tree(kind);
    t->rebuildFromTable(m_store, m_language);
    if (kind != TextKind::Ids)
        t->expandAll();
    if (!numbers.isEmpty())
        t->selectNumber(numbers.first());
    t->checkNumbers(numbers);
}

void CTekstorDlg::openFile()
{
    const TextKind kind = m_mode;
    platform::FileRequest request{BilingualText{"Öffnen", "Open"}.in(m_language),
                                  fileFilter(kind, m_language), TextFiles::extension(kind), QString()};
    const QString path = platform::userDialogs().openFileName(this, request);
    if (!path.isEmpty() && TextFiles::load(path, kind, m_store) != FileOutcome::Ok)
        platform::showMessage(this, msg::captionError(m_language), msg::fileNotRead(m_language),
                              platform::MessageIcon::Stop);
    // Even a cancelled dialog shows the texts in memory.
    TextTree* t = tree(kind);
    t->rebuildFromTable(m_store, m_language);
    if (kind != TextKind::Ids)
        t->expandAll();
    controls(kind).edit->setEnabled(true);
}

void CTekstorDlg::saveFile()
{
    const TextKind kind = m_mode;
    platform::FileRequest request{BilingualText{"Speichern", "Save"}.in(m_language),
                                  fileFilter(kind, m_language), TextFiles::extension(kind), QString()};
    const QString path = platform::userDialogs().saveFileName(this, request);
    if (path.isEmpty())
        return;
    const QString fullPath = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    platform::showMessage(this, QString(), msg::savedIn() + fullPath, platform::MessageIcon::Information);
    // The note above says where the file goes; a failed write must not pass for a saved file.
    if (TextFiles::save(path, kind, m_store) != FileOutcome::Ok)
        platform::showMessage(this, msg::captionError(m_language), msg::fileNotSaved(m_language),
                              platform::MessageIcon::Stop);
}

void CTekstorDlg::showHelp()
{
    platform::showMessage(this, MainWindowHelpCaption.in(m_language), MainWindowHelp.in(m_language),
                          platform::MessageIcon::Information);
}

void CTekstorDlg::showAbout()
{
    platform::showMessage(this, QStringLiteral("Info"), AboutText, platform::MessageIcon::Information);
}

} // namespace tekstor
