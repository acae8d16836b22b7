// devSettings defaults and copies; where data files are looked up.
#include "settings/datafiles.h"
#include "settings/devsettings.h"
#include "settings/language.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void defaults_data();
    void defaults();
    void copyIsIndependent();
    void lookupOrder_data();
    void lookupOrder();
    void defaultFoldersReachProgramData();
    void localisedPicture_data();
    void localisedPicture();
    void installedFolders_data();
    void installedFolders();
};

void TestSettings::defaults_data()
{
    QTest::addColumn<QVariant>("actual");
    QTest::addColumn<QVariant>("expected");
    const qv::settings::devSettings s;
    QTest::newRow("Port") << QVariant(s.Port) << QVariant(QStringLiteral("COM1"));
    QTest::newRow("Baudrate") << QVariant(s.Baudrate) << QVariant(1200);
    QTest::newRow("CheckSize") << QVariant(int(s.CheckSize)) << QVariant(0);
    QTest::newRow("AckChar") << QVariant(int(s.AckChar)) << QVariant(0x4F);
    QTest::newRow("SerialTimeout") << QVariant(s.SerialTimeout) << QVariant(2000);
    QTest::newRow("CheckValue") << QVariant(s.CheckValue) << QVariant(0);
    QTest::newRow("DownloadSeparator") << QVariant(int(s.DownloadSeparator)) << QVariant(0x7C);
    QTest::newRow("UploadSeparator") << QVariant(int(s.UploadSeparator)) << QVariant(0x7C);
    QTest::newRow("UploadCommand") << QVariant(int(s.UploadCommand)) << QVariant(0x7B);
    QTest::newRow("DownloadRecord") << QVariant(s.DownloadRecord) << QVariant(QString());
    QTest::newRow("FileName") << QVariant(s.FileName) << QVariant(QString());
    QTest::newRow("FilePath") << QVariant(s.FilePath) << QVariant(QString());
    QTest::newRow("FooterText") << QVariant(s.FooterText) << QVariant(QString());
    QTest::newRow("FooterText2") << QVariant(s.FooterText2) << QVariant(QString());
    QTest::newRow("PictureFile") << QVariant(s.PictureFile)
                                 << QVariant(QStringLiteral("i_default.dll"));
    QTest::newRow("DeviceModel") << QVariant(s.DeviceModel) << QVariant(0);
    QTest::newRow("Version") << QVariant(s.Version) << QVariant(QStringLiteral("1.31"));
    QTest::newRow("DeviceId") << QVariant(s.DeviceId) << QVariant(QString());
}

void TestSettings::defaults()
{
    QFETCH(QVariant, actual);
    QFETCH(QVariant, expected);
    QCOMPARE(actual, expected);
}

void TestSettings::copyIsIndependent()
{
    qv::settings::devSettings original;
    original.DownloadRecord = QStringLiteral("record|");
    original.Port = QStringLiteral("/dev/pts/7");
    qv::settings::devSettings copy = original;
    QCOMPARE(copy, original);
    original.DownloadRecord.append(QLatin1Char('x'));
    original.Port = QStringLiteral("COM2");
    original.DeviceModel = qv::settings::ModelBRK2;
    QCOMPARE(copy.DownloadRecord, QStringLiteral("record|"));
    QCOMPARE(copy.Port, QStringLiteral("/dev/pts/7"));
    QCOMPARE(copy.DeviceModel, int(qv::settings::NoDevice));
}

// Folders: "cwd" (the working directory), "app" (the program's folder); each row
// says where the file exists and where it must be found.
void TestSettings::lookupOrder_data()
{
    QTest::addColumn<bool>("inCwd");
    QTest::addColumn<bool>("inApp");
    QTest::addColumn<QString>("foundIn");
    QTest::newRow("working directory wins") << true << true << "cwd";
    QTest::newRow("only beside the program") << false << true << "app";
    QTest::newRow("only in the working directory") << true << false << "cwd";
    QTest::newRow("nowhere: bare name") << false << false << "";
}

void TestSettings::lookupOrder()
{
    QFETCH(bool, inCwd);
    QFETCH(bool, inApp);
    QFETCH(QString, foundIn);
    QTemporaryDir cwd, app;
    QVERIFY(cwd.isValid() && app.isValid());
    const QString name = QStringLiteral("i_qv-5.dll");
    auto create = [&](const QTemporaryDir &dir) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
    };
    if (inCwd)
        create(cwd);
    if (inApp)
        create(app);
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(cwd.path()));
    qv::settings::overrideDataFileFolders({QDir::currentPath(), app.path()});
    const QString found = qv::settings::locateDataFile(name);
    qv::settings::overrideDataFileFolders({});
    QDir::setCurrent(previous);
    if (foundIn == QLatin1String("cwd"))
        QCOMPARE(QFileInfo(found).canonicalFilePath(),
                 QFileInfo(cwd.filePath(name)).canonicalFilePath());
    else if (foundIn == QLatin1String("app"))
        QCOMPARE(found, app.filePath(name));
    else
        QCOMPARE(found, name);
}

void TestSettings::localisedPicture_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("englishFile");
    QTest::addColumn<QString>("found");
    QTest::newRow("Hungarian") << false << true << "i_default.dll";
    QTest::newRow("English") << true << true << "i_default_en.dll";
    QTest::newRow("English without its picture") << true << false << "i_default.dll";
}

// The picture with words in it follows the program's language, and falls back to the
// Hungarian one rather than to none.
void TestSettings::localisedPicture()
{
    QFETCH(bool, english);
    QFETCH(bool, englishFile);
    QFETCH(QString, found);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QStringList names{QStringLiteral("i_default.dll")};
    if (englishFile)
        names << QStringLiteral("i_default_en.dll");
    for (const QString &name : names) {
        QFile f(folder.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    qv::settings::overrideDataFileFolders({folder.path()});
    qv::settings::language::use(english ? qv::settings::language::Language::English
                                        : qv::settings::language::Language::Hungarian);
    const QString path = qv::settings::locateLocalisedDataFile(QStringLiteral("i_default.dll"));
    qv::settings::language::use(qv::settings::language::Language::Hungarian);
    qv::settings::overrideDataFileFolders({});
    QCOMPARE(path, folder.filePath(found));
}

// Started from an unrelated folder, the program still finds the data files that the
// build puts beside it, and the working directory still comes first.
void TestSettings::defaultFoldersReachProgramData()
{
    QTemporaryDir elsewhere;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    const QStringList folders = qv::settings::dataFileFolders();
    const QString found = qv::settings::locateDataFile(QStringLiteral("defval_qv.dll"));
    QDir::setCurrent(previous);
    QCOMPARE(QFileInfo(folders.value(0)).canonicalFilePath(),
             QFileInfo(elsewhere.path()).canonicalFilePath());
    QCOMPARE(found, QDir(QCoreApplication::applicationDirPath()).filePath("defval_qv.dll"));
}

// The folders searched, for a program in a build folder and in installed trees; the data
// folder of the prefix the program was built for (last) is left out of the comparison.
void TestSettings::installedFolders_data()
{
    QTest::addColumn<QString>("workingDir");
    QTest::addColumn<QString>("programDir");
    QTest::addColumn<QStringList>("first");
    QTest::newRow("build folder") << "/home/t/Munka"
                                  << "/src/qvconfig/build/bin"
                                  << QStringList{"/home/t/Munka", "/src/qvconfig/build/bin",
                                                 "/src/qvconfig/build/share/qvconfig"};
    QTest::newRow("installed into another prefix")
        << "/home/t"
        << "/tmp/x/bin/" << QStringList{"/home/t", "/tmp/x/bin", "/tmp/x/share/qvconfig"};
    QTest::newRow("started in its own folder: listed once")
        << "/opt/qv/bin"
        << "/opt/qv/bin" << QStringList{"/opt/qv/bin", "/opt/qv/share/qvconfig"};
    QTest::newRow("no application object: the program's folder is unknown")
        << "/home/t"
        << "" << QStringList{"/home/t"};
}

void TestSettings::installedFolders()
{
    QFETCH(QString, workingDir);
    QFETCH(QString, programDir);
    QFETCH(QStringList, first);
    const QStringList folders = qv::settings::dataFileFolders(workingDir, programDir);
    QCOMPARE(folders.mid(0, first.size()), first);
    // At most the built-for data folder follows, unless it is one of those already listed.
    QVERIFY2(folders.size() <= first.size() + 1, qPrintable(folders.join(u',')));
    QVERIFY(folders.constLast().endsWith(QLatin1String("/qvconfig")));
    QCOMPARE(QStringList(folders).removeDuplicates(), 0);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
