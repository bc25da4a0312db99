#include "config/app/LanguageChoice.h"

#include "config/app/WindowsLanguageId.h"

#include <QLocale>

namespace quarn {

QList<quint16> LanguageChoice::attempts(quint16 id)
{
    QList<quint16> out{id};
    const quint16 primary = langid::primary(id);
    if (langid::sublanguage(id) != 0)
        out << primary;
    if (langid::sublanguage(id) != langid::SubDefault)
        out << langid::make(primary, langid::SubDefault);
    return out;
}

QList<quint16> LanguageChoice::candidates(quint16 stored)
{
    QList<quint16> out;
    if (stored != 0)
        out << stored;
    const QLocale system = QLocale::system();
    for (const QString& name : system.uiLanguages()) {
        const quint16 id = langid::ofLocale(QLocale(name));
        if (id != 0 && !out.contains(id))
            out << id;
    }
    const quint16 systemId = langid::ofLocale(system);
    if (systemId != 0 && !out.contains(systemId))
        out << systemId;
    out << langid::ProgramLanguage;
    return out;
}

quint16 LanguageChoice::choose(const QList<quint16>& candidates, const TryLanguage& tryLanguage)
{
    for (quint16 candidate : candidates) {
        if (candidate == 0)
            continue;
        for (quint16 id : attempts(candidate)) {
            if (tryLanguage(id))
                return id;
        }
    }
    tryLanguage(langid::ProgramLanguage);
    return langid::ProgramLanguage;
}

} // namespace quarn
