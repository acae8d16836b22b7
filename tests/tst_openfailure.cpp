// Why a port cannot be used: the classification and the user's words as tables, and real
// refusals on the emulated module's pseudo-terminal. The program runs itself as the
// process that holds the port and as the (unprivileged, when run as root) one that
// tries to open it.
#include "modulefixture.h"
#include "serial/openadvice.h"
#include "serial/serialline.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QSerialPort>
#include <QTest>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <grp.h>
#include <sys/ioctl.h>
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using qv::serial::OpenFailure;
using Kind = qv::serial::OpenFailure::Kind;
Q_DECLARE_METATYPE(qv::serial::OpenFailure)
Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(qv::serial::OpenFailure::Lock)

namespace {

constexpr uid_t kNobody = 65534;

// Child: gives up root (when it is root) for the unprivileged user "nobody". It stays
// open to inspection by its user, as a process started by that user would be.
bool dropRoot()
{
    if (::geteuid() != 0)
        return true;
    if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
        return false;
#ifdef Q_OS_LINUX
    ::prctl(PR_SET_DUMPABLE, 1);
#endif
    return true;
}

// Child: holds the port, through the serial port ("qt": lock file and exclusive flag) or
// with the exclusive flag alone ("excl"), until its standard input closes.
int holdPort(const QString &path, const QString &how)
{
    QSerialPort port;
    port.setPortName(path);
    if (how == u"idle") { // alive, the port untouched
        std::printf("held\n");
        std::fflush(stdout);
        while (std::getchar() != EOF) {
        }
        return 0;
    }
    const int fd =
        how == u"excl" ? ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY) : -1;
    if (how == u"excl" ? fd < 0 || ::ioctl(fd, TIOCEXCL) != 0 : !port.open(QIODevice::ReadWrite))
        return 1;
    std::printf("held\n");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}

// Child: opens the port as the identification does and prints why it failed.
int tryOpen(const QString &path)
{
    qv::serial::SerialLine line;
    if (line.open(qv::serial::lines::identification(path, 1200)) == qv::serial::OpenResult::Ok)
        return 1;
    const OpenFailure f = *line.openFailure();
    std::printf("%d\t%s\t%s\t%lld\t%s\n", int(f.kind), qPrintable(f.group),
                qPrintable(f.holderProgram), f.holderPid,
                qPrintable(qv::serial::openFailureAdvice(f)));
    return 0;
}

// What the opening child reported: kind, group, holder's program and pid, advice.
QStringList openInChild(const QString &path, bool unprivileged)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {unprivileged ? "--open-unprivileged" : "--open", path});
    if (!child.waitForFinished(10000) || child.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(child.readAllStandardOutput().trimmed()).split(u'\t');
}

OpenFailure failure(Kind kind, const QString &port, const QString &path, const QString &group = {},
                    bool grants = true)
{
    return {.kind = kind, .port = port, .path = path, .group = group, .groupGrantsAccess = grants};
}

// /dev/ttyUSB0 of the group "dialout"; the lock file names minicom, pid 4321.
qv::serial::OpenFacts facts(qv::serial::PortError error, int systemErrno, bool exists,
                            bool accessible, bool locked,
                            qv::serial::PortNaming naming = qv::serial::PortNaming::Unix)
{
    return {.port = "ttyUSB0",
            .path = "/dev/ttyUSB0",
            .error = error,
            .errorText = "the port's words",
            .systemErrno = systemErrno,
            .exists = exists,
            .accessible = accessible,
            .group = "dialout",
            .lockHolder =
                locked ? std::optional<qv::serial::PortHolder>({"minicom", 4321}) : std::nullopt,
            .naming = naming};
}

} // namespace

Q_DECLARE_METATYPE(qv::serial::OpenFacts)

class TestOpenFailure : public QObject
{
    Q_OBJECT

private slots:
    void classification_data();
    void classification();
    void busyHolder_data();
    void busyHolder();
    void lockFiles_data();
    void lockFiles();
    void advice_data();
    void advice();
    void summary();
    void refusals_data();
    void refusals();
};

void TestOpenFailure::classification_data()
{
    QTest::addColumn<qv::serial::OpenFacts>("facts");
    QTest::addColumn<Kind>("kind");

    using E = qv::serial::PortError;
    QTest::newRow("no such file") << facts(E::DeviceNotFound, ENOENT, false, true, false)
                                  << Kind::Missing;
    QTest::newRow("gone, only the port says so")
        << facts(E::DeviceNotFound, 0, true, true, false) << Kind::Missing;
    QTest::newRow("no device behind the node")
        << facts(E::Other, ENXIO, true, true, false) << Kind::Missing;
    QTest::newRow("exclusive flag") << facts(E::Permission, EBUSY, true, true, false) << Kind::Busy;
    QTest::newRow("lock file") << facts(E::Permission, 0, true, true, true) << Kind::Busy;
    QTest::newRow("lock file, and no access either")
        << facts(E::Permission, 0, true, false, true) << Kind::PermissionDenied;
    QTest::newRow("permission denied")
        << facts(E::Permission, EACCES, true, false, false) << Kind::PermissionDenied;
    QTest::newRow("not a terminal")
        << facts(E::Unsupported, ENOTTY, true, true, true) << Kind::Other;
    QTest::newRow("Windows: access denied")
        << facts(E::Permission, 0, true, true, false, qv::serial::PortNaming::Windows)
        << Kind::PermissionDenied;
    QTest::newRow("Windows: not found")
        << facts(E::DeviceNotFound, 0, true, true, false, qv::serial::PortNaming::Windows)
        << Kind::Missing;
}

void TestOpenFailure::classification()
{
    QFETCH(qv::serial::OpenFacts, facts);
    QFETCH(Kind, kind);
    const OpenFailure result = qv::serial::classifyOpenFailure(facts);
    QCOMPARE(result.kind, kind);
    const bool named = facts.lockHolder && kind == Kind::Busy; // the holder only when busy
    QCOMPARE(result.holderPid, named ? 4321 : 0);
    QCOMPARE(result.holderProgram, named ? QStringLiteral("minicom") : QString());
    QCOMPARE(result.systemText, facts.errorText);
    QCOMPARE(result.group.isEmpty(), facts.naming == qv::serial::PortNaming::Windows);

    facts.path.clear(); // no port chosen at all
    QCOMPARE(qv::serial::classifyOpenFailure(facts).kind, Kind::Missing);
}

// Who a busy port is blamed on: the process table, a lock file's live process, or the
// lock file itself when nothing stands behind it; a port the user may use but the
// system refuses gets no group advice.
void TestOpenFailure::busyHolder_data()
{
    QTest::addColumn<qv::serial::OpenFacts>("facts");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<qint64>("holderPid");
    QTest::addColumn<OpenFailure::Lock>("lock");
    QTest::addColumn<QStringList>("advice"); // what it says; "!..." what it must not

    using E = qv::serial::PortError;
    using L = OpenFailure::Lock;
    const QString lockPath = QStringLiteral("/var/lock/LCK..ttyUSB0");
    qv::serial::OpenFacts f = facts(E::Permission, 0, true, true, false);
    f.blockingLock = {L::Stale, lockPath, 999};
    QTest::newRow("stale lock file")
        << f << Kind::Busy << 0LL << L::Stale
        << QStringList{"elavult zárolófájl tartja foglaltként: " + lockPath +
                           " (az azt létrehozó folyamat, "
                           "PID 999, már nem fut)",
                       "rm " + lockPath + "), majd", "!Zárja be"};
    f.blockingLock = {L::Foreign, lockPath, 1};
    QTest::newRow("lock file of a process that does not use the port")
        << f << Kind::Busy << 0LL << L::Foreign
        << QStringList{"(PID 1) nem használja a portot", "rm " + lockPath};
    f.processHolder = qv::serial::PortHolder{"picocom", 77};
    QTest::newRow("the process table before a foreign lock file")
        << f << Kind::Busy << 77LL << L::None
        << QStringList{"használja: picocom (PID 77)", "!zárolófájl"};
    f = facts(E::Permission, 0, true, true, false);
    f.blockingLock = {L::Invalid, "/tmp/LCK..ttyUSB0 x", 0};
    QTest::newRow("a pipe for a lock file")
        << f << Kind::Busy << 0LL << L::Invalid
        << QStringList{"nem szabályos zárolófájl", "rm '/tmp/LCK..ttyUSB0 x')"};
    f = facts(E::Permission, EBUSY, true, true, false);
    f.blockingLock = {L::Stale, lockPath, 999};
    QTest::newRow("exclusive flag: a lock file did not refuse")
        << f << Kind::Busy << 0LL << L::None
        << QStringList{"egy másik program használja.", "!zárolófájl"};
    QTest::newRow("refused although the mode allows it")
        << facts(E::Permission, EACCES, true, true, false) << Kind::PermissionDenied << 0LL
        << L::None
        << QStringList{"A rendszer megtagadta a(z) /dev/ttyUSB0 port megnyitását",
                       "olvasásra és írásra – the port's words)", "konténer", "!usermod"};
}

void TestOpenFailure::busyHolder()
{
    QFETCH(qv::serial::OpenFacts, facts);
    QFETCH(Kind, kind);
    QFETCH(qint64, holderPid);
    QFETCH(OpenFailure::Lock, lock);
    QFETCH(QStringList, advice);
    const OpenFailure result = qv::serial::classifyOpenFailure(facts);
    QCOMPARE(result.kind, kind);
    QCOMPARE(result.holderPid, holderPid);
    QCOMPARE(result.lock, lock);
    const QString text = qv::serial::openFailureAdvice(result, qv::serial::PortNaming::Unix);
    for (const QString &part : advice)
        QVERIFY2(part.startsWith(u'!') ? !text.contains(part.mid(1)) : text.contains(part),
                 qPrintable(part + u'\n' + text));
}

void TestOpenFailure::lockFiles_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<qint64>("pid"); // 0: no holder
    QTest::addColumn<QString>("program");

    qint32 binaryPid = 2345;
    QTest::newRow("the serial port's own")
        << QByteArray("10093\nqvconfig\nvm\n3d12\n8062\n") << 10093LL << "qvconfig";
    QTest::newRow("padded, name after the number")
        << QByteArray("      1234 minicom tech\n") << 1234LL << "minicom";
    QTest::newRow("padded number alone") << QByteArray("      1234\n") << 1234LL << "";
    QTest::newRow("binary") << QByteArray(reinterpret_cast<const char *>(&binaryPid), 4) << 2345LL
                            << "";
    QTest::newRow("unprintable name") << QByteArray("77\n\x01\x1b[2J\n") << 77LL << "";
    QTest::newRow("empty") << QByteArray() << 0LL << "";
    QTest::newRow("text") << QByteArray("locked by me\n") << 0LL << "";
    QTest::newRow("too large") << QByteArray("99999999999\n") << 0LL << "";
    QTest::newRow("long name") << QByteArray("77\n" + QByteArray(65, 'x')) << 77LL << "";
    QTest::newRow("name with a line feed") << QByteArray("  77 mini\ncom\n") << 77LL << "mini";
}

void TestOpenFailure::lockFiles()
{
    QFETCH(QByteArray, contents);
    QFETCH(qint64, pid);
    QFETCH(QString, program);
    const auto holder = qv::serial::parseLockFile(contents);
    QCOMPARE(holder.has_value(), pid != 0);
    if (holder)
        QCOMPARE(QStringList({QString::number(holder->pid), holder->program}),
                 QStringList({QString::number(pid), program}));
    QCOMPARE(qv::serial::lockFileName(QStringLiteral("/dev/pts/3")), QStringLiteral("LCK..pts_3"));
    QCOMPARE(qv::serial::lockFileName(QStringLiteral("/tmp/qv")), QStringLiteral("LCK.._tmp_qv"));
    // The process table's names are cleaned the same way.
    QCOMPARE(qv::serial::cleanProgramName("minicom\n"), QStringLiteral("minicom"));
    QCOMPARE(qv::serial::cleanProgramName("\x1b]0;owned\x07"), QString());
}

void TestOpenFailure::advice_data()
{
    QTest::addColumn<OpenFailure>("failure");
    QTest::addColumn<bool>("windows");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QStringList>("advice"); // what it says; "!..." what it must not

    const QString usb = QStringLiteral("/dev/ttyUSB0");
    OpenFailure f = failure(Kind::PermissionDenied, "ttyUSB0", usb, "dialout");
    QTest::newRow("dialout") << f << false << "nincs jogosultság (\"dialout\" csoport)"
                             << QStringList{"Nincs jogosultság a(z) /dev/ttyUSB0 port",
                                            "a(z) \"dialout\" csoporté",
                                            "(sudo usermod -aG dialout $USER)", "be újra."};
    f.groupPendingLogin = true;
    QTest::newRow("added, not logged in again")
        << f << false << "nincs jogosultság (\"dialout\" csoport)"
        << QStringList{"már tagja a(z) \"dialout\" csoportnak", "ki, majd be újra.", "!usermod"};
    QTest::newRow("root's group is no advice")
        << failure(Kind::PermissionDenied, "COM1", "/dev/ttyS0", "root") << false
        << "nincs jogosultság (csak rendszergazda)"
        << QStringList{"a(z) COM1 (/dev/ttyS0) port", "rendszergazdai", "!csoport", "!usermod"};
    f = failure(Kind::PermissionDenied, "COM3", "\\\\.\\COM3", "", false);
    f.systemText = QStringLiteral("Access is denied.");
    QTest::newRow("Windows") << f << true << "foglalt vagy nincs hozzáférés"
                             << QStringList{"A(z) COM3 port", "(Access is denied). Zárja be",
                                            "!usermod"};
    f = failure(Kind::Busy, "ttyUSB0", usb);
    f.holderProgram = QStringLiteral("minicom");
    f.holderPid = 1234;
    QTest::newRow("busy") << f << false << "foglalt: minicom (PID 1234)"
                          << QStringList{"/dev/ttyUSB0 portot egy másik program használja: "
                                         "minicom (PID 1234). Zárja be"};
    QTest::newRow("missing") << failure(Kind::Missing, "ttyUSB0", usb) << false << "nem található"
                             << QStringList{"A(z) /dev/ttyUSB0 port nem található. Ellenőrizze"};
    f = failure(Kind::Other, "/tmp", "/tmp");
    f.systemText = QStringLiteral("Is a directory");
    QTest::newRow("other") << f << false << "nem nyitható meg: Is a directory"
                           << QStringList{"A(z) /tmp port nem nyitható meg: Is a directory."};
}

void TestOpenFailure::advice()
{
    QFETCH(OpenFailure, failure);
    QFETCH(bool, windows);
    QFETCH(QString, reason);
    QFETCH(QStringList, advice);
    const auto naming = windows ? qv::serial::PortNaming::Windows : qv::serial::PortNaming::Unix;
    QCOMPARE(qv::serial::openFailureReason(failure, naming), reason);
    const QString text = qv::serial::openFailureAdvice(failure, naming);
    for (const QString &part : advice)
        QVERIFY2(part.startsWith(u'!') ? !text.contains(part.mid(1)) : text.contains(part),
                 qPrintable(part + u'\n' + text));
}

// One line per port, each remedy once.
void TestOpenFailure::summary()
{
    QCOMPARE(qv::serial::unusablePortsSummary({}), QString());
    const OpenFailure s0 = failure(Kind::PermissionDenied, "ttyS0", "/dev/ttyS0", "dialout");
    const OpenFailure s1 = failure(Kind::PermissionDenied, "ttyS1", "/dev/ttyS1", "dialout");
    const OpenFailure gone = failure(Kind::Missing, "ttyUSB0", "/dev/ttyUSB0");
    const auto unix_ = qv::serial::PortNaming::Unix;
    QCOMPARE(qv::serial::unusablePortsSummary({s0, gone, s1}, unix_),
             QStringLiteral("Nem használható portok:\n"
                            "/dev/ttyS0: nincs jogosultság (\"dialout\" csoport)\n"
                            "/dev/ttyUSB0: nem található\n"
                            "/dev/ttyS1: nincs jogosultság (\"dialout\" csoport)\n\n") +
                 qv::serial::openFailureRemedy(s0, unix_) + u'\n' +
                 qv::serial::openFailureRemedy(gone, unix_));
}

// The serial port's lock folder for the opening child: the first of its folders that the
// child may read and write ("nobody" when the test runs as root).
QString childLockFolder()
{
    const QStringList folders = {"/var/lock", "/etc/locks", "/var/spool/locks", "/var/spool/uucp",
                                 QDir::tempPath()};
    for (const QString &folder : folders) {
        struct stat status
        {
        };
        if (::stat(QFile::encodeName(folder).constData(), &status) != 0 || !S_ISDIR(status.st_mode))
            continue;
        const mode_t others = S_IROTH | S_IWOTH | S_IXOTH;
        if (::geteuid() == 0 ? (status.st_mode & others) == others
                             : ::access(QFile::encodeName(folder).constData(), R_OK | W_OK) == 0)
            return folder;
    }
    return {};
}

// Puts a lock file of the kind `how` at `file`: "stale" names a process that is gone,
// "idle <pid>" a live one, "pipe", "socket" and "link" are no files at all.
bool plantLockFile(const QString &file, const QString &how)
{
    const QByteArray native = QFile::encodeName(file);
    if (how == u"pipe")
        return ::mkfifo(native.constData(), 0666) == 0;
    if (how == u"link")
        return ::symlink("/etc/passwd", native.constData()) == 0;
    if (how == u"socket") {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, native.constData(), sizeof address.sun_path - 1);
        const bool bound = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
        ::close(fd);
        return bound;
    }
    QFile lock(file);
    const QByteArray pid = how == u"stale" ? "2147483600" : how.section(u' ', 1).toLatin1();
    return lock.open(QIODevice::WriteOnly) && lock.write("     " + pid + "\nghost\n") > 0;
}

// Real refusals, seen by a child that opens the port as the identification does; as
// "nobody" when the test runs as root and the refusal would not bind root.
void TestOpenFailure::refusals_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("lockFile"); // planted in the child's lock folder, or in /tmp
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("says"); // in the advice, %1 the lock file's path
    QTest::newRow("device not permitted") << "deny"
                                          << "" << int(Kind::PermissionDenied) << "";
    QTest::newRow("held through the lock file") << "qt"
                                                << "" << int(Kind::Busy) << "";
    QTest::newRow("held by the exclusive flag only") << "excl"
                                                     << "" << int(Kind::Busy) << "";
    QTest::newRow("pseudo-terminal closed") << "stop"
                                            << "" << int(Kind::Missing) << "";
    QTest::newRow("stale lock file")
        << ""
        << "stale" << int(Kind::Busy) << "elavult zárolófájl tartja foglaltként: %1";
    QTest::newRow("lock file of a process that does not use the port")
        << "idle"
        << "idle" << int(Kind::Busy) << "%1 zárolófájl tartja foglaltként, de";
    QTest::newRow("stale lock file beside the real holder") << "excl"
                                                            << "stale" << int(Kind::Busy) << "";
    for (const char *how : {"pipe", "socket", "link"})
        QTest::newRow(qPrintable(QStringLiteral("%1 for a lock file").arg(how)))
            << "" << how << int(Kind::Busy) << "%1 fájl tartja foglaltként, amely nem szabályos";
    QTest::newRow("pipe in /tmp, device not permitted")
        << "deny"
        << "pipe in /tmp" << int(Kind::PermissionDenied) << "";
}

void TestOpenFailure::refusals()
{
    QFETCH(QString, setup);
    QFETCH(QString, lockFile);
    QFETCH(int, kind);
    QFETCH(QString, says);
    const bool otherUser = lockFile == u"stale" || lockFile == u"idle";
    if (otherUser && ::geteuid() != 0)
        QSKIP("a lock file that binds the opening child needs another user: run as root");
    auto module = startModule();
    const QString path = module->slavePath();
    const QByteArray device = QFile::encodeName(path);
    // As root the device belongs to "dialout", which "nobody" is not in; otherwise the
    // device allows nobody anything.
    const group *dialout = ::geteuid() == 0 ? ::getgrnam("dialout") : nullptr;
    QProcess holder;
    int keepNumber = -1;
    if (setup == u"deny") {
        QVERIFY(!dialout || ::chown(device.constData(), 0, dialout->gr_gid) == 0);
        QVERIFY(::chmod(device.constData(), dialout ? 0660 : 0) == 0);
    } else if (setup == u"stop") {
        // The node goes with the module's side of the pseudo-terminal; a descriptor of
        // ours keeps its number from a pseudo-terminal that a test beside this one opens.
        keepNumber = ::open(device.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        QVERIFY(keepNumber >= 0);
        module->stop();
    } else {
        QVERIFY(::chmod(device.constData(), 0666) == 0);
        if (!setup.isEmpty()) {
            holder.start(QCoreApplication::applicationFilePath(),
                         {setup == u"qt" ? "--hold" : "--hold-unprivileged", path, setup});
            QVERIFY(holder.waitForReadyRead(5000));
        }
    }
    const qint64 holderPid = holder.processId();

    // The lock file goes where the child's serial port looks, and is removed at the end.
    QString planted;
    if (!lockFile.isEmpty()) {
        const QString folder =
            lockFile.endsWith(u"/tmp") ? QStringLiteral("/tmp") : childLockFolder();
        QVERIFY(!folder.isEmpty());
        planted = folder + u'/' + qv::serial::lockFileName(path);
        QVERIFY2(plantLockFile(planted, lockFile.section(u' ', 0, 0) == u"idle"
                                            ? QStringLiteral("idle %1").arg(holderPid)
                                            : lockFile.section(u' ', 0, 0)),
                 qPrintable(planted));
    }
    const auto removeLock = qScopeGuard([&] {
        if (!planted.isEmpty())
            ::unlink(QFile::encodeName(planted).constData());
    });

    const QStringList seen = openInChild(path, setup != u"qt" && setup != u"stop");
    if (keepNumber >= 0)
        ::close(keepNumber);
    holder.closeWriteChannel();
    holder.waitForFinished(5000);

    QCOMPARE(seen.size(), 5); // the child neither hangs nor opens
    QCOMPARE(seen.at(0).toInt(), kind);
    const QString &advice = seen.at(4);
    if (!says.isEmpty()) {
        QVERIFY2(advice.contains(says.arg(planted)), qPrintable(advice));
        QVERIFY2(advice.contains("rm " + planted), qPrintable(advice));
        QCOMPARE(seen.at(3).toLongLong(), 0); // no program is blamed
    } else if (kind == int(Kind::PermissionDenied)) {
        QCOMPARE(seen.at(1), QFileInfo(path).group());
        QVERIFY2(advice.startsWith("Nincs jogosultság a(z) " + path), qPrintable(advice));
        QVERIFY2(!dialout || advice.contains("sudo usermod -aG dialout $USER"), qPrintable(advice));
    } else if (kind == int(Kind::Busy)) {
        QCOMPARE(seen.at(3).toLongLong(), holderPid);
        QCOMPARE(seen.at(2),
                 QFileInfo(QCoreApplication::applicationFilePath()).fileName().left(15));
        QVERIFY2(advice.contains(QStringLiteral("(PID %1)").arg(holderPid)), qPrintable(advice));
    } else {
        QVERIFY2(advice.startsWith("A(z) " + path + " port nem található."), qPrintable(advice));
    }
}

int main(int argc, char *argv[])
{
    const QString mode = argc >= 3 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode.endsWith(QStringLiteral("-unprivileged")) && !dropRoot())
        return 2;
    if (mode.startsWith(QStringLiteral("--hold")) && argc == 4) {
        QCoreApplication app(argc, argv);
        return holdPort(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    if (mode.startsWith(QStringLiteral("--open"))) {
        QCoreApplication app(argc, argv);
        return tryOpen(QString::fromLocal8Bit(argv[2]));
    }
    QCoreApplication app(argc, argv);
    TestOpenFailure test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_openfailure.moc"
