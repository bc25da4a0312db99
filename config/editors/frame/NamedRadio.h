#pragma once

#include <QRadioButton>

namespace quarn {

// A control with the object name tests find it by.
template <class W> W* named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A radio button with the object name tests and the settings report find it by.
inline QRadioButton* namedRadio(const QString& text, const char* name, QWidget* parent)
{
    auto* b = new QRadioButton(text, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace quarn
