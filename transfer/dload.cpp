#include "transfer/dload.h"

#include "serial/openadvice.h"
#include "serial/serialline.h"
#include "settings/preferences.h"
#include "transfer/comparedialog.h"
#include "transfer/dlthread.h"
#include "transfer/readoutexchange.h"
#include "ui/messages.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {
// A successful download closes its dialog by itself after this time.
constexpr int SuccessCloseMs = 2000;
} // namespace

dload::dload(const devSettings &settings, QWidget *parent) : QDialog(parent), m_settings(settings)
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
    m_verify->setChecked(qv::preferences::verifyAfterDownload());
    connect(m_verify, &QCheckBox::toggled, this, &qv::preferences::setVerifyAfterDownload);

    // For the next download: this one has begun.
    m_backup = new QCheckBox(this);
    m_backup->setObjectName(QStringLiteral("cb_backup"));
    m_backup->setGeometry(10, 138, 241, 20);
    m_backup->setChecked(qv::preferences::backupBeforeDownload());
    connect(m_backup, &QCheckBox::toggled, this, &qv::preferences::setBackupBeforeDownload);

    retranslateUi();
    connect(m_buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttonBox, &QDialogButtonBox::rejected, this, &dload::reject);

    // The worker emits from its own thread: these reach the bar queued, on this thread.
    m_worker = std::make_unique<dlThread>(settings);
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

qv::transfer::ExchangeReport dload::report() const
{
    qv::transfer::ExchangeReport report;
    report.kind = qv::transfer::ExchangeKind::Download;
    const qv::LineSettings line = qv::lines::download(m_settings.Port);
    report.port = line.port;
    report.baud = line.baud;
    QStringList items = qv::record::downloadLines(
        m_settings.DownloadRecord, QChar(char16_t(quint8(m_settings.DownloadSeparator))));
    if (items.size() > qv::record::FieldCount)
        items.resize(qv::record::FieldCount); // the empty line that ends the record
    report.fields = items;
    report.acknowledged = succeeded();
    report.readBack = m_readBack;
    report.differences = m_differences;
    if (!succeeded())
        report.result = qv::transfer::ExchangeResult::Failed;
    else if (m_differs)
        report.result = qv::transfer::ExchangeResult::Differences;
    // Anything but a plain success, as the dialog said it (and why the read-back failed).
    const bool plain = succeeded() && (m_readBack == qv::transfer::ReadBack::NotRun ||
                                       m_readBack == qv::transfer::ReadBack::Same);
    if (!plain) {
        QStringList reason{m_kiiras->text()};
        if (!m_openReason->isHidden())
            reason << m_openReason->text();
        if (!m_readBackFailure.isEmpty())
            reason << m_readBackFailure;
        report.reason = reason.join(u'\n');
    }
    return report;
}

void dload::dlcomplete()
{
    if (!m_worker->succeeded()) {
        m_kiiras->setText(tr("Betöltés hiba.\nTipp: ellenőrizze az eszközt és a port beállítást."));
        if (const auto failure = m_worker->openFailure())
            showOpenFailure(qv::openFailureAdvice(*failure));
        finish(false);
        return;
    }
    if (!m_verify->isChecked()) {
        m_kiiras->setText(tr("Sikeres betöltés."));
        finish(true);
        return;
    }
    m_kiiras->setText(tr("Sikeres betöltés.\nEllenőrzés..."));
    verify();
}

void dload::verify()
{
    m_verify->setEnabled(false);
    const qv::transfer::ReadOutOutcome outcome =
        qv::transfer::readOutModule(m_settings.Port, m_settings.Baudrate,
                                    QChar(char16_t(quint8(m_settings.UploadSeparator))), this);
    switch (outcome.end) {
    case qv::transfer::ReadOutEnd::Ok:
        break;
    case qv::transfer::ReadOutEnd::Cancelled:
        m_readBack = qv::transfer::ReadBack::Failed;
        m_kiiras->setText(tr("Sikeres betöltés.\nAz ellenőrzés megszakítva."));
        return finish(false);
    default:
        m_readBack = qv::transfer::ReadBack::Failed;
        m_readBackFailure = qv::transfer::readOutFailureText(outcome);
        m_kiiras->setText(tr("Sikeres betöltés.\nAz ellenőrzés nem sikerült."));
        finish(false);
        qv::showMessage(this, QMessageBox::Critical, tr("Hiba"), m_readBackFailure);
        return;
    }

    const QList<qv::transfer::FieldDifference> differences =
        qv::transfer::compareRecords(m_settings.DownloadRecord, outcome.decoded.fields,
                                     QChar(char16_t(quint8(m_settings.DownloadSeparator))));
    m_differences = differences;
    if (differences.isEmpty()) {
        m_readBack = qv::transfer::ReadBack::Same;
        m_kiiras->setText(tr("Sikeres betöltés.\nEllenőrizve."));
        return finish(true);
    }
    m_readBack = qv::transfer::ReadBack::Differs;
    m_differs = true;
    m_kiiras->setText(tr("Sikeres betöltés.\nA modul mást tárol!"));
    finish(false);
    //: Column of the differences: what was sent to the module.
    CompareDialog dialog(differences, tr("Elküldve"), this);
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
    m_verify->setText(tr("Ellenőrzés letöltés után"));
    m_backup->setText(tr("Kiolvasás letöltés előtt"));
    m_backup->setToolTip(tr("A következő letöltések előtt a modul konfigurációja "
                            "kiolvasva a nyilvántartásba kerül."));
    if (!m_complete)
        m_kiiras->setText(tr("Betöltés folyamatban..."));
}
