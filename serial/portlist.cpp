#include "serial/portlist.h"

#include "serial/portdiagnosis.h"
#include "serial/portnames.h"
#include "serial/serialtrace.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSerialPort>
#include <QSerialPortInfo>

#include <algorithm>

namespace qv::serial {

namespace {

PortDescriber &describer()
{
    static PortDescriber d;
    return d;
}

PortDescription describe(const QSerialPortInfo &info)
{
    PortDescription port;
    port.name = info.portName();
    port.description = info.description();
    port.manufacturer = info.manufacturer();
    port.serialNumber = info.serialNumber();
    if (info.hasVendorIdentifier())
        port.vendorId = info.vendorIdentifier();
    if (info.hasProductIdentifier())
        port.productId = info.productIdentifier();
    return port;
}

QString devicePath(const QString &name)
{
    const QString path = systemPortPath(name);
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? path : canonical;
}

#ifndef Q_OS_WIN
// The stable names udev gives serial devices, by the device they lead to (Linux; the
// folder does not exist elsewhere).
QHash<QString, QString> stableNames()
{
    QHash<QString, QString> names;
    const QDir byId(QStringLiteral("/dev/serial/by-id"));
    for (const QFileInfo &link :
         byId.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString target = link.canonicalFilePath();
        if (!target.isEmpty() && !names.contains(target))
            names.insert(target, link.absoluteFilePath());
    }
    return names;
}
#endif

QList<PortDescription> systemPorts()
{
    const QList<QSerialPortInfo> infos = QSerialPortInfo::availablePorts();
    QList<PortDescription> ports;
#ifdef Q_OS_WIN
    for (int n = 1; n <= 32; ++n) {
        const QString name = QStringLiteral("COM%1").arg(n);
        const auto info = std::find_if(infos.cbegin(), infos.cend(), [&](const auto &i) {
            return i.portName().compare(name, Qt::CaseInsensitive) == 0;
        });
        PortDescription port = info != infos.cend() ? describe(*info) : PortDescription{};
        port.name = name;
        port.listed = info != infos.cend();
        ports << port;
    }
#else
    const QHash<QString, QString> stable = stableNames();
    for (const QSerialPortInfo &info : infos) {
        if (std::any_of(ports.cbegin(), ports.cend(),
                        [&](const PortDescription &p) { return p.name == info.portName(); }))
            continue;
        PortDescription port = describe(info);
        port.byIdPath = stable.value(devicePath(port.name));
        ports << port;
    }
    QCollator natural;
    natural.setNumericMode(true);
    std::sort(ports.begin(), ports.end(), [&](const PortDescription &a, const PortDescription &b) {
        return natural.compare(a.name, b.name) < 0;
    });
#endif
    return ports;
}

} // namespace

QList<PortDescription> describedPorts()
{
    return describer() ? describer()() : systemPorts();
}

QStringList candidatePorts()
{
    QStringList names;
    for (const PortDescription &port : describedPorts())
        names << port.name;
    return names;
}

void setPortDescriber(PortDescriber d)
{
    describer() = std::move(d);
}

void setPortEnumerator(PortEnumerator e)
{
    if (!e) {
        describer() = {};
        return;
    }
    describer() = [e = std::move(e)] {
        QList<PortDescription> ports;
        for (const QString &name : e())
            ports << PortDescription{.name = name};
        return ports;
    };
}

std::optional<OpenFailure> tryOpenPort(const QString &name)
{
    const QString path = systemPortPath(name);
    QSerialPort port;
    port.setPortName(path);
    int savedErrno = 0;
    if (auto unsafe = refuseUnsafeLockFile(name, path)) {
        qCDebug(lcSerialTrace).noquote()
            << QStringLiteral("%1 port list: %2").arg(name, describeForLog(*unsafe));
        return unsafe;
    }
    if (!path.isEmpty()) {
        if (port.open(QIODevice::ReadWrite)) {
            port.close();
            return std::nullopt;
        }
        savedErrno = lastSystemError();
    }
    OpenFailure failure = diagnoseFailedOpen(name, path, port, savedErrno);
    qCDebug(lcSerialTrace).noquote()
        << QStringLiteral("%1 port list: %2").arg(name, describeForLog(failure));
    return failure;
}

bool portOpens(const QString &name)
{
    return !tryOpenPort(name);
}

bool samePort(const QString &a, const QString &b)
{
    return a == b || (!a.isEmpty() && !b.isEmpty() && devicePath(a) == devicePath(b));
}

QList<PortEntry> surveyPorts(const QString &currentPort, const QStringList &knownPorts)
{
    QList<PortEntry> entries;
    for (const PortDescription &port : describedPorts()) {
        PortEntry entry{port, tryOpenPort(port.name)};
        if (!port.listed && entry.failure && entry.failure->kind == OpenFailure::Kind::Missing &&
            !samePort(port.name, currentPort))
            continue;
        entries << entry;
    }
    auto listed = [&](const QString &name) {
        return std::any_of(entries.cbegin(), entries.cend(),
                           [&](const PortEntry &e) { return samePort(e.port.name, name); });
    };
    auto add = [&](const QString &name, bool evenIfMissing) {
        if (name.isEmpty() || listed(name))
            return;
        PortDescription port{.name = name};
        if (name.startsWith(QStringLiteral("/dev/serial/by-id/")))
            port.byIdPath = name;
        PortEntry entry{port, tryOpenPort(name)};
        if (evenIfMissing || !entry.failure || entry.failure->kind != OpenFailure::Kind::Missing)
            entries << entry;
    };
    // The system does not list every port (pseudo-terminals, links, an adapter pulled out):
    // the current port is always there, the ports used before while they exist.
    add(currentPort, true);
    for (const QString &known : knownPorts)
        add(known, false);
    return entries;
}

} // namespace qv::serial
