#pragma once

#include "config/app/LanguageFiles.h"

#include <QList>
#include <QTranslator>
#include <memory>

namespace quarn {

// The display language in use: the program's own German texts, or one language file
// installed as translator of the application.
class DisplayLanguage {
public:
    explicit DisplayLanguage(LanguageFiles files);
    ~DisplayLanguage();
    DisplayLanguage(const DisplayLanguage&) = delete;
    DisplayLanguage& operator=(const DisplayLanguage&) = delete;

    // Tries the candidates in the start-up order and uses the first that works.
    quint16 choose(const QList<quint16>& candidates);
    // Uses language id if possible: the program language always works, any other needs
    // its language file.
    bool tryLanguage(quint16 id);

    quint16 id() const { return m_id; }
    // The language file in use; empty for the program language.
    QString filePath() const { return m_filePath; }
    const LanguageFiles& files() const { return m_files; }

private:
    void release();
    void installToolkitTexts(const QString& localeName);

    LanguageFiles m_files;
    std::unique_ptr<QTranslator> m_translator;
    std::unique_ptr<QTranslator> m_toolkit; // button texts of the standard boxes
    quint16 m_id = 0;
    QString m_filePath;
};

} // namespace quarn
