// Series programming through the main window against a sequence of emulated modules: the
// dialog opens from the menu, its files are chosen, the rows are checked off the window's
// thread, a row the checks refuse is listed and skipped, the series runs to its end with the
// window's port commands locked meanwhile, a module that stores something else fails its row, and
// retrying that row writes it into the next module. The table's logic is the series library's and
// tested there.
#include "formhelpers.h"
#include "modalwatcher.h"
#include "modulefixture.h"
#include "serial/portlist.h"
#include "series/gui/seriescontroller.h"
#include "settings/datafiles.h"
#include "settings/gui/messages.h"
#include "settings/language.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

namespace {

// How long a run may take before the test calls it hung: the first, of three rows, takes
// about 24 s on a quiet machine and over 35 s on two busy cores.
constexpr int RunMs = 75000;

template <class T> T *child(const QObject *parent, const char *name)
{
    T *w = parent->findChild<T *>(QLatin1StringView(name));
    if (!w)
        qFatal("no %s", name);
    return w;
}

// The table's cells of one column (by its header, or by the field's object name that its
// tool tip gives), top to bottom.
QStringList column(const QTableView *view, const QString &title, int role = Qt::DisplayRole)
{
    const QAbstractItemModel *model = view->model();
    int at = 0;
    while (at < model->columnCount() && model->headerData(at, Qt::Horizontal) != title &&
           model->headerData(at, Qt::Horizontal, Qt::ToolTipRole) != title)
        ++at;
    QStringList cells;
    for (int row = 0; row < model->rowCount(); ++row)
        cells << model->index(row, at).data(role).toString();
    return cells;
}

// Picks `base` and `units` through the dialog's two browse buttons (the chooser tells them
// apart by its caption, in either language).
void chooseFiles(const QDialog *dialog, const QString &base, const QString &units)
{
    qv::settings::gui::setOpenFileChooser([=](QWidget *, const QString &caption, auto &&...) {
        return caption.contains(QStringLiteral("táblázat")) ||
                       caption.contains(QStringLiteral("Table"))
                   ? units
                   : base;
    });
    child<QPushButton>(dialog, "seriesBaseBrowse")->click();
    child<QPushButton>(dialog, "seriesUnitsBrowse")->click();
}

} // namespace

class TestSeriesWindow : public QObject
{
    Q_OBJECT

private slots:
#ifdef QV_SERIES_WINDOW_LONG
    void fourLanes();
#else
    void seriesRunsRetriesAndUnlocks();
#endif
};

#ifndef QV_SERIES_WINDOW_LONG

void TestSeriesWindow::seriesRunsRetriesAndUnlocks()
{
    // The English screenshot (QV_SCREENSHOT_LANGUAGE=en) skips the Hungarian texts' checks.
    const bool hu = qEnvironmentVariable("QV_SCREENSHOT_LANGUAGE") != QStringLiteral("en");
    if (!hu)
        qv::settings::language::use(qv::settings::language::Language::English);
    // Three modules on one adapter: the second keeps another name than it was sent.
    qvsim::SequenceSetup sequence;
    sequence.units = {
        {},
        {{}, qvsim::FaultSetup::only(qvsim::Exchange::Download, qvsim::Fault::StoresOther)},
        {}};
    sequence.holdMs = 1500;
    sequence.gapMs = 1500; // longer than the run's settle time for a module taken off
    qvsim::Emulator module(qvsim::Setup{{}, {.paced = false}, {}});
    module.setSequence(sequence);
    QVERIFY(module.start());

    QTemporaryDir dir;
    const QString units = dir.filePath(QStringLiteral("UNITS.csv"));
    QFile csv(units);
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("m_id;m_nev\n0001;PINCE\n12AB;KAPU\n0003;GARAZS\n");
    csv.close();
    const QString base = qv::settings::locateDataFile(QStringLiteral("defval_qv.dll"));

    ModalWatcher watcher;
    watcher.answerWith(QMessageBox::Yes);
    MainWindow window;
    window.useLink(module.slavePath(), 1200);
    window.show();
    widget<QAction>(window, "actionSeries")->trigger();
    auto *dialog = window.findChild<QDialog *>(QStringLiteral("seriesDialog"));
    QVERIFY(dialog && dialog->isVisible() && !dialog->isModal());
    auto *view = child<QTableView>(dialog, "seriesView");
    auto *start = child<QPushButton>(dialog, "seriesStart");
    auto *progress = child<QLabel>(dialog, "seriesProgressText");
    auto *bar = child<QProgressBar>(dialog, "seriesProgress");

    chooseFiles(dialog, base, units);
    QCOMPARE(column(view, QStringLiteral("m_id")), (QStringList{"0001", "12AB", "0003"}));
    // The field's label heads its column; the cell the checks refuse is marked at once.
    QVERIFY(view->model()->headerData(1, Qt::Horizontal).toString() != QStringLiteral("m_id"));
    const QStringList tips = column(view, QStringLiteral("m_id"), Qt::ToolTipRole);
    QVERIFY2(tips.at(0).isEmpty() && (!hu || tips.at(1).contains(QStringLiteral("Csak számok"))),
             qPrintable(tips.join(u'|')));
    QCOMPARE(child<QLineEdit>(dialog, "seriesResults")->text(),
             qv::series::defaultResultsPath(units));

    auto *controller = window.findChild<qv::series::gui::SeriesController *>();
    QSignalSpy prompts(controller, &qv::series::gui::SeriesController::prompt);
    start->click();
    // The rows are checked on a thread of their own: the window goes on meanwhile. Then the
    // refused row is listed with its column and value, and skipped on "Igen".
    QCOMPARE(watcher.count(), 0);
    QVERIFY2(
        !hu ||
            child<QLabel>(dialog, "seriesPrompt")->text().contains(QStringLiteral("ellenőrzése")),
        qPrintable(child<QLabel>(dialog, "seriesPrompt")->text()));
    QTRY_COMPARE(watcher.count(), 1);
    QVERIFY2(!hu || (watcher.last().text.contains(QStringLiteral("2. sor")) &&
                     watcher.last().text.contains(QStringLiteral("12AB"))),
             qPrintable(watcher.last().text));
    // The port is the series' while it runs.
    QVERIFY(!start->isEnabled());
    for (const char *command :
         {"actionPort", "actionReadup", "actionSeries", "actionWatch", "port_gomb"})
        QVERIFY2(
            !window.findChild<QObject *>(QLatin1StringView(command))->property("enabled").toBool(),
            command);

    QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), RunMs);
    // For docs/ (QV_SCREENSHOT, in QV_SCREENSHOT_LANGUAGE): the run over, a row skipped, one
    // failed.
    if (const QString shot = qEnvironmentVariable("QV_SCREENSHOT"); !shot.isEmpty())
        QVERIFY(dialog->grab().save(shot));
    QCOMPARE(column(view, QStringLiteral("Állapot")),
             (QStringList{"kész", "kihagyva", "sikertelen"}));
    QVERIFY(column(view, QStringLiteral("Indok")).at(1).contains(QStringLiteral("m_id")));
    QCOMPARE(progress->text(), QStringLiteral("1/3 kész, 1 kihagyva"));
    QCOMPARE(bar->value(), 1);
    QCOMPARE(bar->maximum(), 3);
    QCOMPARE(module.downloadsPerUnit(), (QList<int>{1, 1, 0}));
    QVERIFY(widget<QAction>(window, "actionSeries")->isEnabled());
    QVERIFY(widget<QPushButton>(window, "port_gomb")->isEnabled());
    QStringList said;
    for (const QList<QVariant> &signal : std::as_const(prompts))
        said << signal.value(0).toString();
    QVERIFY2(said.filter(QStringLiteral("a(z) 1. sorhoz (0001 – PINCE)")).size() == 1 &&
                 said.filter(QStringLiteral("Vegye le a modult")).size() == 2,
             qPrintable(said.join(u'\n')));

    // Retrying the failed row writes it into the next module.
    view->selectRow(2);
    child<QPushButton>(dialog, "seriesRetry")->click();
    QVERIFY(!start->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), RunMs);
    QCOMPARE(column(view, QStringLiteral("Állapot")), (QStringList{"kész", "kihagyva", "kész"}));
    QCOMPARE(progress->text(), QStringLiteral("2/3 kész, 1 kihagyva"));
    QCOMPARE(module.downloadsPerUnit(), (QList<int>{1, 1, 1}));
    QVERIFY(module.waitForSequenceEnd(5000));
    QCOMPARE(watcher.count(), 1);
}

#else

// Four ports, each an adapter of its own, added to the dialog's port list: the rows go to the
// lanes as their modules come, each lane has its line, and every row is written once. With
// QV_SCREENSHOT set to a PNG path, the modules are paced as real ones and the dialog is
// grabbed while the four lanes write (docs/).
void TestSeriesWindow::fourLanes()
{
    const QString shot = qEnvironmentVariable("QV_SCREENSHOT");
    if (!shot.isEmpty() && qEnvironmentVariable("QV_SCREENSHOT_LANGUAGE") == QStringLiteral("en"))
        qv::settings::language::use(qv::settings::language::Language::English);
    QTemporaryDir dir;
    std::vector<std::unique_ptr<qvsim::Emulator>> modules;
    QStringList ports;
    for (int lane = 0; lane < 4; ++lane) {
        qvsim::SequenceSetup sequence;
        sequence.units = QList<qvsim::SequenceUnit>(lane < 2 ? 3 : 2);
        sequence.holdMs = 800;
        sequence.gapMs = 1500;
        modules.push_back(
            std::make_unique<qvsim::Emulator>(qvsim::Setup{{}, {.paced = !shot.isEmpty()}, {}}));
        modules.back()->setSequence(sequence);
        ports << dir.filePath(QStringLiteral("usb-FTDI_FT232R_A%1-if00").arg(lane + 1));
        QVERIFY(modules.back()->start() && modules.back()->setLinkPath(ports.last()));
    }
    const QString units = dir.filePath(QStringLiteral("kapuk.csv"));
    QFile csv(units);
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("m_id;m_nev;t1\n0101;KAPU 1;36201111101\n0102;KAPU 2;36201111102\n0103;KAPU "
              "3;36201111103\n0104;KAPU 4;36201111104\n0105;KAPU 5;36201111105\n0106;KAPU "
              "6;36201111106\n0107;KAPU 7;36201111107\n0108;KAPU 8;36201111108\n");
    csv.close();
    const QString base = qv::settings::locateDataFile(QStringLiteral("defval_qv.dll"));
    qv::serial::setPortDescriber([] { return QList<qv::serial::PortDescription>{}; });

    ModalWatcher watcher;
    watcher.answerWith(QMessageBox::Yes);
    MainWindow window;
    window.useLink(ports.first(), 1200);
    window.show();
    widget<QAction>(window, "actionSeries")->trigger();
    auto *dialog = window.findChild<QDialog *>(QStringLiteral("seriesDialog"));
    QVERIFY(dialog);
    chooseFiles(dialog, base, units);
    auto *add = child<QLineEdit>(dialog, "seriesPortAdd");
    for (const QString &port : ports.mid(1)) {
        add->setText(port);
        QTest::keyClick(add, Qt::Key_Return);
    }
    child<QCheckBox>(dialog, "seriesVerify")->setChecked(false);
    auto *lanes = child<QTableWidget>(dialog, "seriesLanes");
    auto *start = child<QPushButton>(dialog, "seriesStart");
    start->click();
    if (!shot.isEmpty()) {
        dialog->resize(1100, 640);
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] {
                int writing = 0;
                for (int row = 0; row < lanes->rowCount(); ++row)
                    writing += lanes->item(row, 2)->text().contains(QStringLiteral("%"));
                return writing == 4 && child<QProgressBar>(dialog, "seriesProgress")->value() > 0;
            }(),
            120000);
        QVERIFY(dialog->grab().save(shot));
    }
    QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), 120000);
    QCOMPARE(lanes->rowCount(), 4);
    auto *view = child<QTableView>(dialog, "seriesView");
    QCOMPARE(column(view, QStringLiteral("Állapot")), QStringList(8, QStringLiteral("kész")));
    int written = 0;
    for (const auto &module : modules) {
        for (const int n : module->downloadsPerUnit())
            written += n;
    }
    QCOMPARE(written, 8);
    QCOMPARE(child<QLabel>(dialog, "seriesProgressText")->text(), QStringLiteral("8/8 kész"));
    QCOMPARE(watcher.count(), 0);
}

#endif

QTEST_MAIN(TestSeriesWindow)
#include "tst_serieswindow.moc"
