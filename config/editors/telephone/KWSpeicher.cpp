#include "config/editors/telephone/KWSpeicher.h"

#include "config/editors/frame/NamedRadio.h"
#include "config/history/UnitHistory.h"
#include "config/link/LinkMessages.h"
#include "config/link/ShortDialExchange.h"
#include "config/link/ShortDialFile.h"
#include "config/link/ShortDialMessages.h"
#include "config/register/Messages.h"
#include "platform/BytePort.h"
#include "platform/UserDialogs.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace quarn {

namespace {
QString writeFailedText()
{
    return KWSpeicher::tr("Der Kurzwahlspeicher konnte nicht vollständig geschrieben werden, weil die "
                          "Verbindung zum Quarn unterbrochen wurde.");
}
} // namespace

KWSpeicher::KWSpeicher(Register* image, QWidget* parent)
    : SettingsDialog(image, parent, tr("Kurzwahlspeicher"))
{
    content()->addWidget(buildReadGroup());
    content()->addWidget(buildWriteGroup());

    m_progress = named(new QProgressBar(this), "progressBar");
    m_progress->setTextVisible(false);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    content()->addWidget(m_progress);

    useSingleCloseButton(tr("Zurück"));
    cancelButton()->setDefault(true);
    setHelp(tr("Hilfe: Kurzwahlspeicher"),
            tr("Die ausgewählten Speicherbereiche werden in einer .txt-Datei gespeichert, die mit einem "
               "gewöhnlichen Texteditor geöffnet und bearbeitet werden kann.\n"
               "Pro Eintrag können höchstens 16 Zeichen gespeichert werden. Die Rufnummer muss direkt "
               "hinter dem Doppelpunkt beginnen (z.B. \"WP001:081512345.......\").\n"
               "Anschließend kann die bearbeitete Datei wieder in den Kurzwahlspeicher zurückgeschrieben "
               "werden."));

    // The worker reports from its thread; these run on the dialog's.
    connect(&m_runner, &platform::ExchangeRunner::rangeChanged, m_progress,
            [this](int maximum) { m_progress->setRange(0, qMax(1, maximum)); });
    connect(&m_runner, &platform::ExchangeRunner::positionChanged, m_progress,
            [this](int position) { m_progress->setValue(qBound(0, position, m_progress->maximum())); });
    connect(&m_runner, &platform::ExchangeRunner::stepped, m_progress,
            [this] { m_progress->setValue(qMin(m_progress->value() + 1, m_progress->maximum())); });
}

// The runner stops a running transfer and waits for it before the controls go.
KWSpeicher::~KWSpeicher() = default;

QWidget* KWSpeicher::buildReadGroup()
{
    auto* group = new QGroupBox(tr("Auslesen von Telefoninterface (Speicherbereich(e) auswählen)"), this);
    auto* layout = new QVBoxLayout(group);
    auto* grid = new QGridLayout;
    for (int b = 0; b < RangeCount; ++b) {
        const int first = 100 * b;
        auto* box = named(new QCheckBox(QString::asprintf("%03i-%03i", first, first + 99), group),
                          QStringLiteral("range%1").arg(b));
        box->setChecked(b == 0);
        grid->addWidget(box, b / 5, b % 5);
        m_ranges << box;
    }
    layout->addLayout(grid);

    m_readButton = named(new QPushButton(tr("Kurzwahlspeicher -> Datei"), group), "readButton");
    m_readButton->setAutoDefault(false);
    m_readStatus = named(new QLabel(group), "readStatus");
    layout->addLayout(row({m_readButton}));
    layout->addWidget(m_readStatus);
    connect(m_readButton, &QPushButton::clicked, this, &KWSpeicher::readToFile);
    return group;
}

QWidget* KWSpeicher::buildWriteGroup()
{
    auto* group = new QGroupBox(tr("Zurückschreiben zum Telefoninterface"), this);
    auto* layout = new QVBoxLayout(group);
    m_writeButton = named(new QPushButton(tr("Datei -> Kurzwahlspeicher"), group), "writeButton");
    m_writeButton->setAutoDefault(false);
    m_writeStatus = named(new QLabel(group), "writeStatus");
    layout->addLayout(row({m_writeButton}));
    layout->addWidget(m_writeStatus);
    connect(m_writeButton, &QPushButton::clicked, this, &KWSpeicher::writeFromFile);
    return group;
}

QString KWSpeicher::shortenedPath(const QString& path)
{
    const qsizetype excess = path.size() - ShownPathLength;
    const qsizetype separator = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    if (excess <= 0 || separator <= 0)
        return path;
    // A file name longer than the whole allowance keeps its name and loses the folders.
    const qsizetype cut = qMax<qsizetype>(0, separator - excess);
    return path.left(cut) + QStringLiteral("...") + path.mid(separator);
}

void KWSpeicher::reject()
{
    // The transfer owns the port and the controls until it has ended.
    if (m_busy)
        return;
    SettingsDialog::reject();
}

void KWSpeicher::showEvent(QShowEvent* event)
{
    SettingsDialog::showEvent(event);
    if (m_openingStarted)
        return;
    m_openingStarted = true;
    // Nothing may start before the unit has left its PC mode. The opening runs once the
    // dialog is on screen, so a failure message has it as its owner.
    setBusy(true);
    QMetaObject::invokeMethod(this, &KWSpeicher::runOpening, Qt::QueuedConnection);
}

bool KWSpeicher::openPort()
{
    return m_line.port && m_line.clock && m_line.port->open(m_line.portName);
}

bool KWSpeicher::reopenPort()
{
    // A fresh line for every transfer.
    if (m_line.port)
        m_line.port->close();
    if (openPort())
        return true;
    portFailed();
    return false;
}

platform::FileRequest KWSpeicher::fileRequest(const QString& caption)
{
    platform::FileRequest request;
    request.caption = caption;
    request.filter = tr("Kurzwahlspeicher-Text") + QStringLiteral(" (*.txt)");
    request.defaultSuffix = QStringLiteral("txt");
    return request;
}

void KWSpeicher::portFailed()
{
    platform::showMessage(this, msg::captionError(), linkmsg::portNotOpened(),
                          platform::MessageIcon::Exclamation);
}

void KWSpeicher::runOpening()
{
    // The unit leaves its PC mode; only then does it answer the short-dial commands.
    if (!openPort()) {
        portFailed();
        finish();
        return;
    }
    std::function<bool(platform::Progress&)> job = [port = m_line.port,
                                                    clock = m_line.clock](platform::Progress&) {
        return link::ShortDialExchange(*port, *clock).open();
    };
    m_runner.start<bool>(std::move(job), [this](bool sent) {
        if (!sent)
            portFailed();
        finish();
    });
}

void KWSpeicher::readToFile()
{
    if (m_busy || !reopenPort())
        return;
    setBusy(true);
    std::function<link::ShortDialRead(platform::Progress&, const platform::ExchangeRunner::StopFlag&)> job =
        [port = m_line.port, clock = m_line.clock, ranges = checkedRanges()](
            platform::Progress& progress, const platform::ExchangeRunner::StopFlag& stopFlag) {
            const std::atomic_bool* stop = &stopFlag;
            link::ShortDialRead read = link::ShortDialExchange(*port, *clock).read(ranges, progress, stop);
            port->close();
            return read;
        };
    m_runner.start<link::ShortDialRead>(std::move(job), [this](const link::ShortDialRead& read) {
        // Only a read of every entry asked for is offered for saving; the same rule as
        // quarnctl's.
        if (read.complete()) {
            // Kept before the save is offered; a history that cannot be written is only said.
            if (const QString warning = UnitHistory::keepShortDial(read.text); !warning.isEmpty())
                platform::showMessage(this, msg::captionWarning(), warning);
            saveReceived(read.text);
        } else if (!read.stopped)
            platform::showMessage(this, msg::captionError(), link::ShortDialMessages::readIncomplete(read),
                                  platform::MessageIcon::Exclamation);
        finish();
    });
}

void KWSpeicher::saveReceived(const QString& cleaned)
{
    platform::FileRequest request = fileRequest(tr("Speichern unter"));
    // A failed save keeps the received entries and offers the save dialog again; only a
    // cancel drops them.
    for (;;) {
        const QString path = platform::userDialogs().saveFileName(this, request);
        if (path.isEmpty())
            return;
        if (link::ShortDialFile::save(path, cleaned)) {
            m_readStatus->setText(tr("gespeichert als: ") + shortenedPath(QDir::toNativeSeparators(path)));
            return;
        }
        platform::showMessage(this, msg::captionError(), msg::fileNotSaved(),
                              platform::MessageIcon::Exclamation);
        request.initialPath = path;
    }
}

void KWSpeicher::writeFromFile()
{
    if (m_busy || !reopenPort())
        return;
    setBusy(true);
    const platform::FileRequest request = fileRequest(tr("Öffnen"));
    const QString path = platform::userDialogs().openFileName(this, request);
    if (path.isEmpty()) {
        finish();
        return;
    }
    m_writeStatus->clear();
    QString text;
    if (!link::ShortDialFile::load(path, text)) {
        platform::showMessage(this, msg::captionError(), msg::fileNotRead(),
                              platform::MessageIcon::Exclamation);
        finish();
        return;
    }
    // Nothing goes out before the whole file has proved to be short-dial entries.
    const link::ShortDialCheck check = link::ShortDialFile::check(text);
    if (!check.ok()) {
        platform::showMessage(this, msg::captionError(),
                              link::ShortDialMessages::fileRefused(QDir::toNativeSeparators(path), check),
                              platform::MessageIcon::Exclamation);
        finish();
        return;
    }

    // Written, then read back and compared: the bar runs twice, the second time for the check.
    std::function<WriteResult(platform::Progress&, const platform::ExchangeRunner::StopFlag&)> job =
        [port = m_line.port, clock = m_line.clock, text, entries = check.entries](
            platform::Progress& progress, const platform::ExchangeRunner::StopFlag& stopFlag) {
            const std::atomic_bool* stop = &stopFlag;
            link::ShortDialExchange exchange(*port, *clock);
            WriteResult result;
            result.written = exchange.write(text, progress, stop);
            if (result.written)
                result.verify = exchange.verify(entries, progress, stop);
            return result;
        };
    m_runner.start<WriteResult>(std::move(job), [this, path](const WriteResult& result) {
        if (!result.written)
            platform::showMessage(this, msg::captionError(), writeFailedText(),
                                  platform::MessageIcon::Exclamation);
        else if (!result.verify.ok && !result.verify.read.stopped)
            platform::showMessage(this, msg::captionError(),
                                  link::ShortDialMessages::verifyFailed(result.verify),
                                  platform::MessageIcon::Exclamation);
        else if (result.verify.ok)
            m_writeStatus->setText(tr("geschrieben von: ") + shortenedPath(QDir::toNativeSeparators(path)));
        finish();
    });
}

QList<int> KWSpeicher::checkedRanges() const
{
    QList<int> ranges;
    for (int b = 0; b < RangeCount; ++b) {
        if (m_ranges.at(b)->isChecked())
            ranges << b;
    }
    return ranges;
}

void KWSpeicher::setBusy(bool busy)
{
    m_busy = busy;
    for (QWidget* control : {static_cast<QWidget*>(m_readButton), static_cast<QWidget*>(m_writeButton),
                             static_cast<QWidget*>(helpButton()), static_cast<QWidget*>(cancelButton())})
        control->setEnabled(!busy);
    for (QCheckBox* box : m_ranges)
        box->setEnabled(!busy);
}

void KWSpeicher::finish()
{
    m_progress->setValue(0);
    setBusy(false);
    emit transferFinished();
}

} // namespace quarn
