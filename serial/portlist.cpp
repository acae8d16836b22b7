#include "serial/portlist.h"

#include "serial/portnames.h"

#include <QCollator>
#include <QFileInfo>
#include <QSerialPort>
#include <QSerialPortInfo>

#include <algorithm>

namespace qv {

namespace {

PortEnumerator &enumerator()
{
    static PortEnumerator e;
    return e;
}

QStringList systemCandidates()
{
    QStringList names;
#ifdef Q_OS_WIN
    for (int n = 1; n <= 32; ++n)
        names << QStringLiteral("COM%1").arg(n);
#else
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        names << info.portName();
    names.removeDuplicates();
    QCollator natural;
    natural.setNumericMode(true);
    std::sort(names.begin(), names.end(), natural);
#endif
    return names;
}

QString devicePath(const QString &name)
{
    const QString path = systemPortPath(name);
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

} // namespace

QStringList candidatePorts()
{
    return enumerator() ? enumerator()() : systemCandidates();
}

void setPortEnumerator(PortEnumerator e)
{
    enumerator() = std::move(e);
}

bool portOpens(const QString &name)
{
    const QString path = systemPortPath(name);
    if (path.isEmpty())
        return false;
    QSerialPort port;
    port.setPortName(path);
    if (!port.open(QIODevice::ReadWrite))
        return false;
    port.close();
    return true;
}

bool samePort(const QString &a, const QString &b)
{
    return a == b || (!a.isEmpty() && !b.isEmpty() && devicePath(a) == devicePath(b));
}

QStringList openablePorts(const QString &currentPort)
{
    QStringList ports;
    for (const QString &name : candidatePorts()) {
        if (portOpens(name))
            ports << name;
    }
    if (nativePortNaming() == PortNaming::Unix && currentPort.startsWith(u'/')) {
        const bool listed = std::any_of(ports.cbegin(), ports.cend(), [&](const QString &name) {
            return samePort(name, currentPort);
        });
        if (!listed && portOpens(currentPort))
            ports << currentPort;
    }
    return ports;
}

} // namespace qv
