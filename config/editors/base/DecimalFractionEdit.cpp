#include "DecimalFractionEdit.h"

#include "Messages.h"
#include "RegisterCodecs.h"
#include "UserDialogs.h"

namespace quarn {

DecimalFractionEdit::DecimalFractionEdit(int maxChars, int fractionDigits, int divisor, QWidget* parent)
    : FieldEdit(parent), m_maxChars(maxChars), m_fractionDigits(fractionDigits), m_divisor(divisor)
{
    setMaxLength(maxChars);
    setMaximumWidth(fontMetrics().horizontalAdvance(QString(maxChars + 2, u'0')) + 16);
}

void DecimalFractionEdit::setDigit(int digit)
{
    int scale = 1;
    for (int i = 0; i < m_fractionDigits; ++i)
        scale *= 10;
    const int steps = digit * m_divisor;
    if (m_fractionDigits == 0) {
        setText(QString::number(steps));
        return;
    }
    setText(QStringLiteral("%1,%2")
                .arg(steps / scale)
                .arg(steps % scale, m_fractionDigits, 10, QLatin1Char('0')));
}

bool DecimalFractionEdit::checkInput()
{
    if (text().size() > m_maxChars)
        return refuse(tr("Geben Sie nicht mehr als %1 Zeichen ein.").arg(m_maxChars));
    return true;
}

std::optional<int> DecimalFractionEdit::parseDigit()
{
    const ParseResult r = parseDecimalInputOneDigit(text(), 1, m_fractionDigits, m_divisor, 0);
    if (r.ok())
        return r.value;
    // The parser's box has no owner window.
    platform::showMessage(nullptr, msg::captionError(), msg::parseErrorText(r.error),
                          platform::MessageIcon::Exclamation);
    setFocus(Qt::OtherFocusReason);
    return std::nullopt;
}

} // namespace quarn
