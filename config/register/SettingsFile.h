#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

namespace quarn {

class Register;

// The settings file (*.rq7k8k): "WithTI" or "NoTI", then one line per register,
// "R" + three-digit number + blank + the 8 register characters; 8-bit text, every line
// ended by CR LF on every platform so files stay exchangeable with existing archives.
// Reading accepts CR LF and LF alone.
//
// Nothing here shows a message: each outcome names the message the window shows
// (see Messages.h).

enum class SaveOutcome {
    Saved,
    Failed, // "Datei konnte nicht gespeichert werden."; the previous file is untouched
};

enum class LoadOutcome {
    Loaded,
    LoadedIncomplete, // "Nicht alle Register konnten aus Datei gelesen werden."
    Unreadable,       // "Datei konnte nicht gelesen werden."; the image is untouched
};

struct LoadResult {
    LoadOutcome outcome = LoadOutcome::Unreadable;
    bool withTelephone = false; // the file's kind ("WithTI"); meaningless when Unreadable
    int invalidCount = 0;       // registers left empty because their line was not valid, and
                                // register lines beyond the file's kind
    int firstInvalidRegister = -1;
    int firstInvalidLine = -1; // the first such line of the file, counted from 1 (the kind line)
    bool loaded() const { return outcome != LoadOutcome::Unreadable; }
};

// The bytes of the file for the image: its registers 0-199, and 300-499 and 600-799 when
// the telephone-interface flag is set; register texts are written unchecked (blanks too).
QByteArray settingsFileContent(const Register& image);

// Writes the file atomically: a temporary file beside the target is renamed over it only
// after every line was written, so a failed save leaves the previous file as it was.
// The image is not changed: clearing the modified flag (and recording the path) is the
// caller's decision.
SaveOutcome saveSettingsFile(const Register& image, const QString& path);
// The same for the image's own file path.
SaveOutcome saveSettingsFile(const Register& image);

// Reads the file into the image. The first line decides the kind (first character "W":
// with telephone-interface registers, "N": without); the register lines are taken by
// their order, and a line whose characters 5-12 are not eight hex digits "0"-"9"/"A"-"F"
// leaves its register empty. Registers outside the file's set keep their texts. On
// success the telephone-interface flag follows the file and the image's file path
// becomes path. A file that cannot be opened or whose first line starts with neither
// letter changes nothing at all. Register lines ("R"...) beyond the kind's set (telephone
// registers under "NoTI") make the load incomplete. The modified flag is never touched.
// Reading is bounded: a binary or huge file costs at most a few megabytes of reading.
LoadResult loadSettingsFile(Register& image, const QString& path);
// The same for the image's own file path.
LoadResult loadSettingsFile(Register& image);
// The same from an open device (the file path is left alone); for tests and fuzzing.
LoadResult readSettings(QIODevice& in, Register& image);

} // namespace quarn
