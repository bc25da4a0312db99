#pragma once

#include <QAnyStringView>
#include <QRadioButton>

namespace quarn {

// A control with the object name tests, the settings report and the fleet index find it by,
// for controls the Binder does not make (its kinds take the name themselves).
template <class W> W* named(W* widget, QAnyStringView name)
{
    widget->setObjectName(name);
    return widget;
}

// A radio button with the object name tests and the settings report find it by.
inline QRadioButton* namedRadio(const QString& text, QAnyStringView name, QWidget* parent)
{
    return named(new QRadioButton(text, parent), name);
}

} // namespace quarn
