#include "cli/Diagnostics.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include "config/link/LinkMessages.h"

namespace cli {

Language Diagnostics::languageFor(const QString& option)
{
    if (option == QLatin1String("en"))
        return Language::English;
    if (option == QLatin1String("de"))
        return Language::German;
    return QLocale().language() == QLocale::English ? Language::English : Language::German;
}

void Diagnostics::error(const QString& subject, const QString& text, const QStringList& next)
{
    m_err << "quarnctl: ";
    if (!subject.isEmpty())
        m_err << subject << ": ";
    m_err << text << '\n';
    for (const QString& line : next)
        m_err << "  " << line << '\n';
    m_err.flush();
}

void Diagnostics::fileError(const QString& path, const QString& text, bool writing)
{
    const QFileInfo file(path);
    QString reason;
    if (file.isDir())
        reason = pick("ist ein Ordner", "is a folder");
    else if (!file.exists() && !writing)
        reason = pick("Datei nicht vorhanden", "no such file");
    else if (!file.exists() && !file.absoluteDir().exists())
        reason = pick("Ordner nicht vorhanden", "no such folder");
    else if (file.exists() ? !(writing ? file.isWritable() : file.isReadable())
                           : !QFileInfo(file.absolutePath()).isWritable())
        reason = pick("keine Berechtigung", "permission denied");
    error(path, reason.isEmpty() ? text : text + QStringLiteral(" (") + reason + QLatin1Char(')'));
}

void Diagnostics::portError(const QString& port, platform::PortError error, const QString& detail)
{
    QStringList next;
    switch (error) {
    case platform::PortError::NotFound:
        next << pick("`quarnctl ports` zeigt die Ports, die sich öffnen lassen.",
                     "`quarnctl ports` lists the ports that can be opened.");
        break;
    case platform::PortError::PermissionDenied:
        next << pick("Der Benutzer muss in der Gruppe dialout sein: sudo adduser $USER dialout, danach neu "
                     "anmelden.",
                     "The user must be in the group dialout: sudo adduser $USER dialout, then log in again.");
        break;
    case platform::PortError::InUse:
        next << pick("Ein anderes Programm hält den Port: dessen Verbindung trennen oder es beenden.",
                     "Another program holds the port: end its connection or close it.");
        break;
    default:
        break;
    }
    QString text = quarn::linkmsg::portNotOpened();
    if (!detail.isEmpty())
        text += QStringLiteral(" (") + detail + QLatin1Char(')');
    this->error(port, text, next);
}

void Diagnostics::noAnswer(const QString& port, const QString& text)
{
    error(port, text,
          {pick("Prüfen Sie das Kabel, den Port und ob im Menü des Quarns \"PC-Verbindung\" ausgewählt ist.",
                "Check the cable, the port and that \"PC-Verbindung\" is selected in the unit's menu.")});
}

} // namespace cli
