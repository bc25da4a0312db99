#include "config/link/ReceivedText.h"

namespace quarn::link {

bool ReceivedText::append(std::optional<char> byte)
{
    if (!byte)
        return false;
    const auto value = static_cast<unsigned char>(*byte);
    if (value == 0)
        return false;
    m_text.append(QChar(static_cast<char16_t>(value)));
    return true;
}

} // namespace quarn::link
