#include "cli/InfoCommand.h"

#include "cli/ExitCode.h"
#include "cli/Invocation.h"
#include "cli/UnitSession.h"

namespace cli {

int InfoCommand::run(Invocation& call) const
{
    if (const int code = call.expectArguments(0); code != ExitOk)
        return code;
    return call.withUnit([&](PortSetup& setup) {
        UnitSession unit(setup, call);
        const int code = unit.connect();
        if (code != ExitOk)
            return code;
        const quarn::Register& image = unit.image();
        call.out << "model: " << (image.model7k ? "Quarn 7k" : "Quarn 8k") << '\n'
                 << "telephone-interface: " << (image.telephoneInterface ? "yes" : "no") << '\n'
                 << "version: " << QString(image.versionText).replace(QLatin1Char('\n'), QLatin1Char(' '))
                 << Qt::endl;
        return unit.finish(ExitOk);
    });
}

} // namespace cli
