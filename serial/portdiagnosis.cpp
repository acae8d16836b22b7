#include "serial/portdiagnosis.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>
#endif

namespace qv::serial {

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

// The folders the serial port keeps its lock files in, in its order of preference: it
// locks in the first one this user may read and write.
QStringList lockFolders()
{
    return {QStringLiteral("/var/lock"), QStringLiteral("/etc/locks"),
            QStringLiteral("/var/spool/locks"), QStringLiteral("/var/spool/uucp"),
            QStandardPaths::writableLocation(QStandardPaths::TempLocation)};
}

// The folder whose lock file the serial port takes when this process opens a port.
QString ownLockFolder()
{
    for (const QString &folder : lockFolders()) {
        const QFileInfo info(folder);
        if (info.isDir() && info.isReadable() && info.isWritable())
            return folder;
    }
    return {};
}

// The names of the lock files that may guard the device at `path`: its own, and that of
// the device a link leads to.
QStringList lockFileNames(const QString &path)
{
    QStringList names{lockFileName(path)};
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (!canonical.isEmpty() && canonical != path)
        names << lockFileName(canonical);
    return names;
}

bool processAlive(qint64 pid)
{
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

// The short program name the system keeps for a process (Linux), empty elsewhere.
QString programOf(qint64 pid)
{
#ifdef Q_OS_LINUX
    const QByteArray path = "/proc/" + QByteArray::number(pid) + "/comm";
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return {};
    char buffer[128];
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    ::close(fd);
    if (n > 0)
        return cleanProgramName(QByteArrayView(buffer, n));
#else
    Q_UNUSED(pid);
#endif
    return {};
}

// Lock files are a few dozen bytes; anything larger is no lock file.
constexpr qsizetype kLockFileCap = 1024;

enum class LockRead { Absent, Read, NotLockFile };

// Reads a lock file without ever waiting: only a plain file (a pipe, a socket, a device
// or a link is not a lock file, and a link is not followed out of its folder), at most
// kLockFileCap bytes.
LockRead readLockFile(const QString &path, QByteArray *contents)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat before
    {
    };
    if (::lstat(native.constData(), &before) != 0)
        return errno == ENOENT || errno == ENOTDIR ? LockRead::Absent : LockRead::NotLockFile;
    if (!S_ISREG(before.st_mode) || before.st_size > kLockFileCap)
        return LockRead::NotLockFile;
    const int fd =
        ::open(native.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? LockRead::Absent : LockRead::NotLockFile;
    struct stat opened
    {
    };
    LockRead result = LockRead::NotLockFile;
    // Still the file looked at, not something put in its place meanwhile.
    if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_ino == before.st_ino &&
        opened.st_dev == before.st_dev) {
        contents->resize(kLockFileCap + 1);
        const ssize_t n = ::read(fd, contents->data(), contents->size());
        if (n >= 0 && n <= kLockFileCap) {
            contents->resize(n);
            result = LockRead::Read;
        }
    }
    ::close(fd);
    return result;
}

// Whether the process has the device open: nothing when the process table does not
// tell (another user's process, a system without /proc).
std::optional<bool> processHoldsDevice(qint64 pid, const QByteArray &device)
{
#ifdef Q_OS_LINUX
    if (device.isEmpty())
        return std::nullopt;
    const QByteArray fdFolder = "/proc/" + QByteArray::number(pid) + "/fd";
    DIR *fds = ::opendir(fdFolder.constData());
    if (!fds)
        return errno == ENOENT ? std::optional<bool>(false) : std::nullopt;
    std::vector<char> target(device.size() + 2);
    bool holds = false;
    while (const dirent *fd = ::readdir(fds)) {
        const ssize_t n = ::readlinkat(::dirfd(fds), fd->d_name, target.data(), target.size());
        if (n == ssize_t(device.size()) && device == QByteArrayView(target.data(), n)) {
            holds = true;
            break;
        }
    }
    ::closedir(fds);
    return holds;
#else
    Q_UNUSED(pid);
    Q_UNUSED(device);
    return std::nullopt;
#endif
}

struct LockSurvey
{
    std::optional<PortHolder> holder;
    std::optional<OpenFacts::BlockingLock> blocking;
};

// The port's lock files in the serial port's folders: the first live process named by
// one that (as far as the process table tells) has the device open, and what is wrong
// with the lock file in this process's own lock folder when nothing stands behind it.
LockSurvey surveyLockFiles(const QString &path)
{
    LockSurvey survey;
    const QString own = ownLockFolder();
    const QByteArray device = QFile::encodeName(QFileInfo(path).canonicalFilePath());
    for (const QString &folder : lockFolders()) {
        for (const QString &name : lockFileNames(path)) {
            const QString file = folder + u'/' + name;
            QByteArray contents;
            const LockRead read = readLockFile(file, &contents);
            if (read == LockRead::Absent)
                continue;
            OpenFacts::BlockingLock lock{OpenFailure::Lock::Invalid, file, 0};
            if (const auto named =
                    read == LockRead::Read ? parseLockFile(contents) : std::nullopt) {
                lock.pid = named->pid;
                if (!processAlive(named->pid)) {
                    lock.state = OpenFailure::Lock::Stale;
                } else if (processHoldsDevice(named->pid, device) != false) {
                    if (!survey.holder) {
                        survey.holder = named;
                        if (survey.holder->program.isEmpty())
                            survey.holder->program = programOf(named->pid);
                    }
                    continue;
                } else {
                    lock.state = OpenFailure::Lock::Foreign;
                }
            }
            if (folder == own && !survey.blocking)
                survey.blocking = lock;
        }
    }
    return survey;
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
    for (const QString &folder : lockFolders()) {
        for (const QString &name : lockFileNames(path)) {
            QByteArray contents;
            if (readLockFile(folder + u'/' + name, &contents) != LockRead::Read)
                continue;
            if (auto named = parseLockFile(contents); named && processAlive(named->pid))
                return named;
        }
    }
    return std::nullopt;
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

std::optional<OpenFailure> refuseUnsafeLockFile(const QString &portName, const QString &path)
{
#ifdef Q_OS_UNIX
    const QString folder = ownLockFolder();
    if (path.isEmpty() || folder.isEmpty())
        return std::nullopt;
    for (const QString &name : lockFileNames(path)) {
        const QString file = folder + u'/' + name;
        struct stat status
        {
        };
        if (::lstat(QFile::encodeName(file).constData(), &status) != 0 || S_ISREG(status.st_mode))
            continue;
        OpenFailure failure;
        failure.kind = OpenFailure::Kind::Busy;
        failure.port = portName;
        failure.path = path;
        failure.lock = OpenFailure::Lock::Invalid;
        failure.lockFile = file;
        return failure;
    }
#else
    Q_UNUSED(portName);
    Q_UNUSED(path);
#endif
    return std::nullopt;
}

QString serialPortErrorText(QSerialPort::SerialPortError error)
{
    const char *text = nullptr;
    switch (error) {
    case QSerialPort::NoError:
        return {};
    case QSerialPort::DeviceNotFoundError:
        text = QT_TRANSLATE_NOOP("qv::SerialPortError", "az eszköz nem található");
        break;
    case QSerialPort::PermissionError:
        text = QT_TRANSLATE_NOOP("qv::SerialPortError",
                                 "nincs hozzáférés, vagy egy másik program használja");
        break;
    case QSerialPort::OpenError:
        text = QT_TRANSLATE_NOOP("qv::SerialPortError", "a port már meg van nyitva");
        break;
    case QSerialPort::NotOpenError:
        text = QT_TRANSLATE_NOOP("qv::SerialPortError", "a port nincs megnyitva");
        break;
    case QSerialPort::WriteError:
        text = QT_TRANSLATE_NOOP("qv::SerialPortError", "írási hiba");
        break;
    case QSerialPort::ReadError:
        text = QT_TRANSLATE_NOOP("qv::SerialPortError", "olvasási hiba");
        break;
    case QSerialPort::ResourceError:
        text = QT_TRANSLATE_NOOP("qv::SerialPortError", "az eszköz váratlanul eltűnt");
        break;
    case QSerialPort::UnsupportedOperationError:
        text = QT_TRANSLATE_NOOP("qv::SerialPortError", "a rendszer nem támogatja a beállítást");
        break;
    case QSerialPort::TimeoutError:
        text = QT_TRANSLATE_NOOP("qv::SerialPortError", "időtúllépés");
        break;
    case QSerialPort::UnknownError:
        break;
    }
    if (!text)
        text = QT_TRANSLATE_NOOP("qv::SerialPortError", "ismeretlen hiba");
    return QCoreApplication::translate("qv::SerialPortError", text);
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
    // from some earlier call. The serial port's own words are English only.
    if (savedErrno != 0 && facts.errorText == qt_error_string(savedErrno))
        facts.systemErrno = savedErrno;
    else
        facts.errorText = serialPortErrorText(port.error());
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
    }
    // Who holds a busy port: the process table first, then the lock files. Only a busy
    // port's lock files are read.
    if (classifyOpenFailure(facts).kind == OpenFailure::Kind::Busy) {
#ifdef Q_OS_LINUX
        facts.processHolder = openFileHolder(path);
#endif
        LockSurvey survey = surveyLockFiles(path);
        facts.lockHolder = survey.holder;
        facts.blockingLock = survey.blocking;
    }
#endif
    return classifyOpenFailure(facts);
}

} // namespace qv::serial
