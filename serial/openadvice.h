// The user's words for a port that could not be opened: what happened and what to do.
// Every message that reports a failed open takes its added lines from here.
#pragma once

#include "serial/openfailure.h"

#include <QList>
#include <QString>

namespace qv::serial {

// The port as the message names it: the device path on Unix ("/dev/ttyUSB0", or
// "COM1 (/dev/ttyS0)" when the name differs), the name on Windows.
QString failedPortName(const OpenFailure &failure, PortNaming naming = nativePortNaming());

// A few words for a list or a table: "nincs jogosultság (\"dialout\" csoport)",
// "foglalt: minicom (PID 1234)", "nem található", "nem nyitható meg: <system text>".
QString openFailureReason(const OpenFailure &failure, PortNaming naming = nativePortNaming());

// What to do, without naming the port: the same for every port that fails the same way.
QString openFailureRemedy(const OpenFailure &failure, PortNaming naming = nativePortNaming());

// The line(s) a message adds after its own text: what happened to which port, then what
// to do, e.g. "Nincs jogosultság a(z) /dev/ttyUSB0 port használatához (a port a(z)
// "dialout" csoporté). Adja hozzá a felhasználót ...".
QString openFailureAdvice(const OpenFailure &failure, PortNaming naming = nativePortNaming());

// For the search's "not found": a line per port, "name: reason", then after an empty
// line each remedy once. Empty for an empty list.
QString unusablePortsSummary(const QList<OpenFailure> &failures,
                             PortNaming naming = nativePortNaming());

} // namespace qv::serial
