#include "displaytexts/link/TextCommands.h"

#include "displaytexts/texts/UnitCodes.h"

namespace tekstor {

namespace {
QByteArray prefix(TextKind kind, char reading)
{
    const char letter = kind == TextKind::Ids ? 'K' : kind == TextKind::Channels ? 'C' : 'T';
    return QByteArray("$") + reading + letter;
}
} // namespace

QByteArray startCommand()
{
    return QByteArrayLiteral("$PROGSTART\r");
}

QByteArray endCommand()
{
    return QByteArrayLiteral("$PROGENDE\r");
}

QByteArray filler()
{
    return QByteArray("\r") + QByteArray(30, ' ');
}

QByteArray ownTextCountCommand()
{
    return QByteArrayLiteral("$RT9999") + filler();
}

QByteArray threeDigits(int number)
{
    return QByteArray::number(number).rightJustified(3, '0');
}

QByteArray readCommand(TextKind kind, int number, char language)
{
    QByteArray command = prefix(kind, 'R');
    if (kind == TextKind::Own)
        command.append(language);
    return command + threeDigits(number) + filler();
}

QByteArray programCommand(TextKind kind, int number, const QByteArray& text)
{
    return prefix(kind, 'P') + threeDigits(number) + toUnitCodes(text) + '\r';
}

QByteArray programEndCommand(TextKind kind)
{
    return prefix(kind, 'P') + '\r';
}

char languageCharacter(int listIndex)
{
    return listIndex >= 0 && listIndex < LanguageListSize - 1 ? char('0' + listIndex) : 'F';
}

} // namespace tekstor
