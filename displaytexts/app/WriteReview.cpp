#include "displaytexts/app/WriteReview.h"

#include <QStringList>

namespace tekstor {

QList<int> WriteReview::differing(TextKind kind, const Register& unit, const Register& now,
                                  const QList<int>& numbers)
{
    QList<int> out;
    for (int n : numbers) {
        const bool inUnit = kind != TextKind::Own || n <= unit.lastOwnIndex();
        const bool inNow = kind != TextKind::Own || n <= now.lastOwnIndex();
        if (inUnit != inNow || (inNow && unit.text(kind, n) != now.text(kind, n)))
            out << n;
    }
    return out;
}

QString WriteReview::question(TextKind kind, const QList<int>& differing, Language l)
{
    QStringList named;
    for (int i = 0; i < differing.size() && i < Named; ++i)
        named << QString::number(differing.at(i));
    QString list = named.join(QStringLiteral(", "));
    if (differing.size() > Named)
        list += QStringLiteral(" …");
    const bool one = differing.size() == 1;
    QString what;
    switch (kind) {
    case TextKind::Ids:
        what = one ? msg::pick(l, "Kennungstext", "ID text") : msg::pick(l, "Kennungstexte", "ID texts");
        break;
    case TextKind::Channels:
        what = one ? msg::pick(l, "Kanaltext", "channel text") : msg::pick(l, "Kanaltexte", "channel texts");
        break;
    case TextKind::Own:
        what = one ? msg::pick(l, "eigener Text", "own text") : msg::pick(l, "eigene Texte", "own texts");
        break;
    }
    const QString text =
        one ? msg::pick(l,
                        "Im Quarn ändert sich %1 %2 gegenüber dem zuletzt gelesenen Stand: Nr. %3. Jetzt "
                        "schreiben?",
                        "%1 %2 in the Quarn changes from what was last read: no. %3. Write now?")
            : msg::pick(l,
                        "Im Quarn ändern sich %1 %2 gegenüber dem zuletzt gelesenen Stand: Nr. %3. Jetzt "
                        "schreiben?",
                        "%1 %2 in the Quarn change from what was last read: no. %3. Write now?");
    return text.arg(differing.size()).arg(what, list);
}

} // namespace tekstor
