#pragma once

#include <QByteArray>
#include <QString>

namespace sim {

// The unit's display uses its own codes for the umlauts, ß and "$"; every other character
// is its Windows-1252 byte.
class UnitDisplayCodes {
public:
    // Text as the display shows it -> the unit's bytes. Capital umlauts share the small
    // ones' codes; characters outside Windows-1252's Latin-1 part become "?".
    static QByteArray fromText(const QString& text);
    // The unit's bytes -> text (umlauts come back small).
    static QString toText(const QByteArray& codes);
};

} // namespace sim
