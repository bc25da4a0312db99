#pragma once

#include "platform/UserDialogs.h"

#include <QString>

namespace tekstor {

// The field-validation message of a number field; the same in both languages.
inline QString integerRangeMessage(int low, int high)
{
    return QStringLiteral("Please enter an integer between %1 and %2.").arg(low).arg(high);
}

// The edit dialogs' refusals come in a box without a caption of its own.
inline void showUncaptioned(QWidget* owner, const QString& text)
{
    platform::showMessage(owner, QString(), text, platform::MessageIcon::Exclamation);
}

} // namespace tekstor
