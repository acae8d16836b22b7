// What the commands say about a port, each naming it: the speeds a port may be used at, no
// module on a port, and a port this computer does not have (with the ones it has).
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace qv::serial {

// The speeds the port dialog offers, in bit/s, slowest first.
const QList<qint32> &offeredSpeeds();

// "Nem válaszolt modul a(z) /dev/ttyUSB0 porton (1200 bit/s)."
QString noModuleText(const QString &port, qint32 baud);

// Says that `port` does not exist on this computer and lists `existing` (the serial ports
// the system lists), or that it has none.
QString missingPortText(const QString &port, const QStringList &existing);

} // namespace qv::serial
