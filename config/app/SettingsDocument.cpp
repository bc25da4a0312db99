#include "config/app/SettingsDocument.h"

#include "config/register/Messages.h"
#include "config/register/Register.h"
#include "config/register/SettingsFile.h"
#include "config/report/ReportDocument.h"
#include "config/report/SettingsReport.h"
#include "platform/UserDialogs.h"

#include <QDate>
#include <QFileInfo>

namespace quarn {

using platform::Answer;
using platform::MessageButtons;
using platform::MessageIcon;

namespace {
platform::FileRequest settingsFileRequest(const QString& caption, const QString& registerWord)
{
    platform::FileRequest request;
    request.caption = caption;
    request.filter = registerWord + QStringLiteral(" Quarn 7k/8k (*.rq7k8k)");
    request.defaultSuffix = QStringLiteral("rq7k8k");
    return request;
}
} // namespace

bool SettingsDocument::mayReplace(Replaced by) const
{
    if (!m_image.modified)
        return true;
    const QString question =
        by == Replaced::ByRead
            ? tr("Die Einstellungen wurden geändert und nicht gespeichert. Beim Lesen gehen "
                 "diese Änderungen verloren. Trotzdem lesen?")
            : tr("Die Einstellungen wurden geändert und nicht gespeichert. Beim Öffnen "
                 "gehen diese Änderungen verloren. Trotzdem öffnen?");
    return platform::showMessage(m_owner, msg::captionWarning(), question, MessageIcon::Exclamation,
                                 MessageButtons::YesNo) == Answer::Yes;
}

bool SettingsDocument::openWithDialog()
{
    const QString path =
        platform::userDialogs().openFileName(m_owner, settingsFileRequest(tr("Öffnen"), tr("Register")));
    return !path.isEmpty() && open(path);
}

bool SettingsDocument::open(const QString& path)
{
    if (!mayReplace(Replaced::ByOpen))
        return false;
    const LoadResult result = loadSettingsFile(m_image, path);
    // An unreadable file leaves the image as it was; an incomplete one is opened so the user
    // can mend it in the dialogs, after the message that names its first bad line.
    if (const QString message = msg::loadMessage(result); !message.isEmpty())
        platform::showMessage(nullptr, msg::captionError(), message);
    if (!result.loaded())
        return false;
    m_image.modified = false;
    return true;
}

QString SettingsDocument::askSavePath()
{
    return platform::userDialogs().saveFileName(m_owner,
                                                settingsFileRequest(tr("Speichern unter"), tr("Register")));
}

bool SettingsDocument::saveTo(const QString& path)
{
    if (path.isEmpty())
        return false; // nothing saved: the changes stay marked as unsaved
    if (saveSettingsFile(m_image, path) != SaveOutcome::Saved) {
        platform::showMessage(m_owner, msg::captionError(), msg::fileNotSaved());
        return false;
    }
    m_image.filePath = path;
    m_image.modified = false;
    return true;
}

bool SettingsDocument::saveAs()
{
    return saveTo(askSavePath());
}

bool SettingsDocument::save()
{
    if (!m_image.filePath.isEmpty())
        return saveTo(m_image.filePath);
    const QString path = askSavePath();
    if (!saveTo(path))
        return false;
    platform::showMessage(m_owner, QString(), tr("gespeichert in: ") + path, MessageIcon::None);
    return true;
}

bool SettingsDocument::savePdf()
{
    platform::FileRequest request;
    request.caption = tr("Einstellungen als PDF speichern");
    request.filter = QStringLiteral("PDF (*.pdf)");
    request.defaultSuffix = QStringLiteral("pdf");
    const QString path = platform::userDialogs().saveFileName(m_owner, request);
    if (path.isEmpty())
        return false;
    // The dialogs read the image itself; the report writes nothing into it.
    const ReportDocument document(
        {m_image.filePath.isEmpty() ? tr("(nicht gespeichert)") : QFileInfo(m_image.filePath).fileName(),
         ReportDocument::unitText(m_image.unitKnown, m_image.model7k, m_image.telephoneInterface),
         QDate::currentDate()},
        SettingsReport::build(m_image));
    if (!document.writePdf(path)) {
        platform::showMessage(m_owner, msg::captionError(), msg::fileNotSaved());
        return false;
    }
    return true;
}

bool SettingsDocument::offerSaveBeforeReset()
{
    const Answer save =
        platform::showMessage(m_owner, tr("Änderungen Speichern"),
                              tr("Wollen Sie vor dem Werksreset die momentanen Einstellungen speichern?"),
                              MessageIcon::Question, MessageButtons::YesNoCancel);
    if (save == Answer::Cancel)
        return false;
    // A save that failed or was cancelled keeps the edits, and so stops the reset.
    return save == Answer::No || saveAs();
}

bool SettingsDocument::confirmClose()
{
    if (!m_image.modified)
        return true;
    const Answer answer = platform::showMessage(
        m_owner, tr("Änderungen Speichern"),
        tr("Wollen Sie vor dem Schließen der Anwendung die momentanen Einstellungen speichern?"),
        MessageIcon::Question, MessageButtons::YesNo);
    if (answer != Answer::Yes)
        return true;
    // A cancelled or failed save returns to the window instead of losing the changes.
    return saveAs();
}

} // namespace quarn
