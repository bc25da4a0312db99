#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include "cli/Language.h"
#include "platform/BytePort.h"

namespace cli {

// Every message of quarnctl goes to standard error in one form:
//     quarnctl: SUBJECT: TEXT (REASON)
//       what to do next
// where SUBJECT is the file or port involved and the indented lines say what to do next.
class Diagnostics {
public:
    Diagnostics(QTextStream& err, Language language) : m_err(err), m_language(language) {}

    // --language de|en, else the locale's language; a number (the unit's language list of
    // `texts read own`) says nothing about the messages.
    static Language languageFor(const QString& option);

    Language language() const { return m_language; }
    // The text in the language of the messages.
    QString pick(const char* german, const char* english) const
    {
        return cli::pick(m_language, german, english);
    }

    void error(const QString& subject, const QString& text, const QStringList& next = {});
    // A file that cannot be read or written, with the reason found on the disk.
    void fileError(const QString& path, const QString& text, bool writing);
    // A port that cannot be opened, with the platform's reason and what helps against it.
    void portError(const QString& port, platform::PortError error, const QString& detail);
    // The unit is silent or not recognised.
    void noAnswer(const QString& port, const QString& text);

private:
    QTextStream& m_err;
    Language m_language;
};

} // namespace cli
