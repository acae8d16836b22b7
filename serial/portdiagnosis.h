// Finding out why a serial port did not open: what the port reported, and what the system
// tells about the device (does it exist, may this user use it, its group, its lock file,
// which process holds it).
#pragma once

#include "serial/openfailure.h"

#include <QSerialPort>
#include <QString>

#include <optional>

namespace qv::serial {

// The serial port's error in the program's words: Qt's own (errorString()) are English only.
QString serialPortErrorText(QSerialPort::SerialPortError error);

// Call right after port.open() failed, with lastSystemError() as it was then.
// `portName` is the name the user chose, `path` the device path that was opened. A busy
// port's holder is the live process its lock file names or, on Linux, a process that
// has it open (as far as this user may look into other processes).
OpenFailure diagnoseFailedOpen(const QString &portName, const QString &path,
                               const QSerialPort &port, int savedErrno);

// Before a port is opened: the serial port's own lock check would wait for good on a lock
// file that is a pipe, so a lock file in its lock folder that is not a plain file refuses
// the port at once, as busy through an invalid lock file. Nothing when the way is clear.
std::optional<OpenFailure> refuseUnsafeLockFile(const QString &portName, const QString &path);

// The live process that a lock file, in any folder serial programs keep them in, names as
// guarding the device at `path` (the serial port's open would be refused by it); nothing when
// no lock file names a live process.
std::optional<PortHolder> portLockHolder(const QString &path);

// The errno of the calling thread, for diagnoseFailedOpen (0 where errno means nothing
// for serial ports).
int lastSystemError();

} // namespace qv::serial
