#include "config/editors/frame/DigitSource.h"

#include "config/register/Register.h"
#include "config/register/RegisterCodecs.h"

namespace quarn {

int DigitSource::digit(int n, int k) const
{
    const QString t = text(n);
    return k >= 0 && k < t.size() ? hexValueOfCharacter(t.at(k)) : 0;
}

void DigitSource::setDigit(int n, int k, int value)
{
    setCharacter(n, k, hexCharacterOfValue(value));
}

void DigitSource::setCharacters(int n, int first, const QString& characters)
{
    for (int i = 0; i < characters.size(); ++i)
        setCharacter(n, first + i, characters.at(i));
}

QString ImageDigits::text(int n) const
{
    return n >= 0 && n < Register::TableSize ? m_image.registerText(n) : QString();
}

void ImageDigits::setCharacter(int n, int k, QChar c)
{
    if (n < 0 || n >= Register::TableSize)
        return;
    QString& t = m_image.registerText(n);
    if (k >= 0 && k < t.size())
        t[k] = c;
}

void ImageDigits::markModified()
{
    m_image.markModified();
}

void WordDigits::setCharacter(int, int k, QChar c)
{
    if (k >= 0 && k < m_word.size())
        m_word[k] = c;
}

RegisterCopy::RegisterCopy(const Register& image, int first, int count) : m_first(first)
{
    for (int n = first; n < first + count; ++n)
        m_texts.append(n >= 0 && n < Register::TableSize ? image.registerText(n) : QString());
}

void RegisterCopy::writeBack(Register& image) const
{
    for (int i = 0; i < m_texts.size(); ++i) {
        if (m_first + i < Register::TableSize)
            image.registerText(m_first + i) = m_texts.at(i);
    }
    image.markModified();
}

QString RegisterCopy::text(int n) const
{
    return m_texts.value(n - m_first);
}

void RegisterCopy::setCharacter(int n, int k, QChar c)
{
    const int i = n - m_first;
    if (i < 0 || i >= m_texts.size())
        return;
    QString& t = m_texts[i];
    if (k >= 0 && k < t.size())
        t[k] = c;
}

} // namespace quarn
