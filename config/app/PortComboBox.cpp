#include "config/app/PortComboBox.h"

namespace quarn {

PortComboBox::PortComboBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(10);
}

void PortComboBox::showPopup()
{
    emit popupAboutToShow();
    QComboBox::showPopup();
    m_popupShown = true;
}

void PortComboBox::hidePopup()
{
    QComboBox::hidePopup();
    // Also called when the box merely hides; only a list the user saw counts.
    if (m_popupShown) {
        m_popupShown = false;
        emit popupHidden();
    }
}

} // namespace quarn
