#include "config/app/DisplayLanguage.h"

#include "config/app/LanguageChoice.h"
#include "config/app/WindowsLanguageId.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>

namespace quarn {

DisplayLanguage::DisplayLanguage(LanguageFiles files) : m_files(std::move(files)) {}

DisplayLanguage::~DisplayLanguage()
{
    release();
}

quint16 DisplayLanguage::choose(const QList<quint16>& candidates)
{
    return LanguageChoice::choose(candidates, [this](quint16 id) { return tryLanguage(id); });
}

bool DisplayLanguage::tryLanguage(quint16 id)
{
    if (id == langid::ProgramLanguage) {
        release();
        m_id = id;
        m_filePath.clear();
        installToolkitTexts(QStringLiteral("de"));
        return true;
    }
    const QString path = m_files.pathFor(id);
    if (path.isEmpty() || !QFileInfo::exists(path))
        return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(path))
        return false;
    release();
    m_translator = std::move(translator);
    QCoreApplication::installTranslator(m_translator.get());
    m_id = id;
    m_filePath = path;
    installToolkitTexts(langid::localeOf(id).name().section(QLatin1Char('_'), 0, 0));
    return true;
}

void DisplayLanguage::release()
{
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
    if (m_toolkit)
        QCoreApplication::removeTranslator(m_toolkit.get());
    m_translator.reset();
    m_toolkit.reset();
}

void DisplayLanguage::installToolkitTexts(const QString& language)
{
    // Optional: without the toolkit's own translations the standard buttons read "Yes"/"No".
    auto toolkit = std::make_unique<QTranslator>();
    if (toolkit->load(QStringLiteral("qtbase_") + language,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        m_toolkit = std::move(toolkit);
        QCoreApplication::installTranslator(m_toolkit.get());
    }
}

} // namespace quarn
