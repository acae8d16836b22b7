#include "serial/setcom.h"

#include "ui/messages.h"
#include "serial/portlist.h"
#include "serial/portsearch.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace {

template <class T> T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1StringView(name));
    return widget;
}

} // namespace

const QList<qint32> &setcom::speeds()
{
    static const QList<qint32> list = {150,  200,   300,   600,   1200,  1800,  2400,  4800,
                                       9600, 19200, 28800, 38400, 57600, 76800, 115200};
    return list;
}

setcom::setcom(const QString &port, qint32 baud, int probeTimeout, bool autoSearch, QWidget *parent)
    : QDialog(parent), m_initialPort(port), m_initialBaud(QString::number(baud)),
      m_probeTimeout(probeTimeout)
{
    setObjectName(QStringLiteral("setcom"));
    setWindowTitle(QStringLiteral("Port beállítások"));

    m_comLabel = named(new QLabel(QStringLiteral("COM Port:"), this), "l_com");
    m_comboBox = named(new QComboBox(this), "comboBox");
    m_comboBox->setEditable(false);
    m_comboBox->setMinimumWidth(160);
    m_comboBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_baudLabel = named(new QLabel(QStringLiteral("Baudrate:"), this), "l_baud");
    m_baudrate = named(new QComboBox(this), "baudrate");
    m_baudrate->setEditable(false);
    for (const qint32 speed : speeds())
        m_baudrate->addItem(QString::number(speed));
    m_autoPort =
        named(new QPushButton(QStringLiteral("Automatikus portkeresés"), this), "autoPort");
    m_reload = named(new QPushButton(QStringLiteral("Frissítés"), this), "reload");
    m_reload->setIcon(QIcon(QStringLiteral(":/img/img/Button-Reload-icon.png")));
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
    layout->addWidget(m_buttonBox, 3, 0, 1, 3);

    m_comboBox->clear();
    lookupCom();
    m_baudrate->setCurrentIndex(
        m_baudrate->findText(m_initialBaud, Qt::MatchExactly | Qt::MatchCaseSensitive));

    connect(m_autoPort, &QPushButton::clicked, this, &setcom::autoLookup);
    connect(m_reload, &QPushButton::clicked, this, &setcom::lookupCom);

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
    m_comboBox->clear();
    m_ports.clear();
    for (const QString &name : qv::openablePorts(m_initialPort)) {
        m_ports << name;
        m_comboBox->addItem(name);
        if (qv::samePort(name, m_initialPort))
            m_comboBox->setCurrentIndex(m_comboBox->count() - 1);
    }
    m_comboBox->setFocus();
}

void setcom::autoLookup()
{
    // The window shows the ports known before the refresh; probes that open their port
    // move it on by one, and a hit completes it.
    QProgressDialog progress(QStringLiteral("Keresés..."), QStringLiteral("Megszakítás"), 0,
                             int(m_ports.size()), parentWidget());
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setMinimumDuration(0);
    progress.show();
    progress.setValue(1);

    lookupCom();

    qv::PortSearch search(m_ports, baud(), m_probeTimeout);
    connect(&progress, &QProgressDialog::canceled, &search, &qv::PortSearch::cancel);
    bool hit = false;
    connect(&search, &qv::PortSearch::probeFinished, &progress, [&](int index) {
        const qv::ProbeOutcome &outcome = search.outcomes().at(index);
        if (outcome.open != qv::OpenResult::Ok || search.isCancelled())
            return;
        hit = hit || outcome.answered;
        progress.setValue(hit ? int(search.ports().size())
                              : std::min(progress.value() + 1, progress.maximum()));
    });
    QEventLoop loop;
    connect(&search, &qv::PortSearch::finished, &loop, &QEventLoop::quit);
    search.start();
    if (!search.isFinished())
        loop.exec();

    // Closing the window reports a cancel of its own: the search is over by now.
    disconnect(&progress, &QProgressDialog::canceled, &search, &qv::PortSearch::cancel);
    progress.close();
    if (search.isCancelled())
        return;

    const QString found = search.found();
    if (found.isEmpty()) {
        qv::showMessage(this, QMessageBox::Critical, QStringLiteral("Hiba"),
                        QStringLiteral("Az eszköz nem található."));
        return;
    }
    m_comboBox->clear();
    m_comboBox->addItem(found);
    m_comboBox->setFocus();
    QTimer::singleShot(200, this, &QDialog::accept);
}
