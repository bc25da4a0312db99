#include "cli/PortsCommand.h"

#include "cli/Diagnostics.h"
#include "cli/ExitCode.h"
#include "cli/Invocation.h"
#include "platform/PortList.h"

namespace cli {

int PortsCommand::run(Invocation& call) const
{
    if (const int code = call.expectArguments(0); code != ExitOk)
        return code;
    const QStringList ports = platform::PortList::availablePorts();
    for (const QString& name : ports)
        call.out << name << '\t' << platform::PortList::describe(name) << '\n';
    call.out.flush();
    // An empty list is still a list (exit 0), but a technician needs to hear why.
    if (ports.isEmpty())
        call.diag.error(
            {}, call.diag.pick("Kein serieller Port lässt sich öffnen.", "No serial port can be opened."),
            {call.diag.pick("Ist das Kabel oder der USB-Adapter angesteckt?",
                            "Is the cable or the USB adapter "
                            "plugged in?"),
             call.diag.pick(
                 "Der Benutzer muss in der Gruppe dialout sein: sudo adduser $USER dialout, danach "
                 "neu anmelden.",
                 "The user must be in the group dialout: sudo adduser $USER dialout, then log in "
                 "again.")});
    return ExitOk;
}

} // namespace cli
