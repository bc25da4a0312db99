#pragma once

#include <QString>

#include "displaytexts/texts/Messages.h"
#include "displaytexts/texts/Register.h"

namespace tekstor {

// Outcome of saving or loading a text file.
enum class FileOutcome {
    Ok,
    CannotOpen,  // the file could not be opened (load: nothing changed)
    WriteFailed, // save: a line could not be written completely
};

// Whether a file is a complete text file of a kind, before it is sent to a unit.
struct TextFileCheck {
    enum class Problem {
        None,
        CannotOpen,
        BadCount,     // own texts: the first line is no last own-text index 0..999
        BadLength,    // a text line is not 25 (ID, channel) or 32 (own) characters long
        BadFlag,      // ID and channel texts: a flag other than X, 0, 1; own: a type other than 0-3, D
        BadLineCount, // more or fewer text lines than the kind holds
    };
    Problem problem = Problem::CannotOpen;
    int line = 0; // 1-based line of the problem; for a wrong count the first line missing or extra

    bool ok() const { return problem == Problem::None; }
    // The problem with its line, as quarnctl says it: "line 3: a text must be 25 characters".
    QString text(TextKind kind, Language language) const;
};

// The three text files, one text per line, Windows-1252 bytes, CR LF after every line on
// every platform (LF alone is accepted when reading):
//   *.q8kk  exactly 1000 lines, ID texts 0..999 as stored (flag + 24 characters);
//   *.q8kc  exactly 100 lines, channel texts 0..99 as stored;
//   *.q8kt  the last own-text index as a plain decimal number, then own texts
//           0..last index, 32 characters each.
// Texts are written in the editor's form (bullets, Windows-1252 umlauts), not unit codes.
class TextFiles {
public:
    // Longest line kept when loading; longer lines are cut to this many characters and
    // reading goes on with the next line.
    static constexpr int MaxLineLength = 33;

    // File name extension of a kind without the dot: "q8kk", "q8kc", "q8kt".
    static QString extension(TextKind kind);

    // Creates or truncates the file and writes the texts of the kind.
    static FileOutcome save(const QString& path, TextKind kind, const Register& store);

    // Checks that the file is a complete text file of the kind, as this program saves it:
    // the kind's number of lines (own texts: the count line, then that many texts), each
    // text exactly 25 or 32 characters, ID and channel flags X, 0 or 1, own-text types 0-3
    // or D. The first problem found, with its line.
    static TextFileCheck check(const QString& path, TextKind kind);

    // Reads the whole file first and only then replaces the texts of the kind, so an
    // unreadable file changes nothing. A text whose line is missing gets its default
    // instead of becoming empty; own texts beyond the file's count are left alone.
    // Own texts: the first line gives the last own-text index by its leading digits (as
    // the C library reads a decimal; no number gives 0); below 0 no own text is read,
    // 1000 or more reads 1000 texts.
    static FileOutcome load(const QString& path, TextKind kind, Register& store);
};

} // namespace tekstor
