#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace quarn::link {

// One entry of the short-dial memory: its number and its dialling characters (without the
// '.' padding).
struct ShortDialEntry {
    int number = 0;
    QString digits;

    bool operator==(const ShortDialEntry&) const = default;
};

// Whether a text may be sent to the unit as short-dial entries.
struct ShortDialCheck {
    enum class Problem {
        None,
        NoEntries,    // not one entry line
        NotAnEntry,   // a line that is not "WP", three digits and ':'
        BadCharacter, // a character that is no dialling character (0-9, A-D, '*', '#')
        TooLong,      // more than 16 characters behind the colon
        Duplicate,    // an entry number seen on an earlier line
    };
    Problem problem = Problem::None;
    int line = 0;                  // 1-based line of the problem
    QList<ShortDialEntry> entries; // in file order, when there is no problem

    bool ok() const { return problem == Problem::None; }
};

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

    // Characters an entry may dial: what the DTMF keypad sends.
    static constexpr QStringView DialCharacters = u"0123456789ABCD*#";
    static constexpr int MaxDialCharacters = 16;

    // Every non-empty line (lines end at CR, as text() gives them) is an entry line: "WP",
    // three digits, ':' and at most 16 dialling characters, which may be followed by '.'
    // up to 16 in all, as the unit pads them; each number at most once. The first problem
    // found, or the entries.
    static ShortDialCheck check(const QString& text);

    // The entry lines of a text the unit sent (cleaned), in order; anything else skipped.
    // An entry line here is "WP", three digits, ':' and 16 characters, as the unit lists it.
    static QList<ShortDialEntry> listedEntries(const QString& cleaned);

    // Atomic, as the settings file: a failed save leaves an earlier file as it was.
    static bool save(const QString& path, const QString& cleaned);
    // False when the file cannot be read or is larger than MaxFileBytes.
    static bool load(const QString& path, QString& text);
};

} // namespace quarn::link
