#include "platform/PortList.h"

#include <QSerialPort>
#include <QSerialPortInfo>

namespace platform {

namespace {

bool canOpen(const QString& name)
{
    QSerialPort port;
    port.setPortName(name);
    if (!port.open(QIODevice::ReadWrite))
        return false;
    port.close();
    return true;
}

} // namespace

QStringList PortList::availablePorts()
{
    QStringList names;
#ifdef Q_OS_WIN
    for (int i = 1; i <= 9; ++i) {
        const QString name = QStringLiteral("COM%1").arg(i);
        if (canOpen(name))
            names.append(name);
    }
#else
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : ports) {
        if (!names.contains(info.portName()) && canOpen(info.portName()))
            names.append(info.portName());
    }
    names.sort();
#endif
    return names;
}

QString PortList::describe(const QString& name)
{
    return QSerialPortInfo(name).description();
}

} // namespace platform
