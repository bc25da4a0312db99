#pragma once

#include <QList>
#include <functional>

namespace quarn {

// The order in which display languages are tried at start.
class LanguageChoice {
public:
    using TryLanguage = std::function<bool(quint16 id)>;

    // A language L is tried as L, then its primary language alone (when L carries a
    // sublanguage), then the primary language with its default sublanguage (when L was
    // not that already).
    static QList<quint16> attempts(quint16 id);

    // The candidates in order: the stored choice, the user's interface languages, the
    // system's language, the program language. A stored 0 means "none" and is skipped.
    // This platform has one locale per user, so the user's and the system's defaults
    // come from the same place.
    static QList<quint16> candidates(quint16 stored);

    // Tries every attempt of every candidate until one can be used and returns its id;
    // the program language when none can.
    static quint16 choose(const QList<quint16>& candidates, const TryLanguage& tryLanguage);
};

} // namespace quarn
