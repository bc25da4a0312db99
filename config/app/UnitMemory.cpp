#include "config/app/UnitMemory.h"

namespace quarn {

void UnitMemory::remember(const Register& image, const QString& port)
{
    m_image = image;
    m_port = port;
}

void UnitMemory::connected(const Register& image, const QString& port)
{
    if (m_image && !sameUnit(image, port))
        forget();
}

bool UnitMemory::sameUnit(const Register& image, const QString& port) const
{
    return port == m_port && image.versionText == m_image->versionText && image.model7k == m_image->model7k &&
           image.telephoneInterface == m_image->telephoneInterface;
}

} // namespace quarn
