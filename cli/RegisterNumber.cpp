#include "cli/RegisterNumber.h"

#include "config/register/Register.h"

namespace cli {

int registerNumber(const QString& text, bool withTelephone)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok, 10);
    if (!ok || !quarn::Register::isValidNumber(n))
        return -1;
    if (quarn::Register::isTelephoneNumber(n) && !withTelephone)
        return -1;
    return n;
}

} // namespace cli
