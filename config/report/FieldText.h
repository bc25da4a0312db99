#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

class QWidget;

namespace quarn {

// What a bound control shows to a reader of the settings report, found the way a user reads
// the dialog: the control's own text, the label beside it, or the title of its group.
struct FieldText {
    Q_DECLARE_TR_FUNCTIONS(FieldText)

public:
    QString label;
    QString value;

    // controls: the binding's controls (one, or the buttons of a radio group); dialog: their window.
    static FieldText of(const QList<QWidget*>& controls, const QWidget* dialog);
};

} // namespace quarn
