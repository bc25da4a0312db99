#pragma once

#include "displaytexts/link/TextConnect.h"
#include "displaytexts/link/TextProgram.h"
#include "displaytexts/link/TextRead.h"
#include "displaytexts/texts/Messages.h"

#include <QString>

namespace tekstor {

// What the user is told after an exchange: the window shows it in a message box,
// quarnctl texts prints its English text. One place, so both say the same.
struct OutcomeMessage {
    enum class Kind {
        Silent,      // nothing to say (a read that worked, a stopped transfer)
        Information, // a plain note without caption
        Error,       // the exchange failed
    };
    Kind kind = Kind::Silent;
    QString caption;
    QString text;
    bool portFailed = false; // the port could not be used: the port's own detail belongs to it

    bool failed() const { return kind == Kind::Error; }
};

class OutcomeText {
public:
    static OutcomeMessage connect(const ConnectResult& result, Language language);
    static OutcomeMessage read(const ReadResult& result, Language language);
    static OutcomeMessage program(TextKind kind, const ProgramResult& result, Language language);
};

} // namespace tekstor
