#pragma once

#include "displaytexts/texts/Messages.h"
#include "displaytexts/texts/Register.h"

#include <QList>
#include <QString>

namespace tekstor {

// What "… schreiben" changes on the unit: the texts of a kind that differ from what was last
// read from it (or written to it) since the program started.
class WriteReview {
public:
    // How many numbers the question names before "…".
    static constexpr int Named = 5;

    // The numbers among `numbers` whose text in `now` differs from `unit`; own texts beyond
    // either count differ too.
    static QList<int> differing(TextKind kind, const Register& unit, const Register& now,
                                const QList<int>& numbers);
    // "Im Quarn ändern sich 3 Kennungstexte gegenüber dem zuletzt gelesenen Stand: Nr. 5, 17, 230.
    // Jetzt schreiben?"
    static QString question(TextKind kind, const QList<int>& differing, Language language);
};

} // namespace tekstor
