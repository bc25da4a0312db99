#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace platform {

enum class MessageIcon { None, Information, Exclamation, Stop, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct Message {
    QString caption;
    QString text;
    MessageIcon icon = MessageIcon::Exclamation;
    MessageButtons buttons = MessageButtons::Ok;
    // Shown below the text, e.g. why a port could not be opened.
    QString informative;
    // The answer Enter gives; none: Ok, or Yes for questions. A question whose yes loses
    // something names the safe answer here.
    std::optional<Answer> enterAnswer;
};

struct FileRequest {
    QString caption;
    QString filter;        // Qt filter syntax: "Register Quarn 7k/8k (*.rq7k8k)"
    QString defaultSuffix; // without dot
    QString initialPath;
};

// The one seam through which every message box and file dialog is shown, so tests can
// record what a user would see and answer in the user's place.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    virtual Answer message(QWidget* owner, const Message& message) = 0;
    // Empty when the user cancelled.
    virtual QString openFileName(QWidget* owner, const FileRequest& request) = 0;
    // Empty when the user cancelled; asks before overwriting.
    virtual QString saveFileName(QWidget* owner, const FileRequest& request) = 0;
};

// The implementation in use: the Qt one unless a test installed another.
UserDialogs& userDialogs();
// Installs an implementation (not owned); nullptr restores the Qt one.
void setUserDialogs(UserDialogs* dialogs);

// Shorthand for the common boxes.
Answer showMessage(QWidget* owner, const QString& caption, const QString& text,
                   MessageIcon icon = MessageIcon::Exclamation, MessageButtons buttons = MessageButtons::Ok,
                   const QString& informative = {});

class QtUserDialogs final : public UserDialogs {
public:
    Answer message(QWidget* owner, const Message& message) override;
    QString openFileName(QWidget* owner, const FileRequest& request) override;
    QString saveFileName(QWidget* owner, const FileRequest& request) override;
};

// Records every box and answers from queues; without a queued answer a box answers as
// Enter would (its enterAnswer, else Ok, or Yes for questions) and a file dialog is cancelled.
class ScriptedUserDialogs final : public UserDialogs {
public:
    ScriptedUserDialogs();           // installs itself
    ~ScriptedUserDialogs() override; // restores the Qt implementation

    void setNextAnswer(Answer answer) { m_answers.append(answer); }
    void setNextFileName(const QString& name) { m_fileNames.append(name); }

    const QList<Message>& messages() const { return m_messages; }
    QStringList texts() const;
    const Message& last() const { return m_messages.last(); }
    void clear() { m_messages.clear(); }
    const QList<FileRequest>& fileRequests() const { return m_fileRequests; }

    Answer message(QWidget* owner, const Message& message) override;
    QString openFileName(QWidget* owner, const FileRequest& request) override;
    QString saveFileName(QWidget* owner, const FileRequest& request) override;

private:
    QList<Message> m_messages;
    QList<Answer> m_answers;
    QStringList m_fileNames;
    QList<FileRequest> m_fileRequests;
};

} // namespace platform
