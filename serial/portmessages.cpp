#include "serial/portmessages.h"

#include "serial/portnames.h"

#include <QCoreApplication>
#include <QDir>

namespace qv::serial {

namespace {

struct Text
{
    Q_DECLARE_TR_FUNCTIONS(qv::PortMessages)
};

} // namespace

const QList<qint32> &offeredSpeeds()
{
    static const QList<qint32> list = {150,  200,   300,   600,   1200,  1800,  2400,  4800,
                                       9600, 19200, 28800, 38400, 57600, 76800, 115200};
    return list;
}

QString noModuleText(const QString &port, qint32 baud)
{
    return Text::tr("Nem válaszolt modul a(z) %1 porton (%2 bit/s).").arg(port).arg(baud);
}

QString missingPortText(const QString &port, const QStringList &existing)
{
    const QString path = systemPortPath(port);
    // "COM1" names /dev/ttyS0 here, which the user may not expect.
    QString text =
        nativePortNaming() == PortNaming::Windows || path == port || path.isEmpty() ||
                QDir::isAbsolutePath(port)
            ? Text::tr("A(z) %1 port ezen a gépen nem létezik.").arg(port)
            : Text::tr("A(z) %1 ezen a gépen a(z) %2 port volna, de ilyen nincs.").arg(port, path);
    if (existing.isEmpty())
        return text + u' ' + Text::tr("A gépen nincs soros port: csatlakoztassa az adaptert.");
    return text + u' ' +
           Text::tr("A gép soros portjai: %1.").arg(existing.join(QStringLiteral(", ")));
}

} // namespace qv::serial
