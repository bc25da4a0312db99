#pragma once

#include <QTranslator>

namespace cli {

// The configuration program's English language file, installed for one run of quarnctl so
// that the link's and the register layer's messages and the settings report speak English.
class EnglishTranslation {
public:
    EnglishTranslation() = default;
    ~EnglishTranslation();
    EnglishTranslation(const EnglishTranslation&) = delete;
    EnglishTranslation& operator=(const EnglishTranslation&) = delete;

    // False when the file is found neither beside the program nor where the package puts it.
    bool install();

private:
    QTranslator m_translator;
    bool m_installed = false;
};

} // namespace cli
