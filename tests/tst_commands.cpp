// The commands without a window against the emulated module: output, JSON and exit
// status of each, on a good module and on every way a module or its port can fail.
#include "cli/commands.h"
#include "files/configformat.h"
#include "form/catalogue.h"
#include "modulefixture.h"
#include "register/store.h"
#include "serial/comport.h"
#include "serial/serialline.h"
#include "settings/devsettings.h"
#include "settings/preferences.h"
#include "transfer/configvalues.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using qvsim::Exchange;
using qvsim::Fault;

namespace {

struct Outcome
{
    int status = -1;
    QString out;
    QString err;
};

Outcome runCommand(const QStringList &arguments)
{
    Outcome result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.status = qv::cli::run(QStringList{QStringLiteral("qvconfig")} + arguments,
                                 QStringLiteral("test"), out, err, false);
    return result;
}

// Root opens every port: a refusal is seen by this program run again as "nobody", which
// runs the command and exits with its status.
Outcome runCommandAsNobody(const QStringList &arguments)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), QStringList{u"--as-nobody"_s} + arguments);
    Outcome result;
    if (child.waitForFinished(20000) && child.exitStatus() == QProcess::NormalExit)
        result.status = child.exitCode();
    result.out = QString::fromUtf8(child.readAllStandardOutput());
    result.err = QString::fromUtf8(child.readAllStandardError());
    return result;
}

qsizetype registerSize()
{
    return qv::reg::Store::openSqlite(qv::reg::Store::defaultSqlitePath()).search({}).size();
}

enum class Port { Module, Missing, Busy, Forbidden };

} // namespace

Q_DECLARE_METATYPE(Port)
Q_DECLARE_METATYPE(Exchange)
Q_DECLARE_METATYPE(Fault)

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void commands_data();
    void commands();
    void readOutGivesTheFileBack();
    void registerProblems_data();
    void registerProblems();

private:
    QTemporaryDir m_dir;
    QString file(const char *name) const { return m_dir.filePath(QString::fromLatin1(name)); }
};

// Two files as the read command writes them: the sample configuration and the factory one.
void TestCommands::initTestCase()
{
    QVERIFY(m_dir.isValid());
    for (const auto &[name, fields] : {std::pair{"sample.msw", sampleFields()},
                                       std::pair{"factory.msw", qvsim::factoryFields()}}) {
        const auto decoded =
            qv::transfer::decodeReadOut(qv::transfer::record::buildDownloadRecord(fields));
        QCOMPARE(decoded.status, qv::transfer::ReadOutStatus::Ok);
        QStringList values =
            qv::transfer::fileValuesFromReadOut(decoded.form, qv::settings::ModelQV5);
        for (const auto &[path, blank] : {std::pair{QString::fromLatin1(name), false},
                                          std::pair{QStringLiteral("empty.msw"), true}}) {
            if (blank) {
                if (name != std::string_view("sample.msw"))
                    continue;
                const QList<qv::form::Field> &layout = qv::form::configurationFields();
                for (qsizetype i = 0; i < layout.size(); ++i) {
                    if (layout.at(i).name == u"m_nev")
                        values[i].clear();
                }
            }
            QFile out(m_dir.filePath(path));
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(qv::files::writeConfig(values));
        }
    }
}

void TestCommands::commands_data()
{
    QTest::addColumn<QStringList>("arguments"); // "PORT", "SAMPLE", "FACTORY" replaced
    QTest::addColumn<Port>("port");
    QTest::addColumn<Exchange>("exchange");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QString>("ident"); // empty: the emulator's own
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("output");  // a part of the standard output
    QTest::addColumn<QString>("jsonKey"); // --json: a key of the object; empty: no JSON
    QTest::addColumn<int>("recorded");    // entries the register gains

    const QStringList identify{u"identify"_s, u"--port"_s, u"PORT"_s};
    const QStringList status{u"status"_s, u"--port"_s, u"PORT"_s};
    const QStringList read{u"read"_s, u"--port"_s, u"PORT"_s, u"-o"_s, u"OUT"_s};
    const QStringList compare{u"compare"_s, u"SAMPLE"_s, u"--port"_s, u"PORT"_s};
    const QStringList write{u"write"_s, u"FACTORY"_s, u"--verify"_s, u"--port"_s, u"PORT"_s};
    const QStringList json{u"--json"_s};
    const auto none = Fault::None;
    const auto id = Exchange::Identification;

    QTest::newRow("identify") << identify << Port::Module << id << none << QString() << 0
                              << "Eszköz: Q_QV5_FW2.1" << QString() << 0;
    QTest::newRow("identify json")
        << identify + json << Port::Module << id << none << QString() << 0 << ""
        << "identification" << 0;
    QTest::newRow("identify, port missing")
        << identify << Port::Missing << id << none << QString() << 2 << "" << QString() << 0;
    QTest::newRow("identify, port busy")
        << identify << Port::Busy << id << none << QString() << 2 << "" << QString() << 0;
    QTest::newRow("identify, port forbidden")
        << identify << Port::Forbidden << id << none << QString() << 2 << "" << QString() << 0;
    QTest::newRow("identify, no module") << identify << Port::Module << id << Fault::Silent
                                         << QString() << 3 << "" << QString() << 0;
    QTest::newRow("identify, incompatible")
        << identify << Port::Module << id << none << "Q_QV5_FW9.9" << 3 << "" << QString() << 0;
    QTest::newRow("status json") << status + json << Port::Module << id << none << QString() << 0
                                 << "\"signalLevel\": 4"
                                 << "outputs" << 0;
    QTest::newRow("status, no reply") << status << Port::Module << Exchange::Status << Fault::Silent
                                      << QString() << 4 << "" << QString() << 0;
    QTest::newRow("read") << read << Port::Module << id << none << QString() << 0
                          << "Sikeres kiolvasás" << QString() << 1;
    QTest::newRow("read, cut") << read << Port::Module << Exchange::ReadOut << Fault::Unplug
                               << QString() << 4 << "" << QString() << 1;
    QTest::newRow("read, half a reply")
        << read << Port::Module << Exchange::ReadOut << Fault::Truncated << QString() << 4 << ""
        << QString() << 1;
    QTest::newRow("compare, same") << compare << Port::Module << id << none << QString() << 0
                                   << "Nincs eltérés." << QString() << 1;
    QTest::newRow("compare, other json")
        << QStringList{u"compare"_s, u"FACTORY"_s, u"--port"_s, u"PORT"_s, u"--json"_s}
        << Port::Module << id << none << QString() << 5 << "Modul neve"
        << "differences" << 1;
    QTest::newRow("compare, no module")
        << compare << Port::Module << id << Fault::Silent << QString() << 3 << "" << QString() << 0;
    QTest::newRow("write, verified") << write << Port::Module << id << none << QString() << 0
                                     << "Ellenőrizve." << QString() << 1;
    QTest::newRow("write, stores something else")
        << write + json << Port::Module << Exchange::Download << Fault::StoresOther << QString()
        << 5 << "differences"
        << "differences" << 1;
    QTest::newRow("write, refused") << write << Port::Module << Exchange::Download
                                    << Fault::AckWrong << QString() << 4 << "" << QString() << 1;
    QTest::newRow("write, backup first")
        << QStringList{u"BACKUP"_s} + write << Port::Module << id << none << QString() << 0
        << "Ellenőrizve." << QString() << 2;
    QTest::newRow("write, a field empty")
        << QStringList{u"write"_s, u"EMPTY"_s, u"--port"_s, u"PORT"_s} << Port::Module << id << none
        << QString() << 1 << "" << QString() << 0;
    QTest::newRow("write, port missing")
        << write << Port::Missing << id << none << QString() << 2 << "" << QString() << 0;
    QTest::newRow("diff, same") << QStringList{u"diff"_s, u"SAMPLE"_s, u"SAMPLE"_s} << Port::Missing
                                << id << none << QString() << 0 << "Nincs eltérés." << QString()
                                << 0;
    QTest::newRow("diff, other json")
        << QStringList{u"diff"_s, u"SAMPLE"_s, u"FACTORY"_s, u"--json"_s} << Port::Missing << id
        << none << QString() << 5 << "Modul neve"
        << "differences" << 0;
    QTest::newRow("diff, an emptied field json")
        << QStringList{u"diff"_s, u"SAMPLE"_s, u"EMPTY"_s, u"--json"_s} << Port::Missing << id
        << none << QString() << 5
        << "\"field\": \"m_nev\",\n            \"first\": \"PINCE\",\n            "
           "\"label\": \"Modul neve\",\n            \"second\": \"\"\n"
        << "differences" << 0;
    QTest::newRow("help of one command")
        << QStringList{u"help"_s, u"diff"_s} << Port::Missing << id << none << QString() << 0
        << "Parancsok:\n  diff A.msw B.msw" << QString() << 0;
    QTest::newRow("a speed the port dialog does not offer")
        << QStringList{u"identify"_s, u"--port"_s, u"PORT"_s, u"--baud"_s, u"1234"_s}
        << Port::Module << id << none << QString() << 1 << "" << QString() << 0;
    QTest::newRow("read without -o")
        << QStringList{u"read"_s, u"--port"_s, u"PORT"_s} << Port::Module << id << none << QString()
        << 1 << "" << QString() << 0;
    QTest::newRow("diff, one file") << QStringList{u"diff"_s, u"SAMPLE"_s} << Port::Missing << id
                                    << none << QString() << 1 << "" << QString() << 0;
    QTest::newRow("write, file missing")
        << QStringList{u"write"_s, u"NOFILE"_s, u"--port"_s, u"PORT"_s} << Port::Module << id
        << none << QString() << 1 << "" << QString() << 0;
}

void TestCommands::commands()
{
    QFETCH(QStringList, arguments);
    QFETCH(Port, port);
    QFETCH(Exchange, exchange);
    QFETCH(Fault, fault);
    QFETCH(QString, ident);
    QFETCH(int, status);
    QFETCH(QString, output);
    QFETCH(QString, jsonKey);
    QFETCH(int, recorded);
    // "BACKUP" first: the user keeps a backup before every download.
    const bool backup = arguments.removeOne(u"BACKUP"_s);
    qv::settings::preferences::setBackupBeforeDownload(backup);

    qvsim::LineSetup fast;
    fast.paced = false;
    qvsim::ModuleSetup module;
    module.fields = sampleFields();
    if (!ident.isEmpty())
        module.identText = ident;
    std::unique_ptr<qvsim::Emulator> emulator;
    QString path = QStringLiteral("/nonexistent/qv-port");
    if (port != Port::Missing) {
        emulator = startModule(fast, qvsim::FaultSetup::only(exchange, fault), module);
        path = emulator->slavePath();
    }
    qv::serial::comPort holder;
    if (port == Port::Busy)
        QVERIFY(holder.open(qv::serial::lines::status(path)));
    if (port == Port::Forbidden)
        QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
    for (QString &argument : arguments) {
        if (argument == u"PORT")
            argument = path;
        else if (argument == u"SAMPLE")
            argument = file("sample.msw");
        else if (argument == u"FACTORY")
            argument = file("factory.msw");
        else if (argument == u"OUT")
            argument = file("out.msw");
        else if (argument == u"EMPTY")
            argument = file("empty.msw");
        else if (argument == u"NOFILE")
            argument = file("none.msw");
    }

    const qsizetype before = registerSize();
    const Outcome result = port == Port::Forbidden && geteuid() == 0 ? runCommandAsNobody(arguments)
                                                                     : runCommand(arguments);
    QCOMPARE(result.status, status);
    if (port == Port::Forbidden) // the port's diagnosis says why
        QVERIFY2(result.err.contains("Nincs jogosultság a(z) " + path), qPrintable(result.err));
    QVERIFY2(result.out.contains(output), qPrintable(result.out));
    // Errors, and only errors, go to the standard error, each with its reason.
    QCOMPARE(result.err.isEmpty(), status == 0 || status == 5);
    if (status != 0 && status != 5)
        QVERIFY(result.out.isEmpty());
    if (!jsonKey.isEmpty()) {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(result.out.toUtf8(), &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
        QVERIFY(document.object().contains(jsonKey));
        // A difference by its field's key and its values as they are, whatever the language.
        static const QRegularExpression key(u"^[a-z0-9_]+$"_s);
        for (const QJsonValue d : document.object().value(u"differences"_s).toArray()) {
            QVERIFY2(key.match(d[u"field"_s].toString()).hasMatch(), qPrintable(result.out));
            QVERIFY(!d[u"label"_s].toString().isEmpty());
            QVERIFY(d[u"first"_s].toString() != u"(üres)" &&
                    d[u"second"_s].toString() != u"(üres)");
        }
    }
    QCOMPARE(registerSize(), before + recorded);
}

// A file read from a module, written back and read again, is the same file; and the
// module holds what the file says.
void TestCommands::readOutGivesTheFileBack()
{
    qvsim::LineSetup fast;
    fast.paced = false;
    auto emulator = startModule(fast);
    const QString port = emulator->slavePath();
    QCOMPARE(runCommand({u"write"_s, file("sample.msw"), u"--port"_s, port}).status, 0);
    const QString again = file("again.msw");
    QCOMPARE(runCommand({u"read"_s, u"--port"_s, port, u"-o"_s, again}).status, 0);
    QFile a(file("sample.msw")), b(again);
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(b.readAll(), a.readAll());
}

void TestCommands::registerProblems_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<bool>("pipe"); // a named pipe where the register should be
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("said"); // parts of the standard error, in this order
    QTest::addColumn<int>("recorded");
    QTest::newRow("a password in the team register's connection")
        << QStringList{u"--register"_s, u"host=db password=secret"_s} << false << 1
        << QStringList{u"--register"_s, u"~/.pgpass"_s} << 0;
    QTest::newRow("a password in a URI")
        << QStringList{u"--register"_s, u"postgresql://tech:secret@db/qv"_s} << false << 1
        << QStringList{u"--register"_s, u"~/.pgpass"_s} << 0;
    QTest::newRow("the team register not reached")
        << QStringList{u"--register"_s, u"host=127.0.0.1 port=1 dbname=qv user=tech"_s} << false
        << 0 << QStringList{u"nem érhető el"_s, u"1 bejegyzés vár"_s} << 1;
    QTest::newRow("a named pipe as the register")
        << QStringList() << true << 0 << QStringList{u"nem közönséges fájl"_s} << 0;
}

// The register's and the team's problems: a connection with a password is refused before
// anything happens; otherwise the read-out's own result and status stand, and the problem
// is said once on the standard error.
void TestCommands::registerProblems()
{
    QFETCH(QStringList, options);
    QFETCH(bool, pipe);
    QFETCH(int, status);
    QFETCH(QStringList, said);
    QFETCH(int, recorded);
    qvsim::LineSetup fast;
    fast.paced = false;
    const auto emulator = startModule(fast);
    const QString registerPath = qv::reg::Store::defaultSqlitePath();
    const qsizetype before = registerSize();
    if (pipe) {
        QVERIFY(QFile::rename(registerPath, registerPath + u".aside"_s));
        QCOMPARE(::mkfifo(QFile::encodeName(registerPath).constData(), 0600), 0);
    }
    const QString out = file("problems.msw");
    QFile::remove(out);
    const Outcome result = runCommand(
        QStringList{u"read"_s, u"--port"_s, emulator->slavePath(), u"-o"_s, out} + options);
    if (pipe) {
        QVERIFY(QFile::remove(registerPath));
        QVERIFY(QFile::rename(registerPath + u".aside"_s, registerPath));
    }
    QCOMPARE(result.status, status);
    qsizetype at = 0;
    for (const QString &part : said) {
        at = result.err.indexOf(part, at);
        QVERIFY2(at >= 0, qPrintable(result.err));
    }
    QCOMPARE(result.err.count(said.first()), 1);
    QCOMPARE(QFileInfo::exists(out), status == 0);
    // Refused: the module was not even asked who it is.
    QCOMPARE(emulator->waitForHandled(Exchange::Identification, 1, 0), status == 0);
    QCOMPARE(registerSize(), before + recorded);
}

int main(int argc, char *argv[])
{
    // The child of runCommandAsNobody(): gives up root, then runs the command.
    if (argc >= 2 && qstrcmp(argv[1], "--as-nobody") == 0) {
        const passwd *nobody = ::getpwnam("nobody");
        if (!nobody || ::setgroups(0, nullptr) != 0 || ::setgid(nobody->pw_gid) != 0 ||
            ::setuid(nobody->pw_uid) != 0)
            return 99;
        QCoreApplication app(argc, argv);
        const Outcome result = runCommand(app.arguments().mid(2));
        QTextStream(stdout) << result.out;
        QTextStream(stderr) << result.err;
        return result.status;
    }
    QCoreApplication app(argc, argv);
    TestCommands test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_commands.moc"
