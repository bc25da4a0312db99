#include "cli/EnglishTranslation.h"

#include <QCoreApplication>

namespace cli {

EnglishTranslation::~EnglishTranslation()
{
    if (m_installed)
        QCoreApplication::removeTranslator(&m_translator);
}

bool EnglishTranslation::install()
{
    const QString dir = QCoreApplication::applicationDirPath();
    for (const QString& candidate : {dir + QStringLiteral("/Quarn7k8kENU.qm"),
                                     dir + QStringLiteral("/../lib/quarn7k8k/Quarn7k8kENU.qm")}) {
        if (m_translator.load(candidate)) {
            m_installed = QCoreApplication::installTranslator(&m_translator);
            return m_installed;
        }
    }
    return false;
}

} // namespace cli
