#include "displaytexts/app/TekstorControls.h"

#include "displaytexts/app/TextKindPanel.h"

#include <QAction>
#include <QPushButton>

namespace tekstor {

TekstorControls::TekstorControls(const Widgets& widgets) : m_widgets(widgets)
{
    apply();
}

void TekstorControls::beginExchange(std::optional<TextKind> kind)
{
    m_busy = true;
    m_running = kind;
    apply();
}

void TekstorControls::endExchange(bool connected)
{
    m_busy = false;
    m_running.reset();
    m_connected = connected;
    apply();
}

void TekstorControls::setEditable(TextKind kind)
{
    m_editable[static_cast<std::size_t>(kind)] = true;
    apply();
}

void TekstorControls::apply()
{
    const bool idle = !m_busy;
    m_widgets.connect->setEnabled(idle && !m_connected);
    m_widgets.disconnect->setEnabled(idle && m_connected);
    for (TextKind kind : {TextKind::Ids, TextKind::Own, TextKind::Channels}) {
        TextKindPanel* panel = m_widgets.panels[static_cast<std::size_t>(kind)];
        panel->readButton()->setEnabled(idle && m_connected);
        panel->writeButton()->setEnabled(idle && m_connected);
        // While a transfer of this kind runs, its table belongs to the transfer.
        panel->editButton()->setEnabled(m_editable[static_cast<std::size_t>(kind)] && m_running != kind);
    }
    m_widgets.open->setEnabled(idle);
    m_widgets.save->setEnabled(idle);
}

} // namespace tekstor
