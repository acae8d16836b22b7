// Series programming through the main window against a sequence of emulated modules: the
// dialog opens from the menu, its files are chosen, the rows are checked off the window's
// thread, a row the checks refuse is listed and skipped, the series runs to its end with the
// window's port commands locked meanwhile, a module that stores something else fails its row, and
// retrying that row writes it into the next module. The table's logic is the series library's and
// tested there.
#include "formhelpers.h"
#include "modalwatcher.h"
#include "modulefixture.h"
#include "series/gui/seriescontroller.h"
#include "settings/datafiles.h"
#include "settings/gui/messages.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

namespace {

template <class T> T *child(const QObject *parent, const char *name)
{
    T *w = parent->findChild<T *>(QLatin1StringView(name));
    if (!w)
        qFatal("no %s", name);
    return w;
}

// The table's cells of one column, top to bottom.
QStringList column(const QTableView *view, const QString &title)
{
    const QAbstractItemModel *model = view->model();
    int at = 0;
    while (at < model->columnCount() && model->headerData(at, Qt::Horizontal) != title)
        ++at;
    QStringList cells;
    for (int row = 0; row < model->rowCount(); ++row)
        cells << model->index(row, at).data().toString();
    return cells;
}

} // namespace

class TestSeriesWindow : public QObject
{
    Q_OBJECT

private slots:
    void seriesRunsRetriesAndUnlocks();
};

void TestSeriesWindow::seriesRunsRetriesAndUnlocks()
{
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
    auto *progress = child<QLabel>(dialog, "seriesProgress");

    qv::settings::gui::setOpenFileChooser([&](QWidget *, const QString &caption, auto &&...) {
        return caption.contains(QStringLiteral("táblázat")) ? units : base;
    });
    child<QPushButton>(dialog, "seriesBaseBrowse")->click();
    child<QPushButton>(dialog, "seriesUnitsBrowse")->click();
    QCOMPARE(column(view, QStringLiteral("m_id")), (QStringList{"0001", "12AB", "0003"}));
    QCOMPARE(child<QLineEdit>(dialog, "seriesResults")->text(),
             qv::series::defaultResultsPath(units));

    auto *controller = window.findChild<qv::series::gui::SeriesController *>();
    QSignalSpy prompts(controller, &qv::series::gui::SeriesController::prompt);
    start->click();
    // The rows are checked on a thread of their own: the window goes on meanwhile. Then the
    // refused row is listed with its column and value, and skipped on "Igen".
    QCOMPARE(watcher.count(), 0);
    QVERIFY2(child<QLabel>(dialog, "seriesPrompt")->text().contains(QStringLiteral("ellenőrzése")),
             qPrintable(child<QLabel>(dialog, "seriesPrompt")->text()));
    QTRY_COMPARE(watcher.count(), 1);
    QVERIFY2(watcher.last().text.contains(QStringLiteral("2. sor")) &&
                 watcher.last().text.contains(QStringLiteral("12AB")),
             qPrintable(watcher.last().text));
    // The port is the series' while it runs.
    QVERIFY(!start->isEnabled());
    for (const char *command :
         {"actionPort", "actionReadup", "actionSeries", "actionWatch", "port_gomb"})
        QVERIFY2(
            !window.findChild<QObject *>(QLatin1StringView(command))->property("enabled").toBool(),
            command);

    QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), 30000);
    QCOMPARE(column(view, QStringLiteral("Állapot")),
             (QStringList{"kész", "kihagyva", "sikertelen"}));
    QVERIFY(column(view, QStringLiteral("Indok")).at(1).contains(QStringLiteral("m_id")));
    QCOMPARE(progress->text(), QStringLiteral("1/3 kész, 1 kihagyva"));
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
    QTRY_VERIFY_WITH_TIMEOUT(start->isEnabled(), 30000);
    QCOMPARE(column(view, QStringLiteral("Állapot")), (QStringList{"kész", "kihagyva", "kész"}));
    QCOMPARE(progress->text(), QStringLiteral("2/3 kész, 1 kihagyva"));
    QCOMPARE(module.downloadsPerUnit(), (QList<int>{1, 1, 1}));
    QVERIFY(module.waitForSequenceEnd(5000));
    QCOMPARE(watcher.count(), 1);
}

QTEST_MAIN(TestSeriesWindow)
#include "tst_serieswindow.moc"
