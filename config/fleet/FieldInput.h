#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace quarn::fleet {

// The way back of the report's FieldText: puts a value, as the report shows it, into the
// controls of a binding, as a user would type or pick it. A list, a radio group, a check box or
// a volume takes the state whose text is the value; a text field takes the value as typed, for
// its binding to check when the dialog is confirmed.
class FieldInput {
public:
    // False when no state of the controls shows value.
    static bool show(const QList<QWidget*>& controls, const QWidget* dialog, const QString& value);
};

} // namespace quarn::fleet
