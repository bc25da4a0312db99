#pragma once

#include <QList>
#include <QString>

namespace quarn {

struct LanguageFile {
    quint16 id = 0;     // Windows language identifier of the language the file holds
    QString path;       // empty for the program language
    QString nativeName; // the language's own name, as the "Sprache" menu shows it
};

// The optional language files next to the executable: the executable's name followed by
// the three-letter language abbreviation and ".qm" ("Quarn7k8kENU.qm").
class LanguageFiles {
public:
    LanguageFiles(QString directory, QString baseName);
    // The files beside the running program.
    static LanguageFiles besideExecutable();

    // Where the file of a language would be; empty for a language without abbreviation.
    QString pathFor(quint16 id) const;
    // Every file of the right name that names its language, in directory order.
    QList<LanguageFile> found() const;
    // The program language as a menu entry.
    static LanguageFile programLanguage();

private:
    QString m_directory;
    QString m_baseName;
};

} // namespace quarn
