#include "config/register/Register.h"

#include "config/register/RegisterCodecs.h"

namespace quarn {

namespace {
const QString kBlankRegister(Register::DigitCount, QLatin1Char(' '));
}

Register::Register()
{
    resetImage();
}

bool Register::isValidNumber(int n)
{
    return (n >= 0 && n <= 199) || (n >= 300 && n <= 499) || (n >= 600 && n <= 799);
}

bool Register::isTelephoneNumber(int n)
{
    return (n >= 300 && n <= 499) || (n >= 600 && n <= 799);
}

QList<int> Register::numbers(bool withTelephone)
{
    QList<int> out;
    out.reserve(withTelephone ? 600 : 200);
    for (int n = 0; n < 200; ++n)
        out.append(n);
    if (withTelephone) {
        for (int n = 300; n < 500; ++n)
            out.append(n);
        for (int n = 600; n < 800; ++n)
            out.append(n);
    }
    return out;
}

int Register::digit(int n, int k) const
{
    if (n < 0 || n >= TableSize)
        return 0;
    const QString& text = registerText(n);
    if (k < 0 || k >= text.size())
        return 0;
    return hexValueOfCharacter(text.at(k));
}

void Register::setDigit(int n, int k, int value)
{
    if (n < 0 || n >= TableSize)
        return;
    QString& text = registerText(n);
    if (k >= 0 && k < text.size())
        text[k] = hexCharacterOfValue(value);
}

void Register::resetImage()
{
    m_table.fill(kBlankRegister);
    filePath.clear();
    modified = false;
}

} // namespace quarn
