#include "config/app/Restarter.h"

#include <QCoreApplication>
#include <QProcess>
#include <cstdlib>

namespace quarn {

void ProcessRestarter::restart()
{
    QProcess::startDetached(QCoreApplication::applicationFilePath(), m_arguments);
    // Unsaved changes are lost by design: the user was asked before.
    std::_Exit(0);
}

} // namespace quarn
