#include "config/app/LanguageFiles.h"

#include "config/app/WindowsLanguageId.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTranslator>

namespace quarn {

namespace {
QString nativeNameOf(quint16 id)
{
    const QLocale locale = langid::localeOf(id);
    // The language's own name without its country ("English", not "American English"), as
    // Tekstor's language menu names it.
    const QLocale withoutCountry(locale.language(), QLocale::World);
    QString name =
        (withoutCountry.language() == locale.language() ? withoutCountry : locale).nativeLanguageName();
    if (name.isEmpty())
        name = QLocale::languageToString(locale.language());
    if (name.isEmpty() || locale.language() == QLocale::C)
        name = QStringLiteral("%1 - ???").arg(id);
    return name;
}
} // namespace

LanguageFiles::LanguageFiles(QString directory, QString baseName)
    : m_directory(std::move(directory)), m_baseName(std::move(baseName))
{}

LanguageFiles LanguageFiles::besideExecutable()
{
    const QFileInfo exe(QCoreApplication::applicationFilePath());
    return LanguageFiles(exe.absolutePath(), exe.completeBaseName());
}

QString LanguageFiles::pathFor(quint16 id) const
{
    const QString abbreviation = langid::abbreviation(id);
    if (abbreviation.isEmpty())
        return {};
    return QDir(m_directory).filePath(m_baseName + abbreviation + QStringLiteral(".qm"));
}

QList<LanguageFile> LanguageFiles::found() const
{
    QList<LanguageFile> out;
    const QDir dir(m_directory);
    const QStringList names = dir.entryList({m_baseName + QStringLiteral("???.qm")}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        QTranslator translator;
        const QString path = dir.filePath(name);
        if (!translator.load(path) || translator.language().isEmpty())
            continue; // a file that does not name its language is skipped
        const quint16 id = langid::ofLocale(QLocale(translator.language()));
        if (id == 0)
            continue;
        out << LanguageFile{id, path, nativeNameOf(id)};
    }
    return out;
}

LanguageFile LanguageFiles::programLanguage()
{
    return LanguageFile{langid::ProgramLanguage, QString(), nativeNameOf(langid::ProgramLanguage)};
}

} // namespace quarn
