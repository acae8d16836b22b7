#include "transfer/gui/dload.h"

#include "serial/openadvice.h"
#include "settings/gui/messages.h"
#include "settings/preferences.h"
#include "transfer/dlthread.h"
#include "transfer/gui/comparedialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

namespace qv::transfer::gui {

namespace {
// A successful download closes its dialog by itself after this time.
constexpr int SuccessCloseMs = 2000;
} // namespace

dload::dload(const settings::devSettings &settings, QWidget *parent)
    : QDialog(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("dload"));
    resize(262, 164);

    m_buttonBox = new QDialogButtonBox(this);
    m_buttonBox->setObjectName(QStringLiteral("buttonBox"));
    m_buttonBox->setGeometry(170, 90, 81, 21);
    m_buttonBox->setOrientation(Qt::Horizontal);
    m_buttonBox->setStandardButtons(QDialogButtonBox::Cancel);
    m_buttonBox->setCenterButtons(true);
    m_buttonBox->setEnabled(false);

    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("label"));
    m_label->setGeometry(10, 10, 71, 71);
    m_label->setPixmap(QPixmap(QStringLiteral(":/img/img/icon_download.png")));

    m_kiiras = new QLabel(this);
    m_kiiras->setObjectName(QStringLiteral("kiiras"));
    m_kiiras->setGeometry(90, 20, 151, 51);
    m_kiiras->setAlignment(Qt::AlignCenter);
    m_kiiras->setWordWrap(true);
    m_kiiras->setTextFormat(Qt::PlainText);

    m_openReason = new QLabel(this);
    m_openReason->setObjectName(QStringLiteral("openReason"));
    m_openReason->setWordWrap(true);
    m_openReason->setTextFormat(Qt::PlainText);
    m_openReason->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_openReason->hide();

    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("progressBar"));
    m_progressBar->setGeometry(10, 90, 151, 21);
    m_progressBar->setValue(24);

    // Below the bar; it may be ticked while the record is on its way.
    m_verify = new QCheckBox(this);
    m_verify->setObjectName(QStringLiteral("cb_verify"));
    m_verify->setGeometry(10, 118, 241, 20);
    m_verify->setChecked(qv::settings::preferences::verifyAfterDownload());
    connect(m_verify, &QCheckBox::toggled, this,
            &qv::settings::preferences::setVerifyAfterDownload);

    // For the next download: this one has begun.
    m_backup = new QCheckBox(this);
    m_backup->setObjectName(QStringLiteral("cb_backup"));
    m_backup->setGeometry(10, 138, 241, 20);
    m_backup->setChecked(qv::settings::preferences::backupBeforeDownload());
    connect(m_backup, &QCheckBox::toggled, this,
            &qv::settings::preferences::setBackupBeforeDownload);

    retranslateUi();
    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &dload::reject);

    // The worker emits from its own thread: these reach the bar queued, on this thread.
    m_worker = std::make_unique<dlThread>(settings);
    m_worker->setReadBack(m_verify->isChecked());
    connect(m_verify, &QCheckBox::toggled, this,
            [this](bool checked) { m_worker->setReadBack(checked); });
    connect(m_worker.get(), &dlThread::readBackStarted, this, &dload::readBackStarted);
    connect(m_worker.get(), &dlThread::progressRange, this, [this](int minimum, int maximum) {
        m_progressBar->setRange(minimum, maximum);
        m_progressBar->reset();
    });
    connect(m_worker.get(), &dlThread::progressValue, m_progressBar, &QProgressBar::setValue);
    connect(m_worker.get(), &QThread::finished, this, &dload::dlcomplete);
    m_worker->start(QThread::InheritPriority);
}

dload::~dload()
{
    // Never terminate: the worker stops between two bytes and closes its port itself.
    m_worker->requestInterruption();
    m_worker->wait();
}

bool dload::succeeded() const
{
    return m_worker->isFinished() && m_worker->succeeded();
}

QString dload::resultText() const
{
    return m_kiiras->text();
}

qv::transfer::ExchangeReport dload::report() const
{
    // A download the module took but whose verification failed or was cancelled is kept as
    // failed, as the commands and the series keep it: the module acknowledged the record
    // (the entry says so), but nothing confirmed what it holds.
    return m_report;
}

void dload::readBackStarted()
{
    m_readingBack = true;
    m_kiiras->setText(tr("Sikeres betöltés.\nEllenőrzés..."));
    {
        const QSignalBlocker keep(m_verify); // the choice for the next downloads stays
        m_verify->setChecked(true);
    }
    m_verify->setEnabled(false);
    m_buttonBox->setEnabled(true); // Cancel ends the check
}

void dload::dlcomplete()
{
    m_readingBack = false;
    const qv::transfer::WriteOutcome outcome = m_worker->outcome();
    m_report = outcome.report;
    if (!m_worker->succeeded()) {
        m_kiiras->setText(tr("Betöltés hiba.\nTipp: ellenőrizze az eszközt és a port beállítást."));
        if (outcome.openFailure)
            showOpenFailure(qv::serial::openFailureAdvice(*outcome.openFailure));
        finish(false);
        return;
    }
    if (!outcome.readBack) {
        m_kiiras->setText(tr("Sikeres betöltés."));
        finish(true);
        return;
    }
    showReadBack(outcome);
}

void dload::showReadBack(const qv::transfer::WriteOutcome &outcome)
{
    m_readBack = outcome.report.readBack;
    switch (outcome.readBack->end) {
    case qv::transfer::ReadOutEnd::Ok:
        break;
    case qv::transfer::ReadOutEnd::Cancelled:
        m_kiiras->setText(tr("Sikeres betöltés.\nAz ellenőrzés megszakítva."));
        return finish(false);
    default:
        m_kiiras->setText(tr("Sikeres betöltés.\nAz ellenőrzés nem sikerült."));
        finish(false);
        qv::settings::gui::showMessage(this, QMessageBox::Critical, tr("Hiba"),
                                       qv::transfer::readOutFailureText(*outcome.readBack));
        return;
    }

    if (m_readBack == qv::transfer::ReadBack::Same) {
        m_kiiras->setText(tr("Sikeres betöltés.\nEllenőrizve."));
        return finish(true);
    }
    m_differs = true;
    m_kiiras->setText(tr("Sikeres betöltés.\nA modul mást tárol!"));
    finish(false);
    //: Column of the differences: what was sent to the module.
    CompareDialog dialog(outcome.report.differences, tr("Elküldve"), this);
    dialog.exec();
}

// The outcome is shown: OK ends the dialog, and a success without anything to look at
// ends it by itself after a while.
void dload::finish(bool closeSoon)
{
    m_complete = true;
    m_verify->setEnabled(false);
    m_buttonBox->setStandardButtons(QDialogButtonBox::Ok);
    m_buttonBox->setEnabled(true);
    if (closeSoon)
        QTimer::singleShot(SuccessCloseMs, this, &QDialog::accept);
}

// Why the port could not be opened, under the failure text: the dialog grows by the
// height of the reason, and the bar and the button move below it.
void dload::showOpenFailure(const QString &advice)
{
    constexpr int Margin = 10;
    const int width = this->width() - 2 * Margin;
    m_openReason->setText(advice);
    const int height = m_openReason->heightForWidth(width);
    m_openReason->setGeometry(Margin, m_progressBar->y(), width, height);
    m_openReason->show();
    const int shift = height + Margin;
    for (QWidget *below :
         {static_cast<QWidget *>(m_progressBar), static_cast<QWidget *>(m_buttonBox),
          static_cast<QWidget *>(m_verify), static_cast<QWidget *>(m_backup)})
        below->move(below->x(), below->y() + shift);
    resize(this->width(), this->height() + shift);
}

void dload::reject()
{
    if (m_complete)
        QDialog::reject();
    else if (m_readingBack)
        m_worker->requestInterruption(); // the worker ends the read, then the dialog says so
}

void dload::closeEvent(QCloseEvent *event)
{
    event->ignore();
}

void dload::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
}

void dload::retranslateUi()
{
    setWindowTitle(tr("Betöltés"));
    m_label->setText(QString());
    m_verify->setText(tr("Ellenőrzés betöltés után"));
    m_backup->setText(tr("Kiolvasás betöltés előtt"));
    m_backup->setToolTip(tr("A következő betöltések előtt a modul konfigurációja "
                            "kiolvasva a nyilvántartásba kerül."));
    if (!m_complete)
        m_kiiras->setText(tr("Betöltés folyamatban..."));
}

} // namespace qv::transfer::gui
