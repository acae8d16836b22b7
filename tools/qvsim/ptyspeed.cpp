// Kept apart from pty.cpp: the kernel's termios2 header clashes with <termios.h>.
// termios2 carries the real speed also for rates without a B-constant (28800, 76800).
#include "pty.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace qvsim {

int ptyLineSpeed(int masterFd)
{
    struct termios2 tio
    {
    };
    if (masterFd < 0 || ::ioctl(masterFd, TCGETS2, &tio) != 0)
        return 0;
    return int(tio.c_ospeed);
}

} // namespace qvsim
