#include "serial/gui/setcom.h"

#include "serial/openadvice.h"
#include "serial/portmessages.h"
#include "serial/portnames.h"
#include "serial/portsearch.h"
#include "settings/gui/messages.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QGridLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>

namespace qv::serial::gui {

namespace {

template <class T> T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1StringView(name));
    return widget;
}

enum Column { PortColumn, DeviceColumn, StateColumn };

// Rows a table shows before it scrolls.
constexpr int kVisibleRows = 6;

// What the system knows of a port, a line for each kind of fact: product and maker,
// serial number and USB identifiers, the stable by-id name.
QString deviceText(const qv::serial::PortDescription &port)
{
    QStringList lines;
    QStringList product;
    if (!port.description.isEmpty())
        product << port.description;
    if (!port.manufacturer.isEmpty() && !port.description.contains(port.manufacturer))
        product << port.manufacturer;
    if (!product.isEmpty())
        lines << product.join(QStringLiteral(", "));
    QStringList ids;
    if (!port.serialNumber.isEmpty())
        ids << setcom::tr("sorozatszám: %1").arg(port.serialNumber);
    if (port.vendorId && port.productId)
        ids << QStringLiteral("USB %1:%2")
                   .arg(*port.vendorId, 4, 16, QLatin1Char('0'))
                   .arg(*port.productId, 4, 16, QLatin1Char('0'));
    if (!ids.isEmpty())
        lines << ids.join(QStringLiteral(", "));
    if (!port.byIdPath.isEmpty())
        lines << port.byIdPath;
    return lines.join(u'\n');
}

} // namespace

const QList<qint32> &setcom::speeds()
{
    return qv::serial::offeredSpeeds();
}

setcom::setcom(const QString &port, qint32 baud, int probeTimeout, bool autoSearch,
               const QStringList &knownPorts, QWidget *parent)
    : QDialog(parent), m_initialPort(port), m_knownPorts(knownPorts),
      m_initialBaud(QString::number(baud)), m_probeTimeout(probeTimeout)
{
    setObjectName(QStringLiteral("setcom"));
    setWindowTitle(tr("Port beállítások"));

    m_comLabel = named(new QLabel(tr("COM Port:"), this), "l_com");
    m_comboBox = named(new QComboBox(this), "comboBox");
    m_comboBox->setEditable(false);
    m_comboBox->setMinimumWidth(160);
    m_comboBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_baudLabel = named(new QLabel(tr("Baudrate:"), this), "l_baud");
    m_baudrate = named(new QComboBox(this), "baudrate");
    m_baudrate->setEditable(false);
    for (const qint32 speed : speeds())
        m_baudrate->addItem(QString::number(speed));
    m_autoPort = named(new QPushButton(tr("Automatikus portkeresés"), this), "autoPort");
    m_reload = named(new QPushButton(tr("Frissítés"), this), "reload");
    m_reload->setIcon(QIcon(QStringLiteral(":/img/img/Button-Reload-icon.png")));
    m_tableLabel = named(new QLabel(tr("Talált soros portok:"), this), "l_ports");
    m_portTable = named(new QTableWidget(0, 3, this), "portTable");
    m_portTable->setHorizontalHeaderLabels({tr("Port"), tr("Eszköz"), tr("Állapot")});
    m_portTable->verticalHeader()->hide();
    m_portTable->horizontalHeader()->setStretchLastSection(true);
    m_portTable->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_portTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_portTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_portTable->setSelectionMode(QAbstractItemView::SingleSelection);
    m_portTable->setWordWrap(false);
    m_portTable->setTextElideMode(Qt::ElideNone);
    m_tableLabel->setBuddy(m_portTable);
    m_buttonBox = named(
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this),
        "buttonBox");
    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QGridLayout(this);
    layout->addWidget(m_comLabel, 0, 0);
    layout->addWidget(m_comboBox, 0, 1);
    layout->addWidget(m_reload, 0, 2);
    layout->addWidget(m_baudLabel, 1, 0);
    layout->addWidget(m_baudrate, 1, 1);
    layout->addWidget(m_autoPort, 2, 0, 1, 3);
    layout->addWidget(m_tableLabel, 3, 0, 1, 3);
    layout->addWidget(m_portTable, 4, 0, 1, 3);
    layout->addWidget(m_buttonBox, 5, 0, 1, 3);
    layout->setRowStretch(4, 1);

    lookupCom();
    m_baudrate->setCurrentIndex(
        m_baudrate->findText(m_initialBaud, Qt::MatchExactly | Qt::MatchCaseSensitive));

    connect(m_autoPort, &QPushButton::clicked, this, &setcom::autoLookup);
    connect(m_reload, &QPushButton::clicked, this, &setcom::lookupCom);
    // The box and the table show the same choice; a row of a port that cannot be used
    // cannot be selected.
    connect(m_comboBox, &QComboBox::currentIndexChanged, this, [this](int index) {
        selectRowOf(m_comboBox->currentText());
        m_buttonBox->button(QDialogButtonBox::Ok)->setEnabled(index >= 0);
    });
    connect(m_portTable, &QTableWidget::itemSelectionChanged, this, &setcom::takeRowSelection);

    if (autoSearch)
        autoLookup();
}

QString setcom::portName() const
{
    return m_comboBox->currentText();
}

qint32 setcom::baud() const
{
    return m_baudrate->currentText().toInt(nullptr, 10);
}

void setcom::lookupCom()
{
    // The port chosen so far, the current one at first, stays chosen if it still opens.
    const QString chosen =
        m_comboBox->currentIndex() >= 0 ? m_comboBox->currentText() : m_initialPort;
    {
        const QSignalBlocker blocker(m_comboBox); // the table follows once it is filled
        m_comboBox->clear();
        m_ports.clear();
        m_entries = qv::serial::surveyPorts(m_initialPort, m_knownPorts);
        int index = -1;
        for (const qv::serial::PortEntry &entry : std::as_const(m_entries)) {
            if (!entry.opens())
                continue;
            const QString &name = entry.port.name;
            m_ports << name;
            m_comboBox->addItem(name);
            if (index < 0 && qv::serial::samePort(name, chosen))
                index = m_comboBox->count() - 1;
        }
        m_comboBox->setCurrentIndex(index);
    }
    m_buttonBox->button(QDialogButtonBox::Ok)->setEnabled(m_comboBox->currentIndex() >= 0);
    fillTable();
    m_comboBox->setFocus();
}

void setcom::fillTable()
{
    const QSignalBlocker blocker(m_portTable);
    m_portTable->clearContents();
    m_portTable->setRowCount(int(m_entries.size()));
    const QIcon usable = style()->standardIcon(QStyle::SP_DialogApplyButton);
    const QIcon unusable = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    for (int row = 0; row < m_entries.size(); ++row) {
        const qv::serial::PortEntry &entry = m_entries.at(row);
        const QString device = deviceText(entry.port);
        QString tip;
        QString state;
        if (entry.opens()) {
            state = tr("használható");
            tip = qv::serial::systemPortPath(entry.port.name);
            if (!device.isEmpty())
                tip += u'\n' + device;
        } else {
            state = qv::serial::openFailureReason(*entry.failure);
            tip = qv::serial::openFailureAdvice(*entry.failure);
        }
        // As rich text the tooltip wraps; the words from outside are escaped.
        tip = QStringLiteral("<p>%1</p>").arg(tip.toHtmlEscaped().replace(u'\n', "<br>"));
        const QStringList texts{entry.port.name, device, state};
        for (int column = 0; column < texts.size(); ++column) {
            auto *item = new QTableWidgetItem(texts.at(column));
            item->setToolTip(tip);
            item->setFlags(entry.opens() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable
                                         : Qt::ItemIsEnabled);
            if (column == StateColumn)
                item->setIcon(entry.opens() ? usable : unusable);
            m_portTable->setItem(row, column, item);
        }
    }
    m_portTable->resizeColumnsToContents();
    m_portTable->resizeRowsToContents();
    selectRowOf(m_comboBox->currentText());
    fitToTable();
}

void setcom::selectRowOf(const QString &port)
{
    const QSignalBlocker blocker(m_portTable);
    m_portTable->clearSelection();
    for (int row = 0; row < m_entries.size(); ++row) {
        if (m_entries.at(row).opens() && m_entries.at(row).port.name == port) {
            m_portTable->selectRow(row);
            m_portTable->scrollToItem(m_portTable->item(row, PortColumn));
            return;
        }
    }
}

void setcom::takeRowSelection()
{
    const QList<QTableWidgetItem *> selected = m_portTable->selectedItems();
    if (selected.isEmpty()) { // a click on a port that cannot be used: the choice stays
        selectRowOf(m_comboBox->currentText());
        return;
    }
    const int row = selected.first()->row();
    if (row < 0 || row >= m_entries.size() || !m_entries.at(row).opens())
        return;
    const int index = m_comboBox->findText(m_entries.at(row).port.name,
                                           Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        m_comboBox->setCurrentIndex(index);
}

// Wide enough for every column, high enough for a few rows; never wider than the screen.
void setcom::fitToTable()
{
    int width =
        2 * m_portTable->frameWidth() + m_portTable->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < m_portTable->columnCount(); ++column)
        width += m_portTable->columnWidth(column);
    int height =
        2 * m_portTable->frameWidth() + m_portTable->horizontalHeader()->sizeHint().height();
    const int rows = std::min(int(m_entries.size()), kVisibleRows);
    for (int row = 0; row < rows; ++row)
        height += m_portTable->rowHeight(row);
    if (rows == 0)
        height += m_portTable->verticalHeader()->defaultSectionSize();
    if (const QScreen *shown = screen())
        width = std::min(width, shown->availableGeometry().width() * 9 / 10);
    m_portTable->setMinimumSize(width, height);
    if (layout())
        layout()->activate();
    resize(size().expandedTo(sizeHint()));
}

void setcom::autoLookup()
{
    // The window shows the ports known before the refresh; probes that open their port
    // move it on by one, and a hit completes it.
    QProgressDialog progress(tr("Keresés..."), tr("Megszakítás"), 0, int(m_ports.size()),
                             parentWidget());
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setMinimumDuration(0);
    progress.show();
    progress.setValue(1);

    lookupCom();

    qv::serial::PortSearch search(m_ports, baud(), m_probeTimeout);
    connect(&progress, &QProgressDialog::canceled, &search, &qv::serial::PortSearch::cancel);
    bool hit = false;
    connect(&search, &qv::serial::PortSearch::probeFinished, &progress, [&](int index) {
        const qv::serial::ProbeOutcome &outcome = search.outcomes().at(index);
        if (outcome.open != qv::serial::OpenResult::Ok || search.isCancelled())
            return;
        hit = hit || outcome.answered;
        progress.setValue(hit ? int(search.ports().size())
                              : std::min(progress.value() + 1, progress.maximum()));
    });
    QEventLoop loop;
    connect(&search, &qv::serial::PortSearch::finished, &loop, &QEventLoop::quit);
    search.start();
    if (!search.isFinished())
        loop.exec();

    // Closing the window reports a cancel of its own: the search is over by now.
    disconnect(&progress, &QProgressDialog::canceled, &search, &qv::serial::PortSearch::cancel);
    progress.close();
    if (search.isCancelled())
        return;

    const QString found = search.found();
    if (found.isEmpty()) {
        // The ports the refresh found unusable, and those whose probe could not open them.
        QList<qv::serial::OpenFailure> failures;
        for (const qv::serial::PortEntry &entry : std::as_const(m_entries)) {
            if (entry.failure)
                failures << *entry.failure;
        }
        for (const qv::serial::ProbeOutcome &outcome : search.outcomes()) {
            if (outcome.failure)
                failures << *outcome.failure;
        }
        QString text = tr("Az eszköz nem található.");
        if (const QString summary = qv::serial::unusablePortsSummary(failures); !summary.isEmpty())
            text += QStringLiteral("\n\n") + summary;
        qv::settings::gui::showMessage(this, QMessageBox::Critical, tr("Hiba"), text);
        return;
    }
    m_comboBox->clear();
    m_comboBox->addItem(found);
    m_comboBox->setFocus();
    QTimer::singleShot(200, this, &QDialog::accept);
}

} // namespace qv::serial::gui
