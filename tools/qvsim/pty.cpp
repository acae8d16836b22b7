#include "pty.h"

#include "serial/portdiagnosis.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace qvsim {

namespace {

PtyMaster openOnePty(QString *error)
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

} // namespace

PtyMaster openPty(QString *error, const QString &previous)
{
    // A program that has just closed a pseudo-terminal removes the serial port's lock file
    // of its number a moment later. A new one of that number, opened meanwhile, would
    // refuse the program's open as held: such terminals are kept while another is taken,
    // then given back. So is the number just given up, when a new terminal is to stand for
    // another adapter.
    constexpr int Attempts = 16;
    std::vector<int> claimed;
    PtyMaster pty;
    for (int attempt = 1;; ++attempt) {
        pty = openOnePty(error);
        if (pty.fd < 0 || attempt == Attempts ||
            (pty.slavePath != previous && !qv::serial::portLockHolder(pty.slavePath)))
            break;
        claimed.push_back(pty.fd);
    }
    for (const int fd : claimed)
        ::close(fd);
    return pty;
}

} // namespace qvsim
