#include "config/editors/frame/FieldEdit.h"

#include "platform/UserDialogs.h"

namespace quarn {

QString FieldEdit::frameworkCaption()
{
    return QStringLiteral("Quarn7k8k");
}

bool FieldEdit::refuse(const QString& message)
{
    platform::showMessage(window(), frameworkCaption(), message, platform::MessageIcon::Exclamation);
    setFocus(Qt::OtherFocusReason);
    selectAll();
    return false;
}

} // namespace quarn
