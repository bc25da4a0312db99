#include "config/app/MainControls.h"

#include "config/register/Register.h"

#include <QAction>
#include <QWidget>

namespace quarn {

using link::Exchange;
using link::LinkResult;

MainControls::MainControls(const Widgets& controls, QList<QWidget*> lockedWidgets,
                           QList<QAction*> lockedActions)
    : m_controls(controls), m_lockedWidgets(std::move(lockedWidgets)),
      m_lockedActions(std::move(lockedActions))
{}

bool MainControls::isEnabled(Control c) const
{
    return m_controls[static_cast<std::size_t>(c)]->isEnabled();
}

void MainControls::setEnabled(Control c, bool on)
{
    m_controls[static_cast<std::size_t>(c)]->setEnabled(on);
}

void MainControls::setLocked(bool locked)
{
    for (QWidget* w : m_lockedWidgets)
        w->setEnabled(!locked);
    for (QAction* a : m_lockedActions)
        a->setEnabled(!locked);
}

void MainControls::allOff()
{
    for (std::size_t i = 0; i < ControlCount; ++i) {
        if (static_cast<Control>(i) != Control::Title)
            m_controls[i]->setEnabled(false);
    }
}

void MainControls::beginExchange()
{
    for (std::size_t i = 0; i < ControlCount; ++i)
        m_before[i] = m_controls[i]->isEnabled();
    allOff();
    setLocked(true);
}

void MainControls::telephoneSide(bool telephone)
{
    if (!telephone)
        return;
    setEnabled(Control::TelephoneTree, true);
    setEnabled(Control::ToTelephone, true);
    setEnabled(Control::ToBase, true);
}

void MainControls::onlyOn(std::initializer_list<Control> on)
{
    allOff();
    for (Control c : on)
        setEnabled(c, true);
}

void MainControls::transferDone(bool telephone)
{
    onlyOn({Control::ReadData, Control::SendData, Control::FactoryReset, Control::Connect,
            Control::Disconnect, Control::BaseTree});
    telephoneSide(telephone);
}

void MainControls::endExchange(const link::LinkOutcome& outcome, const Register& image)
{
    for (std::size_t i = 0; i < ControlCount; ++i)
        m_controls[i]->setEnabled(m_before[i]);
    setLocked(false);
    // A connect always leaves a state: connected, or not (whatever was connected before).
    if (!outcome.ran && outcome.exchange != Exchange::Connect)
        return; // nothing happened: everything as before

    const bool telephone = image.telephoneInterface;
    const bool failed = outcome.result == LinkResult::NoReply ||
                        outcome.result == LinkResult::MonitorOutput ||
                        outcome.result == LinkResult::Stopped || outcome.result == LinkResult::WriteFailed;
    switch (outcome.exchange) {
    case Exchange::Connect:
        if (telephone) {
            setEnabled(Control::ToTelephone, true);
            setEnabled(Control::ToBase, true);
        }
        setEnabled(Control::Connect, !image.unitKnown);
        setEnabled(Control::Disconnect, image.unitKnown);
        setEnabled(Control::ReadData, image.unitKnown);
        // Only once the image holds read or loaded settings.
        setEnabled(Control::SendData,
                   image.unitKnown && m_before[static_cast<std::size_t>(Control::BaseTree)]);
        return;
    case Exchange::BulkRead:
        if (failed) {
            // The image is blank: nothing but a new start is of use.
            onlyOn({Control::FactoryReset, Control::Connect});
        } else {
            transferDone(telephone);
        }
        setEnabled(Control::Title, true);
        return;
    case Exchange::BulkSend:
        if (failed) {
            onlyOn({Control::FactoryReset, Control::Connect, Control::BaseTree});
            telephoneSide(telephone);
        } else {
            transferDone(telephone);
        }
        return;
    case Exchange::FactoryReset:
        if (failed) {
            // Nothing reset, or not for sure: the window stays as it was, disconnected.
            setEnabled(Control::Connect, true);
            setEnabled(Control::FactoryReset, true);
            return;
        }
        // The user must connect and read again: the image no longer matches the unit.
        onlyOn({Control::Connect, Control::FactoryReset});
        if (telephone) {
            setEnabled(Control::ToTelephone, true);
            setEnabled(Control::ToBase, true);
        }
        return;
    case Exchange::Disconnect:
        setEnabled(Control::Connect, true);
        setEnabled(Control::Disconnect, false);
        setEnabled(Control::ReadData, false);
        setEnabled(Control::SendData, false);
        return;
    }
}

void MainControls::fileLoaded(const Register& image)
{
    setEnabled(Control::BaseTree, true);
    setEnabled(Control::ToBase, true);
    setEnabled(Control::Title, true);
    if (image.unitKnown)
        setEnabled(Control::SendData, true);
    setEnabled(Control::TelephoneTree, image.telephoneInterface);
    setEnabled(Control::ToTelephone, image.telephoneInterface);
}

void MainControls::serviceAccess()
{
    for (Control c : {Control::BaseTree, Control::TelephoneTree, Control::ToTelephone, Control::ToBase})
        setEnabled(c, true);
}

} // namespace quarn
