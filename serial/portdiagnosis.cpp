#include "serial/portdiagnosis.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>
#endif

namespace qv {

namespace {

PortError portError(QSerialPort::SerialPortError error)
{
    switch (error) {
    case QSerialPort::NoError:
        return PortError::None;
    case QSerialPort::DeviceNotFoundError:
        return PortError::DeviceNotFound;
    case QSerialPort::PermissionError:
        return PortError::Permission;
    case QSerialPort::OpenError:
        return PortError::Open;
    case QSerialPort::UnsupportedOperationError:
        return PortError::Unsupported;
    case QSerialPort::ResourceError:
        return PortError::Resource;
    default:
        return PortError::Other;
    }
}

#ifdef Q_OS_UNIX

// The folders serial programs keep their lock files in, the serial port's own choice
// among them included.
const QStringList &lockFolders()
{
    static const QStringList folders = {QStringLiteral("/var/lock"),
                                        QStringLiteral("/etc/locks"),
                                        QStringLiteral("/var/spool/locks"),
                                        QStringLiteral("/var/spool/uucp"),
                                        QStringLiteral("/tmp"),
                                        QStringLiteral("/var/tmp"),
                                        QStringLiteral("/var/lock/lockdev"),
                                        QStringLiteral("/run/lock")};
    return folders;
}

bool processAlive(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

// The short program name the system keeps for a process (Linux), empty elsewhere.
QString programOf(qint64 pid)
{
#ifdef Q_OS_LINUX
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (comm.open(QIODevice::ReadOnly))
        return QString::fromLocal8Bit(comm.read(256).trimmed());
#else
    Q_UNUSED(pid);
#endif
    return {};
}

std::optional<PortHolder> lockFileHolder(const QString &path)
{
    QStringList names{lockFileName(path)};
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (!canonical.isEmpty() && canonical != path)
        names << lockFileName(canonical);
    for (const QString &folder : lockFolders()) {
        for (const QString &name : names) {
            QFile file(folder + u'/' + name);
            if (!file.open(QIODevice::ReadOnly))
                continue;
            std::optional<PortHolder> holder = parseLockFile(file.read(4096));
            if (!holder || !processAlive(holder->pid))
                continue; // stale: the serial port would have removed it and gone on
            if (holder->program.isEmpty())
                holder->program = programOf(holder->pid);
            return holder;
        }
    }
    return std::nullopt;
}

#ifdef Q_OS_LINUX
// A process that has the device open, found through /proc/<pid>/fd. Other users'
// processes stay hidden from a normal user. Another process is preferred to this one.
std::optional<PortHolder> openFileHolder(const QString &path)
{
    const QByteArray device = QFile::encodeName(QFileInfo(path).canonicalFilePath());
    if (device.isEmpty())
        return std::nullopt;
    DIR *proc = ::opendir("/proc");
    if (!proc)
        return std::nullopt;
    std::optional<PortHolder> self;
    std::optional<PortHolder> found;
    std::vector<char> target(device.size() + 2);
    while (!found) {
        const dirent *entry = ::readdir(proc);
        if (!entry)
            break;
        bool ok = false;
        const qint64 pid = QByteArray(entry->d_name).toLongLong(&ok);
        if (!ok || pid <= 0)
            continue;
        const QByteArray fdFolder = "/proc/" + QByteArray::number(pid) + "/fd";
        DIR *fds = ::opendir(fdFolder.constData());
        if (!fds)
            continue;
        while (const dirent *fd = ::readdir(fds)) {
            const ssize_t n = ::readlinkat(::dirfd(fds), fd->d_name, target.data(), target.size());
            if (n != ssize_t(device.size()) || device != QByteArrayView(target.data(), n))
                continue;
            const PortHolder holder{programOf(pid), pid};
            if (pid == QCoreApplication::applicationPid())
                self = holder;
            else
                found = holder;
            break;
        }
        ::closedir(fds);
    }
    ::closedir(proc);
    return found ? found : self;
}
#endif

struct GroupFacts
{
    QString name;
    bool grantsAccess = false;
    bool pendingLogin = false;
};

bool processInGroup(gid_t gid)
{
    if (::getegid() == gid)
        return true;
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(std::max(count, 0));
    const int n = count > 0 ? ::getgroups(count, groups.data()) : 0;
    return std::find(groups.begin(), groups.begin() + std::max(n, 0), gid) !=
           groups.begin() + std::max(n, 0);
}

// Whether the user database lists the user in the group (it may not be in this login).
// Linux only: elsewhere getgrouplist() takes other types, and nothing is claimed.
bool userInGroupOnRecord(gid_t gid)
{
#ifdef Q_OS_LINUX
    passwd pw{};
    passwd *found = nullptr;
    std::vector<char> buffer(16384);
    if (::getpwuid_r(::getuid(), &pw, buffer.data(), buffer.size(), &found) != 0 || !found)
        return false;
    int count = 64;
    std::vector<gid_t> groups(count);
    if (::getgrouplist(pw.pw_name, pw.pw_gid, groups.data(), &count) < 0) {
        groups.resize(std::max(count, 0));
        if (::getgrouplist(pw.pw_name, pw.pw_gid, groups.data(), &count) < 0)
            return false;
    }
    return std::find(groups.begin(), groups.begin() + count, gid) != groups.begin() + count;
#else
    Q_UNUSED(gid);
    return false;
#endif
}

GroupFacts groupFacts(const struct stat &status)
{
    GroupFacts facts;
    group gr{};
    group *found = nullptr;
    std::vector<char> buffer(16384);
    if (::getgrgid_r(status.st_gid, &gr, buffer.data(), buffer.size(), &found) == 0 && found)
        facts.name = QString::fromLocal8Bit(gr.gr_name);
    else
        facts.name = QString::number(status.st_gid);
    facts.grantsAccess = (status.st_mode & S_IRGRP) && (status.st_mode & S_IWGRP);
    facts.pendingLogin = !processInGroup(status.st_gid) && userInGroupOnRecord(status.st_gid);
    return facts;
}

#endif // Q_OS_UNIX

} // namespace

std::optional<PortHolder> portLockHolder(const QString &path)
{
#ifdef Q_OS_UNIX
    return lockFileHolder(path);
#else
    Q_UNUSED(path);
    return std::nullopt;
#endif
}

int lastSystemError()
{
#ifdef Q_OS_UNIX
    return errno;
#else
    return 0;
#endif
}

OpenFailure diagnoseFailedOpen(const QString &portName, const QString &path,
                               const QSerialPort &port, int savedErrno)
{
    OpenFacts facts;
    facts.port = portName;
    facts.path = path;
    facts.error = portError(port.error());
    facts.errorText = port.errorString();
    // Only a reason the system gave: after a refusal by the lock file errno is left over
    // from some earlier call.
    if (savedErrno != 0 && facts.errorText == qt_error_string(savedErrno))
        facts.systemErrno = savedErrno;
#ifdef Q_OS_UNIX
    if (!path.isEmpty()) {
        const QByteArray native = QFile::encodeName(path);
        struct stat status
        {
        };
        facts.exists = ::stat(native.constData(), &status) == 0;
        if (facts.exists) {
            facts.accessible = ::access(native.constData(), R_OK | W_OK) == 0;
            const GroupFacts group = groupFacts(status);
            facts.group = group.name;
            facts.groupGrantsAccess = group.grantsAccess;
            facts.groupPendingLogin = group.pendingLogin;
        }
        facts.lockHolder = lockFileHolder(path);
    }
#endif
    OpenFailure failure = classifyOpenFailure(facts);
#ifdef Q_OS_LINUX
    // No lock file names the holder (only its exclusive flag keeps others out): ask the
    // process table.
    if (failure.kind == OpenFailure::Kind::Busy && failure.holderPid == 0) {
        if (const auto holder = openFileHolder(path)) {
            failure.holderProgram = holder->program;
            failure.holderPid = holder->pid;
        }
    }
#endif
    return failure;
}

} // namespace qv
