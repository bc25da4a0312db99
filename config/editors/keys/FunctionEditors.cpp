#include "config/editors/keys/FunctionEditors.h"

#include "config/editors/keys/EINTON.h"
#include "config/editors/keys/EXTEINGAENGE.h"
#include "config/editors/keys/KANSCHALT.h"
#include "config/editors/keys/KENNDECODER.h"
#include "config/editors/keys/LAUTSTAERKE.h"
#include "config/editors/keys/MODEFUNC.h"
#include "config/editors/keys/PTT.h"
#include "config/editors/keys/RUF.h"
#include "config/editors/keys/RUFTONEINGABE.h"
#include "config/editors/keys/STATUS.h"
#include "config/editors/keys/TELKWSpeicher.h"
#include "config/editors/keys/TELRufnummer.h"
#include "config/editors/keys/TELefonstatus.h"

#include "config/register/RegisterCodecs.h"

#include <QCoreApplication>

#include <memory>

namespace quarn {

namespace {
template <class Editor> FunctionEditors::Factory make()
{
    return [](QWidget* parent, QString& word) -> QDialog* { return new Editor(parent, word); };
}
} // namespace

const QList<FunctionEditors::Entry>& FunctionEditors::entries()
{
    using M = FunctionMode;
    static const QList<Entry> all = {
        {0, M::Normal, QT_TRANSLATE_NOOP("FktAuswahl", "0: keine Funktion"), {}},
        {1, M::Normal, QT_TRANSLATE_NOOP("FktAuswahl", "1: Einton senden"), make<EINTON>()},
        {2, M::Normal, QT_TRANSLATE_NOOP("FktAuswahl", "2: Ruf senden"), make<RUF>()},
        {3, M::Normal, QT_TRANSLATE_NOOP("FktAuswahl", "3: PTT"), make<PTT>()},
        {4, M::Normal, QT_TRANSLATE_NOOP("FktAuswahl", "4: Lautstärke"), make<LAUTSTAERKE>()},
        {5, M::Normal, QT_TRANSLATE_NOOP("FktAuswahl", "5: Kanalwahl / Schaltausgänge"), make<KANSCHALT>()},
        {6, M::Normal, QT_TRANSLATE_NOOP("FktAuswahl", "6: Kennungsspeicher / Decoder"), make<KENNDECODER>()},
        {6, M::Telephone, QT_TRANSLATE_NOOP("FktAuswahl", "6: Kurzwahlspeicher"), make<TELKWSpeicher>()},
        {7, M::Normal, QT_TRANSLATE_NOOP("FktAuswahl", "7: Ruftoneingabe"), make<RUFTONEINGABE>()},
        {7, M::Telephone, QT_TRANSLATE_NOOP("FktAuswahl", "7: Rufnummerneingabe"), make<TELRufnummer>()},
        {8, M::Normal, QT_TRANSLATE_NOOP("FktAuswahl", "8: Statuseingabe"), make<STATUS>()},
        {8, M::Telephone, QT_TRANSLATE_NOOP("FktAuswahl", "8: Telefonstatuseingabe"), make<TELefonstatus>()},
        {9, M::Normal, QT_TRANSLATE_NOOP("FktAuswahl", "9: ext. Eingänge"), make<EXTEINGAENGE>()},
        {11, M::Normal, QT_TRANSLATE_NOOP("FktAuswahl", "B: Modefunktionen"), make<MODEFUNC>()},
    };
    return all;
}

const QList<int>& FunctionEditors::offeredCodes()
{
    static const QList<int> codes = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11};
    return codes;
}

const FunctionEditors::Entry* FunctionEditors::find(int code, FunctionMode mode)
{
    const Entry* normal = nullptr;
    for (const Entry& e : entries()) {
        if (e.code != code)
            continue;
        if (e.mode == mode)
            return &e;
        if (e.mode == FunctionMode::Normal)
            normal = &e;
    }
    return normal;
}

QString FunctionEditors::listText(int code, FunctionMode mode)
{
    const Entry* e = find(code, mode);
    return e ? QCoreApplication::translate("FktAuswahl", e->listText) : QString();
}

QDialog* FunctionEditors::create(int code, FunctionMode mode, QWidget* parent, QString& word)
{
    const Entry* e = find(code, mode);
    return e && e->create ? e->create(parent, word) : nullptr;
}

SettingsDialog::Page FunctionEditors::page(const QString& label, int reg, const QString& word,
                                           FunctionMode mode)
{
    SettingsDialog::Page out{label, {{reg, 0, 8}}, word};
    const Entry* e =
        word.size() == 8 && isHexText(word) ? find(hexValueOfCharacter(word.at(0)), mode) : nullptr;
    if (!e)
        return out;
    // "2: Ruf senden" without its code.
    out.name = listText(e->code, mode).section(QStringLiteral(": "), 1);
    if (e->create) {
        auto copy = std::make_shared<QString>(word);
        out.dialog = [create = e->create, copy]() -> SettingsDialog* {
            return dynamic_cast<SettingsDialog*>(create(nullptr, *copy));
        };
    }
    return out;
}

} // namespace quarn
