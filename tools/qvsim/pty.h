// The pseudo-terminal the emulated module sits behind (POSIX; the emulator's only
// platform-specific part).
#pragma once

#include <QString>

namespace qvsim {

struct PtyMaster
{
    int fd = -1;       // non-blocking master side
    QString slavePath; // what the program opens, e.g. /dev/pts/5
};

// Opens a new pseudo-terminal in raw mode, of a number that no serial lock file claims and
// whose slave path is not `previous` (a new one comes under a new name, as a new adapter).
// fd stays -1 on failure (*error says why).
PtyMaster openPty(QString *error, const QString &previous = {});

// The speed the program has set on the slave side, in bit/s; 0 when unknown.
int ptyLineSpeed(int masterFd);

} // namespace qvsim
