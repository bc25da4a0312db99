#pragma once

#include <QLineEdit>

namespace quarn {

// An edit field that the dialog frame checks before anything is written: on failure it has
// shown the framework's message, holds the focus, and the dialog stays open.
class FieldEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
    virtual bool checkInput() = 0;

    // Caption of the framework's own messages (the program's title).
    static QString frameworkCaption();

protected:
    bool refuse(const QString& message);
};

} // namespace quarn
