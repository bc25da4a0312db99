#include "config/editors/frame/IntegerEdit.h"

namespace quarn {

IntegerEdit::IntegerEdit(int minimum, int maximum, QWidget* parent)
    : FieldEdit(parent), m_minimum(minimum), m_maximum(maximum)
{
    // Wide enough for the largest value, not stretched across the dialog.
    setMaximumWidth(
        fontMetrics().horizontalAdvance(QString(qMax(3, QString::number(maximum).size() + 2), u'0')) + 16);
}

void IntegerEdit::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
}

std::optional<int> IntegerEdit::number() const
{
    bool ok = false;
    const int n = text().trimmed().toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return n;
}

void IntegerEdit::setValue(int value)
{
    setText(QString::number(value));
}

bool IntegerEdit::checkInput()
{
    const std::optional<int> n = number();
    if (!n)
        return refuse(tr("Geben Sie eine ganze Zahl ein."));
    if (*n < m_minimum || *n > m_maximum)
        return refuse(tr("Geben Sie eine ganze Zahl zwischen %1 und %2 ein.").arg(m_minimum).arg(m_maximum));
    return true;
}

} // namespace quarn
