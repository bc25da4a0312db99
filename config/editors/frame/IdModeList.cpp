#include "config/editors/frame/IdModeList.h"

#include <QCoreApplication>

namespace quarn {

namespace {
QString trMode(const QString& source)
{
    return QCoreApplication::translate("IdModeList", source.toUtf8().constData());
}
} // namespace

IdModeList::IdModeList(QStringList sourceTexts, QList<int> digits)
    : m_sourceTexts(std::move(sourceTexts)), m_digits(std::move(digits))
{}

const IdModeList& IdModeList::sending()
{
    static const IdModeList list(
        {QT_TRANSLATE_NOOP("IdModeList", "5-Tonfolge"),
         QT_TRANSLATE_NOOP("IdModeList", "Doppelsequenz Ruf, Kennung (X-Tonfolge)"),
         QT_TRANSLATE_NOOP("IdModeList", "Doppelsequenz Kennung, Ruf (X-Tonfolge)"),
         QT_TRANSLATE_NOOP("IdModeList", "6-Tonfolge"), QT_TRANSLATE_NOOP("IdModeList", "7-Tonfolge"),
         QT_TRANSLATE_NOOP("IdModeList", "8-Tonfolge"), QT_TRANSLATE_NOOP("IdModeList", "4-Tonfolge"),
         QT_TRANSLATE_NOOP("IdModeList", "X-Tonfolge"),
         QT_TRANSLATE_NOOP("IdModeList", "wie bei Taste programmiert")},
        {0, 1, 2, 3, 4, 5, 8, 9, 15});
    return list;
}

const IdModeList& IdModeList::decoders()
{
    static const IdModeList list(
        {QT_TRANSLATE_NOOP("IdModeList", "5-Tonfolge"),
         QT_TRANSLATE_NOOP("IdModeList", "Doppelsequenz Ruf, Kennung (X-Tonfolge)"),
         QT_TRANSLATE_NOOP("IdModeList", "Doppelsequenz Kennung, Ruf (X-Tonfolge)"),
         QT_TRANSLATE_NOOP("IdModeList", "6-Tonfolge"), QT_TRANSLATE_NOOP("IdModeList", "7-Tonfolge"),
         QT_TRANSLATE_NOOP("IdModeList", "8-Tonfolge"),
         QT_TRANSLATE_NOOP("IdModeList", "X-Tonfolge ohne Kennung"),
         QT_TRANSLATE_NOOP("IdModeList", "5-Tonfolge ohne Kennung"),
         QT_TRANSLATE_NOOP("IdModeList", "4-Tonfolge"), QT_TRANSLATE_NOOP("IdModeList", "X-Tonfolge"),
         QT_TRANSLATE_NOOP("IdModeList", "Notruf 5-Tonfolge"),
         QT_TRANSLATE_NOOP("IdModeList", "Notruf 5-Tonfolge ZVEI"),
         QT_TRANSLATE_NOOP("IdModeList", "Notruf 6-Tonfolge NL"),
         QT_TRANSLATE_NOOP("IdModeList", "Notruf 2x5-Tonfolge (Forstfunk)")},
        {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
    return list;
}

const IdModeList& IdModeList::ffskEmergency()
{
    static const IdModeList list({QT_TRANSLATE_NOOP("IdModeList", "nur Ruf(5-Tonfolge)"),
                                  QT_TRANSLATE_NOOP("IdModeList", "Doppelsequenz Ruf, Kennung")},
                                 {0, 1});
    return list;
}

QStringList IdModeList::texts() const
{
    QStringList out;
    for (const QString& s : m_sourceTexts)
        out << trMode(s);
    return out;
}

int IdModeList::digitOfPosition(int position) const
{
    if (position < 0 || position >= m_digits.size())
        return 15;
    return m_digits.at(position);
}

int IdModeList::positionOfDigit(int digit) const
{
    return static_cast<int>(m_digits.indexOf(digit));
}

} // namespace quarn
