// The serial ports the port dialog offers: those that can be opened right now.
//
// Windows: COM1 to COM32. Linux and other Unix systems: the ports the system lists
// (ttyS0, ttyUSB0, ttyACM0, ...), and also the current port when it is an absolute
// device path (a pseudo-terminal, a /dev/serial/by-id/ link), which the system does not
// list. A port held by another program does not open, so it is not offered.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace qv {

// The names to try, in order, before any is opened: COM1..COM32 on Windows, the system's
// serial ports in natural order ("ttyS2" before "ttyS10") elsewhere.
QStringList candidatePorts();

// Replaces candidatePorts() (tests: no real port of the machine is touched); an empty
// function restores the system's list.
using PortEnumerator = std::function<QStringList()>;
void setPortEnumerator(PortEnumerator enumerator);

// Opens the port exclusively and closes it at once: true when that worked.
bool portOpens(const QString &name);

// The candidates that open, plus, on Unix, `currentPort` when it is an absolute path
// that opens and is not one of them already.
QStringList openablePorts(const QString &currentPort);

// Whether two port names reach the same device ("ttyUSB0" and "/dev/ttyUSB0", or a
// by-id link and its target).
bool samePort(const QString &a, const QString &b);

} // namespace qv
