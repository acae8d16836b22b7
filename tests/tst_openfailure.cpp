// Why a port cannot be used: the classification and the user's words as tables, and real
// refusals on the emulated module's pseudo-terminal. The program runs itself as the
// process that holds the port and as the (unprivileged, when run as root) one that
// tries to open it.
#include "modulefixture.h"
#include "serial/openadvice.h"
#include "serial/serialline.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
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
#include <sys/stat.h>
#include <unistd.h>

using qv::OpenFailure;
using Kind = qv::OpenFailure::Kind;
Q_DECLARE_METATYPE(qv::OpenFailure)

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
    qv::SerialLine line;
    if (line.open(qv::lines::identification(path, 1200)) == qv::OpenResult::Ok)
        return 1;
    const OpenFailure f = *line.openFailure();
    std::printf("%d\t%s\t%s\t%lld\t%s\n", int(f.kind), qPrintable(f.group),
                qPrintable(f.holderProgram), f.holderPid, qPrintable(qv::openFailureAdvice(f)));
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

OpenFailure failure(Kind kind, const QString &port, const QString &path)
{
    OpenFailure f;
    f.kind = kind;
    f.port = port;
    f.path = path;
    return f;
}

} // namespace

class TestOpenFailure : public QObject
{
    Q_OBJECT

private slots:
    void classification_data();
    void classification();
    void lockFiles_data();
    void lockFiles();
    void advice_data();
    void advice();
    void summary();
    void permissionDenied();
    void heldPort_data();
    void heldPort();
    void vanishedPort_data();
    void vanishedPort();
};

void TestOpenFailure::classification_data()
{
    QTest::addColumn<int>("naming");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("systemErrno");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("accessible");
    QTest::addColumn<bool>("locked"); // a lock file names minicom, pid 4321
    QTest::addColumn<int>("kind");
    QTest::addColumn<qint64>("holderPid");

    const int unix_ = int(qv::PortNaming::Unix);
    const int win = int(qv::PortNaming::Windows);
    const int notFound = int(qv::PortError::DeviceNotFound);
    const int permission = int(qv::PortError::Permission);
    QTest::newRow("no such file") << unix_ << notFound << ENOENT << false << true << false
                                  << int(Kind::Missing) << 0LL;
    QTest::newRow("gone, only the port says so")
        << unix_ << notFound << 0 << true << true << false << int(Kind::Missing) << 0LL;
    QTest::newRow("no device behind the node")
        << unix_ << int(qv::PortError::Other) << ENXIO << true << true << false
        << int(Kind::Missing) << 0LL;
    QTest::newRow("exclusive flag")
        << unix_ << permission << EBUSY << true << true << false << int(Kind::Busy) << 0LL;
    QTest::newRow("lock file") << unix_ << permission << 0 << true << true << true
                               << int(Kind::Busy) << 4321LL;
    QTest::newRow("lock file, and no access either")
        << unix_ << permission << 0 << true << false << true << int(Kind::PermissionDenied) << 0LL;
    QTest::newRow("permission denied") << unix_ << permission << EACCES << true << false << false
                                       << int(Kind::PermissionDenied) << 0LL;
    QTest::newRow("not a terminal") << unix_ << int(qv::PortError::Unsupported) << ENOTTY << true
                                    << true << true << int(Kind::Other) << 0LL;
    QTest::newRow("Windows: access denied")
        << win << permission << 0 << true << true << false << int(Kind::PermissionDenied) << 0LL;
    QTest::newRow("Windows: not found")
        << win << notFound << 0 << true << true << false << int(Kind::Missing) << 0LL;
}

void TestOpenFailure::classification()
{
    QFETCH(int, naming);
    QFETCH(int, error);
    QFETCH(int, systemErrno);
    QFETCH(bool, exists);
    QFETCH(bool, accessible);
    QFETCH(bool, locked);
    QFETCH(int, kind);
    QFETCH(qint64, holderPid);

    qv::OpenFacts facts;
    facts.port = QStringLiteral("ttyUSB0");
    facts.path = QStringLiteral("/dev/ttyUSB0");
    facts.naming = qv::PortNaming(naming);
    facts.error = qv::PortError(error);
    facts.errorText = QStringLiteral("the port's words");
    facts.systemErrno = systemErrno;
    facts.exists = exists;
    facts.accessible = accessible;
    facts.group = QStringLiteral("dialout");
    if (locked)
        facts.lockHolder = qv::PortHolder{QStringLiteral("minicom"), 4321};
    const OpenFailure result = qv::classifyOpenFailure(facts);
    QCOMPARE(int(result.kind), kind);
    QCOMPARE(result.holderPid, holderPid);
    QCOMPARE(result.holderProgram, holderPid ? QStringLiteral("minicom") : QString());
    QCOMPARE(result.systemText, facts.errorText);
    QCOMPARE(result.group,
             naming == int(qv::PortNaming::Unix) ? QStringLiteral("dialout") : QString());

    facts.path.clear(); // no port chosen at all
    QCOMPARE(qv::classifyOpenFailure(facts).kind, Kind::Missing);
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
    QTest::newRow("zero") << QByteArray("0\nx\n") << 0LL << "";
    QTest::newRow("too large") << QByteArray("99999999999\n") << 0LL << "";
}

void TestOpenFailure::lockFiles()
{
    QFETCH(QByteArray, contents);
    QFETCH(qint64, pid);
    QFETCH(QString, program);
    const auto holder = qv::parseLockFile(contents);
    QCOMPARE(holder.has_value(), pid != 0);
    if (holder)
        QCOMPARE(QStringList({QString::number(holder->pid), holder->program}),
                 QStringList({QString::number(pid), program}));
    QCOMPARE(qv::lockFileName(QStringLiteral("/dev/pts/3")), QStringLiteral("LCK..pts_3"));
    QCOMPARE(qv::lockFileName(QStringLiteral("/tmp/qv")), QStringLiteral("LCK.._tmp_qv"));
}

void TestOpenFailure::advice_data()
{
    QTest::addColumn<OpenFailure>("failure");
    QTest::addColumn<bool>("windows");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("advice");

    const QString usb = QStringLiteral("/dev/ttyUSB0");
    OpenFailure f = failure(Kind::PermissionDenied, "ttyUSB0", usb);
    f.group = QStringLiteral("dialout");
    f.groupGrantsAccess = true;
    QTest::newRow("dialout") << f << false << "nincs jogosultság (\"dialout\" csoport)"
                             << "Nincs jogosultság a(z) /dev/ttyUSB0 port használatához (a port "
                                "a(z) \"dialout\" csoporté). Adja hozzá a felhasználót a(z) "
                                "\"dialout\" csoporthoz (sudo usermod -aG dialout $USER), majd "
                                "jelentkezzen be újra.";
    f.groupPendingLogin = true;
    QTest::newRow("added, not logged in again")
        << f << false << "nincs jogosultság (\"dialout\" csoport)"
        << "Nincs jogosultság a(z) /dev/ttyUSB0 port használatához (a port a(z) \"dialout\" "
           "csoporté). A felhasználó már tagja a(z) \"dialout\" csoportnak, de ez csak új "
           "bejelentkezés után érvényes: jelentkezzen ki, majd be újra.";
    f = failure(Kind::PermissionDenied, "COM1", "/dev/ttyS0");
    f.group = QStringLiteral("root");
    f.groupGrantsAccess = true;
    QTest::newRow("root's group is no advice")
        << f << false << "nincs jogosultság (csak rendszergazda)"
        << "Nincs jogosultság a(z) COM1 (/dev/ttyS0) port használatához. A portot csak "
           "rendszergazdai jogosultsággal lehet használni: kérje a rendszergazdát, hogy adjon "
           "hozzáférést.";
    f = failure(Kind::PermissionDenied, "COM3", "\\\\.\\COM3");
    f.systemText = QStringLiteral("Access is denied.");
    QTest::newRow("Windows") << f << true << "foglalt vagy nincs hozzáférés"
                             << "A(z) COM3 port nem nyitható meg: egy másik program használja, "
                                "vagy a hozzáférés nem engedélyezett (Access is denied). Zárja be "
                                "a portot használó programot, majd próbálja újra.";
    f = failure(Kind::Busy, "ttyUSB0", usb);
    f.holderProgram = QStringLiteral("minicom");
    f.holderPid = 1234;
    QTest::newRow("busy") << f << false << "foglalt: minicom (PID 1234)"
                          << "A(z) /dev/ttyUSB0 portot egy másik program használja: minicom "
                             "(PID 1234). Zárja be a portot használó programot, majd próbálja "
                             "újra.";
    QTest::newRow("busy, holder unknown")
        << failure(Kind::Busy, "/dev/pts/4", "/dev/pts/4") << false
        << "foglalt: egy másik program használja"
        << "A(z) /dev/pts/4 portot egy másik program használja. Zárja be a portot használó "
           "programot, majd próbálja újra.";
    QTest::newRow("missing") << failure(Kind::Missing, "ttyUSB0", usb) << false << "nem található"
                             << "A(z) /dev/ttyUSB0 port nem található. Ellenőrizze, hogy az "
                                "eszköz csatlakoztatva van-e, majd válassza ki újra a portot.";
    QTest::newRow("no port chosen") << failure(Kind::Missing, "", "") << false << "nincs megadva"
                                    << "Nincs kiválasztva port. Válasszon portot az \"Eszköz "
                                       "csatlakoztatása\" gombbal.";
    f = failure(Kind::Other, "/tmp", "/tmp");
    f.systemText = QStringLiteral("Is a directory");
    QTest::newRow("other") << f << false << "nem nyitható meg: Is a directory"
                           << "A(z) /tmp port nem nyitható meg: Is a directory. Ellenőrizze az "
                              "eszközt és a port beállítását.";
}

void TestOpenFailure::advice()
{
    QFETCH(OpenFailure, failure);
    QFETCH(bool, windows);
    QFETCH(QString, reason);
    QFETCH(QString, advice);
    const auto naming = windows ? qv::PortNaming::Windows : qv::PortNaming::Unix;
    QCOMPARE(qv::openFailureReason(failure, naming), reason);
    QCOMPARE(qv::openFailureAdvice(failure, naming), advice);
}

// One line per port, each remedy once.
void TestOpenFailure::summary()
{
    QCOMPARE(qv::unusablePortsSummary({}), QString());
    OpenFailure s0 = failure(Kind::PermissionDenied, "ttyS0", "/dev/ttyS0");
    s0.group = QStringLiteral("dialout");
    s0.groupGrantsAccess = true;
    OpenFailure s1 = s0;
    s1.port = QStringLiteral("ttyS1");
    s1.path = QStringLiteral("/dev/ttyS1");
    const OpenFailure gone = failure(Kind::Missing, "ttyUSB0", "/dev/ttyUSB0");
    QCOMPARE(qv::unusablePortsSummary({s0, gone, s1}, qv::PortNaming::Unix),
             QStringLiteral("Nem használható portok:\n"
                            "/dev/ttyS0: nincs jogosultság (\"dialout\" csoport)\n"
                            "/dev/ttyUSB0: nem található\n"
                            "/dev/ttyS1: nincs jogosultság (\"dialout\" csoport)\n\n") +
                 qv::openFailureRemedy(s0, qv::PortNaming::Unix) + u'\n' +
                 qv::openFailureRemedy(gone, qv::PortNaming::Unix));
}

// As root, the device belongs to "dialout" and the user "nobody" opens it; otherwise the
// device allows nobody anything.
void TestOpenFailure::permissionDenied()
{
    auto module = startModule();
    const QString path = module->slavePath();
    const bool root = ::geteuid() == 0;
    const group *dialout = ::getgrnam("dialout");
    if (root && dialout)
        QVERIFY(::chown(QFile::encodeName(path).constData(), 0, dialout->gr_gid) == 0);
    QVERIFY(::chmod(QFile::encodeName(path).constData(), root && dialout ? 0660 : 0) == 0);

    const QStringList seen = openInChild(path, true);
    QCOMPARE(seen.size(), 5);
    QCOMPARE(seen.at(0).toInt(), int(Kind::PermissionDenied));
    QCOMPARE(seen.at(1), QFileInfo(path).group());
    QVERIFY2(seen.at(4).startsWith("Nincs jogosultság a(z) " + path), qPrintable(seen.at(4)));
    if (root && dialout)
        QVERIFY2(seen.at(4).contains("sudo usermod -aG dialout $USER"), qPrintable(seen.at(4)));
}

void TestOpenFailure::heldPort_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("through the lock file") << "qt";
    QTest::newRow("exclusive flag only") << "excl"; // root ignores it: both sides are nobody
}

void TestOpenFailure::heldPort()
{
    QFETCH(QString, how);
    auto module = startModule();
    const QString path = module->slavePath();
    QVERIFY(::chmod(QFile::encodeName(path).constData(), 0666) == 0);
    QProcess holder;
    holder.start(QCoreApplication::applicationFilePath(),
                 {how == u"qt" ? "--hold" : "--hold-unprivileged", path, how});
    QVERIFY(holder.waitForReadyRead(5000));
    QCOMPARE(holder.readLine().trimmed(), QByteArray("held"));

    const QStringList seen = openInChild(path, how == u"excl");
    const qint64 holderPid = holder.processId();
    holder.closeWriteChannel();
    QVERIFY(holder.waitForFinished(5000));
    QCOMPARE(seen.size(), 5);
    QCOMPARE(seen.at(0).toInt(), int(Kind::Busy));
    QCOMPARE(seen.at(3).toLongLong(), holderPid);
    QCOMPARE(seen.at(2), QFileInfo(QCoreApplication::applicationFilePath()).fileName().left(15));
    QVERIFY2(seen.at(4).contains(QStringLiteral("(PID %1)").arg(holderPid)),
             qPrintable(seen.at(4)));
}

void TestOpenFailure::vanishedPort_data()
{
    QTest::addColumn<bool>("throughLink");
    QTest::newRow("pseudo-terminal closed") << false;
    QTest::newRow("link to it left behind") << true;
}

void TestOpenFailure::vanishedPort()
{
    QFETCH(bool, throughLink);
    QTemporaryDir folder;
    auto module = startModule();
    QString path = module->slavePath();
    if (throughLink) {
        path = folder.filePath(QStringLiteral("qvmodule"));
        QVERIFY(QFile::link(module->slavePath(), path));
    }
    module->stop();
    qv::SerialLine line;
    QCOMPARE(line.open(qv::lines::status(path)), qv::OpenResult::OpenFailed);
    QVERIFY(line.openFailure());
    QCOMPARE(line.openFailure()->kind, Kind::Missing);
    QCOMPARE(line.openFailure()->path, path);
    QCOMPARE(qv::openFailureReason(*line.openFailure()), QStringLiteral("nem található"));
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
