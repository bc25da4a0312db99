#include "config/app/LanguageSettings.h"

#include <QSettings>

namespace quarn {

quint16 LanguageSettings::stored()
{
    const QSettings settings(Organisation, Application);
    bool ok = false;
    const uint id = settings.value(Key).toUInt(&ok);
    return ok && id <= 0xFFFF ? static_cast<quint16>(id) : 0;
}

void LanguageSettings::store(quint16 id)
{
    QSettings settings(Organisation, Application);
    settings.setValue(Key, static_cast<uint>(id));
}

} // namespace quarn
