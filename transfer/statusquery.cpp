// The live status of the module in the status panel.
#include "app/mainwindow.h"

#include "app/messages.h"
#include "form/mainwindowui.h"
#include "serial/replybounds.h"
#include "serial/serialline.h"
#include "transfer/statusreply.h"
#include "transfer/statusview.h"

#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>

namespace {

// The query's progress window: one step for the request and one for each byte.
class StatusProgress : public qv::ReadProgress
{
public:
    explicit StatusProgress(QProgressDialog &dialog) : m_dialog(dialog) {}
    void advance() override
    {
        if (m_dialog.value() < m_dialog.maximum())
            m_dialog.setValue(m_dialog.value() + 1);
    }
    bool cancelled() override { return false; } // the query is not cancelled

private:
    QProgressDialog &m_dialog;
};

QByteArray numbered(const char *name, int n)
{
    return QByteArray(name) + QByteArray::number(n);
}

} // namespace

void MainWindow::allapot()
{
    QPushButton *button = ui->allapot_gomb;
    auto *bar = ui->get<QProgressBar>("terero");
    button->setStyleSheet(qv::status::style::ButtonRunning);
    button->setText(QStringLiteral("Várjon!..."));
    button->setEnabled(false);
    bar->setStyleSheet(QString());
    bar->reset();

    QProgressDialog progress(this);
    progress.setLabelText(QStringLiteral("Állapot lekérdezése..."));
    progress.setRange(0, 50);
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.setMinimumDuration(0);
    progress.show();

    // The module answers "~[" with one line ended by CR, always at 1200 bit/s.
    qv::Reply reply;
    qv::SerialLine line;
    if (line.open(qv::lines::status(settings.Port)) == qv::OpenResult::Ok) {
        line.writeBytes("~[");
        StatusProgress steps(progress);
        steps.advance();
        qv::ReplyOptions options;
        options.bound = qv::replybound::Status;
        options.endAtCr = true;
        options.progress = &steps;
        reply = line.readReply(options);
        line.close();
    } else {
        reply.end = qv::ReplyEnd::NotOpen;
    }
    progress.reset();
    progress.close();

    auto restoreButton = [button] {
        button->setStyleSheet(qv::status::style::ButtonAtRest);
        button->setText(QStringLiteral("Állapot lekérdezése"));
        button->setEnabled(true);
    };

    // A line that ends by silence is taken as it came; one that broke off, never ended
    // or never came is a failed query.
    const qv::status::ParseResult parsed =
        reply.isComplete() ? qv::status::parseStatusLine(reply.text) : qv::status::ParseResult{};
    if (parsed.result != qv::status::ParseStatus::Ok) {
        restoreButton();
        qv::showMessage(this, QMessageBox::Critical, QStringLiteral("Hiba"),
                        QStringLiteral("Sikertelen lekérdezés.\nEllenőrizze az eszközt!"));
        return;
    }

    const qv::status::PanelView view = qv::status::panelView(parsed.status, settings.DeviceModel);
    for (int n = 1; n <= 4; ++n)
        ui->get<QWidget>(numbered("w_ki", n))->setStyleSheet(view.outputStyles[n - 1]);
    for (int n = 1; n <= 4; ++n)
        ui->get<QWidget>(numbered("w_be", n))->setStyleSheet(view.inputStyles[n - 1]);
    ui->get<QLabel>("l_analog")->setText(view.analog);
    ui->get<QLabel>("l_counter")->setText(view.counter);
    ui->get<QWidget>("w_tp")->setStyleSheet(view.supplyStyle);
    bar->setRange(0, qv::status::SignalBarMaximum);
    bar->reset();
    bar->setValue(view.signal);
    bar->setStyleSheet(view.signalStyle);
    ui->get<QLabel>("l_ver")->setText(view.version);
    restoreButton();
}
