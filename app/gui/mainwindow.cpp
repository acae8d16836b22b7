#include "app/gui/mainwindow.h"

#include "files/gui/filecontroller.h"
#include "form/deviceprofile.h"
#include "form/gui/deviceshaping.h"
#include "form/gui/editstate.h"
#include "form/gui/formbinding.h"
#include "form/gui/formchecks.h"
#include "form/gui/mainwindowui.h"
#include "form/gui/statuspanel.h"
#include "register/entry.h"
#include "register/gui/registercontroller.h"
#include "register/gui/registerwindow.h"
#include "register/store.h"
#include "serial/gui/portcontroller.h"
#include "series/gui/seriescontroller.h"
#include "series/gui/seriesdialog.h"
#include "series/gui/seriesstatusdialog.h"
#include "settings/branding.h"
#include "settings/datafiles.h"
#include "settings/gui/messages.h"
#include "settings/preferences.h"
#include "sheet/gui/sheetcontroller.h"
#include "transfer/configvalues.h"
#include "transfer/gui/comparecontroller.h"
#include "transfer/gui/comparedialog.h"
#include "transfer/gui/downloadcontroller.h"
#include "transfer/gui/readoutcontroller.h"
#include "transfer/gui/statuscontroller.h"
#include "transfer/outcometexts.h"
#include "watch/gui/watchcontroller.h"
#include "watch/gui/watchdialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>

namespace qv::app::gui {

namespace {
// How long a notice stays in the status bar (it hides the labels meanwhile).
constexpr int kNoticeMs = 15000;
} // namespace

MainWindow::MainWindow(QWidget *parent, const QString &teamRegister)
    : QMainWindow(parent), ui(new form::gui::Ui::MainWindow)
{
    ui->setupUi(this);
    m_form = std::make_unique<form::gui::FormBinding>(*ui);
    m_panel = std::make_unique<form::gui::StatusPanel>(*ui);
    m_checks = std::make_unique<form::gui::FormChecks>(*m_form, this);
    m_ports = new serial::gui::PortController(
        [this] {
            return serial::gui::PortController::Link{settings.Port, settings.Baudrate};
        },
        settings.Version, *m_panel, this, this);
    // The exchanges read the link from the settings record when they start; only the window
    // holds the record.
    const qv::transfer::LinkSource link = [this] { return qv::transfer::linkOf(settings); };
    m_readOut = new transfer::gui::ReadOutController(link, *m_form, this, this);
    m_download =
        new transfer::gui::DownloadController([this] { return settings; }, *m_form, this, this);
    m_status = new transfer::gui::StatusController(link, *m_panel, this, this);
    m_files = new files::gui::FileController(*m_form, this, this);
    m_compare = new transfer::gui::CompareController(link, *m_download, this, this);
    m_register = new reg::gui::RegisterController(link, settings.Version, this, teamRegister, this);
    m_series = new series::gui::SeriesController(link, settings.Version, teamRegister, this);
    m_sheet = new sheet::gui::SheetController(link, settings.Version, *m_form, this, this);
    m_watch =
        new watch::gui::WatchController(link, settings.Version, m_panel.get(), m_register, this);
    m_series->setPortRefusal([this](const QString &port) { return m_watch->portRefusal(port); });

    auto icon = [](const char *name) {
        QIcon result;
        result.addPixmap(QPixmap(QStringLiteral(":/img/img/") + QLatin1StringView(name)),
                         QIcon::Normal, QIcon::Off);
        return result;
    };
    ui->actionOpen->setIcon(icon("open.png"));
    ui->actionSave->setIcon(icon("save.png"));
    ui->actionSaveAs->setIcon(icon("save.png"));
    ui->actionExit->setIcon(icon("exit_icon.png"));
    ui->actionAbout->setIcon(icon("info_icon.png"));
    ui->actionReadup->setIcon(icon("up.png"));
    ui->actionDownload->setIcon(icon("down.png"));

    connectSignals();

    auto *version =
        new QLabel(QStringLiteral("v") + settings.Version + QStringLiteral("   "), ui->menuBar);
    version->setObjectName(QStringLiteral("versionLabel"));
    ui->menuBar->setCornerWidget(version, Qt::TopRightCorner);

    createStatusBar();

    ui->actionVerify->setVisible(false);
    ui->verify_gomb->setVisible(false);
    ui->tabWidget->setCurrentIndex(0);
    showPicture();
    globalDisableUI();

    // Only now: what the constructor put into the form is no edit.
    m_edits = new form::gui::EditState(*m_form, this);
    connect(m_edits, &form::gui::EditState::modifiedChanged, m_modifiedLabel, &QWidget::setVisible);
    for (auto signal : {&files::gui::FileController::loaded, &files::gui::FileController::saved})
        connect(m_files, signal, m_edits, &form::gui::EditState::markClean);
    connect(m_download, &transfer::gui::DownloadController::written, m_edits,
            &form::gui::EditState::markClean);
    connect(m_download, &transfer::gui::DownloadController::verificationShown, this,
            [this](const QString &text) {
                // The check's own words (the dialog's last line), within a width the status bar has
                // room for; the whole result and when it came in the tooltip.
                constexpr int Widest = 240;
                const QString outcome = text.section(u'\n', -1);
                m_verifiedLabel->setText(
                    m_verifiedLabel->fontMetrics().elidedText(outcome, Qt::ElideRight, Widest));
                m_verifiedLabel->setToolTip(
                    text.isEmpty() ? QString()
                                   : QStringLiteral("%1  %2").arg(
                                         QLocale().toString(QDateTime::currentDateTime(),
                                                            QLocale::ShortFormat),
                                         QString(text).replace(u'\n', u' ')));
                m_verifiedLabel->setVisible(!text.isEmpty());
            });
    connect(m_compare, &transfer::gui::CompareController::sameAsModule, m_edits,
            &form::gui::EditState::markClean);
    // A read-out that filled the form says so until the next one (the date in the tooltip).
    connect(m_readOut, &transfer::gui::ReadOutController::exchanged, this,
            [this](const transfer::ExchangeReport &report) {
                if (report.result != transfer::ExchangeResult::Ok)
                    return;
                const QDateTime now = QDateTime::currentDateTime();
                m_readOutLabel->setText(transfer::readOutSummary(
                    form::device::modelName(settings.DeviceModel), report.fields, now));
                m_readOutLabel->setToolTip(QLocale().toString(now, QLocale::LongFormat) + u' ' +
                                           report.port);
                m_readOutLabel->setVisible(true);
            });
}

MainWindow::~MainWindow()
{
    // The widgets still signal while they are destroyed (a focused field finishes its
    // editing, a check box changes state); none of that may reach a window whose own
    // part is already gone.
    for (QObject *child : findChildren<QObject *>())
        QObject::disconnect(child, nullptr, this, nullptr);
    // A running watch is recorded while the register is still there.
    m_watch->stop();
    delete ui;
}

void MainWindow::connectSignals()
{
    const std::pair<QAction *, void (MainWindow::*)()> actions[] = {
        {ui->actionNew, &MainWindow::newfile},
        {ui->actionOpen, &MainWindow::openfile},
        {ui->actionSave, &MainWindow::save},
        {ui->actionSaveAs, &MainWindow::saveas},
        {ui->actionExit, nullptr}, // closes the window
        {ui->actionPort, &MainWindow::show_port},
        {ui->actionDownload, &MainWindow::download},
        {ui->actionReadup, &MainWindow::readup},
        {ui->actionVerify, &MainWindow::verify_func},
        {ui->actionAbout, &MainWindow::nevjegy},
        {ui->actionContents, &MainWindow::contents},
        {ui->actionQ_QV5, &MainWindow::deviceDebugMS5},
        {ui->actionQ_QV3, &MainWindow::deviceDebugMS3},
        {ui->actionQ_BRK2, &MainWindow::deviceDebugMArm2},
        {ui->actionNodevice, &MainWindow::deviceDebugDisable},
    };
    for (const auto &[action, slot] : actions) {
        if (slot)
            connect(action, &QAction::triggered, this, slot);
        else
            connect(action, &QAction::triggered, this, &QWidget::close);
    }
    using qv::settings::language::Language;
    (qv::settings::language::current() == Language::English ? ui->actionLangEn : ui->actionLangHu)
        ->setChecked(true);
    connect(ui->actionLangHu, &QAction::triggered, this,
            [this] { chooseLanguage(Language::Hungarian); });
    connect(ui->actionLangEn, &QAction::triggered, this,
            [this] { chooseLanguage(Language::English); });

    // Not a slot of its own: the command came after the others.
    connect(ui->actionCompare, &QAction::triggered, this, [this] {
        const auto pause = m_watch->pauseFor(tr("az összehasonlítás"));
        m_compare->compare();
    });
    connect(ui->actionWatch, &QAction::triggered, this, &MainWindow::showWatch);
    connect(ui->actionRegister, &QAction::triggered, this, &MainWindow::showRegister);
    connect(ui->actionSeries, &QAction::triggered, this, &MainWindow::showSeries);
    // The register's site note is what the sheet offers for the site.
    connect(ui->actionPrintSheet, &QAction::triggered, this, [this] {
        m_sheet->sheetOfForm(sheet::gui::SheetController::Output::Print, m_register->site());
    });
    connect(ui->actionExportSheet, &QAction::triggered, this, [this] {
        m_sheet->sheetOfForm(sheet::gui::SheetController::Output::Pdf, m_register->site());
    });
    connect(m_sheet, &sheet::gui::SheetController::statusMessage, this,
            [this](const QString &message) { statusBar()->showMessage(message, kNoticeMs); });

    connect(ui->allapot_gomb, &QPushButton::clicked, this, &MainWindow::allapot);
    connect(ui->port_gomb, &QPushButton::clicked, this, &MainWindow::show_port);
    connect(ui->download_gomb, &QPushButton::clicked, this, &MainWindow::download);
    connect(ui->upload_gomb, &QPushButton::clicked, this, &MainWindow::readup);
    connect(ui->verify_gomb, &QPushButton::clicked, this, &MainWindow::verify_func);

    const std::pair<QGroupBox *, void (MainWindow::*)()> checks[] = {
        {ui->g_general, &MainWindow::check_general}, {ui->g_tel, &MainWindow::check_tel},
        {ui->g_analog, &MainWindow::check_analog},   {ui->g_be, &MainWindow::check_be},
        {ui->g_ki, &MainWindow::check_ki},           {ui->g_activate, &MainWindow::check_activate},
    };
    for (const auto &[box, slot] : checks) {
        for (QLineEdit *edit : box->findChildren<QLineEdit *>())
            connect(edit, &QLineEdit::editingFinished, this, slot);
    }

    connect(ui->smskp_combo, &QComboBox::currentTextChanged, this, &MainWindow::smskpSelect);
    for (QCheckBox *box : ui->g_tel->findChildren<QCheckBox *>())
        connect(box, &QCheckBox::stateChanged, this, &MainWindow::check_cbs);
    connect(ui->max_be_15, &QRadioButton::clicked, this, &MainWindow::check_analog);
    connect(ui->max_be_30, &QRadioButton::clicked, this, &MainWindow::check_analog);

    // What the subsystems report back.
    connect(m_ports, &serial::gui::PortController::portChosen, this,
            [this](const QString &port, qint32 baud) {
                settings.Port = port;
                settings.Baudrate = baud;
                showPort(true);
            });
    connect(m_ports, &serial::gui::PortController::modelChanged, this,
            [this](int model) { settings.DeviceModel = model; });
    connect(m_ports, &serial::gui::PortController::moduleIdChanged, this,
            [this](const QString &id) { settings.DeviceId = id; });
    connect(m_ports, &serial::gui::PortController::moduleIdentified, this,
            &MainWindow::moduleIdentified);
    connect(m_readOut, &transfer::gui::ReadOutController::formFilled, this, [this] {
        setDeviceUI();
        // Shaping the form enables every RING and SMS box; those of an entry without an
        // alarm source go off again, as check_cbs keeps them while the user edits.
        check_cbs();
        m_edits->markClean();
    });
    connect(m_files, &files::gui::FileController::fileNameChanged, this,
            [this](const QString &name) { fileLabel->setText(name); });
    connect(m_files, &files::gui::FileController::fileChanged, this,
            [this](const QString &path, const QString &name) {
                settings.FilePath = path;
                settings.FileName = name;
                m_sheet->setOpenFile(path);
            });
    connect(m_files, &files::gui::FileController::loaded, this,
            [this] { settings.DownloadRecord.clear(); });
    connect(m_files, &files::gui::FileController::footerChanged, this,
            [this](const QStringList &footer) {
                if (footer.size() > 0)
                    settings.FooterText = footer.at(0);
                if (footer.size() > 1)
                    settings.FooterText2 = footer.at(1);
                replaceLinkLabel();
            });
    connect(m_download, &transfer::gui::DownloadController::recordChanged, this,
            [this](const QString &record) { settings.DownloadRecord = record; });

    // Every exchange with the module goes into the register.
    connect(m_readOut, &transfer::gui::ReadOutController::exchanged, m_register,
            &reg::gui::RegisterController::record);
    connect(m_download, &transfer::gui::DownloadController::exchanged, m_register,
            &reg::gui::RegisterController::record);
    connect(m_compare, &transfer::gui::CompareController::exchanged, m_register,
            &reg::gui::RegisterController::record);
    connect(m_register, &reg::gui::RegisterController::statusMessage, this,
            [this](const QString &message) { statusBar()->showMessage(message, kNoticeMs); });

    // A running series has the port to itself.
    connect(m_series, &series::gui::SeriesController::runningChanged, this,
            &MainWindow::lockPortForSeries);
    // The status panel's values belong to the module queried: another one makes them old.
    connect(m_series, &series::gui::SeriesController::runningChanged, this, [this](bool running) {
        if (running)
            m_panel->markStale();
    });
    connect(m_ports, &serial::gui::PortController::moduleIdentified, this,
            [this] { m_panel->markStale(); });
}

void MainWindow::chooseLanguage(qv::settings::language::Language language)
{
    qv::settings::preferences::setLanguage(qv::settings::language::code(language));
    if (language == qv::settings::language::current())
        return;
    QMessageBox box(QMessageBox::Information, tr("Nyelv"),
                    tr("A program a következő indításakor vált nyelvet."), QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    // A running series is not cut short for a language.
    QAbstractButton *restart = m_series->isRunning()
                                   ? nullptr
                                   : box.addButton(tr("Újraindítás most"), QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
    if (restart && box.clickedButton() == restart)
        restartProgram();
}

// The same program with the same arguments (but a --lang, which would outrank the choice),
// once the edits are saved or given up; then this one ends.
void MainWindow::restartProgram()
{
    if (!mayReplaceForm())
        return;
    const QStringList arguments =
        qv::settings::language::withoutRequested(QCoreApplication::arguments()).mid(1);
    if (!QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments)) {
        qv::settings::gui::showMessage(this, QMessageBox::Critical, tr("Nyelv"),
                                       tr("A program nem indítható újra. Indítsa el újra kézzel."));
        return;
    }
    m_restarting = true; // the edits were asked about already
    close();
}

void MainWindow::createStatusBar()
{
    fileLabel = new QLabel(tr("Nincs megnyitott fájl."), this);
    fileLabel->setObjectName(QStringLiteral("fileLabel"));
    fileLabel->setTextFormat(Qt::PlainText); // shows file names
    ui->statusBar->insertWidget(0, fileLabel, 1);

    portLabel = new QLabel(this);
    portLabel->setObjectName(QStringLiteral("portLabel"));
    portLabel->setTextFormat(Qt::PlainText);
    showPort(false);
    ui->statusBar->insertWidget(1, portLabel, 1);

    settings.FooterText = qv::settings::copyrightLine();
    replaceLinkLabel();

    // After a download that was read back: what the check found, until the next download
    // (its tooltip says when). Beside the unsaved edits, which it often explains.
    m_verifiedLabel = new QLabel(this);
    m_verifiedLabel->setObjectName(QStringLiteral("verifiedLabel"));
    m_verifiedLabel->setTextFormat(Qt::PlainText);
    m_verifiedLabel->setVisible(false);
    // Permanent: a notice would hide an ordinary one for its time, and it might not come back.
    ui->statusBar->addPermanentWidget(m_verifiedLabel);

    // The last successful read-out, until the next; permanent for the same reason.
    m_readOutLabel = new QLabel(this);
    m_readOutLabel->setObjectName(QStringLiteral("readOutLabel"));
    m_readOutLabel->setTextFormat(Qt::PlainText); // the module's name
    m_readOutLabel->setVisible(false);
    ui->statusBar->addPermanentWidget(m_readOutLabel);

    // At the far right, apart from the three labels above.
    m_modifiedLabel = new QLabel(tr("Nem mentett módosítások"), this);
    m_modifiedLabel->setObjectName(QStringLiteral("modifiedLabel"));
    m_modifiedLabel->setStyleSheet(QStringLiteral("color: rgb(191,0,0); font-weight: bold;"));
    m_modifiedLabel->setVisible(false);
    ui->statusBar->addPermanentWidget(m_modifiedLabel);
}

void MainWindow::openWhenIdentified(const QString &path)
{
    m_pendingFile = path;
    fileLabel->setText(
        tr("%1 – megnyílik, amint egy eszköz csatlakozott").arg(QFileInfo(path).fileName()));
}

bool MainWindow::mayReplaceForm()
{
    if (!m_edits->isModified())
        return true;
    switch (qv::settings::gui::askAboutUnsavedEdits(this)) {
    case qv::settings::gui::UnsavedEdits::Save:
        return m_files->save();
    case qv::settings::gui::UnsavedEdits::Discard:
        return true;
    case qv::settings::gui::UnsavedEdits::Cancel:
        break;
    }
    return false;
}

// A running series is stopped after its current unit first; the window closes once it has
// (then the question about unsaved edits, once).
void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_series->isRunning()) {
        event->ignore();
        if (m_closeAfterSeries ||
            qv::settings::gui::askYesNo(
                this, tr("Sorozatprogramozás"),
                tr("A sorozat fut. Leállítja az éppen írt modul után, és kilép?"))) {
            m_closeAfterSeries = true;
            m_series->stop();
        }
        return;
    }
    m_closeAfterSeries = false;
    if (m_restarting || mayReplaceForm()) {
        m_watch->stop();
        event->accept();
    } else
        event->ignore();
}

// A supported module answered: the window unlocks and the form is shaped for the model,
// then filled with the defaults (then with the file named on the command line, once).
// Edits the user keeps stay in the form, but what the model lacks goes: the window always
// shows the module the next command talks to, and a download sends nothing it lacks.
void MainWindow::moduleIdentified()
{
    globalEnableUI();
    if (m_seriesDialog)
        m_seriesDialog->refresh(); // the series' model follows the module identified
    if (!mayReplaceForm()) {
        setDeviceUI();
        // Shaping enables every RING and SMS box, as after a read-out.
        check_cbs();
        statusBar()->showMessage(tr("Az alapértékek nem töltődtek be: a módosítások "
                                    "megmaradtak, az űrlap a(z) %1 modellhez igazítva.")
                                     .arg(qv::form::device::modelName(settings.DeviceModel)),
                                 kNoticeMs);
        return;
    }
    setDeviceUI();
    m_files->newFile();
    if (!m_pendingFile.isEmpty())
        m_files->openPath(std::exchange(m_pendingFile, QString()));
}

void MainWindow::useLink(const QString &port, qint32 baud)
{
    settings.Port = port;
    settings.Baudrate = baud;
    showPort(false);
}

// The port and speed in the status bar; a port chosen in the dialog is shown with one
// more blank after its name than the one the program started with. One pass: a "%2"
// inside a port name stays as it is.
void MainWindow::showPort(bool chosen)
{
    const QString format =
        //: The port and its speed in the status bar.
        chosen ? tr("%1   Baud: %2") : tr("%1  Baud: %2");
    portLabel->setText(format.arg(settings.Port, QString::number(settings.Baudrate)));
}

// Puts a fresh link label holding FooterText at the right end of the status bar.
void MainWindow::replaceLinkLabel()
{
    if (linkLabel) {
        // Hidden at once: a message box that follows (the greeting) runs its own event
        // loop, and the deferred deletion waits until it closes.
        ui->statusBar->removeWidget(linkLabel);
        linkLabel->hide();
        linkLabel->deleteLater();
    }
    linkLabel = new QLabel(settings.FooterText, ui->statusBar);
    linkLabel->setObjectName(QStringLiteral("linkLabel"));
    linkLabel->setTextFormat(Qt::RichText);
    linkLabel->setOpenExternalLinks(true);
    linkLabel->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    ui->statusBar->insertWidget(2, linkLabel, 0);
}

// Shows PictureFile in the picture area; a missing or unreadable file leaves it empty.
void MainWindow::showPicture()
{
    QPixmap picture;
    picture.load(qv::settings::locateLocalisedDataFile(settings.PictureFile));
    ui->image->setPixmap(picture);
}

void MainWindow::verify_func()
{
    ui->tabWidget->setCurrentIndex(0);
}

void MainWindow::saveas()
{
}

// ---- commands carried out by the subsystems

void MainWindow::newfile()
{
    if (mayReplaceForm())
        m_files->newFile();
}

void MainWindow::openfile()
{
    if (mayReplaceForm())
        m_files->openFile();
}

void MainWindow::save()
{
    m_files->save();
}

void MainWindow::show_port()
{
    const auto pause = m_watch->pauseFor(tr("a port választása"));
    // Only the button searches; the menu entry opens the dialog as it is.
    m_ports->selectPort(sender() == ui->port_gomb);
}

bool MainWindow::checkCompatibility(const QString &deviceVersion)
{
    return m_ports->isCompatible(deviceVersion);
}

// A running watch pauses for each of the window's exchanges, and goes on after it.
void MainWindow::readup()
{
    if (!mayReplaceForm())
        return;
    const auto pause = m_watch->pauseFor(tr("a kiolvasás"));
    m_readOut->readOut();
}

void MainWindow::download()
{
    const auto pause = m_watch->pauseFor(tr("a betöltés"));
    m_download->download();
}

void MainWindow::allapot()
{
    const auto pause = m_watch->pauseFor(tr("az állapot lekérdezése"));
    m_status->query();
}

// ---- the status watch

void MainWindow::showWatch()
{
    if (!m_watchDialog)
        m_watchDialog = new watch::gui::WatchDialog(*m_watch, this);
    m_watchDialog->show();
    m_watchDialog->raise();
    m_watchDialog->activateWindow();
}

// ---- series programming

void MainWindow::showSeries()
{
    if (!m_seriesDialog)
        m_seriesDialog = new series::gui::SeriesDialog(
            *m_series, [this] { return qv::transfer::linkOf(settings); }, this);
    m_seriesDialog->refresh();
    m_seriesDialog->show();
    m_seriesDialog->raise();
    m_seriesDialog->activateWindow();
}

// ---- the register

void MainWindow::showRegister()
{
    // Not modal: the form stays in reach, and an entry opened into it leaves the window, its
    // search and its selection as they were. A second call brings the same window forward.
    if (m_registerWindow) {
        m_registerWindow->raise();
        m_registerWindow->activateWindow();
        return;
    }
    auto *window = new reg::gui::RegisterWindow(*m_register, ui->actionCompare->isEnabled(), this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_registerWindow = window;
    connect(window, &reg::gui::RegisterWindow::openRequested, this,
            [this, window](const qv::reg::Entry &entry) { openEntry(entry, window); });
    connect(window, &reg::gui::RegisterWindow::saveRequested, this,
            [this, window](const qv::reg::Entry &entry) { saveEntry(entry, window); });
    connect(window, &reg::gui::RegisterWindow::compareWithFormRequested, this,
            [this, window](const qv::reg::Entry &entry) { compareEntryWithForm(entry, window); });
    connect(window, &reg::gui::RegisterWindow::sheetRequested, this,
            [this, window](const qv::reg::Entry &entry) { m_sheet->sheetOfEntry(entry, window); });
    connect(window, &reg::gui::RegisterWindow::seriesRequested, this, [this, window] {
        auto *view = new series::gui::SeriesStatusDialog(m_register->teamConnection(),
                                                         reg::Store::defaultSqlitePath(), window);
        view->setAttribute(Qt::WA_DeleteOnClose);
        view->show();
    });
    connect(window, &reg::gui::RegisterWindow::compareWithModuleRequested, this,
            [this, window](const qv::reg::Entry &entry) {
                const auto pause = m_watch->pauseFor(tr("az összehasonlítás"));
                m_compare->compareRecord(qv::transfer::record::buildDownloadRecord(entry.fields),
                                         tr("A bejegyzésben"), window);
            });
    window->show();
}

QString MainWindow::shapeRefusal(const qv::reg::Entry &entry, bool current) const
{
    const QString model = qv::form::device::modelName(entry.model);
    if (model.isEmpty())
        return tr("A bejegyzés modellje nem ismert, ezért az űrlap nem igazítható "
                  "hozzá.");
    if (!current || entry.model == settings.DeviceModel)
        return {};
    const QString connected = qv::form::device::modelName(settings.DeviceModel);
    if (connected.isEmpty())
        return tr("A bejegyzés egy %1 modul konfigurációja, de nincs azonosított eszköz. "
                  "Csatlakoztasson egy %1 modult (Eszköz csatlakoztatása), hogy az űrlap ehhez a "
                  "modellhez igazodjon.")
            .arg(model);
    return tr("A bejegyzés egy %1 modul konfigurációja, a csatlakoztatott eszköz %2. "
              "Csatlakoztasson egy %1 modult (Eszköz csatlakoztatása), hogy az űrlap ehhez a "
              "modellhez igazodjon.")
        .arg(model, connected);
}

// As a read-out fills the form, followed by the window's steps after a read-out.
bool MainWindow::openEntry(const qv::reg::Entry &entry, QWidget *parent)
{
    if (const QString refusal = shapeRefusal(entry, true); !refusal.isEmpty()) {
        qv::settings::gui::showMessage(
            parent, QMessageBox::Warning, tr("Megnyitás"),
            tr("%1\nA bejegyzés nem nyitható meg az űrlapon.").arg(refusal));
        return false;
    }
    if (!mayReplaceForm())
        return false;
    if (!m_readOut->restore(entry.fields)) {
        qv::settings::gui::showMessage(parent, QMessageBox::Critical, tr("Megnyitás"),
                                       tr("A bejegyzés konfigurációja nem olvasható."));
        return false;
    }
    statusBar()->showMessage(
        tr("Az űrlapon a nyilvántartás %1 bejegyzése: %2 – %3")
            .arg(entry.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                 entry.moduleId, entry.moduleName),
        kNoticeMs);
    return true;
}

void MainWindow::saveEntry(const qv::reg::Entry &entry, QWidget *parent)
{
    if (const QString refusal = shapeRefusal(entry, false); !refusal.isEmpty()) {
        qv::settings::gui::showMessage(parent, QMessageBox::Warning, tr("Mentés"),
                                       tr("%1\nA bejegyzés nem menthető fájlba.").arg(refusal));
        return;
    }
    const std::optional<QStringList> values =
        qv::transfer::fileValuesFromRecord(entry.fields, entry.model);
    if (!values) {
        qv::settings::gui::showMessage(parent, QMessageBox::Critical, tr("Mentés"),
                                       tr("A bejegyzés konfigurációja nem olvasható."));
        return;
    }
    m_files->saveValues(*values, parent);
}

void MainWindow::compareEntryWithForm(const qv::reg::Entry &entry, QWidget *parent)
{
    const std::optional<QString> record = m_download->assembleRecord();
    if (!record)
        return;
    const QList<qv::transfer::FieldDifference> differences = qv::transfer::compareRecords(
        *record, entry.fields, QChar(char16_t(quint8(settings.DownloadSeparator))));
    transfer::gui::showDifferences(
        differences,
        {tr("Összehasonlítás az űrlappal"),
         tr("A bejegyzésben %n érték tér el:", nullptr, int(differences.size())), tr("Az űrlapon"),
         tr("A bejegyzésben")},
        parent);
}

// Shapes the form, the status panel and the picture for DeviceModel.
void MainWindow::setDeviceUI()
{
    form::gui::shapeForModel(*m_form, settings.DeviceModel);
    m_panel->shapeFor(settings.DeviceModel);
    settings.PictureFile = qv::form::device::pictureFileFor(settings.DeviceModel);
    showPicture();
}

void MainWindow::check_general()
{
    runCheck(qv::form::rules::Group::General);
}

void MainWindow::check_tel()
{
    runCheck(qv::form::rules::Group::Telephones);
}

void MainWindow::check_analog()
{
    runCheck(qv::form::rules::Group::Analog);
}

void MainWindow::check_be()
{
    runCheck(qv::form::rules::Group::Inputs);
}

void MainWindow::check_ki()
{
    runCheck(qv::form::rules::Group::Outputs);
}

void MainWindow::check_activate()
{
    runCheck(qv::form::rules::Group::Activation);
}

// A line edit's editing finished (Return, or a focus change the check of its own loss of
// focus stands for), or the analogue range changed.
void MainWindow::runCheck(qv::form::rules::Group group)
{
    if (!m_checks->isLeaving(sender()))
        m_checks->checkGroup(group);
}

void MainWindow::check_cbs()
{
    m_checks->checkMatrix();
}

void MainWindow::smskpSelect()
{
    m_checks->selectSmsCentre();
}

} // namespace qv::app::gui
