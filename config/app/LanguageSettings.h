#pragma once

#include <QString>

namespace quarn {

// The one persisted setting of the program: the chosen display language, as the Windows
// language identifier "LanguageId" under the program's own settings key.
class LanguageSettings {
public:
    static inline const QString Organisation =
        QStringLiteral("Vom lokalen Anwendungs-Assistenten generierte Anwendungen");
    static inline const QString Application = QStringLiteral("Quarn7k8k");
    static inline const QString Key = QStringLiteral("LanguageId");

    // 0 when nothing (or nothing usable) is stored.
    static quint16 stored();
    static void store(quint16 id);
};

} // namespace quarn
