#include "config/fleet/FleetLog.h"

#include "config/fleet/UnitsTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quarn::fleet {

namespace {

const char* const kHeader = "time;port;row;model;version;result;sha256\n";

QString field(QString text)
{
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')))
        return text;
    text.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

QString FleetLog::defaultPath(const QString& tablePath)
{
    const QFileInfo info(tablePath);
    const QString base = info.suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0
                             ? info.completeBaseName()
                             : info.fileName();
    return info.dir().filePath(base + QStringLiteral(".log.csv"));
}

QSet<int> FleetLog::doneRows() const
{
    QSet<int> done;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return done;
    QList<TableProblem> ignored;
    const UnitsTable log = UnitsTable::parse(file.readAll(), ignored);
    for (const UnitsTable::Row& r : log.rows) {
        bool number = false;
        const int row = r.cells.value(2).toInt(&number);
        if (number && r.cells.value(5) == QLatin1String("ok"))
            done.insert(row);
    }
    return done;
}

bool FleetLog::writable() const
{
    QFile file(m_path);
    return file.open(QIODevice::WriteOnly | QIODevice::Append);
}

bool FleetLog::append(const Entry& e) const
{
    QFile file(m_path);
    const bool fresh = !file.exists() || file.size() == 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    QByteArray line = fresh ? QByteArray(kHeader) : QByteArray();
    const QStringList fields{
        e.time.toString(Qt::ISODate), e.port, QString::number(e.row), e.model, e.version, e.result, e.sha256};
    QStringList quoted;
    for (const QString& f : fields)
        quoted << field(f);
    line += quoted.join(QLatin1Char(';')).toUtf8() + '\n';
    return file.write(line) == line.size() && file.flush();
}

} // namespace quarn::fleet
