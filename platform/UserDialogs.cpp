#include "platform/UserDialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace platform {

namespace {
UserDialogs* g_installed = nullptr;

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons qtButtons(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

Answer defaultAnswer(MessageButtons buttons)
{
    return buttons == MessageButtons::Ok || buttons == MessageButtons::OkCancel ? Answer::Ok : Answer::Yes;
}
} // namespace

UserDialogs& userDialogs()
{
    static QtUserDialogs qt;
    return g_installed ? *g_installed : qt;
}

void setUserDialogs(UserDialogs* dialogs)
{
    g_installed = dialogs;
}

Answer showMessage(QWidget* owner, const QString& caption, const QString& text, MessageIcon icon,
                   MessageButtons buttons, const QString& informative)
{
    return userDialogs().message(owner, Message{caption, text, icon, buttons, informative, std::nullopt});
}

Answer QtUserDialogs::message(QWidget* owner, const Message& message)
{
    QMessageBox box(qtIcon(message.icon), message.caption, message.text, qtButtons(message.buttons), owner);
    if (!message.informative.isEmpty())
        box.setInformativeText(message.informative);
    if (message.enterAnswer) {
        const QMessageBox::StandardButton enter = *message.enterAnswer == Answer::No    ? QMessageBox::No
                                                  : *message.enterAnswer == Answer::Yes ? QMessageBox::Yes
                                                  : *message.enterAnswer == Answer::Ok  ? QMessageBox::Ok
                                                                                        : QMessageBox::Cancel;
        box.setDefaultButton(enter);
    }
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        // Escape on a box without Cancel.
        return message.buttons == MessageButtons::YesNo ? Answer::No : Answer::Cancel;
    }
}

QString QtUserDialogs::openFileName(QWidget* owner, const FileRequest& request)
{
    return QFileDialog::getOpenFileName(owner, request.caption, request.initialPath, request.filter, nullptr,
                                        QFileDialog::DontUseNativeDialog);
}

QString QtUserDialogs::saveFileName(QWidget* owner, const FileRequest& request)
{
    QFileDialog dialog(owner, request.caption, request.initialPath, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

ScriptedUserDialogs::ScriptedUserDialogs()
{
    setUserDialogs(this);
}

ScriptedUserDialogs::~ScriptedUserDialogs()
{
    if (g_installed == this)
        setUserDialogs(nullptr);
}

QStringList ScriptedUserDialogs::texts() const
{
    QStringList out;
    for (const Message& m : m_messages)
        out << m.text;
    return out;
}

Answer ScriptedUserDialogs::message(QWidget*, const Message& message)
{
    m_messages.append(message);
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    return message.enterAnswer ? *message.enterAnswer : defaultAnswer(message.buttons);
}

QString ScriptedUserDialogs::openFileName(QWidget*, const FileRequest& request)
{
    m_fileRequests.append(request);
    return m_fileNames.isEmpty() ? QString() : m_fileNames.takeFirst();
}

QString ScriptedUserDialogs::saveFileName(QWidget*, const FileRequest& request)
{
    m_fileRequests.append(request);
    return m_fileNames.isEmpty() ? QString() : m_fileNames.takeFirst();
}

} // namespace platform
