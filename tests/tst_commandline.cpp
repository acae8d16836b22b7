// The program's command line: what starts the window, what prints and exits, what fails.
#include "cli/commandline.h"
#include "cli/commands.h"

#include <QTest>

using Action = qv::cli::CommandLine::Action;
Q_DECLARE_METATYPE(Action)

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void dispatch_data();
    void dispatch();
};

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("textStart");
    QTest::addColumn<QString>("team");

    const QString usage = QStringLiteral("Használat: qvconfig");
    auto row = [](const char *name, QStringList args, Action action, const char *port,
                  const char *file, const QString &text, const char *team = "") {
        args.prepend(QStringLiteral("qvconfig"));
        QTest::newRow(name) << args << action << QString::fromUtf8(port) << QString::fromUtf8(file)
                            << text << QString::fromUtf8(team);
    };
    row("no arguments", {}, Action::Run, "", "", "");
    row("--port NAME", {"--port", "/dev/pts/3"}, Action::Run, "/dev/pts/3", "", "");
    row("--port=NAME", {"--port=ttyUSB0"}, Action::Run, "ttyUSB0", "", "");
    row("file from the desktop entry", {"/home/t/Munka/ügyfél.msw"}, Action::Run, "",
        "/home/t/Munka/ügyfél.msw", "");
    row("port and file", {"cfg.msw", "--port", "COM3"}, Action::Run, "COM3", "cfg.msw", "");
    row("file that looks like an option, after --", {"--", "-x.msw"}, Action::Run, "", "-x.msw",
        "");
    row("Qt's own options are left to Qt",
        {"-platform", "offscreen", "--style=fusion", "-reverse", "a.msw"}, Action::Run, "", "a.msw",
        "");
    row("--help", {"--help"}, Action::Help, "", "", usage);
    row("-h with a port", {"--port", "COM2", "-h"}, Action::Help, "", "", usage);
    row("--version", {"--version"}, Action::Version, "", "", QStringLiteral("qvconfig 1.31\n"));
    row("-v", {"-v"}, Action::Version, "", "", QStringLiteral("qvconfig 1.31\n"));
    row("unknown long option", {"--bogus"}, Action::Error, "", "",
        QStringLiteral("Ismeretlen kapcsoló: --bogus\n\n") + usage);
    row("unknown short option", {"-x"}, Action::Error, "", "",
        QStringLiteral("Ismeretlen kapcsoló: -x"));
    row("--port without a name", {"--port"}, Action::Error, "", "",
        QStringLiteral("A --port után meg kell adni a port nevét."));
    row("--port with an empty name", {"--port="}, Action::Error, "", "",
        QStringLiteral("A --port után meg kell adni a port nevét."));
    row("two files", {"a.msw", "b.msw"}, Action::Error, "", "",
        QStringLiteral("Csak egy konfigurációs fájl adható meg"));
    row("empty file name", {""}, Action::Error, "", "", QStringLiteral("A fájl neve üres."));
    row("a mistyped command is no file", {"idenitfy"}, Action::Error, "", "",
        QStringLiteral("Ismeretlen parancs: idenitfy (erre gondolt: identify?)\n"));
    // A team register: its password comes from ~/.pgpass or a service file, never from here.
    row("--register connection string", {"--register", "host=db dbname=qv user=tech", "a.msw"},
        Action::Run, "", "a.msw", "", "host=db dbname=qv user=tech");
    row("--register=service name", {"--register=qvteam"}, Action::Run, "", "", "", "qvteam");
    row("--register URI without a password", {"--register", "postgresql://tech@db/qv"}, Action::Run,
        "", "", "", "postgresql://tech@db/qv");
    const QString password = QStringLiteral("--register: A kapcsolat leírása jelszót tartalmaz.");
    row("--register with a password", {"--register", "host=db password=titok"}, Action::Error, "",
        "", password);
    row("--register URI with a password", {"--register=postgresql://tech:titok@db/qv"},
        Action::Error, "", "", password);
    row("--register without a connection", {"--register"}, Action::Error, "", "",
        QStringLiteral("A --register után meg kell adni a nyilvántartás kapcsolatát."));
    row("--register with an empty connection", {"--register= "}, Action::Error, "", "",
        QStringLiteral("A --register után meg kell adni a nyilvántartás kapcsolatát."));
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(QString, port);
    QFETCH(QString, file);
    QFETCH(QString, textStart);
    QFETCH(QString, team);
    const qv::cli::CommandLine line = qv::cli::parseCommandLine(arguments, QStringLiteral("1.31"));
    QCOMPARE(line.action, action);
    QCOMPARE(line.port, port);
    QCOMPARE(line.file, file);
    QCOMPARE(line.teamRegister, team);
    if (textStart.isEmpty())
        QVERIFY2(line.text.isEmpty(), qPrintable(line.text));
    else
        QVERIFY2(line.text.startsWith(textStart), qPrintable(line.text));
    // An error always ends with the usage, so the user sees what is accepted.
    if (action == Action::Error)
        QVERIFY(line.text.contains(QStringLiteral("\nHasználat: qvconfig")));
}

QTEST_GUILESS_MAIN(TestCommandLine)
// Where the command stands, whatever options come before it; a word that is neither a
// command nor a file.
void TestCommandLine::dispatch_data()
{
    using Kind = qv::cli::Dispatch::Kind;
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("at");
    QTest::addColumn<QString>("reason");
    auto row = [](const char *name, QStringList args, Kind kind, int at, const char *reason = "") {
        args.prepend(QStringLiteral("qvconfig"));
        QTest::newRow(name) << args << int(kind) << at << QString::fromUtf8(reason);
    };
    row("no arguments", {}, Kind::Window, -1);
    row("a file", {"ügyfél.msw"}, Kind::Window, -1);
    row("a path", {"Munka/ügyfél"}, Kind::Window, -1);
    row("command first", {"identify", "--port", "x"}, Kind::Command, 1);
    row("options first", {"--lang", "hu", "identify", "--port", "x"}, Kind::Command, 3);
    row("values after = and Qt's options", {"--port=x", "-platform", "offscreen", "read"},
        Kind::Command, 4);
    row("an option's value is no command", {"--port", "status", "a.msw"}, Kind::Window, -1);
    row("help", {"help", "read"}, Kind::Command, 1);
    row("after --", {"--", "identify"}, Kind::Window, -1);
    row("a typo", {"idenitfy"}, Kind::Unknown, -1,
        "Ismeretlen parancs: idenitfy (erre gondolt: identify?)");
    row("nothing near", {"--lang", "hu", "xyzzy"}, Kind::Unknown, -1,
        "Ismeretlen parancs: xyzzy\n");
}

void TestCommandLine::dispatch()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, kind);
    QFETCH(int, at);
    QFETCH(QString, reason);
    const qv::cli::Dispatch result = qv::cli::dispatch(arguments);
    QCOMPARE(int(result.kind), kind);
    QCOMPARE(result.at, at);
    QVERIFY2(reason.isEmpty() ? result.reason.isEmpty() : result.reason.startsWith(reason),
             qPrintable(result.reason));
}

#include "tst_commandline.moc"
