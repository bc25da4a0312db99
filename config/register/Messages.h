#pragma once

#include <QCoreApplication>
#include <QString>

#include "config/register/RegisterCodecs.h"
#include "config/register/SettingsFile.h"

// The user-visible texts of the register layer, written once. The layer itself shows
// nothing; the window layer puts these into message boxes.
namespace quarn::msg {

// Every text below is translated in the context "Messages", where the language file has it.
struct Messages {
    Q_DECLARE_TR_FUNCTIONS(Messages)
};

inline QString captionError()
{
    return Messages::tr("Fehler");
}
inline QString captionWarning()
{
    return Messages::tr("Warnhinweis!");
}
inline QString fileNotRead()
{
    return Messages::tr("Datei konnte nicht gelesen werden.");
}
inline QString fileNotSaved()
{
    return Messages::tr("Datei konnte nicht gespeichert werden.");
}
inline QString fileIncomplete()
{
    return Messages::tr("Nicht alle Register konnten aus Datei gelesen werden.");
}
inline QString notDecimal()
{
    return Messages::tr("Bitte geben Sie eine Dezimalzahl ein!");
}
inline QString valueOutOfRange()
{
    return Messages::tr("Ein eingegebener Wert ist zu hoch/niedrig.");
}
// Internal checks of the bit-string conversion; they cannot occur for hex digits.
inline QString bitStringNotReceived()
{
    return Messages::tr("Kein str8bit erhalten!");
}
inline QString bitStringNotBuilt()
{
    return Messages::tr("Fehler bei Erstellung von str8bit!");
}
inline QString bitStringValueTooLarge()
{
    return Messages::tr("Errechneter Reg-Wert zu groß!");
}

// The message (caption "Fehler", exclamation icon) for a save; empty when it worked.
inline QString saveMessage(SaveOutcome outcome)
{
    return outcome == SaveOutcome::Failed ? fileNotSaved() : QString();
}
inline QString firstInvalidLine(int line)
{
    return Messages::tr("Erste fehlerhafte Zeile: %1.").arg(line);
}
// The message for a load; empty when every register was read.
inline QString loadMessage(LoadOutcome outcome)
{
    switch (outcome) {
    case LoadOutcome::Unreadable:
        return fileNotRead();
    case LoadOutcome::LoadedIncomplete:
        return fileIncomplete();
    case LoadOutcome::Loaded:
        break;
    }
    return {};
}
// The same, naming the first line that could not be read: the one message of a settings file
// for the window and every quarnctl command.
inline QString loadMessage(const LoadResult& result)
{
    QString text = loadMessage(result.outcome);
    if (result.outcome == LoadOutcome::LoadedIncomplete && result.firstInvalidLine > 0)
        text += QLatin1Char(' ') + firstInvalidLine(result.firstInvalidLine);
    return text;
}

// The single-register editor (and quarnctl set): a register number the image does not have.
inline QString invalidRegisterNumber(bool withTelephone)
{
    if (withTelephone)
        return Messages::tr("Bitte geben Sie eine gültige Registernummer ein!") + QLatin1Char('\n') +
               Messages::tr(" (0-199 , 300-499 , 600-799)");
    return Messages::tr("Bitte geben Sie eine Zahl zwischen 0 und 199 ein!");
}
// ... and digits that are not all hex digits.
inline QString onlyHexDigits()
{
    return Messages::tr("Nur hexadezimale Zahlen (0-F) können in die Registerstellen programmiert werden!");
}
// The message a failed parse shows; empty for success.
inline QString parseErrorText(ParseError error)
{
    switch (error) {
    case ParseError::OutOfRange:
        return valueOutOfRange();
    case ParseError::NotDecimal:
        return notDecimal();
    case ParseError::None:
        break;
    }
    return {};
}

} // namespace quarn::msg
