#include "displaytexts/app/CTekstorDlg.h"

#include "config/history/TextHistory.h"
#include "displaytexts/app/HelpTexts.h"
#include "displaytexts/app/KanaeleBearbeiten.h"
#include "displaytexts/app/Kennung.h"
#include "displaytexts/app/TextKindPanel.h"
#include "displaytexts/app/TextTree.h"
#include "displaytexts/app/TexteBearbeiten.h"
#include "displaytexts/app/WriteReview.h"
#include "displaytexts/link/OutcomeText.h"
#include "displaytexts/link/TextCommands.h"
#include "displaytexts/link/TextConnect.h"
#include "displaytexts/link/TextProgram.h"
#include "displaytexts/link/TextRead.h"
#include "displaytexts/texts/TextFiles.h"
#include "displaytexts/texts/TextKindTable.h"
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
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

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

std::size_t index(TextKind kind)
{
    return static_cast<std::size_t>(kind);
}

platform::FileRequest fileRequest(TextKind kind, Language language, BilingualText caption)
{
    const TextKindInfo& info = textKindInfo(kind);
    return platform::FileRequest{caption.in(language), info.fileFilter.in(language),
                                 QString::fromLatin1(info.extension), QString()};
}

// What a read hands back: its result and its copy of the texts.
struct ReadBack {
    ReadResult result;
    Register texts;
};
} // namespace

CTekstorDlg::CTekstorDlg(platform::BytePort& port, platform::Clock& clock, QWidget* parent)
    : QDialog(parent), m_port(port), m_clock(clock)
{
    setObjectName(QStringLiteral("CTekstorDlg"));
    setWindowTitle(QStringLiteral("Tekstor"));
    setWindowIcon(QIcon(QStringLiteral(":/tekstor/tekstor.png")));
    setWindowFlag(Qt::WindowMinimizeButtonHint);

    auto* layout = new QVBoxLayout(this);
    buildMenus();
    layout->addWidget(buildConnectionGroup());
    for (TextKind kind : PanelOrder)
        layout->addWidget(buildPanel(kind), 1);

    auto* help = new QPushButton(this);
    help->setObjectName(QStringLiteral("helpButton"));
    m_captions.add(help, {"Hilfe...", "Help..."});
    connect(help, &QPushButton::clicked, this, &CTekstorDlg::showHelp);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(help);
    layout->addLayout(bottom);

    // Progress of the running transfer goes to the bar of its kind.
    connect(&m_runner, &platform::ExchangeRunner::rangeChanged, this,
            [this](int maximum) { panel(m_runningKind).progress()->setRange(0, maximum); });
    connect(&m_runner, &platform::ExchangeRunner::positionChanged, this,
            [this](int position) { panel(m_runningKind).progress()->setValue(position); });
    connect(&m_runner, &platform::ExchangeRunner::stepped, this, [this] {
        QProgressBar* bar = panel(m_runningKind).progress();
        bar->setValue(qMin(bar->value() + 1, bar->maximum()));
    });

    m_captions.apply(m_language);
    fillReadLanguages(OwnTextsEntry);
    m_controls = std::make_unique<TekstorControls>(
        TekstorControls::Widgets{m_connect, m_disconnect, m_panels, m_open, m_save});
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
    connect(m_open, &QAction::triggered, this, qOverload<>(&CTekstorDlg::openFile));
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
        action->setObjectName(
            QStringLiteral("mode%1Action").arg(QString::fromLatin1(textKindInfo(kind).name)));
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
    QAction* about =
        m_captions.add(info->addAction(QString()), {"&Info über Tekstor...", "&About Tekstor..."});
    about->setObjectName(QStringLiteral("aboutAction"));
    connect(about, &QAction::triggered, this, &CTekstorDlg::showAbout);
}

QWidget* CTekstorDlg::buildConnectionGroup()
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
    connect(m_connect, &QPushButton::clicked, this, &CTekstorDlg::connectUnit);
    connect(m_disconnect, &QPushButton::clicked, this, &CTekstorDlg::disconnectUnit);

    auto* row = new QHBoxLayout(group);
    row->addWidget(portLabel);
    row->addWidget(m_portList, 1);
    row->addWidget(m_connect);
    row->addWidget(m_disconnect);
    return group;
}

QWidget* CTekstorDlg::buildRangeBoxes(QWidget* parent)
{
    auto* boxes = new QWidget(parent);
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

TextKindPanel* CTekstorDlg::buildPanel(TextKind kind)
{
    auto* p = new TextKindPanel(kind, m_captions, this);
    m_panels[index(kind)] = p;

    // The kind's own choices beside its buttons.
    if (kind == TextKind::Ids) {
        auto* rangeLabel = new QLabel(p);
        m_captions.add(rangeLabel, {"Zu lesender\nBereich:", "Range to\nread:"});
        p->choices()->addWidget(rangeLabel);
        p->choices()->addWidget(buildRangeBoxes(p));
    } else if (kind == TextKind::Own) {
        auto* languageLabel = new QLabel(p);
        m_captions.add(languageLabel, {"Sprache zum Auslesen:", "Language to read from:"});
        m_readLanguage = new QComboBox(p);
        m_readLanguage->setObjectName(QStringLiteral("readLanguage"));
        languageLabel->setBuddy(m_readLanguage);
        p->choices()->addWidget(languageLabel);
        p->choices()->addWidget(m_readLanguage);
    }

    connect(p->readButton(), &QPushButton::clicked, this, [this, kind] { readTexts(kind); });
    connect(p->writeButton(), &QPushButton::clicked, this, [this, kind] { programTexts(kind); });
    connect(p->editButton(), &QPushButton::clicked, this, [this, kind] { editChecked(kind); });
    connect(p->tree(), &TextTree::textActivated, this, [this, kind](int number) {
        // While a transfer of this kind runs, its table belongs to the transfer.
        if (panel(kind).editButton()->isEnabled())
            editTexts(kind, {number});
    });
    if (kind == TextKind::Own)
        connect(p->tree(), &TextTree::textSelected, this, [this](int number) { m_selectedOwn = number; });
    return p;
}

TextKindPanel& CTekstorDlg::panel(TextKind kind) const
{
    return *m_panels[index(kind)];
}

TextTree* CTekstorDlg::tree(TextKind kind) const
{
    return panel(kind).tree();
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
    for (TextKind kind : PanelOrder) {
        if (kind != mode)
            panel(kind).hide();
    }
    panel(mode).show();
    m_modeActions[index(mode)]->setChecked(true);
    if (mode == TextKind::Own)
        fillReadLanguages(OwnTextsEntry);
}

void CTekstorDlg::setLanguage(Language language)
{
    m_language = language;
    m_captions.apply(language);
    fillReadLanguages(m_readLanguage->currentIndex());
    for (TextKind kind : PanelOrder)
        tree(kind)->relabelNodes(language);
    (language == Language::English ? m_english : m_german)->setChecked(true);
}

// --- exchanges ---

void CTekstorDlg::beginExchange(std::optional<TextKind> kind)
{
    if (kind)
        m_runningKind = *kind;
    m_controls->beginExchange(kind);
}

void CTekstorDlg::endExchange(bool connected)
{
    // Before any box of the exchange: the buttons are in their final state when it shows.
    m_controls->endExchange(connected);
}

void CTekstorDlg::connectUnit()
{
    if (m_runner.busy())
        return;
    const QString portName = m_portList->currentText().trimmed();
    beginExchange(std::nullopt);
    m_runner.start<ConnectResult>(
        [&port = m_port, &clock = m_clock, portName](platform::Progress&) {
            Register scratch; // the connect only learns the own-text count
            return TextConnect(port, clock, scratch).run(portName);
        },
        [this](const ConnectResult& result) {
            const bool connected = result.outcome == ConnectOutcome::Connected;
            if (connected) {
                m_store.setLastOwnIndex(result.lastOwnIndex);
                // The connect does not say which unit answers: what was known is forgotten.
                m_unitKnown = {};
            }
            endExchange(connected);
            // The own-text tree follows the unit's count, so no item stands for a text
            // outside the table.
            if (connected && tree(TextKind::Own)->hasNodes())
                showTexts(TextKind::Own);
            keepSelectionInTable();
            tell(OutcomeText::connect(result, m_language));
        });
}

void CTekstorDlg::disconnectUnit()
{
    if (m_runner.busy())
        return;
    beginExchange(std::nullopt);
    m_runner.start<bool>(
        [&port = m_port, &clock = m_clock](platform::Progress&) {
            TextDisconnect(port, clock).run();
            return true;
        },
        [this](bool) { endExchange(false); });
}

void CTekstorDlg::readTexts(TextKind kind)
{
    if (m_runner.busy())
        return;
    QList<int> ranges;
    for (int r = 0; r < Register::IdRangeCount; ++r) {
        if (m_ranges[static_cast<size_t>(r)]->isChecked())
            ranges.append(r);
    }
    if (kind == TextKind::Ids && ranges.isEmpty()) {
        platform::showMessage(this, msg::captionError(m_language), msg::selectRange(m_language),
                              platform::MessageIcon::Stop);
        return;
    }
    if (!confirmDiscard(kind, msg::readOverEdits(m_language)))
        return;
    const char language = languageCharacter(m_readLanguage->currentIndex());
    // Built-in language texts are not what "… schreiben" overwrites.
    const bool unitsOwn = kind != TextKind::Own || m_readLanguage->currentIndex() == OwnTextsEntry;
    beginExchange(kind);
    m_runner.start<ReadBack>(
        [&port = m_port, &clock = m_clock, texts = m_store, kind, ranges,
         language](platform::Progress& progress, const platform::ExchangeRunner::StopFlag& stopFlag) {
            const std::atomic_bool* stop = &stopFlag;
            ReadBack back{ReadResult{}, texts};
            back.result = TextRead(port, clock, back.texts, progress, stop).read(kind, ranges, language);
            return back;
        },
        [this, kind, ranges, unitsOwn](const ReadBack& back) {
            endExchange(m_port.isOpen());
            if (back.result.outcome != TransferOutcome::Done) {
                // The table and the tree stay as they were.
                if (!closeIfAsked())
                    tell(OutcomeText::read(back.result, m_language), true);
                return;
            }
            // Only the texts read change; items of ID ranges not read stay.
            QList<int> shown = back.result.stored;
            if (kind == TextKind::Ids) {
                for (int number : tree(kind)->shownNumbers()) {
                    if (!ranges.contains(number / Register::IdRangeSize))
                        shown.append(number);
                }
                std::sort(shown.begin(), shown.end());
            }
            m_store.takeTexts(kind, back.texts);
            if (unitsOwn)
                unitHolds(kind, back.texts, back.result.stored);
            keepInHistory(kind);
            m_state.read(kind);
            m_controls->setEditable(kind);
            showTexts(kind, &shown);
            closeIfAsked();
        });
}

void CTekstorDlg::programTexts(TextKind kind)
{
    if (m_runner.busy())
        return;
    const TextKindInfo& info = textKindInfo(kind);
    // ID texts go out by the ranges their tree shows; before a read or open there is none.
    if (info.writesOnlyShownRanges && !tree(kind)->hasNodes())
        return;
    if (!info.writesOnlyShownRanges && !m_state.hasTexts(kind) &&
        platform::showMessage(this, msg::captionWarning(m_language), msg::overwriteUnreadTexts(m_language),
                              platform::MessageIcon::Exclamation,
                              platform::MessageButtons::YesNo) != platform::Answer::Yes)
        return;
    const QList<int> ranges = tree(TextKind::Ids)->rangesWithItems();
    const QList<int> written = writtenNumbers(kind);
    if (!confirmChanges(kind, written))
        return;
    beginExchange(kind);
    m_runner.start<ProgramResult>(
        [&port = m_port, &clock = m_clock, texts = m_store, kind,
         ranges](platform::Progress& progress, const platform::ExchangeRunner::StopFlag& stopFlag) {
            const std::atomic_bool* stop = &stopFlag;
            return TextProgram(port, clock, texts, progress, stop).program(kind, ranges);
        },
        [this, kind, written, texts = m_store](const ProgramResult& result) {
            endExchange(m_port.isOpen());
            if (result.complete())
                unitHolds(kind, texts, written);
            m_controls->setEditable(kind);
            if (!closeIfAsked())
                tell(OutcomeText::program(kind, result, m_language), true);
        });
}

void CTekstorDlg::unitHolds(TextKind kind, const Register& texts, const QList<int>& numbers)
{
    QList<int>& known = m_unitKnown[index(kind)];
    if (kind == TextKind::Own) {
        // Own texts always go and come as a whole table.
        m_unitTexts.setLastOwnIndex(texts.lastOwnIndex());
        known.clear();
    }
    for (int n : numbers) {
        m_unitTexts.setText(kind, n, texts.text(kind, n));
        if (!known.contains(n))
            known << n;
    }
    std::sort(known.begin(), known.end());
}

QList<int> CTekstorDlg::writtenNumbers(TextKind kind) const
{
    QList<int> numbers;
    if (kind == TextKind::Ids) {
        for (int range : tree(TextKind::Ids)->rangesWithItems()) {
            for (int k = 0; k < Register::IdRangeSize; ++k)
                numbers << range * Register::IdRangeSize + k;
        }
        return numbers;
    }
    const int count = kind == TextKind::Own ? m_store.ownTextCount() : Register::capacity(kind);
    for (int n = 0; n < count; ++n)
        numbers << n;
    return numbers;
}

bool CTekstorDlg::confirmChanges(TextKind kind, const QList<int>& written)
{
    const QList<int>& known = m_unitKnown[index(kind)];
    if (known.isEmpty())
        return true; // nothing known to compare with: the questions before say what there is to say
    QList<int> compared;
    for (int n : written) {
        if (known.contains(n) || (kind == TextKind::Own && n > m_unitTexts.lastOwnIndex()))
            compared << n;
    }
    // Own texts the unit holds beyond the new count go too.
    if (kind == TextKind::Own) {
        for (int n = m_store.ownTextCount(); n <= m_unitTexts.lastOwnIndex(); ++n)
            compared << n;
    }
    const QList<int> changes = WriteReview::differing(kind, m_unitTexts, m_store, compared);
    if (changes.isEmpty())
        return true;
    platform::Message question{msg::captionWarning(m_language),
                               WriteReview::question(kind, changes, m_language),
                               platform::MessageIcon::Question,
                               platform::MessageButtons::YesNo,
                               {},
                               platform::Answer::Yes};
    return platform::userDialogs().message(this, question) == platform::Answer::Yes;
}

void CTekstorDlg::keepInHistory(TextKind kind)
{
    const quarn::HistoryStore history =
        m_historyRoot.isEmpty() ? quarn::HistoryStore() : quarn::HistoryStore(m_historyRoot);
    if (quarn::TextHistory::keepTexts(kind, m_store, history).isEmpty())
        return;
    platform::showMessage(this, msg::captionWarning(m_language),
                          msg::pick(m_language, "Der Verlauf konnte nicht geschrieben werden: %1",
                                    "The history could not be written: %1")
                              .arg(QDir::toNativeSeparators(history.root())));
}

void CTekstorDlg::tell(const OutcomeMessage& message, bool portDetail)
{
    if (message.kind == OutcomeMessage::Kind::Silent)
        return;
    const QString detail = message.portFailed || portDetail ? m_port.lastErrorDetail() : QString();
    platform::showMessage(this, message.caption, message.text,
                          message.failed() ? platform::MessageIcon::Stop : platform::MessageIcon::Information,
                          platform::MessageButtons::Ok, message.portFailed ? detail : QString());
}

bool CTekstorDlg::confirmDiscard(TextKind kind, const QString& question)
{
    return !m_state.modified(kind) ||
           platform::showMessage(this, msg::captionWarning(m_language), question,
                                 platform::MessageIcon::Exclamation,
                                 platform::MessageButtons::YesNo) == platform::Answer::Yes;
}

bool CTekstorDlg::closeIfAsked()
{
    if (!m_closeAfterExchange)
        return false;
    m_closeAfterExchange = false;
    if (confirmUnsavedClose())
        QDialog::reject();
    return true;
}

bool CTekstorDlg::confirmUnsavedClose()
{
    if (!m_state.anyModified())
        return true;
    if (platform::showMessage(this, msg::captionSaveChanges(m_language), msg::saveBeforeClose(m_language),
                              platform::MessageIcon::Question,
                              platform::MessageButtons::YesNo) != platform::Answer::Yes)
        return true;
    // Each changed kind is saved in turn; a cancelled or failed save keeps the window open.
    for (TextKind kind : PanelOrder) {
        if (m_state.modified(kind) && !saveKind(kind))
            return false;
    }
    return true;
}

void CTekstorDlg::reject()
{
    if (!m_runner.busy()) {
        if (confirmUnsavedClose())
            QDialog::reject();
        return;
    }
    if (m_closeAfterExchange)
        return; // already asked; the window closes when the transfer has ended
    const platform::Answer answer =
        platform::showMessage(this, msg::captionWarning(m_language), msg::transferRunning(m_language),
                              platform::MessageIcon::Exclamation, platform::MessageButtons::YesNo);
    if (answer != platform::Answer::Yes)
        return;
    if (!m_runner.busy()) {
        if (confirmUnsavedClose())
            QDialog::reject();
        return;
    }
    // The transfer ends at the next text and ends the line cleanly; then the window closes.
    m_closeAfterExchange = true;
    m_runner.requestStop();
}

// --- trees and edits ---

void CTekstorDlg::showTexts(TextKind kind, const QList<int>* numbers)
{
    panel(kind).showTexts(m_store, m_language, numbers);
    if (kind == TextKind::Own)
        keepSelectionInTable();
}

void CTekstorDlg::keepSelectionInTable()
{
    if (m_selectedOwn >= m_store.ownTextCount() || m_selectedOwn < 0)
        m_selectedOwn = 0;
}

void CTekstorDlg::editChecked(TextKind kind)
{
    const TextKindInfo& info = textKindInfo(kind);
    if (!info.checkable) {
        // The own texts: the selected one, while the table has any.
        if (m_selectedOwn < m_store.ownTextCount())
            editTexts(kind, {m_selectedOwn});
        return;
    }
    const QList<int> numbers = tree(kind)->checkedNumbers();
    if (numbers.isEmpty()) {
        if (kind == TextKind::Ids)
            platform::showMessage(this, msg::captionError(m_language), msg::noIdChosen(m_language),
                                  platform::MessageIcon::Stop);
        return;
    }
    editTexts(kind, numbers);
}

void CTekstorDlg::editTexts(TextKind kind, const QList<int>& numbers)
{
    // An item may never stand for a text outside the table (own texts beyond the count).
    if (kind == TextKind::Own && (numbers.isEmpty() || numbers.first() >= m_store.ownTextCount()))
        return;
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
    m_state.edited(kind);
    showTexts(kind);
    TextTree* t = tree(kind);
    if (!numbers.isEmpty())
        t->selectNumber(numbers.first());
    t->checkNumbers(numbers);
}

// --- files and help ---

void CTekstorDlg::openFile()
{
    const TextKind kind = m_mode;
    const QString path =
        platform::userDialogs().openFileName(this, fileRequest(kind, m_language, {"Öffnen", "Open"}));
    // A cancelled dialog leaves the window as it was.
    if (!path.isEmpty())
        loadTextFile(kind, path);
}

void CTekstorDlg::openFile(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix();
    for (TextKind kind : PanelOrder) {
        if (suffix.compare(QLatin1String(textKindInfo(kind).extension), Qt::CaseInsensitive) == 0) {
            setMode(kind);
            loadTextFile(kind, path);
            return;
        }
    }
    platform::showMessage(this, msg::captionError(m_language), msg::fileNotRead(m_language),
                          platform::MessageIcon::Stop);
}

bool CTekstorDlg::loadTextFile(TextKind kind, const QString& path)
{
    if (m_runner.busy() || !confirmDiscard(kind, msg::openOverEdits(m_language)))
        return false;
    if (TextFiles::load(path, kind, m_store) != FileOutcome::Ok) {
        platform::showMessage(this, msg::captionError(m_language), msg::fileNotRead(m_language),
                              platform::MessageIcon::Stop);
        return false;
    }
    m_state.loaded(kind);
    showTexts(kind);
    m_controls->setEditable(kind);
    return true;
}

void CTekstorDlg::saveFile()
{
    saveKind(m_mode);
}

bool CTekstorDlg::saveKind(TextKind kind)
{
    const QString path =
        platform::userDialogs().saveFileName(this, fileRequest(kind, m_language, {"Speichern", "Save"}));
    if (path.isEmpty())
        return false;
    const QString fullPath = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    platform::showMessage(this, QString(), msg::savedIn() + fullPath, platform::MessageIcon::Information);
    // The note above says where the file goes; a failed write must not pass for a saved file.
    if (TextFiles::save(path, kind, m_store) != FileOutcome::Ok) {
        platform::showMessage(this, msg::captionError(m_language), msg::fileNotSaved(m_language),
                              platform::MessageIcon::Stop);
        return false;
    }
    m_state.saved(kind);
    return true;
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
