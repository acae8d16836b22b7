// From the port name the user sees ("COM3", "ttyUSB0", "/dev/pts/4") to the device path
// the serial port is opened with.
#pragma once

#include <QString>

namespace qv::serial {

enum class PortNaming { Windows, Unix };

// The naming of the system the program runs on.
PortNaming nativePortNaming();

// Windows: "COMn" is opened as \\.\COMn (which reaches ports above COM9 too).
// Unix: an absolute or ./ ../ path as given; "COMn" (n >= 1, any case) as /dev/ttyS(n-1);
// any other name (ttyUSB0, ttyACM0, ttyS0) inside /dev. An empty name stays empty.
QString systemPortPath(const QString &portName, PortNaming naming = nativePortNaming());

} // namespace qv::serial
