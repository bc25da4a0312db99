#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

#include "cli/Language.h"

class QCommandLineParser;

namespace cli {

class Diagnostics;

// The options that hold for every command, before or after its name.
struct GlobalOptions {
    QString port;               // --port NAME
    bool simulate = false;      // --simulate[=7k|8k|7k-ti|8k-ti]
    QString simulateVariant;    // "8k-ti" when --simulate is given bare
    QString traceFile;          // --trace FILE
    bool quiet = false;         // --quiet
    bool keepConnected = false; // --keep-connected
    bool help = false;          // --help, -h
    QString language;           // --language de|en, or 0-6 for the unit's language list of texts

    bool hasUnit() const { return simulate || !port.isEmpty(); }

    // The descriptions in the given language; the names are the same in both.
    static QList<QCommandLineOption> definitions(Language language);
    // The arguments as the parser takes them: "--simulate=KIND" is an option with an
    // optional value, which the parser does not know.
    static QStringList prepare(QStringList args);
    // Where the command's name stands in prepared arguments; -1 when there is none.
    static qsizetype commandIndex(const QStringList& args);
    // The value of --language in unparsed arguments, for the messages of the parse itself.
    static QString languageIn(const QStringList& args);
    // The global options of a parsed command line; false with error set for a bad value.
    static bool read(const QCommandLineParser& parser, GlobalOptions& options, const Diagnostics& diag,
                     QString& error);
};

} // namespace cli
