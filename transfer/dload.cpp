#include "transfer/dload.h"

#include "serial/openadvice.h"
#include "transfer/dlthread.h"

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

dload::dload(const devSettings &settings, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("dload"));
    resize(262, 118);

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
    return m_complete && m_worker->succeeded();
}

void dload::dlcomplete()
{
    m_complete = true;
    if (m_worker->succeeded()) {
        m_kiiras->setText(QStringLiteral("Sikeres betöltés."));
        QTimer::singleShot(SuccessCloseMs, this, &QDialog::accept);
    } else {
        m_kiiras->setText(
            QStringLiteral("Betöltés hiba.\nTipp: ellenőrizze az eszközt és a port beállítást."));
        if (const auto failure = m_worker->openFailure())
            showOpenFailure(qv::openFailureAdvice(*failure));
    }
    m_buttonBox->setStandardButtons(QDialogButtonBox::Ok);
    m_buttonBox->setEnabled(true);
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
    m_progressBar->move(m_progressBar->x(), m_progressBar->y() + shift);
    m_buttonBox->move(m_buttonBox->x(), m_buttonBox->y() + shift);
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
    setWindowTitle(QStringLiteral("Betöltés"));
    m_label->setText(QString());
    if (!m_complete)
        m_kiiras->setText(QStringLiteral("Betöltés folyamatban..."));
}
