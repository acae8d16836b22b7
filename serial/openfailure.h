// Why a serial port could not be opened: the value every opening reports, and how it is
// told from what the port and the system said. Qt Core only; the facts are gathered by
// portdiagnosis.h.
//
// What the serial port reports is not enough on its own. On Unix, a port held by another
// program is refused in two ways: its lock file (LCK..ttyUSB0 in /var/lock or the like)
// makes the port report a permission error with its own text, whatever errno is left
// over; the holder's exclusive flag gives "Device or resource busy" to anyone but root.
// A real permission problem gives "Permission denied" from the system. A pulled adapter
// or a closed pseudo-terminal leaves no device behind ("No such file or directory").
#pragma once

#include "serial/portnames.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace qv::serial {

struct OpenFailure
{
    enum class Kind {
        PermissionDenied, // the user may not use the device
        Busy,             // another program holds it
        Missing,          // no such device (never there, unplugged, or no port chosen)
        Other,            // anything else: systemText says what
    };

    Kind kind = Kind::Other;
    QString port{};       // as the user named it: "ttyUSB0", "COM3", "/dev/pts/4"
    QString path{};       // the device path tried: "/dev/ttyUSB0", "\\.\COM3"
    QString systemText{}; // the system's (or the serial port's) own words
    // Unix: the device's group, whether that group may read and write it, and whether
    // the user is a member on record but not yet in this login (usermod without a new
    // login).
    QString group{};
    bool groupGrantsAccess = false;
    bool groupPendingLogin = false;
    // Busy: the program holding the port, when the lock file or the system tells.
    QString holderProgram{};
    qint64 holderPid = 0;
    // Busy, and no program uses the port: what is wrong with the lock file that keeps it
    // (in the serial port's own lock folder), its path, and the process it names.
    enum class Lock {
        None,
        Stale,   // names a process that is gone
        Foreign, // names a live process that does not have the device open
        Invalid, // not a plain file (a pipe, a socket, a link, a device), or no lock file
    };
    Lock lock = Lock::None;
    QString lockFile{};
    qint64 lockPid = 0;
    // PermissionDenied although the device's permissions let this user read and write it
    // (root, or a member of its group): the system refused for another reason.
    bool userMayUse = false;

    friend bool operator==(const OpenFailure &, const OpenFailure &) = default;
};

// The error classes of the serial port, mirrored here so that the classification needs
// no serial port library.
enum class PortError { None, DeviceNotFound, Permission, Open, Unsupported, Resource, Other };

// Whoever a lock file or the process table names as holding a port.
struct PortHolder
{
    QString program{}; // may be empty when only the process id is known
    qint64 pid = 0;
};

// What is known after a failed open, before classification.
struct OpenFacts
{
    QString port{};
    QString path{};
    PortError error = PortError::Other;
    QString errorText{}; // the serial port's errorString()
    // errno of the failed open, only when errorText is the system's text for it (0
    // otherwise: after a refusal by the lock file, errno is a left-over).
    int systemErrno = 0;
    bool exists = true;     // the path leads to something
    bool accessible = true; // this user may read and write it
    QString group{};
    bool groupGrantsAccess = false;
    bool groupPendingLogin = false;
    // A live process named by one of the port's lock files that, as far as the process
    // table lets this user see, has the device open.
    std::optional<PortHolder> lockHolder{};
    // Another process that has the device open, found in the process table.
    std::optional<PortHolder> processHolder{};
    // The lock file in the serial port's own lock folder, when no live holder of the
    // device stands behind it: what refused a lock-file refusal.
    struct BlockingLock
    {
        OpenFailure::Lock state = OpenFailure::Lock::Invalid;
        QString path{};
        qint64 pid = 0; // the process it names, when it names one
    };
    std::optional<BlockingLock> blockingLock{};
    PortNaming naming = nativePortNaming();
};

OpenFailure classifyOpenFailure(const OpenFacts &facts);

// The names of the lock files that guard the device at `path`, as serial programs make
// them: "/dev/ttyUSB0" -> "LCK..ttyUSB0", "/dev/pts/3" -> "LCK..pts_3",
// "/tmp/link" -> "LCK.._tmp_link".
QString lockFileName(const QString &path);

// A program's name as a message may show it: the first line, when it is printable text
// of at most 64 characters; empty otherwise (a lock file or the process table may hold
// anything).
QString cleanProgramName(QByteArrayView raw);

// A path as one word for a shell command: as it is when it holds only safe characters,
// in single quotes otherwise.
QString shellQuoted(const QString &path);

// The holder named by a lock file: the process id as decimal text on the first line
// (padded with blanks), the program's name after it ("      1234 minicom user") or on
// the second line (the serial port's own lock files); or the process id as a 4-byte
// binary number, as old programs wrote it. Nothing for anything else.
std::optional<PortHolder> parseLockFile(const QByteArray &contents);

// One line for a log: "permission denied, device group dialout", "busy, held by minicom
// (pid 1234)", "missing", "other: Input/output error".
QString describeForLog(const OpenFailure &failure);

} // namespace qv::serial
