#include "register/gui/registerwindow.h"

#include "form/deviceprofile.h"
#include "register/gui/registercontroller.h"
#include "register/gui/registermodel.h"
#include "register/gui/registersettings.h"
#include "register/journal.h"
#include "settings/gui/messages.h"
#include "transfer/configrecord.h"
#include "transfer/gui/comparedialog.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QTimeZone>
#include <QTimer>
#include <QVBoxLayout>

namespace qv::reg::gui {

namespace {

// How long the search waits for more typing.
constexpr int SearchDelayMs = 300;

QString orNone(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("–") : text;
}

QString verificationText(qv::reg::Verification verification)
{
    switch (verification) {
    case qv::reg::Verification::NotRun:
        return RegisterWindow::tr("nem futott", "verification");
    case qv::reg::Verification::Same:
        return RegisterWindow::tr("egyezik");
    case qv::reg::Verification::Differs:
        return RegisterWindow::tr("eltér");
    case qv::reg::Verification::Failed:
        return RegisterWindow::tr("sikertelen");
    }
    return {};
}

// Everything an entry says, as plain text for the details pane.
QString detailsOf(const qv::reg::Entry &e)
{
    QStringList lines;
    lines << RegisterWindow::tr("%1   %2 – %3")
                 .arg(RegisterModel::timeText(e.time), qv::reg::operationText(e.operation),
                      qv::reg::resultText(e.result));
    if (!e.reason.isEmpty())
        lines << e.reason;
    lines << RegisterWindow::tr("Modul: %1 – %2 (%3, azonosítás: %4)")
                 .arg(orNone(e.moduleId), orNone(e.moduleName),
                      orNone(qv::form::device::modelName(e.model)), orNone(e.identification));
    QStringList numbers;
    for (const QString &number : e.telephones) {
        if (!number.isEmpty())
            numbers << number;
    }
    if (!numbers.isEmpty())
        lines << RegisterWindow::tr("Telefonszámok: %1").arg(numbers.join(QStringLiteral(", ")));
    lines << RegisterWindow::tr("Port: %1, %2 bit/s").arg(orNone(e.port)).arg(e.baud);
    if (e.operation == qv::reg::Operation::Download) {
        lines << RegisterWindow::tr("Nyugtázva: %1; ellenőrzés: %2")
                     .arg(e.acknowledged.value_or(false) ? RegisterWindow::tr("igen")
                                                         : RegisterWindow::tr("nem"),
                          verificationText(e.verification));
    }
    lines << RegisterWindow::tr("Technikus: %1; helyszín: %2; felhasználó: %3@%4; program: %5")
                 .arg(orNone(e.technician), orNone(e.site), orNone(e.osUser), orNone(e.host),
                      orNone(e.programVersion));
    if (!e.differences.isEmpty()) {
        lines << RegisterWindow::tr("Eltérések:");
        for (const qv::reg::Difference &d : e.differences)
            lines << RegisterWindow::tr("  %1: %2 ↔ %3").arg(d.field, d.first, d.second);
    }
    if (e.fields.isEmpty())
        lines << RegisterWindow::tr("Konfiguráció nem tartozik hozzá.");
    return lines.join(u'\n');
}

} // namespace

RegisterWindow::RegisterWindow(RegisterController &controller, bool moduleConnected,
                               QWidget *parent)
    : QDialog(parent), m_controller(controller), m_moduleConnected(moduleConnected)
{
    setObjectName(QStringLiteral("registerDialog"));
    setWindowTitle(tr("Nyilvántartás"));

    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("registerSearch"));
    m_search->setPlaceholderText(tr("Modulazonosító, név, telefonszám, technikus vagy helyszín"));
    m_search->setClearButtonEnabled(true);
    m_period = new QCheckBox(tr("Időszak:"), this);
    m_period->setObjectName(QStringLiteral("registerPeriod"));
    m_from = new QDateEdit(QDate::currentDate().addDays(-30), this);
    m_from->setObjectName(QStringLiteral("registerFrom"));
    m_to = new QDateEdit(QDate::currentDate(), this);
    m_to->setObjectName(QStringLiteral("registerTo"));
    for (QDateEdit *edit : {m_from, m_to}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        edit->setEnabled(false);
    }
    auto *settings = new QPushButton(tr("Beállítások…"), this);
    settings->setObjectName(QStringLiteral("registerSettings"));
    settings->setAutoDefault(false);

    m_historyLabel = new QLabel(this);
    m_historyLabel->setObjectName(QStringLiteral("registerHistoryLabel"));
    m_historyLabel->setTextFormat(Qt::PlainText);
    QFont bold = m_historyLabel->font();
    bold.setBold(true);
    m_historyLabel->setFont(bold);
    m_all = new QPushButton(tr("Minden bejegyzés"), this);
    m_all->setObjectName(QStringLiteral("registerAll"));
    m_all->setAutoDefault(false);
    m_historyLabel->hide();
    m_all->hide();
    m_hits = new QLabel(this);
    m_hits->setObjectName(QStringLiteral("registerHits"));

    m_model = new RegisterModel(
        [this](const qv::reg::Query &query, QString *error) {
            return m_controller.journal().search(query, error);
        },
        this);
    connect(m_model, &QAbstractItemModel::rowsInserted, this, &RegisterWindow::showHits);
    m_view = new QTableView(this);
    m_view->setObjectName(QStringLiteral("registerView"));
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setWordWrap(false);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    m_view->horizontalHeader()->setStretchLastSection(true);
    const int columnWidths[RegisterModel::Columns] = {140, 160, 130, 110, 130,
                                                      130, 60,  110, 100, 70};
    for (int column = 0; column < RegisterModel::Columns; ++column)
        m_view->setColumnWidth(column, columnWidths[column]);

    m_details = new QPlainTextEdit(this);
    m_details->setObjectName(QStringLiteral("registerDetails"));
    m_details->setReadOnly(true);
    m_details->setFixedHeight(m_details->fontMetrics().lineSpacing() * 9 + 12);

    auto button = [this](const char *name, const char *text) {
        auto *b = new QPushButton(tr(text), this);
        b->setObjectName(QLatin1StringView(name));
        b->setAutoDefault(false);
        b->setEnabled(false);
        return b;
    };
    m_history = button("registerHistory", QT_TR_NOOP("Előzmények"));
    m_open = button("registerOpen", QT_TR_NOOP("Megnyitás az űrlapon"));
    m_save = button("registerSave", QT_TR_NOOP("Mentés fájlba…"));
    m_compareForm = button("registerCompareForm", QT_TR_NOOP("Összehasonlítás az űrlappal"));
    m_compareEntries =
        button("registerCompareEntries", QT_TR_NOOP("Két bejegyzés összehasonlítása"));
    m_compareModule = button("registerCompareModule", QT_TR_NOOP("Összehasonlítás a modullal"));
    m_sheet = button("registerSheet", QT_TR_NOOP("Ügyféllap…"));
    // The series of a units table, as the series live beside the register (the main window
    // opens their view).
    auto *series = new QPushButton(tr("Sorozatok…"), this);
    series->setObjectName(QStringLiteral("registerSeries"));
    series->setAutoDefault(false);
    series->setToolTip(tr("Egy táblázat sorozatai: kész, sikertelen, folyamatban lévő és "
                          "hátralévő sorok, és melyik gép melyiket írta."));
    connect(series, &QPushButton::clicked, this, &RegisterWindow::seriesRequested);
    if (!m_moduleConnected)
        m_compareModule->setToolTip(tr("Ehhez csatlakoztatott eszköz kell."));
    auto *close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    close->button(QDialogButtonBox::Close)->setText(tr("Bezárás"));
    // Return in the search field searches: no button of the window is its default (the
    // dialog would otherwise make "Bezárás" one, and Return would close the window).
    close->button(QDialogButtonBox::Close)->setAutoDefault(false);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *top = new QHBoxLayout;
    top->addWidget(m_search, 1);
    top->addWidget(m_period);
    top->addWidget(m_from);
    top->addWidget(new QLabel(tr("–"), this));
    top->addWidget(m_to);
    top->addWidget(settings);
    auto *history = new QHBoxLayout;
    history->addWidget(m_historyLabel, 1);
    history->addWidget(m_all);
    history->addWidget(m_hits);
    auto *actions = new QHBoxLayout;
    for (QPushButton *b :
         {m_history, m_open, m_save, m_compareForm, m_compareEntries, m_compareModule, m_sheet})
        actions->addWidget(b);
    actions->addStretch(1);
    actions->addWidget(series);
    actions->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(history);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_details);
    layout->addLayout(actions);
    resize(1180, 560);

    m_searchDelay = new QTimer(this);
    m_searchDelay->setSingleShot(true);
    m_searchDelay->setInterval(SearchDelayMs);
    connect(m_searchDelay, &QTimer::timeout, this, &RegisterWindow::search);
    connect(m_search, &QLineEdit::textChanged, m_searchDelay, qOverload<>(&QTimer::start));
    connect(m_search, &QLineEdit::returnPressed, this, &RegisterWindow::search);
    connect(m_period, &QCheckBox::toggled, this, [this](bool on) {
        m_from->setEnabled(on);
        m_to->setEnabled(on);
        search();
    });
    for (QDateEdit *edit : {m_from, m_to})
        connect(edit, &QDateEdit::dateChanged, this, &RegisterWindow::search);
    connect(settings, &QPushButton::clicked, this, &RegisterWindow::openSettings);
    connect(m_all, &QPushButton::clicked, this, &RegisterWindow::showAll);
    connect(m_history, &QPushButton::clicked, this, &RegisterWindow::showHistory);
    connect(m_open, &QPushButton::clicked, this,
            [this] { request(&RegisterWindow::openRequested); });
    connect(m_save, &QPushButton::clicked, this,
            [this] { request(&RegisterWindow::saveRequested); });
    connect(m_compareForm, &QPushButton::clicked, this,
            [this] { request(&RegisterWindow::compareWithFormRequested); });
    connect(m_compareModule, &QPushButton::clicked, this,
            [this] { request(&RegisterWindow::compareWithModuleRequested); });
    connect(m_compareEntries, &QPushButton::clicked, this, &RegisterWindow::compareEntries);
    connect(m_sheet, &QPushButton::clicked, this,
            [this] { request(&RegisterWindow::sheetRequested); });
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &RegisterWindow::selectionChanged);
    connect(m_view, &QTableView::doubleClicked, this,
            [this] { request(&RegisterWindow::openRequested); });
    // An entry written meanwhile (a comparison from here) shows at once.
    connect(&m_controller, &RegisterController::recorded, this, &RegisterWindow::search);

    search();
}

RegisterWindow::~RegisterWindow() = default;

void RegisterWindow::search()
{
    m_searchDelay->stop();
    qv::reg::Query query;
    query.text = m_search->text().trimmed();
    if (m_period->isChecked()) {
        query.from = m_from->date();
        query.to = m_to->date();
        query.zone = QTimeZone::systemTimeZone();
    }
    query.module = m_module;
    // The entry selected stays selected when the new list holds it.
    const QList<qv::reg::Entry> selected = selectedEntries();
    m_model->setQuery(query);
    showHits();
    if (selected.size() == 1) {
        for (int row = 0; row < m_model->rowCount(); ++row) {
            if (m_model->entryAt(row).id == selected.constFirst().id) {
                m_view->selectRow(row);
                m_view->scrollTo(m_model->index(row, 0));
                break;
            }
        }
    }
    if (!m_model->error().isEmpty())
        m_details->setPlainText(m_model->error());
    selectionChanged();
}

void RegisterWindow::showHits()
{
    const int rows = m_model->rowCount();
    m_hits->setText(m_model->canFetchMore() ? tr("legalább %n találat", nullptr, rows)
                                            : tr("%n találat", nullptr, rows));
}

void RegisterWindow::showHistory()
{
    const QList<qv::reg::Entry> entries = selectedEntries();
    if (entries.size() != 1)
        return;
    const qv::reg::Entry &e = entries.constFirst();
    // A module is its id (its name may have changed); one without an id is its name.
    m_module = std::pair{e.moduleId, e.moduleName};
    m_historyLabel->setText(
        e.moduleId.isEmpty()
            ? tr("A(z) %1 – %2 modul előzményei").arg(orNone(e.moduleId), orNone(e.moduleName))
            : tr("A(z) %1 azonosítójú modul előzményei").arg(e.moduleId));
    m_historyLabel->show();
    m_all->show();
    // The history is the module's whole: the search no longer narrows it.
    {
        const QSignalBlocker quiet(m_search);
        m_search->clear();
    }
    search();
}

void RegisterWindow::showAll()
{
    m_module.reset();
    m_historyLabel->hide();
    m_all->hide();
    m_hits = new QLabel(this);
    m_hits->setObjectName(QStringLiteral("registerHits"));
    search();
}

QList<qv::reg::Entry> RegisterWindow::selectedEntries() const
{
    QList<qv::reg::Entry> entries;
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    for (const QModelIndex &row : rows)
        entries << m_model->entryAt(row.row());
    return entries;
}

std::optional<qv::reg::Entry> RegisterWindow::selectedEntry() const
{
    const QList<qv::reg::Entry> entries = selectedEntries();
    if (entries.size() != 1)
        return std::nullopt;
    return m_controller.journal().entry(entries.constFirst().id);
}

void RegisterWindow::selectionChanged()
{
    const QList<qv::reg::Entry> entries = selectedEntries();
    const std::optional<qv::reg::Entry> whole = selectedEntry();
    const bool configuration = whole && whole->fields.size() == qv::transfer::record::FieldCount;
    m_details->setPlainText(whole ? detailsOf(*whole) : QString());
    m_history->setEnabled(entries.size() == 1 && !(entries.constFirst().moduleId.isEmpty() &&
                                                   entries.constFirst().moduleName.isEmpty()));
    m_open->setEnabled(configuration);
    m_save->setEnabled(configuration);
    m_compareForm->setEnabled(configuration);
    m_compareModule->setEnabled(configuration && m_moduleConnected);
    m_sheet->setEnabled(configuration);
    m_compareEntries->setEnabled(entries.size() == 2);
}

void RegisterWindow::request(void (RegisterWindow::*signal)(const qv::reg::Entry &))
{
    const std::optional<qv::reg::Entry> entry = selectedEntry();
    if (!entry || entry->fields.size() != qv::transfer::record::FieldCount)
        return;
    emit(this->*signal)(*entry);
}

// The older entry is the first side, the newer the second.
void RegisterWindow::compareEntries()
{
    QList<qv::reg::Entry> entries;
    for (const qv::reg::Entry &listed : selectedEntries()) {
        if (const auto whole = m_controller.journal().entry(listed.id))
            entries << *whole;
    }
    if (entries.size() != 2)
        return;
    if (entries.at(0).time > entries.at(1).time)
        entries.swapItemsAt(0, 1);
    for (const qv::reg::Entry &e : entries) {
        if (e.fields.size() != qv::transfer::record::FieldCount) {
            qv::settings::gui::showMessage(this, QMessageBox::Warning, tr("Összehasonlítás"),
                                           tr("A(z) %1 bejegyzéshez nem tartozik konfiguráció.")
                                               .arg(RegisterModel::timeText(e.time)));
            return;
        }
    }
    const qv::reg::Entry &a = entries.at(0);
    const qv::reg::Entry &b = entries.at(1);
    const QList<qv::transfer::FieldDifference> differences =
        qv::transfer::compareRecords(qv::transfer::record::buildDownloadRecord(a.fields), b.fields);
    transfer::gui::showDifferences(
        differences,
        {tr("Két bejegyzés összehasonlítása"),
         tr("A két bejegyzésben %n érték tér el:", nullptr, int(differences.size())),
         RegisterModel::timeText(a.time), RegisterModel::timeText(b.time)},
        this);
}

void RegisterWindow::openSettings()
{
    RegisterSettingsDialog dialog(m_controller, this);
    if (dialog.exec() == QDialog::Accepted)
        search();
}

} // namespace qv::reg::gui
