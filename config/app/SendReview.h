#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;

namespace quarn {

// Shown before "Daten senden": what will change on the unit, by setting name, old → new; or,
// while the unit's contents are not known, the offer to read them first. The user sends or
// goes back; the check box says whether it shows again.
class SendReview final : public QDialog {
    Q_OBJECT
public:
    enum class Choice { Back, Send, ReadFirst };

    // changes: the lines of the diff by setting; unitKnown false: nothing was read yet.
    SendReview(const QStringList& changes, bool unitKnown, QWidget* parent = nullptr);

    Choice choice() const { return m_choice; }
    bool alwaysShow() const;

    // "Vor dem Senden immer anzeigen", stored with the program's settings; on by default.
    static bool enabled();
    static void setEnabled(bool on);

private:
    void choose(Choice choice);

    Choice m_choice = Choice::Back;
    QCheckBox* m_alwaysShow = nullptr;
};

} // namespace quarn
