#include "cli/UnitSession.h"

#include "cli/Diagnostics.h"
#include "cli/ExitCode.h"
#include "cli/GlobalOptions.h"
#include "cli/Invocation.h"
#include "cli/PortSetup.h"
#include "config/history/UnitHistory.h"
#include "config/link/BulkRead.h"
#include "config/link/BulkSend.h"
#include "config/link/ConnectExchange.h"
#include "config/link/Disconnect.h"
#include "config/link/FactoryReset.h"
#include "config/link/LinkMessages.h"

using namespace quarn::link;

namespace cli {

UnitSession::UnitSession(PortSetup& setup, const Invocation& call)
    : m_setup(setup), m_call(call), m_progress(call.err, call.progressShown())
{}

LinkContext UnitSession::context()
{
    return LinkContext{m_setup.port(), m_setup.clock(), m_image, m_setup.portName(), m_progress};
}

QStringList UnitSession::lineDropped() const
{
    if (m_setup.port().isOpen())
        return {};
    return {
        m_call.diag.pick("Die Leitung zum Gerät ist abgebrochen: Kabel prüfen und den Befehl wiederholen.",
                         "The line to the unit dropped: check the cable and run the command again.")};
}

int UnitSession::report(const LinkOutcome& outcome, QStringList next)
{
    m_progress.finish();
    m_last = outcome.result;
    Diagnostics& diag = m_call.diag;
    const QString port = m_setup.portName();
    switch (outcome.result) {
    case LinkResult::PortNotOpened:
        diag.portError(port, m_setup.port().lastError(), outcome.portDetail);
        return ExitPort;
    case LinkResult::UnitNotKnown:
        diag.noAnswer(port, quarn::linkmsg::noQuarnFound());
        return ExitFailed;
    default:
        break;
    }
    if (const std::optional<quarn::linkmsg::LinkMessage> box = quarn::linkmsg::messageFor(outcome))
        diag.error(port, box->text, next);
    return outcome.ok() ? ExitOk : ExitFailed;
}

int UnitSession::connect()
{
    return report(ConnectExchange(context()).run());
}

int UnitSession::read()
{
    m_progress.setLabel(m_call.diag.pick("Lesen", "Reading"));
    const LinkOutcome outcome = BulkRead(context()).execute();
    const int code = report(outcome, lineDropped());
    if (outcome.ok())
        keepInHistory(quarn::UnitHistory::keepImage(m_image));
    return code;
}

void UnitSession::keepInHistory(const QString& warning) const
{
    // The read stands: a history that cannot be written is only said.
    if (!warning.isEmpty())
        m_call.diag.error(m_call.diag.pick("Verlauf", "history"), warning);
}

int UnitSession::send(const QString& file)
{
    m_progress.setLabel(m_call.diag.pick("Senden", "Sending"));
    const LinkOutcome outcome = BulkSend(context()).execute();
    QStringList next = lineDropped();
    // A register that cannot be sent is found before anything goes out.
    if (!outcome.ok() && outcome.result != LinkResult::InvalidRegister)
        next << m_call.diag
                    .pick("Das Gerät ist möglicherweise nur teilweise programmiert: `quarnctl write %1` "
                          "wiederholen oder mit `quarnctl verify %1` prüfen.",
                          "The unit may be partly programmed: run `quarnctl write %1` again, or compare "
                          "with `quarnctl verify %1`.")
                    .arg(file);
    return report(outcome, next);
}

int UnitSession::factoryReset(bool telephone)
{
    m_progress.setLabel(m_call.diag.pick("Werkseinstellungen", "Factory values"));
    return report(FactoryReset(context(), telephone ? ResetTarget::Telephone : ResetTarget::Base).execute());
}

int UnitSession::finish(int code)
{
    // A line that dropped has nothing left to end.
    if (m_call.options.keepConnected || (code != ExitOk && !m_setup.port().isOpen()))
        return code;
    m_progress.setLabel(m_call.diag.pick("Trennen", "Disconnecting"));
    const LinkOutcome outcome = Disconnect(context()).execute();
    if (code != ExitOk) {
        m_progress.finish();
        return code;
    }
    return report(outcome);
}

} // namespace cli
