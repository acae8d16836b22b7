// The README's pictures of the register window: a register of several modules (read-outs,
// downloads checked and not, a backup, a failed read-out, a module renamed), the window
// searching for a telephone number, and one module's history. Run by hand:
//   QT_QPA_PLATFORM=offscreen build/bin/registershots hu|en FOLDER
// It keeps its register in a folder of its own, never the user's.
#include "app/gui/mainwindow.h"
#include "register/entry.h"
#include "register/store.h"
#include "settings/language.h"
#include "transfer/modulerecord.h"

#include "catalogue.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList module(const char *id, const char *name, const char *first, const char *second)
{
    QStringList fields = qvsim::factoryFields();
    fields[2] = QString::fromLatin1(id);
    fields[3] = QString::fromUtf8(name);
    fields[48] = qv::transfer::record::encodeTelephone(0x43, true, 1, QString::fromLatin1(first));
    fields[49] = qv::transfer::record::encodeTelephone(0x41, true, 2, QString::fromLatin1(second));
    return fields;
}

QList<qv::reg::Entry> register_()
{
    using Op = qv::reg::Operation;
    struct Row
    {
        Op op;
        qv::reg::Result result;
        qv::reg::Verification check;
        const char *when;
        QStringList fields;
        const char *technician;
        const char *site;
    };
    const QStringList kazan = module("0042", "KAZAN", "36201234567", "36309998888");
    const QStringList kapu = module("0042", "KAPU", "36201234567", "36309998888");
    const QStringList garazs = module("0107", "GARAZS", "36705550000", "36201234567");
    const QStringList pince = module("0311", "PINCE", "36123456789", "");
    const Row rows[] = {
        {Op::ReadOut, qv::reg::Result::Ok, {}, "2026-11-30T08:12:05", kazan, "Kiss Péter", "Győr"},
        {Op::Backup, qv::reg::Result::Ok, {}, "2026-11-30T08:14:40", kazan, "Kiss Péter", "Győr"},
        {Op::Download, qv::reg::Result::Ok, qv::reg::Verification::Same, "2026-11-30T08:15:02",
         kapu, "Kiss Péter", "Győr"},
        {Op::ReadOut, qv::reg::Result::Ok, {}, "2026-12-02T10:01:11", garazs, "Nagy Anna", "Pécs"},
        {Op::Download, qv::reg::Result::Ok, {}, "2026-12-02T10:03:40", garazs, "Nagy Anna", "Pécs"},
        {Op::ReadOut, qv::reg::Result::Failed, {}, "2026-12-03T14:20:00", {}, "Nagy Anna", "Eger"},
        {Op::ReadOut,
         qv::reg::Result::Ok,
         {},
         "2026-12-09T09:30:45",
         pince,
         "Kiss Péter",
         "Budapest"},
        {Op::Compare, qv::reg::Result::Ok, {}, "2026-12-09T09:33:10", kapu, "Kiss Péter", "Győr"},
    };
    QList<qv::reg::Entry> entries;
    for (const Row &row : rows) {
        qv::reg::Entry e = qv::reg::newEntry(row.op, QStringLiteral("1.31"));
        e.time = QDateTime::fromString(QString::fromLatin1(row.when), Qt::ISODate);
        e.time.setTimeZone(QTimeZone::systemTimeZone());
        e.time = e.time.toUTC();
        e.result = row.result;
        e.verification = row.check;
        e.fields = row.fields;
        e.technician = QString::fromUtf8(row.technician);
        e.site = QString::fromUtf8(row.site);
        e.port = QStringLiteral("/dev/ttyUSB0");
        e.baud = 1200;
        e.identification = QStringLiteral("Q_QV5_FW2.1");
        e.model = 1;
        if (row.result == qv::reg::Result::Failed)
            e.reason = QStringLiteral("Sikertelen kiolvasás. (Ismeretlen formátum)");
        if (row.op == Op::Download)
            e.acknowledged = true;
        qv::reg::takeModuleFacts(e);
        entries << e;
    }
    return entries;
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const auto language = qv::settings::language::fromCode(args.value(1));
    if (!language || args.size() != 3) {
        qWarning("usage: registershots hu|en FOLDER");
        return 1;
    }
    qv::settings::language::use(*language);
    const QString suffix =
        *language == qv::settings::language::Language::English ? QStringLiteral("-en") : QString();
    if (!qv::reg::Store::openSqlite(qv::reg::Store::defaultSqlitePath()).record(register_()))
        return 2;

    qv::app::gui::MainWindow window;
    window.show();
    window.findChild<QAction *>(QStringLiteral("actionRegister"))->trigger();
    auto *dialog = window.findChild<QDialog *>(QStringLiteral("registerDialog"));
    auto *view = dialog->findChild<QTableView *>(QStringLiteral("registerView"));
    auto *search = dialog->findChild<QLineEdit *>(QStringLiteral("registerSearch"));
    search->setText(QStringLiteral("+36 20 123 4567"));
    QTest::keyClick(search, Qt::Key_Return);
    view->selectRow(0);
    QTest::qWait(200);
    bool ok = dialog->grab().save(args.at(2) + QStringLiteral("/register%1.png").arg(suffix));
    // One module's history: its backup before the download selected.
    search->clear();
    QTest::keyClick(search, Qt::Key_Return);
    for (int row = 0; row < view->model()->rowCount(); ++row) {
        if (view->model()->index(row, 1).data().toString() ==
            qv::reg::operationText(qv::reg::Operation::Backup))
            view->selectRow(row);
    }
    dialog->findChild<QPushButton *>(QStringLiteral("registerHistory"))->click();
    QTest::qWait(200);
    ok &= dialog->grab().save(args.at(2) + QStringLiteral("/register-history%1.png").arg(suffix));
    return ok ? 0 : 3;
}
