#pragma once

#include <QLocale>
#include <QString>

// Windows language identifiers (LANGID): the stored language choice is one of these
// numbers, and a language file is named after the language's three-letter Windows
// abbreviation ("ENU" for U.S. English).
namespace quarn::langid {

// German (Germany): the language of the texts built into the program.
constexpr quint16 ProgramLanguage = 0x0407;
constexpr quint16 SubDefault = 1;

constexpr quint16 primary(quint16 id)
{
    return id & 0x3FF;
}
constexpr quint16 sublanguage(quint16 id)
{
    return id >> 10;
}
constexpr quint16 make(quint16 primaryId, quint16 sub)
{
    return static_cast<quint16>((sub << 10) | primaryId);
}

// The three-letter abbreviation ("DEU", "ENU"); a primary language alone gets that of its
// default sublanguage; empty for a language this program does not know.
QString abbreviation(quint16 id);
// The identifier of a locale: its exact language and territory, else the language with
// its default sublanguage; 0 when unknown.
quint16 ofLocale(const QLocale& locale);
// The locale of an identifier (C locale when unknown).
QLocale localeOf(quint16 id);

} // namespace quarn::langid
