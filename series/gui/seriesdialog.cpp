#include "series/gui/seriesdialog.h"

#include "form/deviceprofile.h"
#include "series/gui/seriescontroller.h"
#include "series/gui/seriesmodel.h"
#include "settings/devsettings.h"
#include "settings/gui/messages.h"

#include "serial/portlist.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace qv::series::gui {

namespace {

// The folder a chooser opens in: the one of the path given, else the working folder.
QString folderOf(const QString &path)
{
    return path.isEmpty() ? QStringLiteral(".") : QFileInfo(path).absolutePath();
}

} // namespace

SeriesDialog::SeriesDialog(SeriesController &controller, qv::transfer::LinkSource link,
                           QWidget *parent)
    : QDialog(parent), m_controller(controller), m_link(std::move(link))
{
    setObjectName(QStringLiteral("seriesDialog"));
    setWindowTitle(tr("Sorozatprogramozás"));

    auto pathRow = [this](const char *name, QLineEdit *&edit, void (SeriesDialog::*choose)()) {
        edit = new QLineEdit(this);
        edit->setObjectName(QLatin1StringView(name));
        auto *browse = new QPushButton(tr("Tallózás…"), this);
        browse->setObjectName(QLatin1StringView(name) + QStringLiteral("Browse"));
        browse->setAutoDefault(false);
        connect(browse, &QPushButton::clicked, this, choose);
        m_choices << edit << browse;
        auto *row = new QHBoxLayout;
        row->addWidget(edit, 1);
        row->addWidget(browse);
        return row;
    };
    auto *files = new QFormLayout;
    files->addRow(tr("Alap konfiguráció:"),
                  pathRow("seriesBase", m_base, &SeriesDialog::chooseBase));
    files->addRow(tr("Modulok táblázata:"),
                  pathRow("seriesUnits", m_units, &SeriesDialog::chooseUnits));
    files->addRow(tr("Eredmények fájlja:"),
                  pathRow("seriesResults", m_results, &SeriesDialog::chooseResults));
    m_units->setPlaceholderText(tr("CSV: fejléc a mezők nevével, soronként egy modul"));

    m_model = new QComboBox(this);
    m_model->setObjectName(QStringLiteral("seriesType"));
    m_model->addItem(tr("a sorozat első modulja szerint"), int(qv::settings::NoDevice));
    for (int model : {qv::settings::ModelQV5, qv::settings::ModelQV3, qv::settings::ModelBRK2})
        m_model->addItem(qv::form::device::modelName(model), model);
    m_verify = new QCheckBox(tr("Ellenőrzés visszaolvasással"), this);
    m_verify->setObjectName(QStringLiteral("seriesVerify"));
    m_verify->setChecked(true);
    // Off unless asked for: it costs a read-out for every unit.
    m_readFirst = new QCheckBox(tr("Kiolvasás betöltés előtt"), this);
    m_readFirst->setObjectName(QStringLiteral("seriesReadFirst"));
    m_readFirst->setToolTip(
        tr("Minden modul konfigurációja betöltés előtt kiolvasva a nyilvántartásba kerül, és "
           "a sorozat egy sorát már tároló modul nem kap újat."));
    m_port = new QLabel(this);
    m_port->setObjectName(QStringLiteral("seriesPort"));
    m_port->setTextFormat(Qt::PlainText);
    m_newBatch = new QCheckBox(tr("Új köteg"), this);
    m_newBatch->setObjectName(QStringLiteral("seriesNewBatch"));
    m_newBatch->setToolTip(tr("A táblázat újra, elölről, új modulokba: nem folytatja a korábbi "
                              "köteget, amelynek sorai a nyilvántartásban maradnak."));
    m_anyLane = new QCheckBox(tr("Újra bármelyik porton"), this);
    m_anyLane->setObjectName(QStringLiteral("seriesRetryAnyLane"));
    m_anyLane->setToolTip(tr("A sikertelen egység sora bármelyik port következő moduljára "
                             "kerül, nem csak ugyanannak a portnak a következőjére."));
    m_sound = new QCheckBox(tr("Hangjelzés a cserénél"), this);
    m_sound->setObjectName(QStringLiteral("seriesSound"));
    m_sound->setToolTip(tr("Hangjelzés, amikor a modult le kell venni."));
    m_sound->setChecked(QSettings().value(QStringLiteral("series/swapSound"), true).toBool());
    connect(m_sound, &QCheckBox::toggled, this,
            [](bool on) { QSettings().setValue(QStringLiteral("series/swapSound"), on); });
    m_choices << m_model << m_verify << m_readFirst << m_newBatch << m_anyLane;
    auto *options = new QHBoxLayout;
    options->addWidget(m_model);
    options->addSpacing(16);
    options->addWidget(m_verify);
    options->addSpacing(16);
    options->addWidget(m_readFirst);
    options->addSpacing(16);
    options->addWidget(m_newBatch);
    options->addSpacing(16);
    options->addWidget(m_anyLane);
    options->addSpacing(16);
    options->addWidget(m_sound);
    options->addStretch(1);
    options->addWidget(m_port);
    files->addRow(tr("Típus:"), options);

    // The lanes: the ports the program finds (their /dev/serial/by-id names shown), each one
    // checked writes modules of its own beside the others; a port the system does not list
    // is added by its name.
    m_ports = new QListWidget(this);
    m_ports->setObjectName(QStringLiteral("seriesPorts"));
    m_ports->setMaximumHeight(m_ports->fontMetrics().height() * 4 + 8);
    m_portAdd = new QLineEdit(this);
    m_portAdd->setObjectName(QStringLiteral("seriesPortAdd"));
    m_portAdd->setPlaceholderText(tr("Más port neve, majd Enter"));
    connect(m_portAdd, &QLineEdit::returnPressed, this, &SeriesDialog::addPort);
    m_lanes = new QTableWidget(0, 3, this);
    m_lanes->setObjectName(QStringLiteral("seriesLanes"));
    m_lanes->setHorizontalHeaderLabels({tr("Port"), tr("Sor"), tr("Állapot")});
    m_lanes->verticalHeader()->hide();
    m_lanes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lanes->setSelectionMode(QAbstractItemView::NoSelection);
    m_lanes->horizontalHeader()->setStretchLastSection(true);
    m_lanes->verticalHeader()->setDefaultSectionSize(m_lanes->fontMetrics().height() + 6);
    // Four lanes under the header without scrolling; more scroll.
    m_lanes->setFixedHeight((m_lanes->fontMetrics().height() + 6) * 5 + 6);
    m_ports->setMaximumHeight(m_lanes->height() - m_portAdd->sizeHint().height() - 6);
    m_choices << m_ports << m_portAdd;
    auto *portColumn = new QVBoxLayout;
    portColumn->addWidget(m_ports);
    portColumn->addWidget(m_portAdd);
    auto *lanes = new QHBoxLayout;
    lanes->addLayout(portColumn, 1);
    lanes->addWidget(m_lanes, 2);
    files->addRow(tr("Portok:"), lanes);

    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("seriesView"));
    m_view->setModel(m_controller.model());
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setWordWrap(false);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    m_view->horizontalHeader()->setStretchLastSection(true);

    m_progress = new QLabel(this);
    m_progress->setObjectName(QStringLiteral("seriesProgress"));
    m_progress->setTextFormat(Qt::PlainText);
    QFont bold = m_progress->font();
    bold.setBold(true);
    m_progress->setFont(bold);
    m_prompt = new QLabel(tr("Válassza ki a fájlokat, majd indítsa a sorozatot."), this);
    m_prompt->setObjectName(QStringLiteral("seriesPrompt"));
    m_prompt->setTextFormat(Qt::PlainText);
    m_prompt->setWordWrap(true);
    QFont large = bold;
    large.setPointSizeF(bold.pointSizeF() * 1.25);
    m_prompt->setFont(large);
    m_prompt->setMinimumHeight(QFontMetrics(large).lineSpacing() * 3 + 4);
    m_prompt->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("seriesProblem"));
    m_problem->setTextFormat(Qt::PlainText);
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: rgb(191,0,0);"));
    m_problem->hide();

    auto button = [this](const char *name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QLatin1StringView(name));
        b->setAutoDefault(false);
        return b;
    };
    m_start = button("seriesStart", tr("Indítás"));
    m_stop = button("seriesStop", tr("Leállítás"));
    m_stop->setToolTip(tr("A sorozat az éppen írt modul után áll le; modul nem marad félig írva."));
    m_retry = button("seriesRetry", tr("Kijelölt sikertelen sorok újra"));
    auto *close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    close->setObjectName(QStringLiteral("seriesClose"));
    close->button(QDialogButtonBox::Close)->setText(tr("Bezárás"));
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *actions = new QHBoxLayout;
    actions->addWidget(m_start);
    actions->addWidget(m_stop);
    actions->addWidget(m_retry);
    actions->addStretch(1);
    actions->addWidget(close);
    // The progress line's text has its own name since the bar took the old one.
    m_progress->setObjectName(QStringLiteral("seriesProgressText"));
    m_bar = new QProgressBar(this);
    m_bar->setObjectName(QStringLiteral("seriesProgress"));
    m_bar->setRange(0, 1);
    m_bar->setValue(0);
    m_bar->setTextVisible(false);
    m_log = new QPlainTextEdit(this);
    m_log->setObjectName(QStringLiteral("seriesLog"));
    m_log->setReadOnly(true);
    m_log->setMaximumHeight(m_log->fontMetrics().height() * 3 + 10);
    m_log->setPlaceholderText(tr("Napló: elutasított modulok és figyelmeztetések"));
    auto *progress = new QHBoxLayout;
    progress->addWidget(m_progress);
    progress->addWidget(m_bar, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(files);
    layout->addWidget(m_view, 1);
    layout->addLayout(progress);
    layout->addWidget(m_prompt);
    layout->addWidget(m_problem);
    layout->addWidget(m_log);
    layout->addLayout(actions);
    resize(980, 600);

    connect(m_units, &QLineEdit::editingFinished, this, &SeriesDialog::unitsChosen);
    connect(m_start, &QPushButton::clicked, this, &SeriesDialog::start);
    connect(m_stop, &QPushButton::clicked, &m_controller, &SeriesController::stop);
    connect(m_retry, &QPushButton::clicked, this, &SeriesDialog::retry);
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SeriesDialog::updateButtons);
    connect(m_controller.model(), &QAbstractItemModel::dataChanged, this,
            &SeriesDialog::updateButtons);
    connect(m_controller.model(), &QAbstractItemModel::modelReset, m_view,
            &QTableView::resizeColumnsToContents);
    // A row's state, reason and time change as the series goes: their columns follow, so
    // that a reason is read whole, not cut to the width the waiting rows gave.
    connect(m_controller.model(), &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
                const int columns = m_controller.model()->columnCount();
                for (int column = qMax(topLeft.column(), columns - 3);
                     column <= bottomRight.column(); ++column)
                    m_view->resizeColumnToContents(column);
            });
    connect(&m_controller, &SeriesController::prompt, m_prompt, &QLabel::setText);
    connect(&m_controller, &SeriesController::progressChanged, m_progress, &QLabel::setText);
    connect(&m_controller, &SeriesController::progressCounts, this, [this](int done, int rows) {
        m_bar->setRange(0, qMax(1, rows));
        m_bar->setValue(done);
    });
    connect(&m_controller, &SeriesController::laneChanged, this, &SeriesDialog::laneChanged);
    connect(&m_controller, &SeriesController::logLine, m_log, &QPlainTextEdit::appendPlainText);
    // The cue to swap: the prompt line says it in large letters, and the system's bell sounds
    // unless turned off.
    connect(&m_controller, &SeriesController::swapNow, this, [this] {
        if (m_sound->isChecked())
            QApplication::beep();
    });
    connect(&m_controller, &SeriesController::runningChanged, this, &SeriesDialog::runningChanged);
    connect(&m_controller, &SeriesController::problem, this, [this](const QString &message) {
        m_problem->setText(message);
        m_problem->setVisible(!message.isEmpty());
    });
    connect(&m_controller, &SeriesController::failed, this, [this](const QString &reason) {
        qv::settings::gui::showMessage(this, QMessageBox::Warning, windowTitle(), reason);
    });

    refresh();
    runningChanged(m_controller.isRunning());
}

SeriesDialog::~SeriesDialog() = default;

void SeriesDialog::showPort()
{
    const qv::transfer::Link link = m_link();
    m_port->setText(tr("Port: %1, %2 bit/s").arg(link.port, QString::number(link.baud)));
}

void SeriesDialog::listPorts()
{
    const QString current = m_link().port;
    QStringList checked = chosenPorts();
    if (checked.isEmpty())
        checked << current;
    QStringList added;
    for (int i = 0; i < m_ports->count(); ++i) {
        if (m_ports->item(i)->data(Qt::UserRole + 1).toBool())
            added << m_ports->item(i)->data(Qt::UserRole).toString();
    }
    m_ports->clear();
    auto add = [this, &checked](const QString &port, const QString &text, bool byHand) {
        for (int i = 0; i < m_ports->count(); ++i) {
            if (qv::serial::samePort(m_ports->item(i)->data(Qt::UserRole).toString(), port))
                return;
        }
        auto *item = new QListWidgetItem(text, m_ports);
        item->setData(Qt::UserRole, port);
        item->setData(Qt::UserRole + 1, byHand);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(checked.contains(port) ? Qt::Checked : Qt::Unchecked);
    };
    add(current, current, false);
    for (const QString &port : std::as_const(added))
        add(port, port, true);
    for (const qv::serial::PortDescription &port : qv::serial::describedPorts()) {
        const QString name = port.byIdPath.isEmpty() ? port.name : port.byIdPath;
        add(name,
            port.byIdPath.isEmpty() ? port.name
                                    : QStringLiteral("%1 (%2)").arg(port.byIdPath, port.name),
            false);
    }
}

void SeriesDialog::addPort()
{
    const QString port = m_portAdd->text().trimmed();
    if (port.isEmpty())
        return;
    auto *item = new QListWidgetItem(port, m_ports);
    item->setData(Qt::UserRole, port);
    item->setData(Qt::UserRole + 1, true);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Checked);
    m_portAdd->clear();
}

QStringList SeriesDialog::chosenPorts() const
{
    QStringList ports;
    for (int i = 0; i < m_ports->count(); ++i) {
        if (m_ports->item(i)->checkState() == Qt::Checked)
            ports << m_ports->item(i)->data(Qt::UserRole).toString();
    }
    return ports;
}

void SeriesDialog::laneChanged(const QString &port, int row, const QString &state)
{
    int at = 0;
    while (at < m_lanes->rowCount() && m_lanes->item(at, 0)->data(Qt::UserRole) != port)
        ++at;
    if (at == m_lanes->rowCount()) {
        // A path by its last part (a by-id name tells the adapter), whole in the tool tip.
        m_lanes->insertRow(at);
        for (int column = 0; column < 3; ++column)
            m_lanes->setItem(at, column, new QTableWidgetItem);
        const bool device = port.startsWith(u"/dev/") && !port.contains(u"/by-id/");
        const QString name = QFileInfo(port).fileName();
        m_lanes->item(at, 0)->setText(device ? port.mid(5) : name.isEmpty() ? port : name);
        m_lanes->item(at, 0)->setData(Qt::UserRole, port);
        m_lanes->item(at, 0)->setToolTip(port);
        m_lanes->resizeColumnToContents(0);
    }
    if (row > 0)
        m_lanes->item(at, 1)->setText(QString::number(row));
    m_lanes->item(at, 2)->setText(state);
}

void SeriesDialog::refresh()
{
    showPort();
    if (!m_controller.isRunning())
        listPorts();
    if (m_controller.isRunning())
        return;
    if (const int model = m_link().model, at = m_model->findData(model);
        at > 0 && model != qv::settings::NoDevice)
        m_model->setCurrentIndex(at);
}

void SeriesDialog::chooseBase()
{
    const QString path =
        qv::settings::gui::chooseFileToOpen(this, tr("Alap konfiguráció"), folderOf(m_base->text()),
                                            tr("Quorvel Files (*.msw);;All Files (*.*)"));
    if (!path.isEmpty())
        m_base->setText(path);
}

void SeriesDialog::chooseUnits()
{
    const QString path = qv::settings::gui::chooseFileToOpen(
        this, tr("Modulok táblázata"), folderOf(m_units->text()),
        tr("CSV-táblázat (*.csv);;All Files (*.*)"));
    if (path.isEmpty())
        return;
    m_units->setText(path);
    unitsChosen();
}

void SeriesDialog::chooseResults()
{
    const QString path = qv::settings::gui::chooseFileToSave(
        this, tr("Eredmények fájlja"),
        folderOf(m_results->text().isEmpty() ? m_units->text() : m_results->text()),
        tr("CSV-táblázat (*.csv)"), QStringLiteral("csv"));
    if (!path.isEmpty())
        m_results->setText(path);
}

// The table shows the units file's rows; the results file goes beside it unless the user
// chose another.
void SeriesDialog::unitsChosen()
{
    const QString units = m_units->text().trimmed();
    if (units.isEmpty() || m_controller.isRunning())
        return;
    if (m_results->text().isEmpty() || m_results->text() == m_defaultResults) {
        m_defaultResults = qv::series::defaultResultsPath(units);
        m_results->setText(m_defaultResults);
    }
    const QString error = m_controller.showUnits(units);
    m_prompt->setText(error.isEmpty() ? tr("Indítsa a sorozatot.") : error);
    updateButtons();
}

void SeriesDialog::start()
{
    showPort(); // the port the series runs on, as the window has it now
    SeriesController::Request request;
    request.basePath = m_base->text().trimmed();
    request.unitsPath = m_units->text().trimmed();
    request.resultsPath = m_results->text().trimmed();
    request.model = m_model->currentData().toInt();
    request.verify = m_verify->isChecked();
    request.readFirst = m_readFirst->isChecked();
    request.newBatch = m_newBatch->isChecked();
    request.retryAnyLane = m_anyLane->isChecked();
    request.ports = chosenPorts();
    m_lanes->setRowCount(0);
    m_controller.start(request, this);
}

void SeriesDialog::retry()
{
    m_controller.retry(selectedRows());
}

QList<int> SeriesDialog::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : m_view->selectionModel()->selectedRows())
        rows << index.row();
    return rows;
}

void SeriesDialog::runningChanged(bool running)
{
    for (QWidget *w : std::as_const(m_choices))
        w->setEnabled(!running);
    m_start->setEnabled(!running);
    m_stop->setEnabled(running);
    updateButtons();
}

// Retrying needs a failed row selected, and a series that was started.
void SeriesDialog::updateButtons()
{
    const QList<qv::series::UnitResult> &results = m_controller.model()->results();
    bool failed = false;
    for (int row : selectedRows())
        failed = failed || results.value(row).state == qv::series::UnitState::Failed;
    m_retry->setEnabled(failed);
}

// Closing asks first while the series runs; the series then stops after its current unit.
void SeriesDialog::reject()
{
    if (m_controller.isRunning()) {
        if (!qv::settings::gui::askYesNo(
                this, windowTitle(),
                tr("A sorozat fut. Leállítja az éppen írt modul után, és bezárja "
                   "az ablakot?")))
            return;
        m_controller.stop();
    }
    QDialog::reject();
}

} // namespace qv::series::gui
