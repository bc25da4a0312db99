#include "config/editors/frame/DecimalFractionEdit.h"

#include "config/register/Messages.h"
#include "config/register/RegisterCodecs.h"
#include "platform/UserDialogs.h"

namespace quarn {

namespace {
ParseResult parse(const DecimalFormat& f, const QString& text)
{
    switch (f.range) {
    case DecimalFormat::Range::OneDigit:
        return parseDecimalInputOneDigit(text, f.integerDigits, f.fractionDigits, f.divisor, f.extraZeros);
    case DecimalFormat::Range::TwoDigits:
        return parseDecimalInputTwoDigits(text, f.integerDigits, f.fractionDigits, f.divisor, f.extraZeros,
                                          f.offset);
    case DecimalFormat::Range::ThreeDigits:
        return parseDecimalInputThreeDigits(text, f.integerDigits, f.fractionDigits, f.divisor, f.extraZeros);
    }
    return {};
}
} // namespace

DecimalFractionEdit::DecimalFractionEdit(DecimalFormat format, QWidget* parent)
    : FieldEdit(parent), m_format(std::move(format))
{
    setMaxLength(m_format.maxChars);
    setMaximumWidth(fontMetrics().horizontalAdvance(QString(m_format.maxChars + 2, u'0')) + 16);
}

void DecimalFractionEdit::setSteps(int steps)
{
    if (m_format.display) {
        setText(m_format.display(steps));
        return;
    }
    int scale = 1;
    for (int i = 0; i < m_format.fractionDigits; ++i)
        scale *= 10;
    const int value = steps * m_format.divisor;
    if (m_format.fractionDigits == 0) {
        setText(QString::number(value));
        return;
    }
    setText(QStringLiteral("%1,%2")
                .arg(value / scale)
                .arg(value % scale, m_format.fractionDigits, 10, QLatin1Char('0')));
}

bool DecimalFractionEdit::checkInput()
{
    if (text().size() > m_format.maxChars)
        return refuse(tr("Geben Sie nicht mehr als %1 Zeichen ein.").arg(m_format.maxChars));
    return true;
}

std::optional<int> DecimalFractionEdit::steps() const
{
    const ParseResult r = parse(m_format, text());
    if (!r.ok())
        return std::nullopt;
    return m_format.clamp ? m_format.clamp(r.value) : r.value;
}

std::optional<int> DecimalFractionEdit::parseSteps()
{
    const ParseResult r = parse(m_format, text());
    if (r.ok())
        return m_format.clamp ? m_format.clamp(r.value) : r.value;
    // The parser's box has no owner window.
    platform::showMessage(nullptr, msg::captionError(), msg::parseErrorText(r.error),
                          platform::MessageIcon::Exclamation);
    setFocus(Qt::OtherFocusReason);
    return std::nullopt;
}

} // namespace quarn
