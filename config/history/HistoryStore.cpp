#include "config/history/HistoryStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

namespace quarn {

namespace {
// The configuration program's settings and data folder, whichever program asks.
const QString Organisation = QStringLiteral("Vom lokalen Anwendungs-Assistenten generierte Anwendungen");
const QString Application = QStringLiteral("Quarn7k8k");

struct HistoryText {
    Q_DECLARE_TR_FUNCTIONS(HistoryStore)
};

const QRegularExpression& namePattern()
{
    static const QRegularExpression pattern(QStringLiteral(
        "^(\\d{4}-\\d{2}-\\d{2}_\\d{6})_([A-Za-z0-9]+)-([A-Za-z]+)(?:_\\d+)?\\.[A-Za-z0-9]+$"));
    return pattern;
}
} // namespace

HistoryLimits HistoryLimits::stored()
{
    const QSettings settings(Organisation, Application);
    HistoryLimits limits;
    bool ok = false;
    const int entries = settings.value(QStringLiteral("HistoryMaxEntries")).toInt(&ok);
    if (ok && entries > 0)
        limits.maxEntries = entries;
    const int megabytes = settings.value(QStringLiteral("HistoryMaxMegabytes")).toInt(&ok);
    if (ok && megabytes > 0)
        limits.maxBytes = qint64(megabytes) * 1024 * 1024;
    return limits;
}

QString HistoryStore::defaultRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/') +
           Organisation + QLatin1Char('/') + Application + QStringLiteral("/history");
}

HistoryStore::HistoryStore(QString root, HistoryLimits limits) : m_root(std::move(root)), m_limits(limits) {}

QString HistoryStore::warning(const QString& path)
{
    return HistoryText::tr("Der Verlauf konnte nicht geschrieben werden: %1")
        .arg(QDir::toNativeSeparators(path));
}

QString HistoryStore::keep(const QString& model, const QString& kind, const QString& extension,
                           const std::function<bool(const QString&)>& write, const QDateTime& when)
{
    if (m_root.isEmpty() || !QDir().mkpath(m_root))
        return warning(m_root);
    const QString base = when.toString(QStringLiteral("yyyy-MM-dd_HHmmss")) + QLatin1Char('_') + model +
                         QLatin1Char('-') + kind;
    // Two reads within one second keep both.
    QString path = m_root + QLatin1Char('/') + base + QLatin1Char('.') + extension;
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = m_root + QLatin1Char('/') + base + QStringLiteral("_%1.").arg(n) + extension;
    if (!write(path)) {
        QFile::remove(path);
        return warning(m_root);
    }
    prune();
    return {};
}

bool HistoryStore::parse(const QString& fileName, HistoryEntry& entry)
{
    const QRegularExpressionMatch match = namePattern().match(fileName);
    if (!match.hasMatch())
        return false;
    entry.when = QDateTime::fromString(match.captured(1), QStringLiteral("yyyy-MM-dd_HHmmss"));
    entry.model = match.captured(2);
    entry.kind = match.captured(3);
    return entry.when.isValid();
}

QList<HistoryEntry> HistoryStore::entries() const
{
    QList<HistoryEntry> out;
    const QFileInfoList files = QDir(m_root).entryInfoList(QDir::Files, QDir::NoSort);
    for (const QFileInfo& file : files) {
        HistoryEntry entry;
        if (!parse(file.fileName(), entry))
            continue; // not ours: never listed, never removed
        entry.path = file.filePath();
        entry.bytes = file.size();
        out << entry;
    }
    std::sort(out.begin(), out.end(), [](const HistoryEntry& a, const HistoryEntry& b) {
        return a.when != b.when ? a.when < b.when : a.path < b.path;
    });
    return out;
}

void HistoryStore::prune()
{
    QList<HistoryEntry> all = entries();
    qint64 total = 0;
    for (const HistoryEntry& entry : all)
        total += entry.bytes;
    // The newest entry stays whatever its size: it is the read just made.
    while (all.size() > 1 && (all.size() > m_limits.maxEntries || total > m_limits.maxBytes)) {
        if (!QFile::remove(all.constFirst().path))
            break;
        total -= all.constFirst().bytes;
        all.removeFirst();
    }
}

} // namespace quarn
