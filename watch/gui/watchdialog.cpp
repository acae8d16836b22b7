#include "watch/gui/watchdialog.h"

#include "form/deviceprofile.h"
#include "settings/gui/messages.h"
#include "transfer/statusview.h"
#include "watch/gui/signalmeter.h"
#include "watch/gui/signaltone.h"
#include "watch/gui/trendplot.h"
#include "watch/gui/watchcontroller.h"
#include "watch/watcher.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QVBoxLayout>

namespace qv::watch::gui {

using namespace qv::watch;

namespace {

QLabel *lamp(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setFixedSize(18, 18);
    label->setStyleSheet(QStringLiteral("background-color: rgb(180, 180, 180);"));
    return label;
}

QString seconds(double value)
{
    return QLocale().toString(value, 'g', 4);
}

} // namespace

WatchDialog::WatchDialog(WatchController &controller, QWidget *parent)
    : QDialog(parent), m_controller(controller)
{
    setObjectName(QStringLiteral("watchDialog"));
    setWindowTitle(tr("Állapot figyelése"));
    setModal(false);
    setSizeGripEnabled(true);

    m_interval = new QDoubleSpinBox(this);
    m_interval->setObjectName(QStringLiteral("watchInterval"));
    m_interval->setRange(MinimumIntervalMs / 1000.0, MaximumIntervalMs / 1000.0);
    m_interval->setDecimals(1);
    m_interval->setSingleStep(0.5);
    m_interval->setSuffix(tr(" s"));
    m_interval->setValue(DefaultIntervalMs / 1000.0);
    m_interval->setToolTip(tr("Ennyi időnként kérdezi le a modul állapotát. Egy lekérdezés "
                              "kb. fél másodpercig tart a vonalon: ennél sűrűbben nem lehet."));
    m_start = new QPushButton(tr("Indítás"), this);
    m_start->setObjectName(QStringLiteral("watchStart"));
    m_start->setAutoDefault(false);
    m_stop = new QPushButton(tr("Leállítás"), this);
    m_stop->setObjectName(QStringLiteral("watchStop"));
    m_stop->setAutoDefault(false);
    m_state = new QLabel(this);
    m_state->setObjectName(QStringLiteral("watchState"));
    m_state->setTextFormat(Qt::PlainText);
    m_state->setWordWrap(true);

    m_meter = new SignalMeter(this);
    m_toneBox = new QCheckBox(tr("Hangjelzés a térerővel"), this);
    m_toneBox->setObjectName(QStringLiteral("watchTone"));
    m_toneBox->setToolTip(tr("Minden mintánál rövid hang: minél jobb a térerő, annál magasabb; "
                             "gyenge térerőnél két mély hang."));

    auto *current = new QGroupBox(tr("Jelenlegi állapot"), this);
    current->setObjectName(QStringLiteral("watchCurrent"));
    auto *grid = new QGridLayout(current);
    grid->addWidget(new QLabel(tr("Kimenetek:"), current), 0, 0);
    grid->addWidget(new QLabel(tr("Bemenetek:"), current), 1, 0);
    for (int i = 0; i < 4; ++i) {
        m_outputs[size_t(i)] = lamp(current, QStringLiteral("watchOutput%1").arg(i + 1));
        m_inputs[size_t(i)] = lamp(current, QStringLiteral("watchInput%1").arg(i + 1));
        grid->addWidget(m_outputs[size_t(i)], 0, i + 1);
        grid->addWidget(m_inputs[size_t(i)], 1, i + 1);
    }
    grid->addWidget(new QLabel(tr("Tápfeszültség:"), current), 2, 0);
    m_supply = lamp(current, QStringLiteral("watchSupply"));
    grid->addWidget(m_supply, 2, 1);
    auto value = [&](const QString &caption, const QString &name, int row) {
        grid->addWidget(new QLabel(caption, current), row, 0);
        auto *label = new QLabel(QStringLiteral("-"), current);
        label->setObjectName(name);
        label->setTextFormat(Qt::PlainText);
        grid->addWidget(label, row, 1, 1, 4);
        return label;
    };
    m_analog = value(tr("Analóg bemenet:"), QStringLiteral("watchAnalog"), 3);
    m_counter = value(tr("Számláló:"), QStringLiteral("watchCounter"), 4);
    m_version = value(tr("Verzió:"), QStringLiteral("watchVersion"), 5);
    m_time = value(tr("Utolsó minta:"), QStringLiteral("watchTime"), 6);
    grid->setColumnStretch(5, 1);

    m_plot = new TrendPlot(m_controller.history(), this);

    m_events = new QListWidget(this);
    m_events->setObjectName(QStringLiteral("watchEvents"));
    m_events->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_events->setUniformItemSizes(true);
    auto *copy = new QPushButton(tr("Események másolása"), this);
    copy->setObjectName(QStringLiteral("watchCopy"));
    copy->setAutoDefault(false);
    auto *copyKeys = new QShortcut(QKeySequence::Copy, m_events);
    copyKeys->setContext(Qt::WidgetShortcut);
    connect(copyKeys, &QShortcut::activated, this, &WatchDialog::copyEvents);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("watchSummary"));
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setWordWrap(true);
    m_save = new QPushButton(tr("Napló mentése…"), this);
    m_save->setObjectName(QStringLiteral("watchSave"));
    m_save->setAutoDefault(false);
    m_open = new QPushButton(tr("Napló megnyitása…"), this);
    m_open->setObjectName(QStringLiteral("watchOpen"));
    m_open->setAutoDefault(false);
    auto *close = new QPushButton(tr("Bezárás"), this);
    close->setAutoDefault(false);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Időköz:"), this));
    top->addWidget(m_interval);
    top->addWidget(m_start);
    top->addWidget(m_stop);
    top->addWidget(m_state, 1);

    auto *left = new QVBoxLayout;
    left->addWidget(m_meter);
    left->addWidget(m_toneBox);
    left->addWidget(current);
    left->addStretch(1);

    auto *middle = new QHBoxLayout;
    middle->addLayout(left);
    middle->addWidget(m_plot, 1);

    auto *eventButtons = new QVBoxLayout;
    eventButtons->addWidget(copy);
    eventButtons->addWidget(m_save);
    eventButtons->addWidget(m_open);
    eventButtons->addStretch(1);
    eventButtons->addWidget(close);
    auto *bottom = new QHBoxLayout;
    auto *eventsColumn = new QVBoxLayout;
    eventsColumn->addWidget(new QLabel(tr("Események:"), this));
    eventsColumn->addWidget(m_events);
    eventsColumn->addWidget(m_summary);
    bottom->addLayout(eventsColumn, 1);
    bottom->addLayout(eventButtons);

    auto *upper = new QWidget(this);
    auto *upperLayout = new QVBoxLayout(upper);
    upperLayout->setContentsMargins(0, 0, 0, 0);
    upperLayout->addLayout(middle);
    auto *lower = new QWidget(this);
    lower->setLayout(bottom);
    bottom->setContentsMargins(0, 0, 0, 0);
    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(upper);
    splitter->addWidget(lower);
    splitter->setStretchFactor(0, 4);
    splitter->setStretchFactor(1, 1);
    splitter->setChildrenCollapsible(false);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(splitter, 1);
    resize(1000, 720);

    connect(m_start, &QPushButton::clicked, this, &WatchDialog::start);
    connect(m_stop, &QPushButton::clicked, &m_controller, &WatchController::stop);
    connect(m_interval, &QDoubleSpinBox::valueChanged, this, [this](double s) {
        m_controller.setInterval(int(s * 1000));
        updateState();
    });
    connect(copy, &QPushButton::clicked, this, &WatchDialog::copyEvents);
    connect(m_save, &QPushButton::clicked, this, &WatchDialog::saveLog);
    connect(m_open, &QPushButton::clicked, this, &WatchDialog::openLog);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(m_toneBox, &QCheckBox::toggled, this, &WatchDialog::toneToggled);

    connect(&m_controller, &WatchController::sampled, this, &WatchDialog::sampled);
    connect(&m_controller, &WatchController::sessionReset, this, &WatchDialog::reset);
    connect(&m_controller, &WatchController::runningChanged, this, &WatchDialog::updateState);
    connect(&m_controller, &WatchController::portGoneChanged, this, &WatchDialog::updateState);
    connect(&m_controller, &WatchController::portLockChanged, this, &WatchDialog::updateState);
    connect(&m_controller, &WatchController::pausedChanged, this, [this](bool, const QString &why) {
        m_pauseReason = why;
        updateState();
    });
    connect(&m_controller, &WatchController::problem, this, [this](const QString &message) {
        m_problem = message;
        updateState();
    });
    reset();
}

WatchDialog::~WatchDialog() = default;

void WatchDialog::start()
{
    m_problem.clear();
    m_controller.start(int(m_interval->value() * 1000));
}

void WatchDialog::reset()
{
    m_meter->clear();
    m_events->clear();
    m_lastLink.clear();
    m_plot->setModel(m_controller.model());
    m_plot->showAll();
    const qv::form::device::Profile has = qv::form::device::profileFor(m_controller.model())
                                              .value_or(qv::form::device::smallestProfile());
    for (int i = 0; i < 4; ++i) {
        m_outputs[size_t(i)]->setEnabled(i < has.outputs);
        m_inputs[size_t(i)]->setEnabled(i < has.inputs);
    }
    showEvents(m_controller.events());
    // An opened log shows its last sample's values.
    const qv::watch::History &h = m_controller.history();
    if (!h.isEmpty()) {
        for (qsizetype i = qMax<qsizetype>(0, h.size() - 60); i < h.size(); ++i) {
            const float level = h.at(i).line[qv::watch::History::Signal];
            m_meter->setLevel(std::isnan(level) ? -1 : int(level), h.at(i).elapsedMs);
        }
    }
    updateState();
}

void WatchDialog::sampled(const Sample &sample, const QList<Event> &events)
{
    if (sample.isOk()) {
        m_meter->setLevel(sample.signal, sample.elapsedMs);
        if (m_tone)
            m_tone->play(sample.signal);
        showCurrent(sample);
        m_lastLink.clear();
    } else {
        switch (sample.state) {
        case SampleState::Garbled:
            m_lastLink.clear();
            break;
        case SampleState::Silent:
            m_lastLink = tr("A modul nem válaszol (5 másodperc csend). A figyelés %1 s-onként "
                            "újra kérdezi.")
                             .arg(seconds(m_controller.intervalMs() / 1000.0));
            break;
        case SampleState::PortGone:
            m_lastLink.clear(); // said by the port's own state
            break;
        case SampleState::PortRefused:
            m_lastLink = tr("A port nem nyitható meg (%1). A figyelés %2 s-onként újra próbálja.")
                             .arg(sample.why, seconds(m_controller.intervalMs() / 1000.0));
            break;
        case SampleState::Ok:
            break;
        }
    }
    m_plot->historyChanged();
    showEvents(events);
    updateState();
}

void WatchDialog::showCurrent(const Sample &sample)
{
    const qv::form::PanelView view =
        qv::transfer::status::panelView(statusOf(sample), m_controller.model());
    for (int i = 0; i < 4; ++i) {
        m_outputs[size_t(i)]->setStyleSheet(view.outputStyles[size_t(i)]);
        m_inputs[size_t(i)]->setStyleSheet(view.inputStyles[size_t(i)]);
    }
    m_supply->setStyleSheet(view.supplyStyle);
    m_analog->setText(view.analog);
    m_counter->setText(view.counter);
    m_version->setText(view.version);
    m_time->setText(QDateTime::fromMSecsSinceEpoch(sample.timeMs)
                        .toLocalTime()
                        .toString(QStringLiteral("HH:mm:ss")));
}

void WatchDialog::showEvents(const QList<Event> &events)
{
    for (const Event &e : events) {
        auto *item = new QListWidgetItem(eventLine(e), m_events);
        if (e.kind == EventKind::SignalWeak || e.kind == EventKind::NoAnswer ||
            e.kind == EventKind::PortGone || e.kind == EventKind::PortRefused ||
            (e.kind == EventKind::Supply && !e.on))
            item->setForeground(QColor(191, 0, 0));
    }
    while (m_events->count() > WatchController::MaxEvents)
        delete m_events->takeItem(0);
    if (!events.isEmpty())
        m_events->scrollToBottom();
}

void WatchDialog::updateState()
{
    const bool running = m_controller.isRunning();
    const bool paused = m_controller.isPaused();
    m_start->setEnabled(!running && !paused && !m_controller.isPortLocked());
    m_stop->setEnabled(running);
    m_open->setEnabled(!running);
    m_save->setEnabled(m_controller.hasLog() && m_controller.summary().samples > 0);

    QString state;
    if (m_controller.isPortLocked() && !running)
        state = tr("Sorozatprogramozás fut: a port a sorozaté, a figyelés nem indítható.");
    else if (!running)
        state = m_controller.summary().samples > 0 ? tr("Leállítva.") : tr("Nem fut.");
    else if (paused)
        state = tr("Szünetel, amíg %1 tart.").arg(m_pauseReason);
    else
        state = tr("Figyelés %1 s-onként a(z) %2 porton.")
                    .arg(seconds(m_controller.intervalMs() / 1000.0), m_controller.port());
    if (running && !paused) {
        if (m_controller.isWaitingForPort())
            state = tr("A port eltűnt (kihúzott adapter?): a figyelés szünetel, és folytatódik, "
                       "amint a port visszatér.");
        else if (!m_lastLink.isEmpty())
            state = m_lastLink;
    }
    if (!m_problem.isEmpty())
        state += u'\n' + m_problem;
    m_state->setText(state);
    const Summary summary = m_controller.summary();
    m_summary->setText(summary.samples > 0 ? summaryText(summary) : QString());
}

QString WatchDialog::eventsText() const
{
    QStringList lines;
    for (int i = 0; i < m_events->count(); ++i)
        lines << m_events->item(i)->text();
    return lines.join(u'\n');
}

void WatchDialog::copyEvents()
{
    QStringList lines;
    const QList<QListWidgetItem *> selected = m_events->selectedItems();
    for (int i = 0; i < m_events->count(); ++i) {
        if (selected.isEmpty() || m_events->item(i)->isSelected())
            lines << m_events->item(i)->text();
    }
    QApplication::clipboard()->setText(lines.join(u'\n') + (lines.isEmpty() ? "" : "\n"));
}

void WatchDialog::saveLog()
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmm"));
    const QString path = qv::settings::gui::chooseFileToSave(
        this, tr("Napló mentése"),
        QDir::home().filePath(QStringLiteral("figyeles-%1.csv").arg(stamp)),
        tr("CSV napló (*.csv)"), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    QString error;
    if (!m_controller.saveLog(path, &error))
        qv::settings::gui::showMessage(
            this, QMessageBox::Critical, tr("Napló mentése"),
            tr("A napló nem menthető (%1): %2").arg(QDir::toNativeSeparators(path), error));
}

void WatchDialog::openLog()
{
    const QString path = qv::settings::gui::chooseFileToOpen(
        this, tr("Napló megnyitása"), QDir::homePath(), tr("CSV napló (*.csv)"));
    if (path.isEmpty())
        return;
    QString error, notice;
    if (!m_controller.openLog(path, &error, &notice)) {
        qv::settings::gui::showMessage(this, QMessageBox::Critical, tr("Napló megnyitása"), error);
        return;
    }
    if (!notice.isEmpty())
        qv::settings::gui::showMessage(this, QMessageBox::Warning, tr("Napló megnyitása"), notice);
    m_state->setText(tr("Megnyitott napló: %1").arg(QDir::toNativeSeparators(path)));
}

void WatchDialog::toneToggled(bool on)
{
    if (!on) {
        delete m_tone;
        m_tone = nullptr;
        return;
    }
    m_tone = new SignalTone(this);
    if (!m_tone->isAvailable()) {
        delete m_tone;
        m_tone = nullptr;
        m_toneBox->setChecked(false);
        m_problem = tr("Nincs hangkimenet: a hangjelzés nem szólhat.");
        updateState();
    }
}

void WatchDialog::closeEvent(QCloseEvent *event)
{
    m_controller.stop();
    QDialog::closeEvent(event);
}

void WatchDialog::reject()
{
    m_controller.stop();
    QDialog::reject();
}

} // namespace qv::watch::gui
