#pragma once

#include <QRadioButton>

namespace quarn {

// A radio button with the object name tests and the settings report find it by.
inline QRadioButton* namedRadio(const QString& text, const char* name, QWidget* parent)
{
    auto* b = new QRadioButton(text, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace quarn
