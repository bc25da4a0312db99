#include "cli/UnitSession.h"

#include "cli/ExitCode.h"
#include "cli/GlobalOptions.h"
#include "cli/PortSetup.h"
#include "config/link/ConnectExchange.h"
#include "config/link/Disconnect.h"
#include "config/link/LinkMessages.h"

using namespace quarn::link;

namespace cli {

UnitSession::UnitSession(PortSetup& setup, const GlobalOptions& options, QTextStream& err)
    : m_setup(setup), m_options(options), m_err(err),
      m_progress(err, !options.quiet && ConsoleProgress::stderrIsTerminal())
{}

LinkContext UnitSession::context()
{
    return LinkContext{m_setup.port(), m_setup.clock(), m_image, m_setup.portName(), m_progress};
}

int UnitSession::report(const LinkOutcome& outcome)
{
    m_progress.finish();
    const std::optional<quarn::linkmsg::LinkMessage> box = quarn::linkmsg::messageFor(outcome);
    if (box) {
        m_err << box->text << Qt::endl;
        if (!box->informative.isEmpty())
            m_err << box->informative << Qt::endl;
    }
    if (outcome.result == LinkResult::PortNotOpened)
        return ExitPort;
    return outcome.ok() ? ExitOk : ExitFailed;
}

int UnitSession::connect()
{
    return report(ConnectExchange(context()).run());
}

int UnitSession::finish(int code)
{
    if (m_options.keepConnected)
        return code;
    const int disconnected = report(Disconnect(context()).execute());
    return code != ExitOk ? code : disconnected;
}

} // namespace cli
