#include "line.h"

#include "pty.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <poll.h>
#include <unistd.h>

namespace qvsim {

using Nanos = std::chrono::nanoseconds;

namespace {

// What a byte looks like after crossing a line whose two ends disagree on the speed.
char garble(char c)
{
    return char(0x80 | ((quint8(c) * 5 + 3) & 0x7F));
}

} // namespace

Line::Line(EventSink events, Tap tap) : m_events(std::move(events)), m_tap(std::move(tap))
{
}

Line::~Line()
{
    close();
}

bool Line::plugIn(QString *error)
{
    if (m_wakeRead < 0) {
        int pipeFds[2];
        if (::pipe(pipeFds) != 0) {
            if (error)
                *error = QStringLiteral("pipe failed");
            return false;
        }
        m_wakeRead = pipeFds[0];
        m_wakeWrite = pipeFds[1];
    }
    const PtyMaster pty = openPty(error, slavePath());
    if (pty.fd < 0)
        return false;
    std::unique_lock lock(m_mutex);
    m_slavePath = pty.slavePath;
    m_unplugged = false;
    m_master = pty.fd;
    if (relink())
        return true;
    if (error)
        *error = QStringLiteral("cannot make the link %1").arg(m_linkPath);
    return false;
}

void Line::unplug()
{
    // All under the lock, the link removed before the master closes: whoever sees the
    // hang-up on the slave side finds the line unplugged and the link gone, and a replug
    // waits until this is done, so it never has its new link removed.
    {
        std::unique_lock lock(m_mutex);
        m_unplugged = true;
        removeLink();
        const int fd = m_master.exchange(-1);
        if (fd >= 0)
            ::close(fd);
    }
    m_events(QStringLiteral("unplugged"));
}

void Line::close()
{
    {
        std::unique_lock lock(m_mutex);
        removeLink();
        const int fd = m_master.exchange(-1);
        if (fd >= 0)
            ::close(fd);
    }
    for (int *wake : {&m_wakeRead, &m_wakeWrite}) {
        if (*wake >= 0)
            ::close(*wake);
        *wake = -1;
    }
}

bool Line::isUnplugged() const
{
    std::unique_lock lock(m_mutex);
    return m_unplugged;
}

QString Line::slavePath() const
{
    std::unique_lock lock(m_mutex);
    return m_slavePath;
}

bool Line::setLinkPath(const QString &path)
{
    std::unique_lock lock(m_mutex);
    m_linkPath = path;
    return relink();
}

bool Line::relink()
{
    if (m_linkPath.isEmpty())
        return true;
    const QFileInfo info(m_linkPath);
    if (info.isSymLink())
        QFile::remove(m_linkPath);
    else if (info.exists())
        return false; // never replace a real file
    return m_unplugged || QFile::link(m_slavePath, m_linkPath);
}

void Line::removeLink()
{
    if (!m_linkPath.isEmpty() && QFileInfo(m_linkPath).isSymLink())
        QFile::remove(m_linkPath);
}

void Line::requestStop()
{
    m_stopping = true;
    const char c = 'x';
    if (m_wakeWrite >= 0) [[maybe_unused]]
        const ssize_t n = ::write(m_wakeWrite, &c, 1);
}

void Line::holdUnplug(bool held)
{
    m_unplugHeld = held;
}

// Looks every millisecond: a byte in the wake-up pipe would make every later sleep return at
// once, so letting go does not use it (a stop does, and ends this wait too).
bool Line::waitWhileUnplugHeld()
{
    while (m_unplugHeld) {
        if (!sleepFor(std::chrono::milliseconds(1)))
            return false;
    }
    return !m_stopping;
}

Line::Input Line::receive(QByteArray &bytes, std::chrono::milliseconds limit)
{
    const Clock::time_point deadline = Clock::now() + limit;
    char buffer[512];
    for (;;) {
        if (m_stopping)
            return Input::Stopped;
        const int fd = m_master;
        if (fd < 0)
            return Input::Unplugged;
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd fds[2] = {{fd, POLLIN, 0}, {m_wakeRead, POLLIN, 0}};
        const int ready = ::poll(fds, 2, int(std::max<qint64>(0, left.count())));
        if (ready < 0)
            continue; // interrupted
        if (ready == 0)
            return Input::Quiet;
        if (fds[1].revents & POLLIN) {
            char drain[16];
            [[maybe_unused]] const ssize_t n = ::read(m_wakeRead, drain, sizeof drain);
            continue;
        }
        if (fds[0].revents & POLLIN) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n > 0) {
                bytes = QByteArray(buffer, n);
                m_tap(bytes);
                return Input::Bytes;
            }
            if (n < 0 && (errno == EAGAIN || errno == EINTR))
                continue;
        }
        // The master reports a hang-up (or reads nothing): no program has the slave open.
        return Input::Closed;
    }
}

void Line::noteArrived(qsizetype count, int speed)
{
    // The bytes of one read come a byte time apart after the ones before, and the last of
    // them is in at most two byte times after the read: a program has at most one byte on
    // its way when it sends the next. Bytes that the pseudo-terminal or this thread held
    // back on a busy machine so count as in when read, not as sent only then, and the
    // module falls behind the program by no more than the longest such delay.
    const Nanos step = byteTime(speed);
    m_receivedUntil = std::max(m_receivedUntil + count * step,
                               Clock::now() + std::min<qsizetype>(count, 2) * step);
}

int Line::speed() const
{
    return ptyLineSpeed(m_master);
}

Nanos Line::byteTime(int speed) const
{
    if (!m_setup.paced || speed <= 0)
        return Nanos::zero();
    return Nanos(10'000'000'000LL / speed); // start bit, 8 data bits, stop bit
}

bool Line::send(const QByteArray &bytes, const Send &how)
{
    const int lineSpeed = speed();
    const bool garbling = lineSpeed != m_setup.speedOf(how.exchange);
    const Nanos step = byteTime(lineSpeed);
    Clock::time_point due = std::max({Clock::now(), m_receivedUntil, m_sentUntil});
    for (qsizetype i = 0;; ++i) {
        char c;
        if (i < bytes.size())
            c = bytes.at(i);
        else if (!how.endless.isEmpty())
            c = how.endless.at((i - bytes.size()) % how.endless.size());
        else
            break;
        if (how.unplugAfter >= 0 && i >= how.unplugAfter) {
            if (how.unplugPauseMs > 0 &&
                !sleepUntil(due + Nanos(std::chrono::milliseconds(how.unplugPauseMs))))
                return false;
            if (!waitWhileUnplugHeld())
                return false;
            unplug();
            return false;
        }
        due += (i < how.slowBytes) ? Nanos(std::chrono::milliseconds(how.slowGapMs)) : step;
        if (!sleepUntil(due) || programHasClosed())
            return false;
        if (!writeByte(garbling ? garble(c) : c))
            return false;
    }
    m_sentUntil = std::max(m_sentUntil, due);
    return true;
}

bool Line::writeByte(char c)
{
    for (;;) {
        const ssize_t n = ::write(m_master, &c, 1);
        if (n == 1)
            return true;
        if (n >= 0 || errno != EAGAIN)
            return false;
        pollfd p{m_master, POLLOUT, 0}; // the program is not reading: wait for room
        ::poll(&p, 1, 50);
        if (m_stopping || programHasClosed())
            return false;
    }
}

bool Line::sleepUntil(Clock::time_point deadline)
{
    for (;;) {
        if (m_stopping)
            return false;
        const auto left = deadline - Clock::now();
        if (left <= Nanos::zero())
            return true;
        const auto ns = std::chrono::duration_cast<Nanos>(left).count();
        timespec ts{time_t(ns / 1000000000), long(ns % 1000000000)};
        pollfd wake{m_wakeRead, POLLIN, 0};
        ::ppoll(&wake, 1, &ts, nullptr);
    }
}

bool Line::programHasClosed() const
{
    const int fd = m_master;
    if (fd < 0)
        return true;
    pollfd p{fd, 0, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL));
}

} // namespace qvsim
