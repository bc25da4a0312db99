#include "sim/StateFile.h"

#include "sim/UnitModel.h"

#include <QFile>
#include <QSaveFile>

namespace sim {

namespace {

void loadShortDialLine(const QByteArray& line, UnitModel& unit)
{
    if (!unit.options().telephone || line.size() < 6 || line[5] != ':')
        return;
    bool ok = false;
    const int n = line.mid(2, 3).toInt(&ok);
    if (!ok || line.mid(2, 3).size() != 3 || n < 0)
        return;
    QByteArray entry = line.mid(6, 16);
    while (entry.endsWith('.'))
        entry.chop(1);
    unit.setShortDialEntry(n, entry);
}

} // namespace

bool StateFile::load(const QString& path, UnitModel& unit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> lines = file.readAll().split('\n');
    if (lines.isEmpty())
        return false;
    const QByteArray kind = lines[0].trimmed();
    if (kind != "WithTI" && kind != "NoTI")
        return false;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.startsWith("WP")) {
            loadShortDialLine(line, unit);
            continue;
        }
        if (line.size() != 13 || line[0] != 'R' || line[4] != ' ')
            continue;
        bool ok = false;
        const int n = line.mid(1, 3).toInt(&ok);
        if (ok && unit.hasRegister(n))
            unit.setRegisterText(n, QString::fromLatin1(line.mid(5, 8)));
    }
    return true;
}

bool StateFile::save(const QString& path, const UnitModel& unit)
{
    const bool telephone = unit.options().telephone;
    QByteArray text = telephone ? "WithTI\r\n" : "NoTI\r\n";
    for (int n = 0; n < UnitModel::kRegisterCount; ++n) {
        if (unit.hasRegister(n))
            text += "R" + QByteArray::number(n).rightJustified(3, '0') + " " +
                    unit.registerText(n).toLatin1() + "\r\n";
    }
    for (int n = 0; telephone && n < UnitModel::kShortDialCount; ++n) {
        const QByteArray entry = unit.shortDialEntry(n);
        text += "WP" + QByteArray::number(n).rightJustified(3, '0') + ":" + entry +
                QByteArray(16 - entry.size(), '.') + "\r\n";
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text);
    return file.commit();
}

} // namespace sim
