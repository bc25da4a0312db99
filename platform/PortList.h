#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The serial ports offered for choice. Any other name or device path the user types is
// used as it stands; this list only helps to find one.
class PortList {
public:
    // On Windows COM1 to COM9, each one that can be opened; elsewhere every serial device
    // Qt knows that can be opened exclusively, sorted by name. Each candidate is opened and
    // closed again at once, so a port another program holds is left out.
    static QStringList availablePorts();
    // Qt's description of the port ("USB-Serial Controller", ...); empty when it has none.
    static QString describe(const QString& name);
};

} // namespace platform
