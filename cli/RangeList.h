#pragma once

#include <QList>
#include <QString>

namespace cli {

// The "--ranges 0,1,..." argument of the commands that work on hundreds of entries (ID texts,
// short-dial memory): comma-separated numbers 0 to count - 1. False when one is not such a
// number or none is given.
bool parseRangeList(const QString& text, int count, QList<int>& ranges);

} // namespace cli
