// The commands build their record and their file through the form's catalogue, without
// widgets: for the same file, what "qvconfig write" sends must be what the window sends
// after opening it, for each model, and "qvconfig read" must save what the window saves
// after a read-out.
#include "app/gui/mainwindow.h"
#include "files/configformat.h"
#include "form/deviceprofile.h"
#include "formhelpers.h"
#include "modalwatcher.h"
#include "modulefixture.h"
#include "settings/gui/messages.h"
#include "settings/preferences.h"
#include "transfer/configvalues.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using qv::app::gui::MainWindow;

using qvsim::Model;

Q_DECLARE_METATYPE(Model)

class TestCommandRecord : public QObject
{
    Q_OBJECT

private slots:
    void sameAsTheWindow_data();
    void sameAsTheWindow();
};

void TestCommandRecord::sameAsTheWindow_data()
{
    QTest::addColumn<Model>("model");
    QTest::addColumn<int>("code");
    QTest::newRow("Q_QV5") << Model::QV5 << int(qv::settings::ModelQV5);
    QTest::newRow("Q_QV3") << Model::QV3 << int(qv::settings::ModelQV3);
    QTest::newRow("Q_BRK2") << Model::BRK2 << int(qv::settings::ModelBRK2);
}

void TestCommandRecord::sameAsTheWindow()
{
    QFETCH(Model, model);
    QFETCH(int, code);
    qv::settings::preferences::setVerifyAfterDownload(false);

    // A file the Q_QV5 fills whole: every model leaves out what it lacks.
    QStringList fields = sampleFields();
    for (int entry = 2; entry < 8; ++entry)
        fields[48 + entry] = qv::transfer::record::encodeTelephone(
            0x7F, entry % 2, entry % 5, QStringLiteral("3630%1").arg(entry));
    const auto decoded =
        qv::transfer::decodeReadOut(qv::transfer::record::buildDownloadRecord(fields));
    QCOMPARE(decoded.status, qv::transfer::ReadOutStatus::Ok);
    const QStringList values = qv::transfer::fileValuesFromReadOut(decoded.form, code);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("unit.msw"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(qv::files::writeConfig(values));
    }

    ModalWatcher watcher;
    auto module = startModule({.moduleBaud = 115200}, {}, qvsim::ModuleSetup::of(model));
    MainWindow window;
    if (model == Model::QV5)
        window.deviceDebugMS5();
    else if (model == Model::QV3)
        window.deviceDebugMS3();
    else
        window.deviceDebugMArm2();
    window.useLink(module->slavePath(), 115200);
    window.show();

    // The read-out: the window's form after it is the file the command saves.
    module->setModuleSetup([&] {
        qvsim::ModuleSetup setup = module->moduleSetup();
        setup.fields = fields;
        return setup;
    }());
    window.readup();
    QCOMPARE(formValues(window), values);

    // The download: the window sends, after opening the file, the command's record.
    qv::settings::gui::setOpenFileChooser([path](auto &&...) { return path; });
    window.openfile();
    watcher.onDialog(QStringLiteral("dload"), [](QWidget *dialog) {
        auto *text = dialog->findChild<QLabel *>(QStringLiteral("kiiras"));
        QTRY_VERIFY_WITH_TIMEOUT(!text->text().endsWith(QStringLiteral("...")), 40000);
        if (dialog->isVisible())
            dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    module->setModuleSetup(qvsim::ModuleSetup::of(model));
    window.download();

    qv::transfer::FormValues formValues = qv::transfer::formValuesFromFile(values);
    formValues.profile = qv::form::device::profileFor(code);
    const qv::transfer::Assembly assembly = qv::transfer::assembleDownload(formValues);
    QCOMPARE(assembly.status, qv::transfer::AssemblyStatus::Ok);
    QStringList sent = qv::transfer::record::downloadLines(assembly.record,
                                                           qv::transfer::record::DefaultSeparator);
    sent.resize(qv::transfer::record::FieldCount);
    QCOMPARE(module->moduleSetup().fields, sent);
}

QTEST_MAIN(TestCommandRecord)
#include "tst_commandrecord.moc"
