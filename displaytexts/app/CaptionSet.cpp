#include "displaytexts/app/CaptionSet.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

namespace tekstor {

template <typename T>
void CaptionSet::remember(T* object, BilingualText text, void (*set)(T*, const QString&))
{
    QPointer<T> guarded = object;
    m_setters.append([guarded, text, set](Language language) {
        if (guarded)
            set(guarded, text.in(language));
    });
}

QAbstractButton* CaptionSet::add(QAbstractButton* button, BilingualText text)
{
    remember<QAbstractButton>(button, text, [](QAbstractButton* b, const QString& s) { b->setText(s); });
    return button;
}

QLabel* CaptionSet::add(QLabel* label, BilingualText text)
{
    remember<QLabel>(label, text, [](QLabel* l, const QString& s) { l->setText(s); });
    return label;
}

QGroupBox* CaptionSet::add(QGroupBox* box, BilingualText text)
{
    remember<QGroupBox>(box, text, [](QGroupBox* g, const QString& s) { g->setTitle(s); });
    return box;
}

QAction* CaptionSet::add(QAction* action, BilingualText text)
{
    remember<QAction>(action, text, [](QAction* a, const QString& s) { a->setText(s); });
    return action;
}

QMenu* CaptionSet::add(QMenu* menu, BilingualText text)
{
    remember<QMenu>(menu, text, [](QMenu* m, const QString& s) { m->setTitle(s); });
    return menu;
}

void CaptionSet::apply(Language language) const
{
    for (const auto& set : m_setters)
        set(language);
}

} // namespace tekstor
