#pragma once

#include "displaytexts/texts/BilingualText.h"

#include <QList>
#include <QPointer>
#include <functional>

class QAbstractButton;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;

namespace tekstor {

// Every caption of a window with its German and English text, so a change of language
// relabels all of them at once.
class CaptionSet {
public:
    QAbstractButton* add(QAbstractButton* button, BilingualText text);
    QLabel* add(QLabel* label, BilingualText text);
    QGroupBox* add(QGroupBox* box, BilingualText text);
    QAction* add(QAction* action, BilingualText text);
    QMenu* add(QMenu* menu, BilingualText text);

    void apply(Language language) const;

private:
    template <typename T> void remember(T* object, BilingualText text, void (*set)(T*, const QString&));

    QList<std::function<void(Language)>> m_setters;
};

} // namespace tekstor
