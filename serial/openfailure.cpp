#include "serial/openfailure.h"

#include <QList>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace qv::serial {

namespace {

using Kind = OpenFailure::Kind;

Kind unixKind(const OpenFacts &facts)
{
    // The system's own answer, when it is the reason given, decides.
    switch (facts.systemErrno) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return Kind::Missing;
    case EBUSY: // the holder's exclusive flag; the permission check came before it
        return Kind::Busy;
    case EACCES:
    case EPERM:
        return Kind::PermissionDenied;
    default:
        break;
    }
    if (!facts.exists || facts.error == PortError::DeviceNotFound)
        return Kind::Missing;
    // A permission error in the serial port's own words: its lock file is held. A user
    // who may not use the device at all learns that first: it stays true once the
    // holder is gone.
    if (facts.error == PortError::Permission)
        return facts.accessible ? Kind::Busy : Kind::PermissionDenied;
    return Kind::Other;
}

Kind windowsKind(const OpenFacts &facts)
{
    switch (facts.error) {
    case PortError::DeviceNotFound:
        return Kind::Missing;
    case PortError::Permission: // "Access is denied": mostly held by another program
        return Kind::PermissionDenied;
    default:
        return Kind::Other;
    }
}

} // namespace

OpenFailure classifyOpenFailure(const OpenFacts &facts)
{
    OpenFailure failure;
    failure.port = facts.port;
    failure.path = facts.path;
    failure.systemText = facts.errorText;
    if (facts.path.isEmpty()) {
        failure.kind = Kind::Missing;
        return failure;
    }
    failure.kind = facts.naming == PortNaming::Windows ? windowsKind(facts) : unixKind(facts);
    if (facts.naming == PortNaming::Unix) {
        failure.group = facts.group;
        failure.groupGrantsAccess = facts.groupGrantsAccess;
        failure.groupPendingLogin = facts.groupPendingLogin;
    }
    if (failure.kind == Kind::PermissionDenied && facts.naming == PortNaming::Unix)
        failure.userMayUse = facts.accessible;
    if (failure.kind != Kind::Busy)
        return failure;
    // A process that has the device open is the holder, whatever a lock file says; then
    // the live process a lock file names.
    if (const auto &holder = facts.processHolder ? facts.processHolder : facts.lockHolder) {
        failure.holderProgram = holder->program;
        failure.holderPid = holder->pid;
        // The process table keeps 15 characters of a name; a lock file may hold it whole.
        if (facts.lockHolder && facts.lockHolder->pid == holder->pid &&
            !facts.lockHolder->program.isEmpty())
            failure.holderProgram = facts.lockHolder->program;
    } else if (facts.blockingLock && facts.error == PortError::Permission &&
               facts.systemErrno == 0) {
        // Refused by the serial port's own lock file, and nobody uses the device.
        failure.lock = facts.blockingLock->state;
        failure.lockFile = facts.blockingLock->path;
        failure.lockPid = facts.blockingLock->pid;
    }
    return failure;
}

QString cleanProgramName(QByteArrayView raw)
{
    const qsizetype end = raw.indexOf('\n');
    const QString name = QString::fromUtf8(end < 0 ? raw : raw.first(end)).trimmed();
    if (name.size() > 64)
        return {};
    for (const QChar c : name) {
        if (!c.isPrint())
            return {};
    }
    return name;
}

QString shellQuoted(const QString &path)
{
    static const QString safe = QStringLiteral("/._-+:@%,=");
    const bool plain = !path.isEmpty() && std::all_of(path.begin(), path.end(), [](QChar c) {
        return (c.unicode() < 128 && c.isLetterOrNumber()) || safe.contains(c);
    });
    if (plain)
        return path;
    QString quoted = path;
    quoted.replace(u'\'', QStringLiteral("'\\''"));
    return u'\'' + quoted + u'\'';
}

QString lockFileName(const QString &path)
{
    QString name = path.startsWith(QStringLiteral("/dev/")) ? path.mid(5) : path;
    name.replace(u'/', u'_');
    return QStringLiteral("LCK..") + name;
}

std::optional<PortHolder> parseLockFile(const QByteArray &contents)
{
    const QList<QByteArray> lines = contents.split('\n');
    const QList<QByteArray> first = lines.value(0).simplified().split(' ');
    const QByteArray number = first.value(0);
    bool decimal = !number.isEmpty() && number.size() <= 10;
    for (const char c : number)
        decimal = decimal && c >= '0' && c <= '9';
    qint64 pid = 0;
    QString program;
    if (decimal) {
        pid = number.toLongLong();
        // The name after the number ("  1234 minicom user") or on the next line (the
        // serial port's own files), as far as it is printable text.
        program = cleanProgramName(first.size() > 1 ? first.at(1) : lines.value(1).trimmed());
    } else if (contents.size() == 4) {
        qint32 binary = 0;
        std::memcpy(&binary, contents.constData(), sizeof binary);
        pid = binary;
    }
    if (pid <= 0 || pid > 0x7fffffff)
        return std::nullopt;
    return PortHolder{program, pid};
}

QString describeForLog(const OpenFailure &failure)
{
    switch (failure.kind) {
    case Kind::PermissionDenied:
        if (failure.userMayUse)
            return QStringLiteral("permission denied by the system, although the user may use "
                                  "the device");
        return failure.group.isEmpty()
                   ? QStringLiteral("permission denied")
                   : QStringLiteral("permission denied, device group %1").arg(failure.group);
    case Kind::Busy: {
        if (failure.lock != OpenFailure::Lock::None)
            return QStringLiteral("busy, %1 lock file %2")
                .arg(failure.lock == OpenFailure::Lock::Stale     ? QStringLiteral("stale")
                     : failure.lock == OpenFailure::Lock::Foreign ? QStringLiteral("foreign")
                                                                  : QStringLiteral("invalid"),
                     failure.lockFile);
        QString holder = failure.holderProgram.isEmpty() ? QStringLiteral("another program")
                                                         : failure.holderProgram;
        if (failure.holderPid > 0)
            holder += QStringLiteral(" (pid %1)").arg(failure.holderPid);
        return QStringLiteral("busy, held by ") + holder;
    }
    case Kind::Missing:
        return QStringLiteral("missing");
    case Kind::Other:
        break;
    }
    return QStringLiteral("other: ") + failure.systemText;
}

} // namespace qv::serial
