#pragma once

#include <QByteArray>
#include <QString>

namespace quarn::link {

// The short-dial text file (*.txt). The program saves exactly the cleaned receive buffer
// as UTF-16LE, two bytes per character, no byte-order mark. Files edited in an ordinary
// text editor come back in other forms; whatever the form, the text sent to the unit is
// the same: UTF-16LE or UTF-8, each with or without byte-order mark, CR LF or LF line
// ends. The byte-order mark is never sent and every line end goes out as CR.
class ShortDialFile {
public:
    // A saved file of all 1000 entries is about 46 KB; anything far larger is no
    // short-dial file and would take hours to send at 250 characters a second.
    static constexpr qint64 MaxFileBytes = 1024 * 1024;

    static QByteArray bytes(const QString& cleaned);
    static QString text(const QByteArray& bytes);

    // Atomic, as the settings file: a failed save leaves an earlier file as it was.
    static bool save(const QString& path, const QString& cleaned);
    // False when the file cannot be read or is larger than MaxFileBytes.
    static bool load(const QString& path, QString& text);
};

} // namespace quarn::link
