#include "pty.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace qvsim {

PtyMaster openPty(QString *error)
{
    PtyMaster pty;
    auto fail = [&](const char *step) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(QLatin1String(step),
                                                  QString::fromLocal8Bit(std::strerror(errno)));
        if (pty.fd >= 0)
            ::close(pty.fd);
        pty.fd = -1;
        return pty;
    };
    pty.fd = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (pty.fd < 0)
        return fail("posix_openpt");
    if (::grantpt(pty.fd) != 0 || ::unlockpt(pty.fd) != 0)
        return fail("unlockpt");
    const char *name = ::ptsname(pty.fd);
    if (!name)
        return fail("ptsname");
    pty.slavePath = QString::fromLocal8Bit(name);

    // Raw from the start, so nothing is echoed or translated before the program has
    // set the line up itself.
    const int slave = ::open(name, O_RDWR | O_NOCTTY);
    if (slave < 0)
        return fail("open slave");
    termios tio{};
    if (::tcgetattr(slave, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::cfsetspeed(&tio, B1200);
        ::tcsetattr(slave, TCSANOW, &tio);
    }
    ::close(slave);

    const int flags = ::fcntl(pty.fd, F_GETFL);
    if (flags < 0 || ::fcntl(pty.fd, F_SETFL, flags | O_NONBLOCK) != 0)
        return fail("fcntl");
    return pty;
}

} // namespace qvsim
