// The fault matrix: every exchange with the module (identification, port search, read-out,
// download, status query) against every fault of the emulated module, through the real
// main window, generated from one table. Each cell checks what the user sees, that the
// command ends within a bound derived from the read time-outs, that the port can be opened
// again at once, that a failed command left the form and the status panel as they were,
// and that every text from the module or from a file name is shown as plain text.
//
// With QV_FAULT_MATRIX_OUT=<file> every cell appends a line (exchange, fault, outcome,
// measured ms, bound ms, result) to that file; tools/fault-matrix.sh builds the table of
// docs/reliability.md from them.
#include "formhelpers.h"
#include "modalwatcher.h"
#include "modulefixture.h"
#include "serial/portlist.h"
#include "serial/serialline.h"
#include "settings/branding.h"
#include "settings/gui/messages.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>

#include <array>
#include <optional>

using qvsim::Exchange;
using namespace Qt::StringLiterals;

namespace {

enum class Ex { Ident, Search, ReadOut, Download, Status };
constexpr std::array<const char *, 5> kExNames = {"identification", "search", "read-out",
                                                  "download", "status"};
// The per-byte read time-out of each exchange, in ms, and the emulator's side of it.
constexpr std::array<int, 5> kTimeoutMs = {500, 300, 1200, 3500, 5000};
constexpr std::array<Exchange, 5> kEmulatorExchange = {Exchange::Identification,
                                                       Exchange::Identification, Exchange::ReadOut,
                                                       Exchange::Download, Exchange::Status};

// What the user is left with. Ok: the exchange's own success (greeting, filled form,
// "Sikeres betöltés.", painted panel); the others name the failure message.
enum class Seen {
    NotApplicable,
    Ok,
    NotFound,
    Incompatible,
    NoModule,
    Unreadable,
    Vanished,
    LoadFailed,
    QueryFailed
};
constexpr std::array<const char *, 9> kSeenNames = {"n/a",          "ok",          "not-found",
                                                    "incompatible", "no-module",   "unreadable",
                                                    "vanished",     "load-failed", "query-failed"};

// `waits`: how many whole per-byte time-outs the command may sit through.
struct Cell
{
    Seen seen;
    int waits;
};
constexpr Cell NA{Seen::NotApplicable, 0};

struct FaultRow
{
    const char *fault; // an emulator fault, "speed-mismatch" or "markup"
    std::array<Cell, 5> cells;
};

using enum Seen;
// clang-format off
const FaultRow kMatrix[] = {
    // fault              identification        search               read-out           download             status
    {"none",            {{{Ok, 1},            {Ok, 5},             {Ok, 1},           {Ok, 0},             {Ok, 0}}}},
    {"silent",          {{{NotFound, 1},      {NoModule, 1},       {Unreadable, 1},   {LoadFailed, 1},     {QueryFailed, 1}}}},
    {"garbage",         {{{NotFound, 1},      {NoModule, 1},       {Unreadable, 1},   {LoadFailed, 1},     {QueryFailed, 1}}}},
    {"wrong-ready",     {{NA,                 NA,                  NA,                {LoadFailed, 0},     NA}}},
    {"ack-wrong",       {{NA,                 NA,                  NA,                {LoadFailed, 0},     NA}}},
    {"ack-late",        {{NA,                 NA,                  NA,                {Ok, 2},             NA}}},
    {"ack-second-only", {{NA,                 NA,                  NA,                {Ok, 0},             NA}}},
    {"ack-missing",     {{NA,                 NA,                  NA,                {LoadFailed, 2},     NA}}},
    {"truncated",       {{{Incompatible, 1},  {Incompatible, 5},   {Unreadable, 1},   {Ok, 1},             {QueryFailed, 1}}}},
    {"overlong",        {{{NotFound, 0},      {NoModule, 0},       {Unreadable, 0},   {LoadFailed, 0},     {QueryFailed, 0}}}},
    {"never-silent",    {{{NotFound, 0},      {NoModule, 0},       {Unreadable, 0},   {LoadFailed, 0},     {QueryFailed, 0}}}},
    {"unplug",          {{{NotFound, 0},      {NoModule, 0},       {Vanished, 0},     {LoadFailed, 0},     {QueryFailed, 0}}}},
    {"slow-under",      {{{Ok, 3},            {Ok, 9},             {Ok, 3},           {Ok, 4},             {Ok, 2}}}},
    {"slow-over",       {{{NotFound, 1},      {NoModule, 1},       {Unreadable, 1},   {LoadFailed, 1},     {QueryFailed, 1}}}},
    {"speed-mismatch",  {{{NotFound, 1},      {NoModule, 1},       {Unreadable, 1},   {LoadFailed, 1},     {QueryFailed, 1}}}},
    {"markup",          {{{Ok, 1},            {Ok, 5},             {Ok, 1},           NA,                  {Ok, 0}}}},
};
// clang-format on

// Texts from outside that would render as markup if a widget guessed the format.
const QString kMarkupIdent = QStringLiteral("Q_QV5_<A HREF=\"X\">V</A>");
const QString kMarkupName = QStringLiteral("<b>PINCE</b>");
const QString kMarkupVersion = QStringLiteral("<b>FW2.1</b>");
const QString kMarkupAnalog = QStringLiteral("<img\tsrc=x>");
const QString kMarkupCounter = QStringLiteral("<a\thref=\"x\">7</a>");
const QString kMarker = QStringLiteral("ELOTTE"); // m_nev before every command

const QString kLoadOk = QStringLiteral("Sikeres betöltés.");
const QString kRunning = QStringLiteral("Betöltés folyamatban...");

// 955 bytes at 1200 bit/s (10 bits a byte), and the two seconds a successful download's
// dialog stays open.
constexpr int kDownloadWireMs = 955 * 10 * 1000 / 1200;
constexpr int kSuccessCloseMs = 2000;
constexpr int kSlackMs = 3000;

int boundMs(Ex ex, const Cell &cell)
{
    int bound = cell.waits * kTimeoutMs[size_t(ex)] + kSlackMs;
    if (ex == Ex::Download)
        bound += kDownloadWireMs + (cell.seen == Ok ? kSuccessCloseMs : 0);
    return bound;
}

struct Box
{
    QMessageBox::Icon icon;
    QString title, text, parent;
};

// The message box a cell must end with; none for a read-out, download or status success
// and for the download, whose outcome is its dialog's text.
std::optional<Box> expectedBox(Seen seen, Ex ex, const QString &port, const QString &ident)
{
    const QString device = QStringLiteral("Eszköz"), error = QStringLiteral("Hiba"),
                  main = QStringLiteral("MainWindow");
    switch (seen) {
    case Ok:
        if (ex != Ex::Ident && ex != Ex::Search)
            return std::nullopt;
        return Box{QMessageBox::Information, device,
                   QStringLiteral("A port sikeresen kiválasztva: %1\nA csatlakoztatott eszköz: %2")
                       .arg(port, ident),
                   main};
    case NotFound:
        return Box{QMessageBox::Warning, device,
                   QStringLiteral("A kiválasztott porton nem található csatlakoztatott eszköz."),
                   main};
    case Incompatible:
        return Box{QMessageBox::Warning, device,
                   QStringLiteral("A csatlakoztatott eszköz nem kompatibilis a jelenlegi "
                                  "szoftververzióval.\nKérem töltse le a legújabb verziót a "
                                  "\"%1\" oldalról!")
                       .arg(qv::settings::makerWebAddress()),
                   main};
    case NoModule:
        return Box{QMessageBox::Critical, error, QStringLiteral("Az eszköz nem található."),
                   QStringLiteral("setcom")};
    case Unreadable:
        return Box{QMessageBox::Critical, error,
                   QStringLiteral("Sikertelen kiolvasás. (Ismeretlen formátum)"), main};
    case Vanished:
        return Box{QMessageBox::Critical, error,
                   QStringLiteral("Sikertelen kiolvasás.\nA port megszűnt a kiolvasás közben: az "
                                  "eszköz vagy az adapter lecsatlakozott. Csatlakoztassa újra, "
                                  "majd ismételje meg a kiolvasást."),
                   main};
    case QueryFailed:
        return Box{QMessageBox::Critical, error,
                   QStringLiteral("Sikertelen lekérdezés.\nEllenőrizze az eszközt!"), main};
    case NotApplicable:
    case LoadFailed:
        break;
    }
    return std::nullopt;
}

// One cell's world: a data folder with the shipped files (and the markup identification
// listed), the emulated module behind a link that survives a replug, and a main window in
// the Q_QV5 debug mode whose form carries a marker.
struct Bench
{
    DataFolderScope data;
    QTemporaryDir links;
    std::unique_ptr<qvsim::Emulator> module = startModule();
    QString port = links.filePath(QStringLiteral("qvport"));
    ModalWatcher watcher;
    MainWindow window;
    QString dialogText; // the download dialog's outcome
    Qt::TextFormat dialogFormat = Qt::AutoText;

    Bench(Ex ex, const QString &fault)
    {
        const QString shipped = QCoreApplication::applicationDirPath() + u'/';
        for (const char *name : {"defval_qv.dll", "cmptbl_1_3.dll"})
            QFile::copy(shipped + QLatin1StringView(name), data.filePath(QLatin1StringView(name)));
        QFile table(data.filePath(QStringLiteral("cmptbl_1_3.dll")));
        if (!table.open(QIODevice::Append) || table.write(kMarkupIdent.toLatin1() + '\n') < 0)
            qFatal("cannot extend the compatibility table");
        table.close();

        if (!module->setLinkPath(port))
            qFatal("cannot link %s", qPrintable(port));
        applyFault(ex, fault);

        window.useLink(port, 1200);
        window.deviceDebugMS5();
        edit(window, "m_nev")->setText(kMarker);
        watcher.clear();
        watcher.onDialog(QStringLiteral("setcom"), [this, ex](QWidget *dialog) {
            auto press = [dialog](QDialogButtonBox::StandardButton which) {
                dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))
                    ->button(which)
                    ->click();
            };
            if (ex == Ex::Ident)
                return press(QDialogButtonBox::Ok);
            // A search that found nothing has said so by now; one that found the module
            // accepts the dialog by itself.
            QTimer::singleShot(watcher.count() > 0 ? 0 : 3000, dialog, [dialog, press] {
                if (dialog->isVisible())
                    press(QDialogButtonBox::Cancel);
            });
        });
        watcher.onDialog(QStringLiteral("dload"), [this](QWidget *dialog) {
            QPointer<QWidget> guard(dialog);
            auto *kiiras = dialog->findChild<QLabel *>(QStringLiteral("kiiras"));
            while (guard && kiiras->text() == kRunning)
                QTest::qWait(5);
            if (!guard)
                return;
            dialogText = kiiras->text();
            dialogFormat = kiiras->textFormat();
            if (dialogText != kLoadOk) // success closes by itself
                dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
        });
    }

    void applyFault(Ex ex, const QString &fault)
    {
        const Exchange exchange = kEmulatorExchange[size_t(ex)];
        qvsim::FaultSetup faults;
        if (const auto f = qvsim::faultFromName(fault))
            faults[exchange].fault = *f;
        if (ex == Ex::Search) // straddle the probe's 300 ms, not the identification's 500
            faults[exchange] = {faults[exchange].fault, 200, 400};
        module->setFaults(faults);

        qvsim::LineSetup line{.paced = false}; // only the slow faults' gaps take time
        if (fault == u"speed-mismatch") {
            if (ex == Ex::Download || ex == Ex::Status)
                line.fixedBaud = 2400;
            else
                line.moduleBaud = 9600;
        }
        module->setLineSetup(line);

        if (fault == u"markup") {
            qvsim::ModuleSetup setup = module->moduleSetup();
            setup.identText = kMarkupIdent;
            setup.fields[3] = kMarkupName;
            setup.status.version = kMarkupVersion;
            setup.status.analog = kMarkupAnalog;
            setup.status.counter = kMarkupCounter;
            module->setModuleSetup(setup);
        }
    }

    void run(Ex ex)
    {
        switch (ex) {
        case Ex::Ident:
            return widget<QAction>(window, "actionPort")->trigger();
        case Ex::Search:
            return widget<QPushButton>(window, "port_gomb")->click();
        case Ex::ReadOut:
            return window.readup();
        case Ex::Download:
            return window.download();
        case Ex::Status:
            return widget<QPushButton>(window, "allapot_gomb")->click();
        }
    }

    QLabel *label(QByteArrayView name) const { return widget<QLabel>(window, name); }

    // The form, the status panel and the identification the window keeps.
    QStringList snapshot() const
    {
        QStringList s = formValues(window);
        for (const char *name : {"l_ver", "l_analog", "l_counter"})
            s << label(name)->text();
        for (const char *name :
             {"w_ki1", "w_ki2", "w_ki3", "w_ki4", "w_be1", "w_be2", "w_be3", "w_be4", "w_tp"})
            s << widget<QWidget>(window, name)->styleSheet();
        return s << window.deviceSettings().DeviceId;
    }
};

void appendReport(const QStringList &fields)
{
    const QString path = qEnvironmentVariable("QV_FAULT_MATRIX_OUT");
    QFile out(path);
    if (path.isEmpty() || !out.open(QIODevice::Append | QIODevice::Text))
        return;
    out.write(fields.join(u'\t').toUtf8() + '\n');
}

} // namespace

class TestFaultMatrix : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void identification_data() { addRows(Rows::All); }
    void identification() { runCell(Ex::Ident); }
    void search_data() { addRows(Rows::All); }
    void search() { runCell(Ex::Search); }
    void readOut_data() { addRows(Rows::All); }
    void readOut() { runCell(Ex::ReadOut); }
    // The download sends its 955 bytes at 1200 bit/s in most cells: its rows run as two
    // halves, the acknowledgement faults (with the clean run) and the rest.
    void download_data() { addRows(Rows::NotAck); }
    void download() { runCell(Ex::Download); }
    void downloadAck_data() { addRows(Rows::Ack); }
    void downloadAck() { runCell(Ex::Download); }
    void status_data() { addRows(Rows::All); }
    void status() { runCell(Ex::Status); }

    void fileNames_data();
    void fileNames();

private:
    enum class Rows { All, Ack, NotAck }; // Ack: the acknowledgement faults and none
    void addRows(Rows rows);
    void runCell(Ex ex);

    QStringList m_report; // the current cell's line, completed in cleanup()
};

void TestFaultMatrix::init()
{
    qv::serial::setPortEnumerator([] { return QStringList(); });
}

void TestFaultMatrix::cleanup()
{
    qv::serial::setPortEnumerator({});
    qv::settings::gui::setOpenFileChooser({});
    qv::settings::gui::setSaveFileChooser({});
    if (m_report.isEmpty())
        return;
    if (m_report.size() < 6)
        m_report << (QTest::currentTestFailed() ? QStringLiteral("FAIL") : QStringLiteral("pass"));
    appendReport(m_report);
    m_report.clear();
}

void TestFaultMatrix::addRows(Rows rows)
{
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kMatrix)); ++i) {
        const QLatin1StringView fault(kMatrix[i].fault);
        const bool ack = fault == "none"_L1 || fault.startsWith("ack-"_L1);
        if (rows == Rows::All || ack == (rows == Rows::Ack))
            QTest::newRow(kMatrix[i].fault) << i;
    }
}

void TestFaultMatrix::runCell(Ex ex)
{
    QFETCH(int, row);
    const QString fault = QLatin1StringView(kMatrix[row].fault);
    const Cell cell = kMatrix[row].cells[size_t(ex)];
    const QString exName = QLatin1StringView(kExNames[size_t(ex)]);
    const QString seenName = QLatin1StringView(kSeenNames[size_t(cell.seen)]);
    const int bound = boundMs(ex, cell);
    if (cell.seen == NotApplicable) {
        m_report = {exName, fault, seenName, QString(), QString(), QStringLiteral("n/a")};
        QSKIP("not applicable to this exchange");
    }

    Bench b(ex, fault);
    const QStringList before = b.snapshot();
    QElapsedTimer clock;
    clock.start();
    b.run(ex);
    const qint64 ms = clock.elapsed();
    m_report = {exName, fault, seenName, QString::number(ms), QString::number(bound)};
    QVERIFY2(ms <= bound, qPrintable(QStringLiteral("%1 ms, bound %2 ms").arg(ms).arg(bound)));

    // The message, exactly, and every box as plain text.
    const qvsim::ModuleSetup module = b.module->moduleSetup();
    const QString ident = module.identText.toUpper();
    const std::optional<Box> box = expectedBox(cell.seen, ex, b.port, ident);
    QCOMPARE(b.watcher.count(), box ? 1 : 0);
    if (box) {
        const RecordedBox &seen = b.watcher.last();
        QCOMPARE(seen.icon, box->icon);
        QCOMPARE(seen.title, box->title);
        QCOMPARE(seen.text, box->text);
        QCOMPARE(seen.parentName, box->parent);
        QCOMPARE(seen.format, Qt::PlainText);
    }
    if (ex == Ex::Download) {
        QCOMPARE(b.dialogText, cell.seen == Ok
                                   ? kLoadOk
                                   : QStringLiteral("Betöltés hiba.\nTipp: ellenőrizze az eszközt "
                                                    "és a port beállítást."));
        QCOMPARE(b.dialogFormat, Qt::PlainText);
    }

    // The port is free again (after an unplug, once the adapter is back).
    if (b.module->isUnplugged())
        QVERIFY(b.module->replug());
    qv::serial::SerialLine line;
    QCOMPARE(line.open(qv::serial::lines::identification(b.port, 1200)),
             qv::serial::OpenResult::Ok);

    // Texts from the module are shown as they came, never as markup.
    for (const char *name : {"l_ver", "l_analog", "l_counter", "portLabel", "fileLabel"})
        QCOMPARE(b.label(name)->textFormat(), Qt::PlainText);

    if (cell.seen != Ok) {
        QCOMPARE(b.snapshot(), before);
        return;
    }
    switch (ex) {
    case Ex::Ident:
    case Ex::Search: // identified, unlocked and filled with the defaults
        QCOMPARE(b.label("l_ver")->text(), ident);
        QCOMPARE(b.window.deviceSettings().DeviceModel, int(qv::settings::ModelQV5));
        QCOMPARE(b.label("fileLabel")->text(), QStringLiteral("defval_qv.dll"));
        QVERIFY(edit(b.window, "m_nev")->text() != kMarker);
        break;
    case Ex::ReadOut:
        QCOMPARE(edit(b.window, "m_nev")->text(), module.fields.at(3));
        break;
    case Ex::Download:
        QCOMPARE(b.module->received().size(), 955);
        QCOMPARE(b.module->moduleSetup().fields.at(3).trimmed(), kMarker);
        break;
    case Ex::Status: {
        const qv::transfer::status::ModuleStatus &status = module.status;
        QCOMPARE(b.label("l_ver")->text(), status.version);
        QCOMPARE(b.label("l_analog")->text(), status.analog + QStringLiteral(" V"));
        QCOMPARE(b.label("l_counter")->text(), status.counter);
        break;
    }
    }
    if (fault == u"markup") { // what is shown is the markup itself, as text
        const QString shown =
            ex == Ex::ReadOut ? edit(b.window, "m_nev")->text() : b.label("l_ver")->text();
        QVERIFY2(Qt::mightBeRichText(shown), qPrintable(shown));
    }
}

// A file name that looks like markup, in the status bar and in the file messages.
void TestFaultMatrix::fileNames_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<QByteArray>("contents"); // opened: empty means a folder of that name
    QTest::addColumn<QString>("title");       // of the message box
    QTest::newRow("saved") << true << QByteArray() << "Mentés";
    QTest::newRow("too few lines") << false << QByteArray("1\n2\n3\n") << "File hiba";
    QTest::newRow("a folder") << false << QByteArray() << "File hiba";
}

void TestFaultMatrix::fileNames()
{
    QFETCH(bool, save);
    QFETCH(QByteArray, contents);
    QFETCH(QString, title);

    const QString name = QStringLiteral("<b>x<img src=y>.msw");
    QVERIFY(Qt::mightBeRichText(name));
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!save && contents.isEmpty())
        QVERIFY(QDir(dir.path()).mkdir(name));
    else if (!save)
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
    file.close();
    auto choose = [path](QWidget *, const QString &, const QString &, const QString &) {
        return path;
    };
    qv::settings::gui::setSaveFileChooser(choose);
    qv::settings::gui::setOpenFileChooser(choose);

    ModalWatcher watcher;
    MainWindow w;
    w.deviceDebugMS5();
    watcher.clear();
    save ? w.save() : w.openfile();

    QCOMPARE(watcher.count(), 1);
    QCOMPARE(watcher.last().title, title);
    QCOMPARE(watcher.last().format, Qt::PlainText);
    auto *fileLabel = widget<QLabel>(w, "fileLabel");
    QCOMPARE(fileLabel->textFormat(), Qt::PlainText);
    if (save)
        QCOMPARE(fileLabel->text(), name);
    else
        QVERIFY(watcher.last().text.contains(name));
    m_report = {QStringLiteral("file name"), QString::fromLatin1(QTest::currentDataTag()), title,
                QString(), QString()};
}

QTEST_MAIN(TestFaultMatrix)
#include "tst_faultmatrix.moc"
