#include "config/app/WindowsLanguageId.h"

#include <array>

namespace quarn::langid {

namespace {
struct Entry {
    quint16 id;
    const char* abbreviation;
    const char* locale;
};

// The default sublanguage of each primary language comes first.
constexpr std::array<Entry, 37> kTable{{
    {0x0405, "CSY", "cs_CZ"}, {0x0406, "DAN", "da_DK"}, {0x0407, "DEU", "de_DE"}, {0x0807, "DES", "de_CH"},
    {0x0C07, "DEA", "de_AT"}, {0x0408, "ELL", "el_GR"}, {0x0409, "ENU", "en_US"}, {0x0809, "ENG", "en_GB"},
    {0x0C09, "ENA", "en_AU"}, {0x1009, "ENC", "en_CA"}, {0x040A, "ESP", "es_ES"}, {0x080A, "ESM", "es_MX"},
    {0x0C0A, "ESN", "es_ES"}, {0x040B, "FIN", "fi_FI"}, {0x040C, "FRA", "fr_FR"}, {0x080C, "FRB", "fr_BE"},
    {0x100C, "FRS", "fr_CH"}, {0x040E, "HUN", "hu_HU"}, {0x0410, "ITA", "it_IT"}, {0x0411, "JPN", "ja_JP"},
    {0x0412, "KOR", "ko_KR"}, {0x0413, "NLD", "nl_NL"}, {0x0813, "NLB", "nl_BE"}, {0x0414, "NOR", "nb_NO"},
    {0x0415, "PLK", "pl_PL"}, {0x0416, "PTB", "pt_BR"}, {0x0816, "PTG", "pt_PT"}, {0x0418, "ROM", "ro_RO"},
    {0x0419, "RUS", "ru_RU"}, {0x041A, "HRV", "hr_HR"}, {0x041B, "SKY", "sk_SK"}, {0x041D, "SVE", "sv_SE"},
    {0x041F, "TRK", "tr_TR"}, {0x0422, "UKR", "uk_UA"}, {0x0424, "SLV", "sl_SI"}, {0x0804, "CHS", "zh_CN"},
    {0x0404, "CHT", "zh_TW"},
}};

const Entry* find(quint16 id)
{
    for (const Entry& e : kTable) {
        if (e.id == id)
            return &e;
    }
    return nullptr;
}
} // namespace

QString abbreviation(quint16 id)
{
    if (sublanguage(id) == 0)
        id = make(primary(id), SubDefault);
    const Entry* e = find(id);
    return e ? QString::fromLatin1(e->abbreviation) : QString();
}

quint16 ofLocale(const QLocale& locale)
{
    if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage)
        return 0;
    for (const Entry& e : kTable) {
        const QLocale l(QString::fromLatin1(e.locale));
        if (l.language() == locale.language() && l.territory() == locale.territory())
            return e.id;
    }
    for (const Entry& e : kTable) {
        if (QLocale(QString::fromLatin1(e.locale)).language() == locale.language())
            return e.id; // first entry of a language is its default sublanguage
    }
    return 0;
}

QLocale localeOf(quint16 id)
{
    if (sublanguage(id) == 0)
        id = make(primary(id), SubDefault);
    const Entry* e = find(id);
    return e ? QLocale(QString::fromLatin1(e->locale)) : QLocale::c();
}

} // namespace quarn::langid
