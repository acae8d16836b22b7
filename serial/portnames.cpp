#include "serial/portnames.h"

namespace qv::serial {

namespace {

// The number n of "COMn", or 0 when the name is not of that form.
int comNumber(const QString &name)
{
    if (name.size() < 4 || !name.startsWith(QStringLiteral("COM"), Qt::CaseInsensitive))
        return 0;
    const QString digits = name.mid(3);
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return 0;
    }
    bool ok = false;
    const int n = digits.toInt(&ok, 10);
    return ok ? n : 0;
}

} // namespace

PortNaming nativePortNaming()
{
#ifdef Q_OS_WIN
    return PortNaming::Windows;
#else
    return PortNaming::Unix;
#endif
}

QString systemPortPath(const QString &portName, PortNaming naming)
{
    if (portName.isEmpty())
        return {};
    if (naming == PortNaming::Windows) {
        if (portName.startsWith(QStringLiteral("\\\\.\\")))
            return portName;
        return QStringLiteral("\\\\.\\") + portName;
    }
    if (portName.startsWith(u'/') || portName.startsWith(QStringLiteral("./")) ||
        portName.startsWith(QStringLiteral("../")))
        return portName;
    if (const int n = comNumber(portName); n > 0)
        return QStringLiteral("/dev/ttyS%1").arg(n - 1);
    return QStringLiteral("/dev/") + portName;
}

} // namespace qv::serial
