#include "cli/UnitCommands.h"

#include "cli/ExitCode.h"
#include "cli/GlobalOptions.h"
#include "cli/PortSetup.h"
#include "config/link/BulkRead.h"
#include "config/link/BulkSend.h"
#include "config/link/CommandFraming.h"
#include "config/link/ConnectExchange.h"
#include "config/link/Disconnect.h"
#include "config/link/LinkMessages.h"
#include "config/register/SettingsFile.h"

using namespace quarn::link;

namespace cli {

namespace {
// Reports a file that could not be read fully; the exit code, or ExitOk when it loaded.
int reportLoad(const quarn::LoadResult& result, QTextStream& err)
{
    if (result.outcome == quarn::LoadOutcome::Unreadable) {
        err << quarn::msg::fileNotRead() << Qt::endl;
        return ExitFile;
    }
    if (result.outcome == quarn::LoadOutcome::LoadedIncomplete)
        err << quarn::msg::fileIncomplete() << Qt::endl;
    return ExitOk;
}
} // namespace

UnitCommands::UnitCommands(PortSetup& setup, const GlobalOptions& options, QTextStream& out, QTextStream& err)
    : m_setup(setup), m_options(options), m_out(out), m_err(err),
      m_progress(err, !options.quiet && ConsoleProgress::stderrIsTerminal())
{}

LinkContext UnitCommands::context()
{
    return LinkContext{m_setup.port(), m_setup.clock(), m_image, m_setup.portName(), m_progress};
}

int UnitCommands::report(const LinkOutcome& outcome)
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

int UnitCommands::connect()
{
    return report(ConnectExchange(context()).run());
}

int UnitCommands::finish(int code)
{
    if (m_options.keepConnected)
        return code;
    const int disconnected = report(Disconnect(context()).execute());
    return code != ExitOk ? code : disconnected;
}

int UnitCommands::info()
{
    const int code = connect();
    if (code != ExitOk)
        return code;
    m_out << "model: " << (m_image.model7k ? "Quarn 7k" : "Quarn 8k") << '\n'
          << "telephone-interface: " << (m_image.telephoneInterface ? "yes" : "no") << '\n'
          << "version: " << QString(m_image.versionText).replace(QLatin1Char('\n'), QLatin1Char(' '))
          << Qt::endl;
    return finish(ExitOk);
}

int UnitCommands::read(const QString& path)
{
    int code = connect();
    if (code != ExitOk)
        return code;
    code = report(BulkRead(context()).execute());
    // A read with missing registers is not saved: the file would not load again.
    if (code == ExitOk && quarn::saveSettingsFile(m_image, path) != quarn::SaveOutcome::Saved) {
        m_err << quarn::msg::fileNotSaved() << Qt::endl;
        code = ExitFile;
    }
    return finish(code);
}

int UnitCommands::write(const QString& path)
{
    const quarn::LoadResult loaded = quarn::loadSettingsFile(m_image, path);
    if (const int code = reportLoad(loaded, m_err); code != ExitOk)
        return code;
    const int code = connect();
    if (code != ExitOk)
        return code;
    // As after "Öffnen" with a unit connected: the file decides which registers go out.
    m_image.telephoneInterface = loaded.withTelephone;
    return finish(report(BulkSend(context()).execute()));
}

int UnitCommands::verify(const QString& path)
{
    quarn::Register file;
    const quarn::LoadResult loaded = quarn::loadSettingsFile(file, path);
    if (const int code = reportLoad(loaded, m_err); code != ExitOk)
        return code;
    int code = connect();
    if (code != ExitOk)
        return code;
    const LinkOutcome read = BulkRead(context()).execute();
    code = report(read);
    if (read.result == LinkResult::Completed || read.result == LinkResult::NotAllRead) {
        bool differ = false;
        for (int n : quarn::Register::numbers(loaded.withTelephone)) {
            if (file.registerText(n) == m_image.registerText(n))
                continue;
            differ = true;
            m_out << framing::registerNumberText(n) << ' ' << file.registerText(n) << ' '
                  << m_image.registerText(n) << '\n';
        }
        m_out.flush();
        if (differ)
            code = ExitFailed;
    }
    return finish(code);
}

int UnitCommands::reset(ResetTarget target)
{
    return report(FactoryReset(context(), target).execute());
}

} // namespace cli
