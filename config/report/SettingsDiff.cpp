#include "config/report/SettingsDiff.h"

#include "config/register/Register.h"

#include <QHash>
#include <QSet>

namespace quarn {

namespace {

// A line's place in its report: its item, its label and how many lines with both came before.
QList<QString> keysOf(const QList<ReportLine>& lines)
{
    QHash<QString, int> seen;
    QList<QString> out;
    for (const ReportLine& l : lines) {
        const QString base = l.item + QStringLiteral(" › ") + l.field;
        out << base + QLatin1Char('#') + QString::number(seen[base]++);
    }
    return out;
}

void cover(const QList<ReportLine>& lines, QSet<QPair<int, int>>& shown)
{
    for (const ReportLine& l : lines) {
        for (const Binder::DigitSpan& s : l.spans) {
            for (int k = s.first; k < s.first + s.count; ++k)
                shown.insert({s.reg, k});
        }
    }
}

} // namespace

QStringList SettingsDiff::lines(Register& first, Register& second)
{
    const QList<ReportLine> a = SettingsReport::build(first);
    const QList<ReportLine> b = SettingsReport::build(second);
    const QList<QString> keysA = keysOf(a);
    const QList<QString> keysB = keysOf(b);
    QHash<QString, int> indexB;
    for (int i = 0; i < keysB.size(); ++i)
        indexB.insert(keysB.at(i), i);

    QStringList out;
    for (int i = 0; i < a.size(); ++i) {
        const int j = indexB.value(keysA.at(i), -1);
        const QString other = j < 0 ? QStringLiteral("–") : b.at(j).value;
        if (other != a.at(i).value)
            out << QStringLiteral("%1 › %2: %3 → %4").arg(a.at(i).item, a.at(i).field, a.at(i).value, other);
    }
    QSet<QString> inA(keysA.cbegin(), keysA.cend());
    for (int j = 0; j < b.size(); ++j) {
        if (!inA.contains(keysB.at(j)))
            out << QStringLiteral("%1 › %2: – → %3").arg(b.at(j).item, b.at(j).field, b.at(j).value);
    }

    QSet<QPair<int, int>> shown;
    cover(a, shown);
    cover(b, shown);
    const bool telephone = first.telephoneInterface || second.telephoneInterface;
    for (int n : Register::numbers(telephone)) {
        const QString& x = first.registerText(n);
        const QString& y = second.registerText(n);
        if (x == y)
            continue;
        bool hidden = false;
        for (int k = 0; k < qMax(x.size(), y.size()); ++k)
            hidden = hidden || (x.mid(k, 1) != y.mid(k, 1) && !shown.contains({n, k}));
        if (hidden)
            out << QStringLiteral("%1: %2 → %3").arg(n, 3, 10, QLatin1Char('0')).arg(x, y);
    }
    return out;
}

} // namespace quarn
