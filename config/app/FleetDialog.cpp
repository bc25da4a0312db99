#include "config/app/FleetDialog.h"

#include "config/fleet/FleetLog.h"
#include "config/register/Messages.h"
#include "config/register/SettingsFile.h"
#include "platform/SerialPort.h"
#include "platform/UserDialogs.h"

#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quarn {

using namespace fleet;

namespace {
enum Column { LineColumn, NameColumn, PortColumn, StateColumn };
}

FleetDialog::FleetDialog(const QString& port, QWidget* parent)
    : QDialog(parent), m_makePort([](const QString&) { return std::make_unique<platform::SerialPort>(); })
{
    setObjectName(QStringLiteral("FleetDialog"));
    setWindowTitle(tr("Serienprogrammierung"));
    auto* form = new QFormLayout;
    auto fileRow = [&](QLineEdit*& edit, const char* name, const QString& filter) {
        edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        auto* browse = new QPushButton(QStringLiteral("..."), this);
        connect(browse, &QPushButton::clicked, this, [this, edit, filter] { chooseFile(edit, filter); });
        auto* row = new QHBoxLayout;
        row->addWidget(edit, 1);
        row->addWidget(browse);
        return row;
    };
    form->addRow(tr("Vorlage:"), fileRow(m_template, "templateEdit",
                                         tr("Register") + QStringLiteral(" Quarn 7k/8k (*.rq7k8k)")));
    form->addRow(tr("Gerätetabelle:"),
                 fileRow(m_table, "tableEdit", tr("Tabelle") + QStringLiteral(" (*.csv)")));
    m_ports = new QLineEdit(port, this);
    m_ports->setObjectName(QStringLiteral("portsEdit"));
    m_ports->setToolTip(tr("Mehrere Ports durch Leerzeichen oder Komma getrennt"));
    form->addRow(tr("Ports:"), m_ports);
    m_log = new QLineEdit(this);
    m_log->setObjectName(QStringLiteral("logEdit"));
    m_log->setPlaceholderText(tr("neben der Gerätetabelle (….log.csv)"));
    form->addRow(tr("Protokoll:"), m_log);

    m_rows = new QTableWidget(0, 4, this);
    m_rows->setObjectName(QStringLiteral("rowsTable"));
    m_rows->setHorizontalHeaderLabels({tr("Zeile"), tr("Gerät"), tr("Port"), tr("Zustand")});
    m_rows->horizontalHeader()->setStretchLastSection(true);
    m_rows->verticalHeader()->hide();
    m_rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_logView = new QPlainTextEdit(this);
    m_logView->setObjectName(QStringLiteral("logView"));
    m_logView->setReadOnly(true);
    m_logView->setMaximumBlockCount(1000);

    m_check = new QPushButton(tr("Prüfen"), this);
    m_check->setObjectName(QStringLiteral("checkButton"));
    m_start = new QPushButton(tr("Start"), this);
    m_start->setObjectName(QStringLiteral("startButton"));
    m_stop = new QPushButton(tr("Stopp"), this);
    m_stop->setObjectName(QStringLiteral("stopButton"));
    m_close = new QPushButton(tr("Schließen"), this);
    m_close->setObjectName(QStringLiteral("closeButton"));
    connect(m_check, &QPushButton::clicked, this, [this] { check(); });
    connect(m_start, &QPushButton::clicked, this, &FleetDialog::start);
    connect(m_stop, &QPushButton::clicked, this, &FleetDialog::stop);
    connect(m_close, &QPushButton::clicked, this, &FleetDialog::reject);
    connect(m_template, &QLineEdit::textChanged, this, [this] {
        m_plan.reset();
        updateControls();
    });
    connect(m_table, &QLineEdit::textChanged, this, [this] {
        m_plan.reset();
        updateControls();
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_check);
    buttons->addWidget(m_start);
    buttons->addWidget(m_stop);
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_rows, 2);
    layout->addWidget(m_logView, 1);
    layout->addLayout(buttons);
    resize(720, 520);
    updateControls();
}

FleetDialog::~FleetDialog() = default;

void FleetDialog::chooseFile(QLineEdit* edit, const QString& filter)
{
    platform::FileRequest request;
    request.caption = tr("Öffnen");
    request.filter = filter;
    request.initialPath = edit->text();
    const QString path = platform::userDialogs().openFileName(this, request);
    if (!path.isEmpty())
        edit->setText(path);
}

QString FleetDialog::logPath() const
{
    return m_log->text().trimmed().isEmpty() ? FleetLog::defaultPath(m_table->text().trimmed())
                                             : m_log->text().trimmed();
}

bool FleetDialog::check()
{
    m_plan.reset();
    m_rows->setRowCount(0);
    Register templ;
    const LoadResult loaded = loadSettingsFile(templ, m_template->text().trimmed());
    if (loaded.outcome != LoadOutcome::Loaded) {
        platform::showMessage(this, msg::captionError(),
                              msg::loadMessage(loaded).isEmpty() ? msg::fileNotRead()
                                                                 : msg::loadMessage(loaded));
        updateControls();
        return false;
    }
    templ.telephoneInterface = loaded.withTelephone;
    FleetPlan plan = FleetPlan::checkFile(templ, m_table->text().trimmed());
    if (!plan.ok()) {
        QStringList lines;
        for (const TableProblem& p : plan.problems)
            lines << FleetPlan::text(p);
        platform::showMessage(
            this, msg::captionError(),
            tr("Die Gerätetabelle wurde nicht angenommen; kein Gerät wurde verändert.\n\n%1")
                .arg(lines.join(QLatin1Char('\n'))));
        updateControls();
        return false;
    }
    const QSet<int> done = FleetLog(logPath()).doneRows();
    for (const FleetUnit& unit : plan.units) {
        const int row = m_rows->rowCount();
        m_rows->insertRow(row);
        m_rows->setItem(row, LineColumn, new QTableWidgetItem(QString::number(unit.line)));
        m_rows->setItem(row, NameColumn, new QTableWidgetItem(unit.name));
        m_rows->setItem(row, PortColumn, new QTableWidgetItem);
        m_rows->setItem(
            row, StateColumn,
            new QTableWidgetItem(done.contains(unit.line) ? tr("laut Protokoll fertig") : tr("wartet")));
    }
    m_plan = std::move(plan);
    showLog();
    updateControls();
    return true;
}

int FleetDialog::rowOf(int line) const
{
    for (int r = 0; r < m_rows->rowCount(); ++r) {
        if (m_rows->item(r, LineColumn)->text().toInt() == line)
            return r;
    }
    return -1;
}

void FleetDialog::setState(int line, const QString& port, const QString& state)
{
    const int row = rowOf(line);
    if (row < 0)
        return;
    if (!port.isEmpty())
        m_rows->item(row, PortColumn)->setText(port);
    m_rows->item(row, StateColumn)->setText(state);
}

void FleetDialog::showLog()
{
    QFile file(logPath());
    m_logView->setPlainText(file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString());
}

void FleetDialog::start()
{
    if (running() || (!m_plan && !check()))
        return;
    const QStringList ports =
        m_ports->text().split(QRegularExpression(QStringLiteral("[\\s,;]+")), Qt::SkipEmptyParts);
    if (ports.isEmpty()) {
        platform::showMessage(this, msg::captionError(), tr("Geben Sie mindestens einen Port an."));
        return;
    }
    if (!FleetLog(logPath()).writable()) {
        platform::showMessage(this, msg::captionError(),
                              tr("Das Protokoll %1 kann nicht geschrieben werden.").arg(logPath()));
        return;
    }
    m_run = std::make_unique<FleetRun>(m_plan->units, ports, FleetLog(logPath()), m_makePort);
    m_run->skipDone({});
    m_run->setImageRead(m_imageRead);
    m_run->setNextUnit([this](const QString& port, const FleetUnit& next, bool stillPrevious) {
        const QString ask = tr("Schließen Sie an %1 das nächste Gerät an (Zeile %2, %3) und wählen Sie dort "
                               "„PC-Verbindung“.")
                                .arg(port)
                                .arg(next.line)
                                .arg(next.name);
        const QString text = stillPrevious ? tr("An %1 ist noch das vorige Gerät angeschlossen.").arg(port) +
                                                 QStringLiteral("\n\n") + ask
                                           : ask;
        return platform::showMessage(this, tr("Serienprogrammierung"), text,
                                     platform::MessageIcon::Information,
                                     platform::MessageButtons::OkCancel) == platform::Answer::Ok;
    });
    connect(m_run.get(), &FleetRun::unitStarted, this,
            [this](int line, const QString& port) { setState(line, port, tr("läuft")); });
    auto maxima = std::make_shared<QHash<int, int>>();
    connect(m_run.get(), &FleetRun::unitProgress, this, [this, maxima](int line, int position, int maximum) {
        if (maximum >= 0)
            maxima->insert(line, maximum);
        const int max = maxima->value(line);
        if (max > 0)
            setState(line, {}, tr("läuft (%1 %)").arg(100 * position / max));
    });
    connect(m_run.get(), &FleetRun::unitFinished, this,
            [this](int line, const QString& port, const UnitResult& r) {
                switch (r.state) {
                case UnitResult::State::Done:
                    setState(line, port, tr("fertig"));
                    break;
                case UnitResult::State::SameAsPrevious:
                    setState(line, port, tr("wartet"));
                    break;
                default:
                    setState(line, port, tr("fehlgeschlagen: %1").arg(r.message));
                    break;
                }
                showLog();
            });
    connect(m_run.get(), &FleetRun::logNotWritten, this, [this](const QString& path) {
        platform::showMessage(this, msg::captionError(),
                              tr("Das Protokoll %1 kann nicht geschrieben werden.").arg(path));
    });
    connect(m_run.get(), &FleetRun::finished, this, &FleetDialog::updateControls);
    for (const FleetUnit& unit : m_plan->units) {
        if (m_run->skipped().contains(unit.line))
            setState(unit.line, {}, tr("laut Protokoll fertig"));
    }
    m_run->start();
    updateControls();
}

void FleetDialog::stop()
{
    if (m_run)
        m_run->stop();
}

void FleetDialog::reject()
{
    // A run is stopped first: the dialog closes once its units have ended.
    if (running()) {
        stop();
        return;
    }
    QDialog::reject();
}

void FleetDialog::updateControls()
{
    const bool busy = running();
    m_check->setEnabled(!busy);
    m_start->setEnabled(!busy);
    m_stop->setEnabled(busy);
    m_template->setEnabled(!busy);
    m_table->setEnabled(!busy);
    m_ports->setEnabled(!busy);
    m_log->setEnabled(!busy);
}

} // namespace quarn
