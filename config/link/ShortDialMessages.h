#pragma once

#include "config/link/ShortDialExchange.h"
#include "config/link/ShortDialFile.h"

#include <QCoreApplication>
#include <QString>

namespace quarn::link {

// What the short-dial dialog and quarnctl shortdial say about a read, a file and a write,
// written once for both.
class ShortDialMessages {
    Q_DECLARE_TR_FUNCTIONS(ShortDialMessages)
public:
    // A read that may not be saved (ShortDialRead::complete() false, not stopped).
    static QString readIncomplete(const ShortDialRead& read)
    {
        if (read.firstMissing >= 0 && !read.portFailed)
            return tr("Der Kurzwahlspeicher konnte nicht vollständig gelesen werden: Eintrag %1 ist nicht "
                      "angekommen. Es wurde keine Datei gespeichert.")
                .arg(read.firstMissing, 3, 10, QLatin1Char('0'));
        return tr("Der Kurzwahlspeicher konnte nicht gelesen werden, weil die Verbindung zum Quarn "
                  "unterbrochen wurde. Es wurde keine Datei gespeichert.");
    }

    // A file that is not sent (ShortDialCheck::ok() false), naming the file and the line.
    static QString fileRefused(const QString& file, const ShortDialCheck& check)
    {
        QString why;
        switch (check.problem) {
        case ShortDialCheck::Problem::None:
        case ShortDialCheck::Problem::NoEntries:
            return tr("Die Datei %1 enthält keinen Kurzwahleintrag. Es wurde nichts gesendet.").arg(file);
        case ShortDialCheck::Problem::NotAnEntry:
            why = tr("ist keine Zeile der Form WPnnn:Rufnummer");
            break;
        case ShortDialCheck::Problem::BadCharacter:
            why = tr("enthält ein Zeichen, das nicht gewählt werden kann (erlaubt sind 0-9, A-D, * und #)");
            break;
        case ShortDialCheck::Problem::TooLong:
            why = tr("hat mehr als 16 Zeichen hinter dem Doppelpunkt");
            break;
        case ShortDialCheck::Problem::Duplicate:
            why = tr("nennt einen Eintrag ein zweites Mal");
            break;
        }
        return tr("Die Datei %1 ist keine Kurzwahlspeicher-Datei: Zeile %2 %3. Es wurde nichts gesendet.")
            .arg(file)
            .arg(check.line)
            .arg(why);
    }

    // The check after a write failed (ShortDialVerify::ok false).
    static QString verifyFailed(const ShortDialVerify& verify)
    {
        if (verify.firstDiffering >= 0 && verify.read.complete())
            return tr("Die Prüfung nach dem Schreiben ist fehlgeschlagen: Eintrag %1 weicht im Quarn von "
                      "der Datei ab.")
                .arg(verify.firstDiffering, 3, 10, QLatin1Char('0'));
        const int entry = verify.firstDiffering >= 0 ? verify.firstDiffering : verify.read.firstMissing;
        if (entry < 0)
            return tr("Die Prüfung nach dem Schreiben ist fehlgeschlagen, weil die Verbindung zum Quarn "
                      "unterbrochen wurde.");
        return tr("Die Prüfung nach dem Schreiben ist fehlgeschlagen: Der Quarn hat den Kurzwahlspeicher "
                  "nicht vollständig zurückgemeldet (zuerst fehlt Eintrag %1).")
            .arg(entry, 3, 10, QLatin1Char('0'));
    }
};

} // namespace quarn::link
