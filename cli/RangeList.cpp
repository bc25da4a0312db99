#include "cli/RangeList.h"

namespace cli {

bool parseRangeList(const QString& text, int count, QList<int>& ranges)
{
    ranges.clear();
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int r = part.trimmed().toInt(&ok);
        if (!ok || r < 0 || r >= count)
            return false;
        ranges.append(r);
    }
    return !ranges.isEmpty();
}

} // namespace cli
