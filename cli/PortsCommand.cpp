#include "cli/PortsCommand.h"

#include "cli/ExitCode.h"
#include "cli/Invocation.h"
#include "platform/PortList.h"

namespace cli {

int PortsCommand::run(Invocation& call) const
{
    if (!call.args.isEmpty())
        return call.usageError(QStringLiteral("ports takes no arguments"));
    for (const QString& name : platform::PortList::availablePorts())
        call.out << name << '\t' << platform::PortList::describe(name) << '\n';
    call.out.flush();
    return ExitOk;
}

} // namespace cli
