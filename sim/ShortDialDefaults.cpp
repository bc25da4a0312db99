#include "sim/ShortDialDefaults.h"

namespace sim {

QByteArray ShortDialDefaults::entry(int n)
{
    if (n < 0 || n % 10 == 0)
        return {};
    const QByteArray area = QByteArray::number(200 + (n * 37) % 700);
    const QByteArray subscriber = QByteArray::number(100000 + (n * 7919) % 900000);
    const QByteArray number = "0" + area + subscriber; // 10 digits
    if (n % 7 == 3)
        return "*31#" + number;
    if (n % 11 == 5)
        return number + "#";
    return number;
}

} // namespace sim
